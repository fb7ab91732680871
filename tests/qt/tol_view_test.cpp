#include "window_fixture.h"

#include "editor/column_widths.h"
#include "editor/qt/ms_flex_grid.h"
#include "report/form_list_texts.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace tolvan;

TEST_F(WindowTest, TheGridShowsTheTableWithItsShape)
{
    auto w = start("cps-twotone");
    CTolView& view = w->frame().view();
    CMSFlexGrid* grid = view.grid();
    ASSERT_EQ(grid->rows(), 129);
    ASSERT_EQ(grid->cols(), 13);
    for (int row = 0; row < grid->rows(); row += 16)
        for (int col = 0; col < grid->cols(); ++col)
            EXPECT_EQ(grid->textMatrix(row, col).toStdString(), view.table().cell(row, col));
    EXPECT_EQ(grid->textMatrix(128, 0), "128");
    EXPECT_EQ(grid->textMatrix(0, 5), " W/N ");
    const double w2 = grid->colWidth(2) / 1.2;
    for (int col = 0; col < grid->cols(); ++col)
        EXPECT_NEAR(grid->colWidth(col), w2 * columnWidthFactor(view.table().columnAt(col)), 1.5) << col;
    EXPECT_EQ(grid->font().family(), "Times New Roman");
    EXPECT_DOUBLE_EQ(grid->font().pointSizeF(), 9.75);

    // The new document's form.
    const int expected[] = {0, 2, 9, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(view.formList(i)->currentIndex(), expected[i]) << i;
    EXPECT_EQ(view.formList(1)->currentText(), "240 - 260MHz");
}

TEST_F(WindowTest, TypingIntoAListSnapsItBack)
{
    auto w = start("cps-twotone");
    CTolView& view = w->frame().view();
    const int snapped[] = {0, 2, 9, 1};
    for (int i = 0; i < 4; ++i) {
        QComboBox* list = view.formList(i);
        emit list->activated(1);
        list->setCurrentIndex(1);
        w->document().setModified(false);
        QTest::keyClicks(list->lineEdit(), "7");
        EXPECT_EQ(list->currentIndex(), snapped[i]) << i;
        EXPECT_EQ(view.form().selection(i), snapped[i]) << i;
        EXPECT_EQ(w->document().isModified(), snapped[i] != 1) << "a snapped list is a change too";
    }
}

TEST_F(WindowTest, TheStatusBarHintsFollowTheCursor)
{
    for (bool chinese : {false, true}) {
        auto w = start("cps-twotone", nullptr, chinese);
        CTolView& view = w->frame().view();
        QSignalSpy hints(&view, &CTolView::hint);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(view.grid()->viewport(), &enter);
        QCoreApplication::sendEvent(view.formList(0), &enter);
        QCoreApplication::sendEvent(&view, &enter);
        ASSERT_EQ(hints.size(), 3);
        EXPECT_EQ(hints[0][0].toString(), chinese ? "请单击格子进入编辑状态或直接输入数字,如需帮助，请按F1键"
                                                  : "Please Click the cell to edit or input data，For help，please press F1");
        EXPECT_EQ(hints[1][0].toString(), chinese ? "请点击组合框右边的箭头按钮以进行选择"
                                                  : "Please click the CommBox to choose value，For help，please press F1");
        EXPECT_EQ(hints[2][0].toString(), chinese ? "如需帮助，请按F1键" : "For help，please press F1");
        EXPECT_EQ(w->frame().statusText(), hints[2][0].toString());
    }
}

TEST_F(WindowTest, EveryEditionsViewStoresWhatItShows)
{
    for (const Edition* e : allEditions()) {
        auto w = start(e->id.c_str());
        ASSERT_TRUE(w) << e->id;
        CTolView& view = w->frame().view();
        ASSERT_EQ(view.grid()->rows(), e->channelCount + 1) << e->id;
        ASSERT_EQ(view.grid()->cols(), static_cast<int>(e->columns.size())) << e->id;
        // Stored once, the image no longer changes when shown and stored again.
        MemoryImage once = w->document().image();
        view.gridToImage(once);
        w->document().image() = once;
        view.imageToGrid();
        MemoryImage twice = once;
        view.gridToImage(twice);
        EXPECT_EQ(twice, once) << e->id;
        for (int i = 0; i < view.form().count(); ++i)
            EXPECT_EQ(view.formList(i)->currentIndex(), view.form().selection(i)) << e->id << " list " << i;
    }
}

namespace {

// The form's list with that label, as the window shows it.
QComboBox* listNamed(CTolView& view, const std::string& label)
{
    for (int i = 0; i < view.form().count(); ++i)
        if (view.form().list(i).label == label)
            return view.formList(i);
    ADD_FAILURE() << "no list " << label;
    return nullptr;
}

// A choice from the list, as the user makes it.
void choose(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

std::vector<std::uint8_t> fileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

} // namespace

TEST_F(WindowTest, TheSixteenChannelFunctionSettingGroup)
{
    struct Case {
        const char* id;
        QString title;
        QStringList labels;
        // The new document, in the group's order.
        QStringList texts;
    };
    const Case cases[] = {
        {"cps16", "Function Setting",
         {"Warning", "TX Power", "Vox", "Time-out Timer", "Squelch Level", "Band  Width", "Side Button"},
         {"Disable", "9", "ON", "Off", "5", "Wide", "SQ OFF Momentary"}},
        {"cps16-cn", "功能设置", {"报警音提示", "发射功率", "声控发射", "发射限时(秒)", "静噪等级", "频带宽度", "侧键功能"},
         {"打开", "9", "开", "Off", "5", "宽", "瞬时取消静噪"}},
    };
    for (const Case& c : cases) {
        auto w = start(c.id);
        ASSERT_TRUE(w) << c.id;
        CMainFrame& frame = w->frame();
        CTolView& view = frame.view();
        QGroupBox* group = view.functionGroup();
        ASSERT_TRUE(group) << c.id;
        EXPECT_EQ(group->title(), c.title);
        const auto combos = group->findChildren<QComboBox*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(combos.size(), c.labels.size()) << c.id;
        QStringList labels, texts;
        for (QComboBox* combo : combos) {
            texts << combo->currentText();
            EXPECT_FALSE(combo->isEditable()) << c.id;
            for (QLabel* label : group->findChildren<QLabel*>())
                if (label->buddy() == combo)
                    labels << label->text();
        }
        EXPECT_EQ(labels, c.labels) << c.id;
        EXPECT_EQ(texts, c.texts) << c.id;
        // The group sits below the table; the 16th channel's scan stays above it.
        EXPECT_GT(view.layout()->indexOf(group), view.layout()->indexOf(view.grid()));
        EXPECT_EQ(listNamed(view, "Scan Function(16th)")->parentWidget(), listNamed(view, "Type")->parentWidget());

        // Choices reach the saved file: "Narrow" into all 16 records, the
        // side button's code, the TX power rank x 3.
        choose(listNamed(view, "Band  Width"), 0);
        choose(listNamed(view, "Side Button"), 2);  // VOX ON/OFF
        choose(listNamed(view, "TX Power"), 4);
        EXPECT_TRUE(w->document().isModified());
        // The same reaches the radio, and the printout reads the lists as they stand.
        MemoryImage sent;
        view.setTransfer([&](Direction, const std::string&, const MemoryImage& image) -> std::optional<MemoryImage> {
            sent = image;
            return image;
        });
        ASSERT_TRUE(view.writeToRadio());
        for (int ch = 1; ch <= 16; ++ch)
            EXPECT_TRUE(sent.bit(0x10 + 16 * static_cast<std::size_t>(ch - 1) + 12, 2)) << c.id << " channel " << ch;
        EXPECT_EQ(sent.at(0x3C2), 5);
        EXPECT_EQ(sent.at(0x3C4), 12);
        const FormListTexts printed = formListTexts(view.form(), view.language());
        EXPECT_EQ(printed.of("Band  Width"), listNamed(view, "Band  Width")->currentText().toStdString());
        EXPECT_EQ(printed.of("Side Button"), listNamed(view, "Side Button")->currentText().toStdString());
        dialogs.saveNames = {path("saved.sin")};
        ASSERT_TRUE(frame.fileSaveAs());
        const std::vector<std::uint8_t> saved = fileBytes(path("saved.sin"));
        ASSERT_EQ(saved.size(), 1024u);
        for (int ch = 1; ch <= 16; ++ch)
            EXPECT_EQ(saved[0x10 + 16 * (ch - 1) + 12], 0xFF) << c.id << " channel " << ch;
        EXPECT_EQ(saved[0x3C2], 5);
        EXPECT_EQ(saved[0x3C4], 12);

        // A file whose channel 1 says wide shows "Wide", whatever the others hold;
        // a side-button byte of 4 leaves the list as it was.
        MemoryImage file(saved.size());
        file.write(0, saved);
        file.set(0x01C, 0xFB);
        file.set(0x3C2, 4);
        writeFile("wide.sin", file);
        ASSERT_TRUE(frame.openFile(path("wide.sin")));
        EXPECT_EQ(listNamed(view, "Band  Width")->currentIndex(), 1) << c.id;
        EXPECT_EQ(listNamed(view, "Side Button")->currentIndex(), 2) << c.id;
        EXPECT_EQ(listNamed(view, "TX Power")->currentText(), "4") << c.id;
    }
}

TEST_F(WindowTest, OnlyTheSixteenChannelFormHasAFunctionGroup)
{
    for (const Edition* e : allEditions()) {
        auto w = start(e->id.c_str());
        ASSERT_TRUE(w) << e->id;
        EXPECT_EQ(w->frame().view().functionGroup() != nullptr, e->family == Family::SixteenChannel) << e->id;
    }
}
