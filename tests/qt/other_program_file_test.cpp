// A file of another program, told by its length: the window names the programs
// the length fits and opens or compares with it only when the user says so
// (No is the default).
// The question of each program and language is in tests/qt/golden/other_program_files.txt.

#include "window_fixture.h"

namespace tolvan {
namespace {

namespace fs = std::filesystem;

TEST_F(WindowTest, AFileOfAnotherProgramIsOpenedOnlyWhenTheUserSaysSo)
{
    std::string out;
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        SCOPED_TRACE(run.edition->id);
        auto w = start(run.edition->id.c_str(), nullptr, run.chineseSystem);
        CMainFrame& frame = w->frame();
        writeFile("own.sin", sampleCodeplug(*run.edition));
        ASSERT_TRUE(frame.openFile(path("own.sin")));
        const MemoryImage own = w->document().image();
        const QString title = frame.windowTitle();
        // Every longer image of another program, and one no program has.
        std::vector<std::pair<std::string, MemoryImage>> longer;
        for (const Edition* e : allEditions())
            if (e->imageSize > run.edition->imageSize)
                longer.emplace_back(e->id, sampleCodeplug(*e));
        MemoryImage odd(5000);
        longer.emplace_back("no program", odd);
        bool first = true;
        for (const auto& [owner, image] : longer) {
            SCOPED_TRACE(owner);
            writeFile("other.sin", image);
            dialogs.shown.clear();
            dialogs.answers = {QMessageBox::No};
            EXPECT_FALSE(frame.openFile(path("other.sin")));
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
            if (owner != "no program") {
                EXPECT_TRUE(dialogs.shown[0].text.contains(QString::fromStdString(owner)));
            }
            EXPECT_EQ(w->document().image(), own);
            EXPECT_EQ(w->document().path(), fs::path(path("own.sin").toStdString()));
            EXPECT_EQ(frame.windowTitle(), title);
            if (first || owner == "no program")
                out += run.edition->id + (run.chinese() ? " zh: " : " en: ")
                       + QString(dialogs.shown[0].title + " | " + dialogs.shown[0].text)
                             .replace(dir.path(), "TMP")
                             .toStdString()
                       + "\n";
            first = false;

            // Compare With File asks the same way; No compares nothing.
            int compared = 0;
            w->fleet().showDialog = [&](QDialog&) { ++compared; };
            for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
                dialogs.answers = {answer};
                dialogs.openNames = {path("other.sin")};
                w->fleet().compareWithFile()->trigger();
            }
            EXPECT_EQ(compared, 1);
            EXPECT_TRUE(dialogs.shown.back().text.contains(QString::number(run.edition->imageSize)));

            dialogs.answers = {QMessageBox::Yes};
            ASSERT_TRUE(frame.openFile(path("other.sin")));
            const auto head = image.raw().begin();
            EXPECT_TRUE(std::equal(head, head + static_cast<std::ptrdiff_t>(run.edition->imageSize),
                                   w->document().image().raw().begin()));
            EXPECT_EQ(w->document().path(), fs::path(path("other.sin").toStdString()));
            ASSERT_TRUE(frame.openFile(path("own.sin")));
        }
        // A file of the program's own length asks nothing.
        dialogs.shown.clear();
        ASSERT_TRUE(frame.openFile(path("own.sin")));
        EXPECT_TRUE(dialogs.shown.empty());
    }
    expectGolden("qt", "other_program_files", out);
}

} // namespace
} // namespace tolvan
