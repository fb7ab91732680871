// The menu bar of each program as the user sees it, in each of its languages.
#include "window_fixture.h"

using namespace tolvan;

namespace {

// "Title: item | item | - | item" for every menu.
QStringList menuOutline(CMainFrame& frame)
{
    QStringList out;
    for (QAction* top : frame.menuBar()->actions()) {
        QStringList items;
        for (QAction* a : top->menu()->actions())
            if (a->isVisible())
                items << (a->isSeparator() ? "-" : a->text());
        out << top->text() + ": " + items.join(" | ");
    }
    return out;
}

// Every hook set: each command the outline names is shown.
FrameHooks allHooks()
{
    auto dialog = [](CTolView&) { return false; };
    auto command = [](CTolView&) {};
    return {.optionalFeatures = dialog, .keyAssignment = dialog, .twoTone = dialog, .testMode = command,
            .print = command, .printPreview = command, .printSetup = command};
}

const QString kFileEn = "&File: &New\tCtrl+N | &Open...\tCtrl+O | &Save\tCtrl+S | Save &As... | - | "
                        "&Print...\tCtrl+P | Print Pre&view | P&rint Setup... | - | E&xit";
const QString kFileZh = "文件(&F): 新建(&N)\tCtrl+N | 打开(&O)...\tCtrl+O | 保存(&S)\tCtrl+S | 另存为(&A)... | - | "
                        "打印(&P)...\tCtrl+P | 打印预览(&V) | 打印设置(&R)... | - | 退出(&X)";
const QString kPortEn = "P&ort: COM1(&P)\tCtrl+C | COM2(&Q)\tCtrl+D | COM3(&S)\tCtrl+E | COM4(&T)\tCtrl+F | - | "
                        "Virtual Radio";
const QString kPortZh = "端口(&O): COM1(&P)\tCtrl+C | COM2(&Q)\tCtrl+D | COM3(&S)\tCtrl+E | COM4(&T)\tCtrl+F | - | "
                        "虚拟对讲机";
const QString kViewEn = "&View: &Toolbar | &Status Bar";
const QString kViewZh = "查看(&V): 工具栏(&T) | 状态栏(&S)";
const QString kHelpEn = "&Help: &Help Topics | - | &About Tolvan-2.0...";
const QString kHelpZh = "帮助(&H): 帮助主题(&H) | - | 关于 Tolvan-2.0(&A)...";

const QString kFamilyAProgramEn = "&Program: &Read From Radio\tCtrl+R | - | &Write To Radio\tCtrl+W | - | "
                                  "&Test Mode\tCtrl+T | - | &Optional Features\tCtrl+O";
const QString kFamilyAProgramZh = "编程(&P): 读频(&R)\tCtrl+R | - | 写频(&W)\tCtrl+W | - | 在线调试(&T)\tCtrl+T | - | "
                                  "可选功能(&O)\tCtrl+O";
const QString kSmallProgramEn = "&Program: &Read From Radio\tCtrl+R | - | &Write To Radio\tCtrl+W | - | "
                                "&Test Mode\tCtrl+T";
const QString kSmallProgramZh = "编程(&E): &读频(&U)\tCtrl+R | - | 写频\tCtrl+W | - | 在线调试\tCtrl+T";
const QString kKeysEditEn = "&Edit: &Key Assignment\tCtrl+K | &Optional Features\tCtrl+O";
const QString kKeysEditZh = "编辑(D): 侧键功能\tCtrl+K | 可选功能\tCtrl+O";

QStringList expectedMenus(const Edition& e, bool chinese)
{
    const QString file = chinese ? kFileZh : kFileEn;
    const QString port = chinese ? kPortZh : kPortEn;
    const QString view = chinese ? kViewZh : kViewEn;
    const QString help = chinese ? kHelpZh : kHelpEn;
    switch (e.family) {
    case Family::TwoTone:
        return {file, (chinese ? kFamilyAProgramZh : kFamilyAProgramEn) + (chinese ? " | - | 两音信令\tCtrl+Y"
                                                                                   : " | - | Two Tone\tCtrl+Y"),
                port, view, help};
    case Family::FamilyA:
        return {file, chinese ? kFamilyAProgramZh : kFamilyAProgramEn, port, view, help};
    case Family::KeyAssignment:
        return {file, chinese ? kKeysEditZh : kKeysEditEn, chinese ? kSmallProgramZh : kSmallProgramEn, port, view,
                help};
    case Family::SixteenChannel:
        return {file, chinese ? kSmallProgramZh : kSmallProgramEn, port, view, help};
    }
    return {};
}

} // namespace

