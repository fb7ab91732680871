// A net under every command: in each of the ten programs, every action of the
// menu bar and the tool bar is triggered twice, its windows closed with
// Cancel the first time and OK the second, and the window must still stand
// with its document. Transfers run against the in-process virtual radio.
#include "window_fixture.h"

using namespace tolvan;

namespace {

// Every command the user can reach: the menu bar's items, then the tool bar's
// buttons that are not in a menu.
std::vector<QAction*> reachableCommands(CMainFrame& frame)
{
    std::vector<QAction*> out;
    std::set<QAction*> seen;
    auto add = [&](QAction* a) {
        if (!a->isSeparator() && !a->menu() && a->isVisible() && seen.insert(a).second)
            out.push_back(a);
    };
    for (QAction* top : frame.menuBar()->actions())
        for (QAction* a : top->menu()->actions())
            add(a);
    for (QAction* a : frame.findChild<QToolBar*>()->actions())
        add(a);
    return out;
}

// Commands that may replace or edit the image; every other command only shows
// something or talks to the radio, and leaves the image alone.
bool mayChangeImage(int id)
{
    static const std::set<int> ids = {cmd::New, cmd::Open, cmd::ReadFromRadio, cmd::OptionalFeatures,
                                      cmd::EditOptionalFeatures, cmd::KeyAssignment, cmd::TwoTone};
    return ids.count(id) || (id >= cmd::RecentFile1 && id < cmd::RecentFile1 + 4);
}

} // namespace

TEST_F(WindowTest, EveryCommandOfEveryProgramLeavesTheWindowStanding)
{
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        const Edition* edition = run.edition;
        const QString sample = path(QString::fromStdString(edition->id) + ".sin");
        writeFile(QString::fromStdString(edition->id) + ".sin", sampleCodeplug(*edition));
        SCOPED_TRACE(edition->id + (run.chineseSystem ? " (Chinese)" : ""));
        auto w = start(edition->id.c_str(), nullptr, run.chineseSystem);
        ASSERT_TRUE(w);
        CMainFrame& frame = w->frame();
        CTolDoc& doc = w->document();
        VirtualRadio& radio = this->radio();
        frame.choosePort("virtual");
        frame.show();
        // The sample as the program saves it: saving stores the table, which
        // writes some bytes in its own way.
        ASSERT_TRUE(frame.openFile(sample));
        ASSERT_TRUE(frame.fileSave());
        ASSERT_TRUE(frame.openFile(sample));
        const MemoryImage original = doc.image();

        std::map<int, QAction*> ids;
        for (QAction* a : reachableCommands(frame))
            ids[frame.commandId(a)] = a;
        EXPECT_FALSE(ids.count(0)) << "every reachable action is a command of the frame";
        for (int id : {cmd::New, cmd::Open, cmd::Save, cmd::ReadFromRadio, cmd::WriteToRadio, cmd::TestMode,
                       cmd::Com1, cmd::About, cmd::HelpTopics, cmd::Print})
            EXPECT_TRUE(ids.count(id)) << id;

        for (const auto& [id, action] : ids) {
            bool opensAWindow = true;
            for (bool ok : {false, true}) {
                if (ok && !opensAWindow)
                    break;  // nothing to answer OK to: the second pass would repeat the first
                SCOPED_TRACE(action->text().toStdString() + (ok ? " / OK" : " / Cancel"));
                // Each command starts from the sample document, saved and unchanged.
                if (doc.isModified() || doc.image() != original || doc.path() != sample.toStdString()) {
                    doc.setModified(false);
                    ASSERT_TRUE(frame.openFile(sample));
                }
                // A read brings the sample back; a write must put it over a blank radio.
                radio.memory() = id == cmd::WriteToRadio ? newDocumentImage(*edition) : original;
                {
                    WindowCloser closer(ok, true);
                    action->trigger();
                    QApplication::processEvents();
                    opensAWindow = !closer.closed.isEmpty();
                }
                EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
                if (id == cmd::Exit) {
                    EXPECT_FALSE(frame.isVisible()) << "Exit closes an unchanged document's window";
                    frame.show();
                }
                if (frame.helpWindow())
                    frame.helpWindow()->close();
                EXPECT_TRUE(frame.isVisible());
                EXPECT_EQ(frame.centralWidget(), &frame.view());
                EXPECT_EQ(frame.view().grid()->rows(), edition->channelCount + 1);
                // Two Tone has no Cancel: every way out writes the page on screen.
                if (!mayChangeImage(id) || (!ok && id != cmd::New && id != cmd::TwoTone)) {
                    EXPECT_TRUE(doc.image() == original) << imageChanges(original, doc.image());
                }
                if (id == cmd::WriteToRadio && ok) {
                    const std::size_t sent = 8 * static_cast<std::size_t>(edition->link.writeBlocks);
                    EXPECT_TRUE(std::equal(original.raw().begin(), original.raw().begin() + sent,
                                           radio.memory().raw().begin()))
                        << "the write reached the radio";
                }
            }
        }
        doc.setModified(false);
        frame.close();
    }
}
