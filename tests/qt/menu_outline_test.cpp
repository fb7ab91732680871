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
