// Where a program's ini files and settings live on Linux: read beside the
// program, then in the system's folder, then in the user's (a key found later
// wins); written only in the user's folder; the settings of the previous
// location carried over once.

#include "program/ini_layers.h"
#include "program/startup_language.h"
#include "program/user_folders.h"
#include "link/port_names.h"
#include "temp_dir.h"

#include <fstream>

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

class IniLayersTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        at_ = {dir_ / "bin", dir_ / "etc", dir_ / "config" / "tolvan"};
        fs::create_directories(at_.besideProgram);
        fs::create_directories(at_.system);
    }
    void write(const fs::path& folder, const std::string& text)
    {
        fs::create_directories(folder);
        std::ofstream(folder / "cps-brand.ini") << text;
    }
    IniLocations at_;
};

// Each level alone, and every mix of them: the last file that has a key gives it.
TEST_F(IniLayersTest, EachLevelAndWhichKeyWins)
{
    const std::string beside = "[MAIN]\nTITLE=beside\nONLY_BESIDE=b\n[PORTS]\nCOM1=/dev/ttyUSB0\n";
    const std::string system = "[MAIN]\nTITLE=system\nONLY_SYSTEM=s\n[PORTS]\nCOM2=/dev/ttyACM0\n";
    const std::string user = "[MAIN]\nTITLE=user // the user's own\n[PORTS]\nCOM1=/dev/ttyUSB1\n";
    const struct {
        bool beside, system, user;
        const char* title;
        const char* com1;  // null: the system's own line of that name
        const char* com2;
    } cases[] = {
        {false, false, false, "", nullptr, nullptr},
        {true, false, false, "beside", "/dev/ttyUSB0", nullptr},
        {false, true, false, "system", nullptr, "/dev/ttyACM0"},
        {false, false, true, "user ", "/dev/ttyUSB1", nullptr},
        {true, true, false, "system", "/dev/ttyUSB0", "/dev/ttyACM0"},
        {true, false, true, "user ", "/dev/ttyUSB1", nullptr},
        {false, true, true, "user ", "/dev/ttyUSB1", "/dev/ttyACM0"},
        {true, true, true, "user ", "/dev/ttyUSB1", "/dev/ttyACM0"},
    };
    for (const auto& c : cases) {
        fs::remove_all(dir_ / "config");
        fs::remove(at_.besideProgram / "cps-brand.ini");
        fs::remove(at_.system / "cps-brand.ini");
        if (c.beside)
            write(at_.besideProgram, beside);
        if (c.system)
            write(at_.system, system);
        if (c.user)
            write(at_.user, user);
        IniLayers ini;
        ini.load(at_, "cps-brand", false);
        const std::string which = std::string(c.beside ? "beside " : "") + (c.system ? "system " : "") + (c.user ? "user" : "");
        EXPECT_EQ(ini.files().size(), int(c.beside) + int(c.system) + int(c.user)) << which;
        EXPECT_EQ(ini.getValue("MAIN", "TITLE", ""), c.title) << which;
        EXPECT_EQ(ini.getValue("MAIN", "ONLY_BESIDE", "-"), c.beside ? "b" : "-") << which;
        EXPECT_EQ(ini.getValue("MAIN", "ONLY_SYSTEM", "-"), c.system ? "s" : "-") << which;
        EXPECT_EQ(resolvePortName("COM1", &ini), c.com1 ? c.com1 : resolvePortName("COM1", nullptr)) << which;
        EXPECT_EQ(resolvePortName("COM2", &ini), c.com2 ? c.com2 : resolvePortName("COM2", nullptr)) << which;
        // The default of a missing key as one file gives it: unchanged without
        // the section anywhere, trimmed where a file has the section.
        EXPECT_EQ(ini.getValue("NOWHERE", "K", " d "), " d ") << which;
        EXPECT_EQ(ini.getValue("MAIN", "MISSING", " d "), c.beside || c.system || c.user ? "d" : " d ") << which;
    }
}

