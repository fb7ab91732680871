#include "window_fixture.h"

namespace tolvan {
namespace {

const Edition& twoTone() { return *findEdition("cps-twotone"); }

struct OpenDialog {
    explicit OpenDialog(MemoryImage& image)
        : image(image), dlg(std::make_unique<CTwoToneDlg>(image, twoTone(), Language::English))
    {
        dlg->encodePage()->showMessage = [this](const QString& m) { messages.push_back(m); };
        dlg->show();
        QApplication::processEvents();
    }
    CEncodePage* encode() const { return dlg->encodePage(); }
    MemoryImage& image;
    std::unique_ptr<CTwoToneDlg> dlg;
    QStringList messages;
};

// The page rules (cursor moves, ranges, wrapping arrows) are the tables'
// own; here the keys reach them and what they decide reaches the image.
// Each case ends with the dialog closed, or destroyed while showing.
TEST(CTwoToneDlg, WhatIsTypedReachesTheImage)
{
    const struct {
        const char* what;
        std::function<void(OpenDialog&)> act;
    } cases[] = {
        {"a tone pair typed, Cancel closes",
         [](OpenDialog& open) {
             QTableWidget* grid = open.encode()->grid();
             grid->setCurrentCell(5, 1);
             QTest::keyClick(grid, Qt::Key_Return);  // moves the cursor, never closes
             EXPECT_EQ(std::make_pair(grid->currentRow(), grid->currentColumn()), std::make_pair(5, 2));
             grid->setCurrentCell(2, 1);
             QTest::keyClick(grid, Qt::Key_X);  // not a digit: refused, the box opens empty
             QLineEdit* editor = open.encode()->cellEditor();
             EXPECT_TRUE(editor->isVisible() && editor->text().isEmpty());
             editor->hide();
             QTest::keyClick(grid, Qt::Key_1);
             QTest::keyClicks(editor, "000");
             QTest::keyClick(editor, Qt::Key_Return);
             EXPECT_EQ(grid->item(2, 2)->text(), "1000.0");
             EXPECT_TRUE(editor->isVisible()) << "the box reopens where the cursor went";
             open.dlg->reject();
         }},
        {"an open box committed by leaving it, and by the dialog going",
         [](OpenDialog& open) {
             QTableWidget* grid = open.encode()->grid();
             QLineEdit* editor = open.encode()->cellEditor();
             grid->setCurrentCell(20, 1);
             QTest::keyClick(grid, Qt::Key_7);
             QTest::keyClicks(editor, "00");
             grid->setCurrentCell(25, 1);  // the user goes elsewhere
             EXPECT_EQ(grid->item(20, 2)->text(), "700.0");
             ASSERT_TRUE(editor->isVisible());
             editor->setText("1234");
             open.encode()->intervalBox()->setText("300");
             open.dlg.reset();
         }},
        {"switching tabs writes the page that is hidden",
         [](OpenDialog& open) {
             open.encode()->firstDelayBox()->setText("0.8");
             open.encode()->shortKillBox()->setChecked(true);
             open.dlg->tabs()->setCurrentIndex(1);
             CDecoderPage* first = open.dlg->decodeSheet()->page(0);
             EXPECT_EQ(first->toneBox(0)->text(), "411.2");
             first->toneBox(0)->setText("1000.0");
             open.dlg->decodeSheet()->tabs()->setCurrentIndex(1);
             // Coming back reads the image again.
             open.image.set(0xEC1, 9);
             open.dlg->tabs()->setCurrentIndex(0);
             EXPECT_EQ(open.encode()->firstDelayBox()->text(), "0.8");
             EXPECT_TRUE(open.encode()->shortKillBox()->isChecked());
             open.dlg.reset();
         }},
        {"an interval out of range is refused, the last accepted kept",
         [](OpenDialog& open) {
             TextSpinBox* interval = open.encode()->intervalBox();
             interval->setText("2500");
             emit interval->editingFinished();
             EXPECT_EQ(interval->text(), "100");
             interval->stepBy(-2);
             open.dlg->reject();
         }},
    };
    std::string out;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryImage image = newDocumentImage(twoTone());
        OpenDialog open(image);
        c.act(open);
        out += std::string("== ") + c.what + "\n" + open.messages.join("\n").toStdString() + "\n";
        out += imageChanges(newDocumentImage(twoTone()), image);
    }
    expectGolden("qt", "two_tone_dialog", out);
}

// Program > Two Tone in the window as shipped, in both languages: a tone typed
// over the tone 2 box that opened on the copied tone 1 replaces it, and every
// decoder box shows its text whole in the window's font.
TEST_F(WindowTest, TwoToneBoxesShowTheirTextsWholeAndTypingReplacesACopiedTone)
{
    for (bool chinese : {false, true}) {
        SCOPED_TRACE(chinese ? "Chinese" : "English");
        auto w = start("cps-twotone", nullptr, chinese);
        w->frame().show();
        QStringList tones;
        WindowCloser closer(false);
        closer.visit = [&](QWidget& dialog) {
            auto& d = dynamic_cast<CTwoToneDlg&>(dialog);
            QTableWidget* grid = d.encodePage()->grid();
            QLineEdit* editor = d.encodePage()->cellEditor();
            grid->setFocus();
            grid->setCurrentCell(2, 1);
            QTest::keyClick(grid, Qt::Key_1);
            QTest::keyClicks(editor, "500");
            QTest::keyClick(editor, Qt::Key_Return);  // tone 2 opens on the copy, 1500.0
            QTest::keyClicks(editor, "1600");
            QTest::keyClick(editor, Qt::Key_Return);
            tones = {grid->item(2, 1)->text(), grid->item(2, 2)->text()};
            d.tabs()->setCurrentIndex(1);
            for (int k = 0; k < twotone::kDecoderCount; ++k) {
                d.decodeSheet()->tabs()->setCurrentIndex(k);
                QApplication::processEvents();
                CDecoderPage* page = d.decodeSheet()->page(k);
                for (TextSpinBox* box : {page->toneBox(0), page->toneBox(1), page->timeBox(0), page->timeBox(1),
                                         page->timeBox(2), page->timeBox(3)}) {
                    // A line edit keeps two pixels free on either side of its text.
                    const QLineEdit* edit = box->lineEdit();
                    EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()) + 4, edit->contentsRect().width())
                        << "decoder " << k + 1 << ": " << edit->text().toStdString();
                }
            }
            return false;
        };
        w->frame().action(cmd::TwoTone)->trigger();
        EXPECT_EQ(tones, QStringList({"1500.0", "1600.0"}));
    }
}

} // namespace
} // namespace tolvan
