// The menu bars as data. Captions are stored as each program's resources give
// them (tabs before the shown keys, odd spellings kept); the Chinese wording of
// a caption can differ between families, which one translation per English
// text could not express.

#include "editions/menu_outline.h"

#include "editions/edition.h"

namespace tolvan {

const std::string& MenuCaption::in(Language language) const
{
    return language == Language::Chinese ? chinese : english;
}

namespace {

// Built on each use: the outlines may be asked for while statics are still being set up.
MenuItem separator()
{
    return {};
}

MenuItem item(int command, std::string english, std::string chinese, bool bindsKey = false)
{
    return {command, {std::move(english), std::move(chinese)}, bindsKey};
}

Menu fileMenu()
{
    return {{"&File", "文件(&F)"},
            {item(cmd::New, "&New\tCtrl+N", "新建(&N)\tCtrl+N", true),
             item(cmd::Open, "&Open...\tCtrl+O", "打开(&O)...\tCtrl+O", true),
             item(cmd::Save, "&Save\tCtrl+S", "保存(&S)\tCtrl+S", true),
             item(cmd::SaveAs, "Save &As...", "另存为(&A)..."),
             separator(),
             item(cmd::CompareWithFile, "Compare With &File...", "与文件比较(&F)..."),
             item(cmd::ImportChannels, "&Import Channels...", "导入频道(&I)..."),
             separator(),
             item(cmd::Print, "&Print...\tCtrl+P", "打印(&P)...\tCtrl+P", true),
             item(cmd::PrintPreview, "Print Pre&view", "打印预览(&V)"),
             item(cmd::PrintSetup, "P&rint Setup...", "打印设置(&R)..."),
             separator(),
             item(cmd::RecentFile1, "Recent File", "最近的文件"),
             item(cmd::Exit, "E&xit", "退出(&X)")}};
}

// The fleet commands of every Program menu, after Write To Radio.
std::vector<MenuItem> fleetItems()
{
    return {item(cmd::VerifyAfterWriting, "&Verify After Writing", "写入后校验(&V)"),
            item(cmd::WriteToSeveral, "Write To &Several Radios...", "写入多台对讲机(&S)..."),
            item(cmd::CompareWithRadio, "&Compare With Radio...", "与对讲机比较(&C)...")};
}

// Program menu of the family-A radios; `twoTone` adds the Two Tone tables.
Menu familyAProgramMenu(bool twoTone)
{
    Menu m{{"&Program", "编程(&P)"},
           {item(cmd::ReadFromRadio, "&Read From Radio\tCtrl+R", "读频(&R)\tCtrl+R", true),
            separator(),
            item(cmd::WriteToRadio, "&Write To Radio\tCtrl+W", "写频(&W)\tCtrl+W", true),
            separator(),
            fleetItems()[0], separator(), fleetItems()[1], separator(), fleetItems()[2],
            separator(),
            item(cmd::TestMode, "&Test Mode\tCtrl+T", "在线调试(&T)\tCtrl+T", true),
            separator(),
            item(cmd::OptionalFeatures, "&Optional Features\tCtrl+O", "可选功能(&O)\tCtrl+O")}};
    if (twoTone) {
        m.items.push_back(separator());
        m.items.push_back(item(cmd::TwoTone, "Two Tone\tCtrl+Y", "两音信令\tCtrl+Y", true));
    }
    return m;
}

// Program menu of the sixteen-channel radios, in their own Chinese wording.
Menu smallRadioProgramMenu()
{
    return {{"&Program", "编程(&E)"},
            {item(cmd::ReadFromRadio, "&Read From Radio\tCtrl+R", "&读频(&U)\tCtrl+R", true),
             separator(),
             item(cmd::WriteToRadio, "&Write To Radio\tCtrl+W", "写频\tCtrl+W", true),
             separator(),
             fleetItems()[0], separator(), fleetItems()[1], separator(), fleetItems()[2],
             separator(),
             item(cmd::TestMode, "&Test Mode\tCtrl+T", "在线调试\tCtrl+T", true)}};
}

// Ctrl+C stays the row copy where a program has one; its COM1 caption is kept.
Menu portMenu()
{
    return {{"P&ort", "端口(&O)"},
            {item(cmd::Com1, "COM1(&P)\tCtrl+C", "COM1(&P)\tCtrl+C"),
             item(cmd::Com2, "COM2(&Q)\tCtrl+D", "COM2(&Q)\tCtrl+D", true),
             item(cmd::Com3, "COM3(&S)\tCtrl+E", "COM3(&S)\tCtrl+E", true),
             item(cmd::Com4, "COM4(&T)\tCtrl+F", "COM4(&T)\tCtrl+F", true),
             item(cmd::SerialAdapters, "Serial Adapters", "串口适配器"),
             separator(),
             item(cmd::VirtualRadio, "Virtual Radio", "虚拟对讲机")}};
}

Menu viewMenu()
{
    return {{"&View", "查看(&V)"},
            {item(cmd::Toolbar, "&Toolbar", "工具栏(&T)"), item(cmd::StatusBar, "&Status Bar", "状态栏(&S)")}};
}

Menu helpMenu()
{
    return {{"&Help", "帮助(&H)"},
            {item(cmd::HelpTopics, "&Help Topics", "帮助主题(&H)"),
             separator(),
             item(cmd::About, "&About Tolvan-2.0...", "关于 Tolvan-2.0(&A)...")}};
}

} // namespace

MenuOutline twoToneMenus()
{
    return {fileMenu(), familyAProgramMenu(true), portMenu(), viewMenu(), helpMenu()};
}

MenuOutline familyAMenus()
{
    return {fileMenu(), familyAProgramMenu(false), portMenu(), viewMenu(), helpMenu()};
}

MenuOutline keyAssignmentMenus()
{
    const Menu edit{{"&Edit", "编辑(D)"},
                    {item(cmd::KeyAssignment, "&Key Assignment\tCtrl+K", "侧键功能\tCtrl+K", true),
                     item(cmd::EditOptionalFeatures, "&Optional Features\tCtrl+O", "可选功能\tCtrl+O")}};
    return {fileMenu(), edit, smallRadioProgramMenu(), portMenu(), viewMenu(), helpMenu()};
}

MenuOutline sixteenChannelMenus()
{
    return {fileMenu(), smallRadioProgramMenu(), portMenu(), viewMenu(), helpMenu()};
}

} // namespace tolvan