// The branded program's texts come through the same levels: a dealer's
// branding in the system folder, one text of it changed by the user.
TEST_F(IniLayersTest, BrandingAndLanguageThroughTheLevels)
{
    write(at_.system, "[MAIN]\nTITLE=Harbour Radio CPS\n[ABOUT]\nCOMPANY=Harbour CPS\nVERSION=2026 V3.1\n");
    write(at_.user, "[ABOUT]\nVERSION=2027 V4\n");
    const StartupLanguage brand
        = decideStartupLanguage(*findEdition("cps-brand"), (at_.besideProgram / "cps-brand").string(), false, at_);
    ASSERT_TRUE(brand.branding);
    EXPECT_EQ(brand.branding->title, "Harbour Radio CPS");
    EXPECT_EQ(brand.branding->company, "Harbour CPS");
    EXPECT_EQ(brand.branding->version, "2027 V4");

    std::ofstream(at_.system / "cps-twotone.ini") << "[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=cps-twotone_CH\n";
    const auto twotone = [&] {
        return decideStartupLanguage(*findEdition("cps-twotone"), (at_.besideProgram / "cps-twotone").string(), false,
                                     at_);
    };
    EXPECT_EQ(twotone().languageName, "cps-twotone_CH") << "the administrator's choice";
    std::ofstream(at_.user / "cps-twotone.ini") << "[MAIN]\nLANGUAGE_FORCE=0\n";
    EXPECT_EQ(twotone().languageName, "cps-twotone_EN") << "the user's own choice wins";
}

// The programs that create a missing ini file create it in the user's folder
// (private, folders included), never beside the program, even where that
// folder could be written; the others create nothing.
TEST_F(IniLayersTest, WrittenOnlyInTheUsersFolder)
{
    // An installed program's folder (root writes it all the same).
    fs::permissions(at_.besideProgram, fs::perms(0555));
    for (const Edition* e : allEditions()) {
        fs::remove_all(dir_ / "config");
        const StartupLanguage s
            = decideStartupLanguage(*e, (at_.besideProgram / e->id).string(), false, at_);
        EXPECT_TRUE(fs::is_empty(at_.besideProgram)) << e->id;
        EXPECT_TRUE(fs::is_empty(at_.system)) << e->id;
        EXPECT_EQ(s.userIniFile, at_.user / (e->id + ".ini"));
        EXPECT_EQ(fs::exists(s.userIniFile), e->createsIniFile) << e->id;
        if (e->createsIniFile) {
            EXPECT_EQ(fs::file_size(s.userIniFile), 0u) << e->id;
            // Windows keeps no such rights in a folder's mode.
            if (!tolvan::testing::kWindows) {
                EXPECT_EQ(fs::status(at_.user).permissions(), fs::perms::owner_all) << e->id;
            }
        }
    }
    // Without a home there is no user folder: nothing is created anywhere.
    IniLayers ini;
    ini.load({at_.besideProgram, at_.system, {}}, "cps-twotone", true);
    EXPECT_TRUE(ini.userFile().empty());
    EXPECT_TRUE(fs::is_empty(at_.besideProgram));
    // An existing user file is read, never replaced.
    fs::create_directories(at_.user);
    std::ofstream(at_.user / "cps-twotone.ini") << "[MAIN]\nLANGUAGE=kept\n";
    ini.load(at_, "cps-twotone", true);
    EXPECT_EQ(ini.getValue("MAIN", "LANGUAGE", ""), "kept");
}

// The settings of the previous location are read once: copied when the new
// place has none, and from then on the new file is the one.
TEST_F(IniLayersTest, PreviousSettingsAreCarriedOverOnce)
{
    const fs::path config = dir_ / "config";
    const fs::path previous = settingsFile(config, kPreviousSettingsOrganisation, "cps16");
    const fs::path current = settingsFile(config, kSettingsOrganisation, "cps16");
    EXPECT_EQ(current, config / "tolvan" / "cps16.conf");
    EXPECT_FALSE(carryOverSettings(config, "cps16")) << "nothing to carry over";
    EXPECT_FALSE(fs::exists(current));

    fs::create_directories(previous.parent_path());
    const std::string recent = "[Recent%20File%20List]\nFile1=/home/u/radio.sin\n";
    std::ofstream(previous) << recent;
    EXPECT_TRUE(carryOverSettings(config, "cps16"));
    std::string copied((std::istreambuf_iterator<char>(std::ifstream(current).rdbuf())), {});
    EXPECT_EQ(copied, recent);
    EXPECT_TRUE(fs::exists(previous)) << "left for an older version";

    std::ofstream(current) << "[Settings]\nVerifyAfterWriting=false\n";
    EXPECT_FALSE(carryOverSettings(config, "cps16")) << "the new file is the one from now on";
    EXPECT_FALSE(carryOverSettings(config, "cps-keys")) << "only a program's own file";
    EXPECT_FALSE(carryOverSettings({}, "cps16")) << "no home";

    // Only a regular file is taken over.
    TOLVAN_SKIP_ON_WINDOWS("no named pipe in a folder there");
    fs::remove(current);
    fs::remove(previous);
    tolvan::testing::makeFifo(previous);
    EXPECT_FALSE(carryOverSettings(config, "cps16"));
    EXPECT_FALSE(fs::exists(current));
}

} // namespace
