// The menu bar of each program as the user sees it, in each of its languages,
// with the commands the program attaches at start.
#include "window_fixture.h"

using namespace tolvan;

namespace {

// "Title: item | item [key] | - | item" for every menu: each item's text and
// the key it is bound to.
QStringList menuOutline(CMainFrame& frame)
{
    QStringList out;
    for (QAction* top : frame.menuBar()->actions()) {
        QStringList items;
        for (QAction* a : top->menu()->actions()) {
            const QString key = a->shortcut().isEmpty() ? "" : " [" + a->shortcut().toString() + "]";
            if (a->isVisible())
                items << (a->isSeparator() ? "-" : a->text() + key);
        }
        out << top->text() + ": " + items.join(" | ");
    }
    return out;
}

} // namespace

// Ctrl+O stays File > Open and Ctrl+C copies rows, whatever the menus show
// beside Optional Features and COM1.
TEST_F(WindowTest, EachProgramShowsTheMenusOfItsFamilyInItsLanguage)
{
    std::string out;
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        auto w = start(run.edition->id.c_str(), nullptr, run.chineseSystem);
        // A dialog is attached only where the edition has what it edits.
        const Edition& e = *run.edition;
        SCOPED_TRACE(e.id);
        EXPECT_EQ(w->frame().hasCommand(cmd::OptionalFeatures), e.optionalFeatures || e.signallingFeatures || e.settingsLists);
        EXPECT_EQ(w->frame().hasCommand(cmd::KeyAssignment), e.keyAssignment.has_value());
        EXPECT_EQ(w->frame().hasCommand(cmd::TwoTone), e.hasTwoTone);
        out += "== " + run.edition->id + (run.chinese() ? " zh" : " en") + "\n";
        out += menuOutline(w->frame()).join("\n").toStdString() + "\n";
    }
    expectGolden("qt", "menus", out);
}

TEST_F(WindowTest, ACommandTheProgramLacksIsAbsentNeverBroken)
{
    // Only Test Mode and printing are attached: every dialog item and the
    // menus holding nothing else fold away, separators with them; without
    // print hooks the print items go too. The outlines are in the snapshot.
    auto keys = start("cps-keys");
    keys->frame().setHooks({.testMode = [](CTolView&) {}, .print = [](CTolView&) {},
                            .printPreview = [](CTolView&) {}, .printSetup = [](CTolView&) {}});
    auto ccir = start("cps-ccir");
    ccir->frame().setHooks({.testMode = [](CTolView&) {}});
    const QStringList outlines = QStringList{"== cps-keys, test mode and print"} + menuOutline(keys->frame())
                                 + QStringList{"== cps-ccir, test mode only"} + menuOutline(ccir->frame());
    expectGolden("qt", "menus_folded", outlines.join("\n").toStdString() + "\n");
}

// The keys the menus show do what they show: Ctrl+O is File > Open where
// Optional Features shows it too, Ctrl+D, Ctrl+E and Ctrl+F choose COM2-COM4.
TEST_F(WindowTest, TheKeysTheMenusShowDoWhatTheyShow)
{
    for (const char* id : {"cps-twotone", "cps-keys"}) {
        auto w = start(id);
        CMainFrame& frame = w->frame();
        frame.show();
        QApplication::setActiveWindow(&frame);
        writeFile("other.sin", newDocumentImage(w->document().edition()));
        dialogs.openNames = {path("other.sin")};
        WindowCloser closer(false);
        QTest::keyClick(&frame, Qt::Key_O, Qt::ControlModifier);
        EXPECT_TRUE(closer.closed.isEmpty()) << id << ": no dialog opened";
        EXPECT_EQ(w->document().path(), path("other.sin").toStdString()) << id;
        for (const auto& [key, port] : {std::pair{Qt::Key_D, "COM2"}, {Qt::Key_E, "COM3"}, {Qt::Key_F, "COM4"}}) {
            QTest::keyClick(&frame, key, Qt::ControlModifier);
            EXPECT_EQ(frame.view().portName(), port) << id;
            EXPECT_TRUE(frame.action(cmd::Com2 + (port[3] - '2'))->isChecked()) << port;
        }
    }
}

namespace {

// A caption as the page names it: without its '&', its "(&X)" and its key.
QString plainCaption(QString caption)
{
    caption = caption.section('\t', 0, 0);
    caption.remove(QRegularExpression(R"(\(&.\))"));
    return caption.remove('&');
}

} // namespace

// F1 opens the program's own page, which names every command its menus show
// and none of the dialog commands it lacks (a word the window shows elsewhere,
// such as the sixteen-channel form's "侧键功能" list, aside).
TEST_F(WindowTest, EachHelpPageNamesEveryMenuCommandOfItsProgramAndNoOther)
{
    const MenuOutline families[] = {twoToneMenus(), familyAMenus(), keyAssignmentMenus(), sixteenChannelMenus()};
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        auto w = start(run.edition->id.c_str(), nullptr, run.chineseSystem);
        CMainFrame& frame = w->frame();
        SCOPED_TRACE(run.edition->id + (run.chinese() ? " zh" : " en"));
        frame.action(cmd::HelpTopics)->trigger();
        ASSERT_TRUE(frame.helpWindow());
        const QString file = frame.helpWindow()->currentFile();
        EXPECT_TRUE(file.contains("/" + QString::fromStdString(run.edition->id) + "/")) << file.toStdString();
        QFile html(file);
        ASSERT_TRUE(html.open(QIODevice::ReadOnly));
        QTextDocument document;
        document.setHtml(QString::fromUtf8(html.readAll()));
        const QString page = document.toPlainText().simplified();
        frame.helpWindow()->close();
        for (QAction* top : frame.menuBar()->actions())
            for (QAction* a : top->menu()->actions())
                // The recent files and adapters are names of files and devices.
                if (const int id = frame.commandId(a);
                    a->isVisible() && id != 0 && (id < cmd::RecentFile1 || id > cmd::RecentFile1 + 3)) {
                    EXPECT_TRUE(page.contains(plainCaption(a->text()))) << plainCaption(a->text()).toStdString();
                }
        QStringList shown;
        for (const QLabel* l : frame.findChildren<QLabel*>())
            shown << l->text();
        const Language language = run.chinese() ? Language::Chinese : Language::English;
        for (const MenuOutline& outline : families)
            for (const Menu& menu : outline)
                for (const MenuItem& item : menu.items)
                    if (!item.isSeparator() && !frame.hasCommand(item.command)) {
                        const QString caption = plainCaption(QString::fromStdString(item.caption.in(language)));
                        EXPECT_TRUE(shown.contains(caption) || !page.contains(caption)) << caption.toStdString();
                    }
    }
}
