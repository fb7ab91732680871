#include "window_fixture.h"

namespace tolvan {
namespace {

const Edition& twoTone() { return *findEdition("cps-twotone"); }

std::vector<std::uint8_t> bytesAt(const MemoryImage& image, std::size_t offset, std::size_t n)
{
    auto span = image.bytes(offset, n);
    return {span.begin(), span.end()};
}

struct OpenDialog {
    explicit OpenDialog(MemoryImage& image, Language language = Language::English)
        : dlg(std::make_unique<CTwoToneDlg>(image, twoTone(), language))
    {
        dlg->encodePage()->showMessage = [this](const QString& m) { messages.push_back(m); };
        dlg->show();
        QApplication::processEvents();
    }
    CEncodePage* encode() const { return dlg->encodePage(); }
    std::unique_ptr<CTwoToneDlg> dlg;
    QStringList messages;
};

TEST(CTwoToneDlg, TypingATonePairAndClosingWritesBothForms)
{
    MemoryImage image = newDocumentImage(twoTone());
    OpenDialog open(image);
    QTableWidget* grid = open.encode()->grid();
    // Enter on the grid moves the cursor; it never closes the dialog.
    grid->setCurrentCell(5, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(std::make_pair(grid->currentRow(), grid->currentColumn()), std::make_pair(5, 2));
    EXPECT_TRUE(open.dlg->isVisible());
    grid->setCurrentCell(2, 1);
    QTest::keyClick(grid, Qt::Key_X);  // not a digit: refused, the box opens empty
    ASSERT_EQ(open.messages.size(), 1);
    QLineEdit* editor = open.encode()->cellEditor();
    EXPECT_TRUE(editor->isVisible() && editor->text().isEmpty());
    editor->hide();
    QTest::keyClick(grid, Qt::Key_1);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), "1");
    QTest::keyClicks(editor, "000");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(grid->item(2, 1)->text(), "1000.0");
    EXPECT_EQ(grid->item(2, 2)->text(), "1000.0");
    EXPECT_EQ(grid->currentColumn(), 2) << "the cursor moves on to tone 2";
    EXPECT_TRUE(editor->isVisible()) << "and the box reopens there";
    EXPECT_EQ(editor->text(), "1000.0");

    open.dlg->reject();
    EXPECT_TRUE(open.dlg->imageChanged());
    EXPECT_EQ(bytesAt(image, 0xE08, 4), (std::vector<std::uint8_t>{0x27, 0x10, 0x27, 0x10}));
    EXPECT_EQ(bytesAt(image, 0xF08, 4), (std::vector<std::uint8_t>{0x00, 0x70, 0x00, 0x70}));
}

TEST(CTwoToneDlg, LeavingAnOpenBoxCommitsItAndFollowsTheRowRules)
{
    MemoryImage image = newDocumentImage(twoTone());
    OpenDialog open(image);
    QTableWidget* grid = open.encode()->grid();
    QLineEdit* editor = open.encode()->cellEditor();
    grid->setCurrentCell(20, 1);
    QTest::keyClick(grid, Qt::Key_7);
    QTest::keyClicks(editor, "00");
    grid->setCurrentCell(25, 1);  // the user goes elsewhere
    EXPECT_EQ(grid->item(20, 1)->text(), "700.0");
    EXPECT_EQ(grid->item(20, 2)->text(), "700.0");
    EXPECT_EQ(grid->currentRow(), 20) << "from tone 1 the cursor goes to tone 2 of the row";
    EXPECT_EQ(grid->currentColumn(), 2);
    ASSERT_TRUE(editor->isVisible());

    editor->setText("9000");
    grid->setCurrentCell(25, 1);
    EXPECT_EQ(grid->item(20, 2)->text(), "3106.0");
    EXPECT_EQ(grid->currentRow(), 25) << "below row 16 the cursor stays where the user went";
    EXPECT_EQ(editor->text(), "") << "and the box reopens there with the cell's text";

    // A dialog destroyed while showing writes its page, a box still open committed.
    editor->setText("1234");
    open.encode()->intervalBox()->setText("300");
    open.dlg.reset();
    EXPECT_EQ(bytesAt(image, 0xE64, 4), (std::vector<std::uint8_t>{0x30, 0x34, 0x30, 0x34}));
    EXPECT_EQ(bytesAt(image, 0xEC3, 2), (std::vector<std::uint8_t>{0x01, 0x2C}));
    EXPECT_EQ(bytesAt(image, 0xFC3, 2), (std::vector<std::uint8_t>{0x00, 0x06}));
}

TEST(CTwoToneDlg, SwitchingTabsWritesThePageThatIsHidden)
{
    MemoryImage image = newDocumentImage(twoTone());
    OpenDialog open(image);
    open.encode()->firstDelayBox()->setText("0.8");
    open.encode()->shortKillBox()->setChecked(true);
    open.dlg->tabs()->setCurrentIndex(1);
    EXPECT_EQ(image.at(0xEC0), 8);
    EXPECT_EQ(image.at(0xFC0), 16);
    EXPECT_EQ(image.at(0xEC7), 1);
    EXPECT_EQ(image.at(0xFC7), 1);

    CDecoderPage* first = open.dlg->decodeSheet()->page(0);
    EXPECT_EQ(first->toneBox(0)->text(), "411.2");
    first->toneBox(0)->setText("1000.0");
    open.dlg->decodeSheet()->tabs()->setCurrentIndex(1);
    EXPECT_EQ(bytesAt(image, 0xE80, 2), (std::vector<std::uint8_t>{0x27, 0x10}));
    EXPECT_EQ(bytesAt(image, 0xF80, 2), (std::vector<std::uint8_t>{0x03, 0x80}));

    // Coming back reads the image again.
    image.set(0xEC1, 9);
    open.dlg->tabs()->setCurrentIndex(0);
    EXPECT_EQ(open.encode()->firstDelayBox()->text(), "0.8");
    EXPECT_TRUE(open.encode()->shortKillBox()->isChecked());
}

TEST(CTwoToneDlg, AnOutOfRangeIntervalIsRefusedAndTheLastAcceptedKept)
{
    MemoryImage image = newDocumentImage(twoTone());
    OpenDialog open(image);
    TextSpinBox* interval = open.encode()->intervalBox();
    interval->setText("2500");
    emit interval->editingFinished();
    EXPECT_EQ(open.messages.size(), 1);
    EXPECT_EQ(interval->text(), "100");
    interval->stepBy(-2);
    EXPECT_EQ(interval->text(), "2000") << "the arrows wrap below 0";
    open.dlg->reject();
    EXPECT_EQ(bytesAt(image, 0xEC3, 2), (std::vector<std::uint8_t>{0x07, 0xD0}));
}

} // namespace
} // namespace tolvan
