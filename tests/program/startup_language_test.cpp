// Which language a program starts in, from the system and the ini file beside
// it, and the branded program's texts from the same file.

#include "program/ini_file.h"
#include "program/language.h"
#include "program/startup_language.h"
#include "temp_dir.h"

#include <fstream>

using namespace tolvan;
namespace fs = std::filesystem;

using StartupLanguageTest = TempDirTest;

TEST(ProgramBaseName, DropsDirectoryAndLastExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/cps-twotone", "cps-twotone"}, {"cps-twotone", "cps-twotone"},
        {"C:\\Program Files\\Tolvan\\TOLVAN.EXE", "TOLVAN"}, {"/opt/x/cps.v2.bin  ", "cps.v2"},
        {"/opt/x/", "MAIN"}, {"", "MAIN"},
    };
    for (const auto& [path, base] : cases)
        EXPECT_EQ(programBaseName(path), base) << path;
}

TEST_F(StartupLanguageTest, SystemLanguageAndForcingKeys)
{
    const struct {
        const char* ini;
        bool chineseSystem;
        const char* name;
        Language messages;
    } cases[] = {
        {"", false, "cps_EN", Language::English},  // any non-Chinese system, Japanese included
        {"", true, "cps_CH", Language::Chinese},
        {"[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps_CH\n", false, "cps_CH", Language::Chinese},
        {"[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=english\n", false, "english", Language::Chinese},
        {"[MAIN]\nLANGUAGE_FORCE=1 // forced\nLANGUAGE=cps_EN\n", true, "cps_EN", Language::English},
        {"[MAIN]\nLANGUAGE_FORCE=01\nLANGUAGE=cps_EN\n", true, "cps_EN", Language::English},
        {"[MAIN]\nLANGUAGE_FORCE=yes\nLANGUAGE=cps_EN\n", true, "cps_CH", Language::Chinese},
        {"[MAIN]\nLANGUAGE_FORCE=2\nLANGUAGE=cps_EN\n", true, "cps_CH", Language::Chinese},
        {"[MAIN]\nLANGUAGE_FORCE=1\n", false, "", Language::Chinese},
        {"[main]\nlanguage_force=1\nlanguage=cps_EN   // trailing\n", false, "cps_EN   ", Language::Chinese},
    };
    for (const auto& c : cases) {
        std::ofstream(dir_ / "cps.ini") << c.ini;
        CIniFile ini;
        ASSERT_TRUE(ini.load(dir_ / "cps.ini", true));
        const std::string name = decideLanguageName("cps", c.chineseSystem, ini);
        EXPECT_EQ(name, c.name) << c.ini;
        EXPECT_EQ(languageOf(name, "cps"), c.messages) << c.ini;
    }
}

TEST_F(StartupLanguageTest, EditionsBuiltInOneLanguageIgnoreTheForcingKeys)
{
    const struct {
        const char* id;
        const char* ini;  // nullptr: no ini file
        bool chineseSystem;
        const char* name;
        Language language;
        bool iniExistsAfter;
    } cases[] = {
        {"cps-twotone", nullptr, false, "cps-twotone_EN", Language::English, true},  // created when missing
        {"cps-twotone", nullptr, true, "cps-twotone_CH", Language::Chinese, true},
        {"cps-twotone", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps-twotone_CH\n", false, "cps-twotone_CH",
         Language::Chinese, true},
        {"cps-twotone", "[MAIN]\nLANGUAGE_FORCE=1 // forced\nLANGUAGE=other\n", false, "other", Language::Chinese,
         true},
        {"cps-fleet", nullptr, true, "cps-fleet_EN", Language::English, false},  // not created
        {"cps-fleet", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps-fleet_CH\n", false, "cps-fleet_EN", Language::English,
         true},
        {"cps-cn2", nullptr, false, "cps-cn2_CH", Language::Chinese, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id + std::string(c.ini ? c.ini : ""));
        const fs::path ini = dir_ / (std::string(c.id) + ".ini");
        fs::remove(ini);
        if (c.ini)
            std::ofstream(ini) << c.ini;
        const StartupLanguage s = decideStartupLanguage(*findEdition(c.id), (dir_ / c.id).string(), c.chineseSystem);
        EXPECT_EQ(s.baseName, c.id);
        EXPECT_EQ(s.languageName, c.name);
        EXPECT_EQ(s.language, c.language);
        EXPECT_EQ(s.iniPath, ini);
        EXPECT_EQ(fs::exists(ini), c.iniExistsAfter);
        EXPECT_EQ(translationFileName(s.languageName), std::string(c.name) + ".qm");
    }
    // Started through PATH, a program finds its ini file beside itself.
    EXPECT_EQ(decideStartupLanguage(*findEdition("cps-fleet"), "cps-fleet", false).iniPath,
              fs::read_symlink("/proc/self/exe").parent_path() / "cps-fleet.ini");
}

// The branded program takes its caption and About texts from the ini file
// beside it; every missing key, or a missing file, is an empty text. No other
// program reads them.
TEST_F(StartupLanguageTest, TitleAndAboutTextsComeFromTheIniFileBesideTheBrandedProgram)
{
    const struct {
        const char* what;
        const char* ini;  // nullptr: no ini file
        Branding expected;
    } cases[] = {
        {"full", "[MAIN]\nTITLE=Harbour Radio CPS\n[ABOUT]\nTITLE=About Harbour\nCOMPANY=Harbour CPS\n"
                 "VERSION=2026 V3.1\nCOMPANY1=Harbour Comms Ltd\n",
         {"Harbour Radio CPS", "About Harbour", "Harbour CPS", "2026 V3.1", "Harbour Comms Ltd"}},
        {"partial", "[ABOUT]\ncompany=Harbour CPS\nVERSION=\n", {"", "", "Harbour CPS", "", ""}},
        {"keys in the wrong section", "[MAIN]\nCOMPANY=x\n[ABOUT]\n", {}},
        {"no file", nullptr, {}},
    };
    const auto ini = dir_ / "cps-brand.ini";
    for (const auto& c : cases) {
        fs::remove(ini);
        if (c.ini)
            std::ofstream(ini) << c.ini;
        const StartupLanguage s = decideStartupLanguage(*findEdition("cps-brand"), (dir_ / "cps-brand").string(), false);
        ASSERT_TRUE(s.branding) << c.what;
        EXPECT_EQ(*s.branding, c.expected) << c.what;
        EXPECT_TRUE(fs::exists(ini)) << "a missing file is created empty: " << c.what;
    }
    for (const Edition* e : allEditions()) {
        std::ofstream(dir_ / (e->id + ".ini")) << "[MAIN]\nTITLE=Dealer\n";
        EXPECT_EQ(decideStartupLanguage(*e, (dir_ / e->id).string(), false).branding.has_value(), e->id == "cps-brand")
            << e->id;
    }
}
