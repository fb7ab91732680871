// What a refused serial device tells the user, from a made-up stat result:
// the group to join and the command, or the cable rule when no group helps.

#include "editions/edition.h"
#include "link/port_names.h"
#include "link/port_permission.h"
#include "link/serial_port.h"

#include <cerrno>
#include <grp.h>
#include <gtest/gtest.h>

namespace tolvan {
namespace {

struct stat fakeStat(mode_t mode, gid_t gid)
{
    struct stat st{};
    st.st_mode = S_IFCHR | mode;
    st.st_uid = 0;
    st.st_gid = gid;
    return st;
}

// A group number the system has no name for.
gid_t unnamedGid()
{
    gid_t gid = 54321;
    while (getgrgid(gid))
        ++gid;
    return gid;
}

TEST(PortPermission, NamesTheGroupTheCommandAndLoggingInAgain)
{
    const group* dialout = getgrnam("dialout");
    if (!dialout)
        GTEST_SKIP() << "this system has no dialout group";
    const struct stat st = fakeStat(0660, dialout->gr_gid);
    EXPECT_EQ(permissionHint("/dev/ttyUSB0", &st, Language::English),
              "Permission denied on /dev/ttyUSB0. Add your user to the group \"dialout\" that owns it: "
              "sudo usermod -aG dialout $USER, then log out and log in again.");
    EXPECT_EQ(permissionHint("/dev/ttyUSB0", &st, Language::Chinese),
              "没有权限打开 /dev/ttyUSB0。请把当前用户加入拥有该设备的用户组“dialout”："
              "sudo usermod -aG dialout $USER，然后注销并重新登录。");
}

TEST(PortPermission, AGroupWithoutANameIsGivenByNumber)
{
    const gid_t gid = unnamedGid();
    const struct stat st = fakeStat(0660, gid);
    const std::string id = std::to_string(gid);
    for (Language language : {Language::English, Language::Chinese}) {
        const std::string text = permissionHint("/dev/ttyACM0", &st, language);
        EXPECT_NE(text.find("sudo usermod -aG " + id + " $USER"), std::string::npos) << text;
    }
}

TEST(PortPermission, NoGroupToJoinPointsToTheCableRule)
{
    const gid_t other = unnamedGid();
    struct Case {
        const char* what;
        mode_t mode;
        gid_t gid;
    } cases[] = {
        {"owner only", 0600, other},
        {"group may only read", 0640, other},
        {"group may only write", 0620, other},
        {"the root group", 0660, 0},
    };
    for (const Case& c : cases) {
        const struct stat st = fakeStat(c.mode, c.gid);
        const std::string english = permissionHint("/dev/ttyUSB1", &st, Language::English);
        const std::string chinese = permissionHint("/dev/ttyUSB1", &st, Language::Chinese);
        EXPECT_EQ(english.find("usermod"), std::string::npos) << c.what;
        EXPECT_EQ(chinese.find("usermod"), std::string::npos) << c.what;
        EXPECT_TRUE(english.starts_with("Permission denied on /dev/ttyUSB1. Only its owner may open it"))
            << c.what << ": " << english;
        EXPECT_TRUE(chinese.starts_with("没有权限打开 /dev/ttyUSB1。只有设备的所有者可以打开它")) << c.what;
        EXPECT_NE(english.find("60-tolvan-cables.rules"), std::string::npos) << c.what;
        EXPECT_NE(chinese.find("60-tolvan-cables.rules"), std::string::npos) << c.what;
    }
}

TEST(PortPermission, WithoutAStatResultOnlyTheRefusalIsSaid)
{
    EXPECT_EQ(permissionHint("/dev/ttyUSB2", nullptr, Language::English), "Permission denied on /dev/ttyUSB2.");
    EXPECT_EQ(permissionHint("/dev/ttyUSB2", nullptr, Language::Chinese), "没有权限打开 /dev/ttyUSB2。");
}

TEST(PortPermission, OpenErrorsSpeakTheProgramsLanguage)
{
    struct Case {
        int error;
        const char* english;
        const char* chinese;
    } cases[] = {
        {EBUSY, "/dev/ttyS9 is in use by another program.", "/dev/ttyS9 正被其他程序占用。"},
        {EWOULDBLOCK, "/dev/ttyS9 is in use by another program.", "/dev/ttyS9 正被其他程序占用。"},
        {ENOENT, "No such device: /dev/ttyS9.", "没有这个设备：/dev/ttyS9。"},
        {ENOTTY, "/dev/ttyS9 is not a serial port.", "/dev/ttyS9 不是串口。"},
        // The device does not exist, so only the refusal itself can be said.
        {EACCES, "Permission denied on /dev/ttyS9.", "没有权限打开 /dev/ttyS9。"},
        {EPERM, "Permission denied on /dev/ttyS9.", "没有权限打开 /dev/ttyS9。"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describeOpenError("/dev/ttyS9", c.error, Language::English), c.english) << c.error;
        EXPECT_EQ(describeOpenError("/dev/ttyS9", c.error, Language::Chinese), c.chinese) << c.error;
    }
}

TEST(PortPermission, TheSystemOpenerExplainsInItsLanguage)
{
    const TimeoutProfile profile = TimeoutProfile::test();
    for (const Edition* edition : allEditions()) {
        const auto detail = [&](Language language) {
            return SystemPortOpener(*edition, nullptr, language).open("/dev/tolvan-no-such-port", profile).detail;
        };
        EXPECT_EQ(detail(Language::English), "No such device: /dev/tolvan-no-such-port.") << edition->id;
        EXPECT_EQ(detail(Language::Chinese), "没有这个设备：/dev/tolvan-no-such-port。") << edition->id;
    }
}

TEST(PortPermission, APortTheUserMayOpenOrThatIsMissingHasNoProblem)
{
    EXPECT_EQ(accessProblem("/dev/null", Language::English), "");
    EXPECT_EQ(accessProblem("/dev/tolvan-no-such-port", Language::Chinese), "");
}

} // namespace
} // namespace tolvan
