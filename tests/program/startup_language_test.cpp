#include "program/startup_language.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

using namespace tolvan;
namespace fs = std::filesystem;

TEST(StartupLanguage, EditionsBuiltInOneLanguageIgnoreTheForcingKeys)
{
    const fs::path dir = fs::temp_directory_path() / ("startup_lang_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    struct Case {
        const char* id;
        const char* ini;  // nullptr: no ini file
        bool chineseSystem;
        const char* name;
        Language language;
        bool iniExistsAfter;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        const fs::path program = dir / c.id;
        const fs::path ini = dir / (std::string(c.id) + ".ini");
        fs::remove(ini);
        if (c.ini)
            std::ofstream(ini) << c.ini;
        const StartupLanguage s = decideStartupLanguage(*findEdition(c.id), program.string(), c.chineseSystem);
        EXPECT_EQ(s.baseName, c.id);
        EXPECT_EQ(s.languageName, c.name) << c.id;
        EXPECT_EQ(s.language, c.language) << c.id;
        EXPECT_EQ(s.iniPath, ini);
        EXPECT_EQ(fs::exists(ini), c.iniExistsAfter) << c.id;
        EXPECT_EQ(translationFileName(s.languageName), std::string(c.name) + ".qm");
    }
    fs::remove_all(dir);
}

TEST(StartupLanguage, AProgramStartedThroughPathFindsItsIniBesideItself)
{
    const StartupLanguage s = decideStartupLanguage(*findEdition("cps-fleet"), "cps-fleet", false);
    EXPECT_EQ(s.iniPath, fs::read_symlink("/proc/self/exe").parent_path() / "cps-fleet.ini");
}
