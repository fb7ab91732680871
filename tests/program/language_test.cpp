#include "program/ini_file.h"
#include "program/language.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace tolvan;
namespace fs = std::filesystem;

TEST(ProgramBaseName, DropsDirectoryAndLastExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/cps-twotone", "cps-twotone"},
        {"cps-twotone", "cps-twotone"},
        {"C:\\Program Files\\Tolvan\\TOLVAN.EXE", "TOLVAN"},
        {"/opt/x/cps.v2.bin  ", "cps.v2"},
        {"/opt/x/", "MAIN"},
        {"", "MAIN"},
    };
    for (const auto& [path, base] : cases)
        EXPECT_EQ(programBaseName(path), base) << path;
}

TEST(LanguageDecision, SystemLanguageAndForcingKeys)
{
    const fs::path dir = fs::temp_directory_path() / ("lang_test_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    struct Case {
        const char* ini;
        bool chineseSystem;
        const char* name;
        Language messages;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        const fs::path p = dir / "cps.ini";
        std::ofstream(p) << c.ini;
        CIniFile ini;
        ASSERT_TRUE(ini.load(p, true));
        const std::string name = decideLanguageName("cps", c.chineseSystem, ini);
        EXPECT_EQ(name, c.name) << c.ini;
        EXPECT_EQ(languageOf(name, "cps"), c.messages) << c.ini;
    }
    fs::remove_all(dir);
}
