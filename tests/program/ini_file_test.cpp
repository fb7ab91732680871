// The ini file beside a program, and what is decided from it at start: which
// language the program starts in, from the system and that file, and the
// branded program's texts. What every case gave is in
// tests/program/golden/startup_language.txt.

#include "program/ini_file.h"
#include "program/language.h"
#include "program/startup_language.h"
#include "golden.h"
#include "run_program.h"
#include "temp_dir.h"

#include <algorithm>
#include <array>
#include <fstream>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

class IniFileTest : public TempDirTest {
protected:
    CIniFile loaded(const std::string& text, bool noCase = true)
    {
        const fs::path p = dir_ / "t.ini";
        tolvan::testing::put(p, text);
        CIniFile ini;
        EXPECT_TRUE(ini.load(p, noCase));
        return ini;
    }
};

const char* shown(Language l) { return l == Language::Chinese ? "Chinese" : "English"; }

// An ini text on one line, its line ends shown as '|'.
std::string oneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', '|');
    return "[" + text + "]";
}

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
    // Nine sections more: the slots grow by their step and every section is found.
    std::string nine;
    for (int i = 0; i < 9; ++i)
        nine += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    const CIniFile grown = loaded(nine);
    out += "nine sections: " + std::to_string(grown.sectionCount()) + " slots used of " + std::to_string(grown.slotCapacity())
           + ", [s8] [K]: [" + grown.getValue("s8", "K", "d") + "]\n";
    expectGolden("program", "ini_lookups", out);
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
    TOLVAN_SKIP_ON_WINDOWS("no named pipe in a folder, and Wine makes no symbolic links");
    tolvan::testing::makeFifo(dir_ / "pipe.ini");  // no writer: reading would hang
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
    expectGolden("program", "ini_file_kinds", out);
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

TEST_F(IniFileTest, StartupLanguageOfEveryEditionSystemAndIniFile)
{
    std::string out;
    // A program's name without its folder and last extension names its ini file.
    for (const char* path :
         {"/usr/bin/cps-twotone", "cps-twotone", "C:\\Program Files\\Tolvan\\TOLVAN.EXE", "/opt/x/cps.v2.bin  ", "/opt/x/", ""})
        out += std::string("base name of [") + path + "]: [" + programBaseName(path) + "]\n";
    // Its folder, split on either slash; a bare name is in the current folder.
    for (const char* path : {"/opt/tolvan/bin/cps-twotone", "C:\\Tools\\cps.exe", "cps-twotone"})
        out += std::string("folder of [") + path + "]: ["
               + tolvan::testing::named(programDirectory(path).string(), fs::current_path()) + "]\n";
    // The forcing keys, for a program built in both languages. A Japanese system is any non-Chinese one.
    const char* const forcing[] = {
        "", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps_CH\n", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=english\n",
        "[MAIN]\nLANGUAGE_FORCE=1 // forced\nLANGUAGE=cps_EN\n", "[MAIN]\nLANGUAGE_FORCE=01\nLANGUAGE=cps_EN\n",
        "[MAIN]\nLANGUAGE_FORCE=yes\nLANGUAGE=cps_EN\n", "[MAIN]\nLANGUAGE_FORCE=2\nLANGUAGE=cps_EN\n",
        "[MAIN]\nLANGUAGE_FORCE=1\n", "[main]\nlanguage_force=1\nlanguage=cps_EN   // trailing\n",
    };
    for (const char* ini : forcing)
        for (bool chineseSystem : {false, true}) {
            std::ofstream(dir_ / "cps.ini") << ini;
            CIniFile file;
            ASSERT_TRUE(file.load(dir_ / "cps.ini", true));
            const std::string name = decideLanguageName("cps", chineseSystem, file);
            out += oneLine(ini) + (chineseSystem ? " on a Chinese system: " : ": ") + "[" + name + "], messages in "
                   + shown(languageOf(name, "cps")) + "\n";
        }
    // Editions built in one language ignore the forcing keys; a missing ini file
    // is created, in the user's folder, only by the programs that read it.
    const IniLocations at{dir_, dir_ / "etc", dir_ / "config" / "tolvan"};
    const std::pair<const char*, const char*> editions[] = {
        {"cps-twotone", nullptr}, {"cps-twotone", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps-twotone_CH\n"},
        {"cps-twotone", "[MAIN]\nLANGUAGE_FORCE=1 // forced\nLANGUAGE=other\n"}, {"cps-fleet", nullptr},
        {"cps-fleet", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps-fleet_CH\n"}, {"cps-cn2", nullptr},
    };
    for (const auto& [id, ini] : editions)
        for (bool chineseSystem : {false, true}) {
            const fs::path path = dir_ / (std::string(id) + ".ini");
            fs::remove(path);
            fs::remove_all(at.user);
            if (ini)
                std::ofstream(path) << ini;
            const StartupLanguage s = decideStartupLanguage(*findEdition(id), (dir_ / id).string(), chineseSystem, at);
            std::string read;
            for (const fs::path& file : s.iniFiles) {
                read += ' ';
                read += tolvan::testing::named(file.string(), dir_);
            }
            out += std::string(id) + " " + (ini ? oneLine(ini) : "(no ini file)")
                   + (chineseSystem ? " on a Chinese system: " : ": ") + s.baseName + ", "
                   + translationFileName(s.languageName) + ", " + shown(s.language) + ", read" + read
                   + (fs::exists(s.userIniFile) ? "" : " (no user file made)") + "\n";
        }
    // The branded program takes its caption and About texts from the ini file
    // beside it; every missing key, or a missing file, is an empty text.
    const char* const branded[] = {
        "[MAIN]\nTITLE=Harbour Radio CPS\n[ABOUT]\nTITLE=About Harbour\nCOMPANY=Harbour CPS\nVERSION=2026 V3.1\n"
        "COMPANY1=Harbour Comms Ltd\n",
        "[ABOUT]\ncompany=Harbour CPS\nVERSION=\n", "[MAIN]\nCOMPANY=x\n[ABOUT]\n", nullptr,
    };
    const auto brand = dir_ / "cps-brand";
    for (const char* ini : branded) {
        const auto path = dir_ / "cps-brand.ini";
        fs::remove(path);
        if (ini)
            std::ofstream(path) << ini;
        fs::remove_all(at.user);
        const StartupLanguage s = decideStartupLanguage(*findEdition("cps-brand"), brand.string(), false, at);
        const std::optional<Branding>& b = s.branding;
        ASSERT_TRUE(b);
        out += "cps-brand " + (ini ? oneLine(ini) : "(no ini file)") + ": [" + b->title + "] [" + b->aboutCaption + "] ["
               + b->company + "] [" + b->version + "] [" + b->company1 + "]" + (fs::exists(path) ? "" : " (none beside it)")
               + "\n";
    }
    expectGolden("program", "startup_language", out);
    // Started through PATH, a program finds the ini file beside itself (as the
    // system names the running program: on Linux only apart from the code under test).
    if (!tolvan::testing::kWindows) {
        EXPECT_EQ(programIniLocations("cps-fleet").besideProgram, fs::read_symlink("/proc/self/exe").parent_path());
    }
    // No other program reads the branding.
    for (const Edition* e : allEditions()) {
        std::ofstream(dir_ / (e->id + ".ini")) << "[MAIN]\nTITLE=Dealer\n";
        EXPECT_EQ(decideStartupLanguage(*e, (dir_ / e->id).string(), false, at).branding.has_value(), e->brandedFromIni)
            << e->id;
    }
}
