#include "program/startup_language.h"

#include "temp_dir.h"

#include <fstream>

using namespace tolvan;

using Branding_ = TempDirTest;

// The branded program takes its caption and About texts from the ini file
// beside it; every missing key, or a missing file, is an empty text.
TEST_F(Branding_, TitleAndAboutTextsComeFromTheIniFileBesideTheProgram)
{
    struct Case {
        const char* what;
        const char* ini;  // nullptr: no ini file
        Branding expected;
    };
    const Case cases[] = {
        {"full", "[MAIN]\nTITLE=Harbour Radio CPS\n[ABOUT]\nTITLE=About Harbour\nCOMPANY=Harbour CPS\n"
                 "VERSION=2026 V3.1\nCOMPANY1=Harbour Comms Ltd\n",
         {"Harbour Radio CPS", "About Harbour", "Harbour CPS", "2026 V3.1", "Harbour Comms Ltd"}},
        {"partial", "[ABOUT]\ncompany=Harbour CPS\nVERSION=\n", {"", "", "Harbour CPS", "", ""}},
        {"keys in the wrong section", "[MAIN]\nCOMPANY=x\n[ABOUT]\n", {}},
        {"no file", nullptr, {}},
    };
    for (const Case& c : cases) {
        const auto program = dir_ / "cps-brand";
        const auto ini = dir_ / "cps-brand.ini";
        std::filesystem::remove(ini);
        if (c.ini)
            std::ofstream(ini) << c.ini;
        const StartupLanguage s = decideStartupLanguage(*findEdition("cps-brand"), program.string(), false);
        ASSERT_TRUE(s.branding) << c.what;
        EXPECT_EQ(*s.branding, c.expected) << c.what;
        EXPECT_TRUE(std::filesystem::exists(ini)) << "a missing file is created empty: " << c.what;
    }
}

TEST_F(Branding_, OnlyTheBrandedProgramReadsBranding)
{
    for (const Edition* e : allEditions()) {
        std::ofstream(dir_ / (e->id + ".ini")) << "[MAIN]\nTITLE=Dealer\n";
        const StartupLanguage s = decideStartupLanguage(*e, (dir_ / e->id).string(), false);
        EXPECT_EQ(s.branding.has_value(), e->id == "cps-brand") << e->id;
    }
}