TEST_F(WindowTest, EachProgramShowsTheMenusOfItsFamilyInItsLanguage)
{
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        const Edition* e = run.edition;
        SCOPED_TRACE(e->id + (run.chineseSystem ? " (Chinese)" : ""));
        auto w = start(e->id.c_str(), nullptr, run.chineseSystem);
        w->frame().setHooks(allHooks());
        EXPECT_EQ(menuOutline(w->frame()), expectedMenus(*e, run.chinese()));

        // Keys: Ctrl+O stays File → Open; the Program and Edit keys shown are bound.
        const std::pair<int, QKeySequence> keys[] = {
            {cmd::Open, QKeySequence("Ctrl+O")}, {cmd::OptionalFeatures, {}}, {cmd::EditOptionalFeatures, {}},
            {cmd::Com1, {}},  // Ctrl+C copies rows
            {cmd::ReadFromRadio, QKeySequence("Ctrl+R")}, {cmd::TestMode, QKeySequence("Ctrl+T")},
            {cmd::TwoTone, e->hasTwoTone ? QKeySequence("Ctrl+Y") : QKeySequence()},
            {cmd::KeyAssignment, e->family == Family::KeyAssignment ? QKeySequence("Ctrl+K") : QKeySequence()}};
        for (const auto& [id, key] : keys)
            EXPECT_EQ(w->frame().action(id)->shortcut(), key) << id;
    }
}

TEST_F(WindowTest, ACommandTheProgramLacksIsAbsentNeverBroken)
{
    // Only Test Mode and printing are attached: every dialog item and the
    // menus holding nothing else fold away, separators with them.
    auto keys = start("cps-keys");
    keys->frame().setHooks({.testMode = [](CTolView&) {}, .print = [](CTolView&) {},
                            .printPreview = [](CTolView&) {}, .printSetup = [](CTolView&) {}});
    const QStringList outline = menuOutline(keys->frame());
    ASSERT_EQ(outline.size(), 5);
    EXPECT_EQ(outline[1], kSmallProgramEn) << "no Edit menu without its dialogs";
    for (int id : {cmd::KeyAssignment, cmd::EditOptionalFeatures, cmd::OptionalFeatures, cmd::TwoTone})
        EXPECT_FALSE(keys->frame().hasCommand(id));

    auto ccir = start("cps-ccir");
    ccir->frame().setHooks({.testMode = [](CTolView&) {}});
    EXPECT_EQ(menuOutline(ccir->frame())[1], "&Program: &Read From Radio\tCtrl+R | - | &Write To Radio\tCtrl+W | - | "
                                             "&Test Mode\tCtrl+T");
    EXPECT_FALSE(menuOutline(ccir->frame())[0].contains("&Print")) << "no print items";

    // The program as started: a dialog is attached only where the edition has it.
    for (const Edition* e : allEditions()) {
        auto w = start(e->id.c_str());
        connectWindowCommands(w->frame());
        const bool settingsDialog = e->optionalFeatures || e->signallingFeatures || e->settingsLists;
        EXPECT_EQ(w->frame().hasCommand(cmd::OptionalFeatures), settingsDialog) << e->id;
        EXPECT_EQ(w->frame().hasCommand(cmd::KeyAssignment), e->keyAssignment.has_value()) << e->id;
        EXPECT_EQ(w->frame().hasCommand(cmd::TwoTone), e->hasTwoTone) << e->id;
    }
}

TEST_F(WindowTest, CtrlOOpensAFileWhereOptionalFeaturesShowsItToo)
{
    for (const char* id : {"cps-twotone", "cps-keys"}) {
        auto w = start(id);
        CMainFrame& frame = w->frame();
        int dialogsOpened = 0;
        frame.setHooks({.optionalFeatures = [&](CTolView&) { return ++dialogsOpened, false; }});
        frame.show();
        QApplication::setActiveWindow(&frame);
        writeFile("other.sin", newDocumentImage(w->document().edition()));
        dialogs.openNames = {path("other.sin")};
        QTest::keyClick(&frame, Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(dialogsOpened, 0) << id;
        EXPECT_EQ(w->document().path(), path("other.sin").toStdString()) << id;
    }
}
