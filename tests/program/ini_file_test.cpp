#include "program/ini_file.h"

#include "golden.h"
#include "temp_dir.h"

#include <array>
#include <fstream>
#include <sys/stat.h>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

class IniFileTest : public TempDirTest {
protected:
    CIniFile loaded(const std::string& text, bool noCase = true)
    {
        const fs::path p = dir_ / "t.ini";
        std::ofstream(p) << text;
        CIniFile ini;
        EXPECT_TRUE(ini.load(p, noCase));
        return ini;
    }
};

} // namespace

// What every lookup gave, in either case mode, is in tests/program/golden/ini_lookups.txt.
TEST_F(IniFileTest, LookupsInEitherCaseMode)
{
    const std::string text = "top=slot0\n"
                             "   [Main]   \n"
                             "LANGUAGE = cps_EN\n"
                             "Key=first\n"
                             "key=second\n"
                             "comment1 = abc //note\n"
                             "comment2 = abc;note\n"
                             "comment3 = abc\t;note\n"
                             "comment4 = a/*b*/ // c\n"
                             "; skipped = 1\n"
                             "/ skipped = 2\n"
                             "\\ skipped = 3\n"
                             "* skipped = 4\n"
                             "=nokey\n"
                             "lonely\n"
                             "[MAIN]\n"
                             "LANGUAGE = second section\n"
                             "[]\n"
                             "hidden = 1\n";
    const CIniFile anyCase = loaded(text), exactCase = loaded(text, false);
    // The "[]" section is shadowed by slot 0; "=nokey" defines no empty key.
    const std::array<const char*, 3> asks[] = {
        {"MAIN", "language", "d"}, {"MAIN", "LANGUAGE", "d"}, {"main", "KEY", "d"}, {"Main", "Key", "d"},
        {"Main", "comment1", "d"}, {"Main", "comment2", "d"}, {"Main", "comment3", "d"}, {"Main", "comment4", "d"},
        {"Main", "; skipped", "d"}, {"Main", "lonely", "d"}, {"Main", "", " d "}, {"Main", "missing", "  spaced  "},
        {"Nowhere", "missing", "  spaced  "}, {"", "top", "d"}, {"", "hidden", "d"},
    };
    std::string out;
    for (const auto& [section, key, def] : asks)
        out += std::string("[") + section + "] [" + key + "] default [" + def + "]: [" + anyCase.getValue(section, key, def)
               + "], exact case [" + exactCase.getValue(section, key, def) + "]\n";
    expectGolden("program", "ini_lookups", out);
}

TEST_F(IniFileTest, SlotsGrowByTheStep)
{
    std::string text;
    for (int i = 0; i < 9; ++i)
        text += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    const CIniFile ini = loaded(text);
    EXPECT_EQ(ini.sectionCount(), 10);
    EXPECT_EQ(ini.slotCapacity(), 12);
    EXPECT_EQ(ini.getValue("s8", "K", "d"), "8");
}

TEST_F(IniFileTest, LinesAreBoundedAndLongerOnesSkippedWhole)
{
    const std::size_t limit = CIniFile::kMaxIniLine;
    const std::string fits = "TITLE=" + std::string(limit - 6, 'x');
    const std::string tooLong = "TITLE=" + std::string(limit - 5, 'y') + "=[B]";
    const std::string cases[] = {
        "[MAIN]\n" + fits + "\nAFTER=1\n",
        "[MAIN]\nTITLE=short\n" + tooLong + "\nAFTER=1\n",
        "[MAIN]\nTITLE=short\n" + tooLong,  // the last line, without a line end
        "[MAIN]\n" + std::string(3 * limit, '[') + "\nAFTER=2",
    };
    std::string out = "a line holds " + std::to_string(limit) + " bytes\n";
    for (const std::string& text : cases) {
        const CIniFile ini = loaded(text);
        const std::string title = ini.getValue("MAIN", "TITLE", "");
        out += "title [" + title.substr(0, 5) + "] of " + std::to_string(title.size()) + " bytes, after ["
               + ini.getValue("MAIN", "AFTER", "") + "], " + std::to_string(ini.sectionCount()) + " sections\n";
    }
    expectGolden("program", "ini_long_lines", out);
    EXPECT_EQ(loaded("[MAIN]\n" + fits + "\n").getValue("MAIN", "TITLE", ""), fits.substr(6));
}

TEST_F(IniFileTest, OnlyARegularFileIsReadAndNothingIsCreatedThroughADanglingLink)
{
    mkfifo((dir_ / "pipe.ini").c_str(), 0644);  // no writer: reading would hang
    fs::create_directory(dir_ / "folder.ini");
    fs::create_symlink("target.ini", dir_ / "dangling.ini");
    std::ofstream(dir_ / "real.ini") << "[MAIN]\nK=1\n";
    fs::create_symlink("real.ini", dir_ / "link.ini");
    std::string out;
    for (const char* name : {"pipe.ini", "folder.ini", "dangling.ini", "link.ini"}) {
        CIniFile ini;
        const bool loads = ini.load(dir_ / name, true, true);
        out += std::string(name) + (loads ? " loads" : " refused") + ", K [" + ini.getValue("MAIN", "K", "-") + "]\n";
    }
    expectGolden("program", "ini_special_files", out);
    EXPECT_FALSE(fs::exists(dir_ / "target.ini"));
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.ini"));
}

// A missing file is created empty, or left alone when asked; loading again
// forgets what the first file held.
TEST_F(IniFileTest, MissingFilesAndLoadingAgain)
{
    CIniFile ini = loaded("[A]\nk=1\n");
    EXPECT_FALSE(ini.load(dir_ / "other.ini", true, false));
    EXPECT_FALSE(fs::exists(dir_ / "other.ini"));
    EXPECT_FALSE(ini.load(dir_ / "no" / "such" / "dir.ini", true));

    EXPECT_TRUE(ini.load(dir_ / "new.ini", true));
    EXPECT_EQ(fs::file_size(dir_ / "new.ini"), 0u);
    EXPECT_EQ(ini.getValue("MAIN", "LANGUAGE", "x"), "x");

    std::ofstream(dir_ / "second.ini") << "[B]\nk=2\n";
    ASSERT_TRUE(ini.load(dir_ / "second.ini", true));
    EXPECT_EQ(ini.getValue("B", "k", ""), "2");
    EXPECT_EQ(ini.getValue("A", "k", "gone"), "gone");
    EXPECT_EQ(ini.filePath(), dir_ / "second.ini");
}
