#include "window_fixture.h"

using namespace tolvan;

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
        for (int row = 0; row <= e->channelCount; row += 7)
            for (int col = 0; col < view.grid()->cols(); ++col)
                EXPECT_EQ(view.grid()->textMatrix(row, col).toStdString(), view.table().cell(row, col)) << e->id;
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
        EXPECT_EQ(view.functionGroup() != nullptr, e->family == Family::SixteenChannel) << e->id;
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
        QStringList texts;  // the new document, in the group's order
    };
    const Case cases[] = {
        {"cps16", "Function Setting",
         {"Warning", "TX Power", "Vox", "Time-out Timer", "Squelch Level", "Band  Width", "Side Button"},
         {"Disable", "9", "ON", "Off", "5", "Wide", "SQ OFF Momentary"}},
        {"cps16-cn", "功能设置", {"报警音提示", "发射功率", "声控发射", "发射限时(秒)", "静噪等级", "频带宽度", "侧键功能"},
         {"打开", "9", "开", "Off", "5", "宽", "瞬时取消静噪"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        auto w = start(c.id);
        CTolView& view = w->frame().view();
        QGroupBox* group = view.functionGroup();
        ASSERT_TRUE(group);
        EXPECT_EQ(group->title(), c.title);
        QStringList labels, texts;
        for (QComboBox* combo : group->findChildren<QComboBox*>(QString(), Qt::FindDirectChildrenOnly)) {
            texts << combo->currentText();
            EXPECT_FALSE(combo->isEditable());
            for (QLabel* label : group->findChildren<QLabel*>())
                if (label->buddy() == combo)
                    labels << label->text();
        }
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(texts, c.texts);
        // The group sits below the table; the 16th channel's scan stays above it.
        EXPECT_GT(view.layout()->indexOf(group), view.layout()->indexOf(view.grid()));
        EXPECT_EQ(listNamed(view, "Scan Function(16th)")->parentWidget(), listNamed(view, "Type")->parentWidget());

        // Choices reach the saved file: "Narrow" into all 16 records, the
        // side button's code, the TX power rank x 3; the file shows them again.
        choose(listNamed(view, "Band  Width"), 0);
        choose(listNamed(view, "Side Button"), 2);  // VOX ON/OFF
        choose(listNamed(view, "TX Power"), 4);
        EXPECT_TRUE(w->document().isModified());
        dialogs.saveNames = {path("saved.sin")};
        ASSERT_TRUE(w->frame().fileSaveAs());
        const std::vector<std::uint8_t> saved = fileBytes(path("saved.sin"));
        ASSERT_EQ(saved.size(), 1024u);
        for (int ch = 1; ch <= 16; ++ch)
            EXPECT_EQ(saved[0x10 + 16 * (ch - 1) + 12], 0xFF) << "channel " << ch;
        EXPECT_EQ(saved[0x3C2], 5);
        EXPECT_EQ(saved[0x3C4], 12);
        ASSERT_TRUE(w->frame().fileNew());
        ASSERT_TRUE(w->frame().openFile(path("saved.sin")));
        EXPECT_EQ(listNamed(view, "Band  Width")->currentIndex(), 0);
        EXPECT_EQ(listNamed(view, "Side Button")->currentIndex(), 2);
        EXPECT_EQ(listNamed(view, "TX Power")->currentText(), "4");
    }
}
