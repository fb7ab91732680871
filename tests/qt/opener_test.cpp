// The opener's question names each candidate program by its radio, and the
// window's settings move to the user's tolvan folder, taking along what the
// previous location held.

#include "app/qt/open_question.h"
#include "editions/file_owners.h"
#include "program/platform.h"
#include "program/user_folders.h"
#include "window_fixture.h"

#include "temp_dir.h"

namespace tolvan {
namespace {

namespace fs = std::filesystem;

TEST(OpenQuestion, NamesEveryCandidateByItsRadioAndTellsTheChoice)
{
    const std::vector<const Edition*> candidates = editionsOfLength(1024);
    for (Language language : {Language::English, Language::Chinese}) {
        for (std::size_t pick = 0; pick <= candidates.size(); ++pick) {
            OpenQuestion question(candidates, "/home/u/radio.sin", language);
            ASSERT_EQ(question.programButtons().size(), candidates.size());
            for (std::size_t i = 0; i < candidates.size(); ++i) {
                const QString text = question.programButtons()[i]->text();
                EXPECT_TRUE(text.startsWith(QString::fromStdString(candidates[i]->id))) << text.toStdString();
                EXPECT_TRUE(text.contains(QString::fromStdString(candidates[i]->radio))) << text.toStdString();
            }
            EXPECT_EQ(question.windowTitle(), openerCaption(language));
            const QString asked = question.findChild<QLabel*>()->text();
            EXPECT_TRUE(asked.contains("radio.sin")) << asked.toStdString();
            EXPECT_FALSE(asked.contains("/home/u")) << "the file's name, not its folder";
            QTimer::singleShot(0, [&] {
                if (pick < candidates.size())
                    QTest::mouseClick(question.programButtons()[pick], Qt::LeftButton);
                else
                    question.reject();
            });
            const bool accepted = question.exec() == QDialog::Accepted;
            EXPECT_EQ(accepted, pick < candidates.size());
            EXPECT_EQ(question.chosen(), pick < candidates.size() ? candidates[pick] : nullptr);
        }
    }
    // Without a file: which program to start, all ten.
    OpenQuestion start(allEditions(), {}, Language::English);
    EXPECT_EQ(start.programButtons().size(), allEditions().size());
    EXPECT_EQ(start.findChild<QLabel*>()->text(), "Which program do you want to start?");
}

TEST_F(WindowTest, RecentFilesOfThePreviousSettingsLocationAreCarriedOver)
{
    TOLVAN_SKIP_ON_WINDOWS("the settings are kept in the registry there, under the previous name");
    const fs::path config = userConfigHome();
    ASSERT_FALSE(config.empty());
    const fs::path previous = settingsFile(config, kPreviousSettingsOrganisation, "cps-ccir");
    const fs::path current = settingsFile(config, kSettingsOrganisation, "cps-ccir");
    fs::remove(current);
    fs::create_directories(previous.parent_path());
    writeFile("kept.sin", newDocumentImage(*findEdition("cps-ccir")));
    std::ofstream(previous) << "[Recent%20File%20List]\nFile1=" << path("kept.sin").toStdString() << "\n";
    {
        auto w = start("cps-ccir");
        EXPECT_EQ(w->frame().recentFiles(), QStringList{path("kept.sin")});
        writeFile("new.sin", newDocumentImage(*findEdition("cps-ccir")));
        ASSERT_TRUE(w->frame().openFile(path("new.sin")));
    }
    // From then on the settings are the new file's; the old one is only read once.
    EXPECT_TRUE(fs::exists(current));
    std::ofstream(previous) << "[Recent%20File%20List]\nFile1=/elsewhere.sin\n";
    auto w = start("cps-ccir");
    EXPECT_EQ(w->frame().recentFiles(), (QStringList{path("new.sin"), path("kept.sin")}));
    fs::remove(previous);
}

} // namespace
} // namespace tolvan
