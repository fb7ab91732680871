// Which language a program starts in, from the system and the ini file beside
// it, and the branded program's texts from the same file. What every case gave
// is in tests/program/golden/startup_language.txt.

#include "program/ini_file.h"
#include "program/language.h"
#include "program/startup_language.h"
#include "golden.h"
#include "run_program.h"
#include "temp_dir.h"

#include <algorithm>
#include <fstream>

using namespace tolvan;
namespace fs = std::filesystem;

using StartupLanguageTest = TempDirTest;

namespace {

const char* shown(Language l) { return l == Language::Chinese ? "Chinese" : "English"; }

// An ini text on one line, its line ends shown as '|'.
std::string oneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', '|');
    return "[" + text + "]";
}

} // namespace

TEST_F(StartupLanguageTest, EveryEditionSystemAndIniFile)
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
    // is created only by the programs that read it.
    const std::pair<const char*, const char*> editions[] = {
        {"cps-twotone", nullptr}, {"cps-twotone", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps-twotone_CH\n"},
        {"cps-twotone", "[MAIN]\nLANGUAGE_FORCE=1 // forced\nLANGUAGE=other\n"}, {"cps-fleet", nullptr},
        {"cps-fleet", "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps-fleet_CH\n"}, {"cps-cn2", nullptr},
    };
    for (const auto& [id, ini] : editions)
        for (bool chineseSystem : {false, true}) {
            const fs::path path = dir_ / (std::string(id) + ".ini");
            fs::remove(path);
            if (ini)
                std::ofstream(path) << ini;
            const StartupLanguage s = decideStartupLanguage(*findEdition(id), (dir_ / id).string(), chineseSystem);
            out += std::string(id) + " " + (ini ? oneLine(ini) : "(no ini file)")
                   + (chineseSystem ? " on a Chinese system: " : ": ") + s.baseName + ", "
                   + translationFileName(s.languageName) + ", " + shown(s.language) + ", "
                   + tolvan::testing::named(s.iniPath.string(), dir_) + (fs::exists(path) ? "" : " (not created)") + "\n";
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
        const StartupLanguage s = decideStartupLanguage(*findEdition("cps-brand"), brand.string(), false);
        const std::optional<Branding>& b = s.branding;
        ASSERT_TRUE(b);
        out += "cps-brand " + (ini ? oneLine(ini) : "(no ini file)") + ": [" + b->title + "] [" + b->aboutCaption + "] ["
               + b->company + "] [" + b->version + "] [" + b->company1 + "]" + (fs::exists(path) ? "" : " (not created)") + "\n";
    }
    expectGolden("program", "startup_language", out);
    // Started through PATH, a program finds its ini file beside itself.
    EXPECT_EQ(decideStartupLanguage(*findEdition("cps-fleet"), "cps-fleet", false).iniPath,
              fs::read_symlink("/proc/self/exe").parent_path() / "cps-fleet.ini");
    // No other program reads the branding.
    for (const Edition* e : allEditions()) {
        std::ofstream(dir_ / (e->id + ".ini")) << "[MAIN]\nTITLE=Dealer\n";
        EXPECT_EQ(decideStartupLanguage(*e, (dir_ / e->id).string(), false).branding.has_value(), e->id == "cps-brand")
            << e->id;
    }
}
