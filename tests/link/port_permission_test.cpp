// What a refused serial device tells the user, from a made-up stat result:
// the group to join and the command, or the cable rule when no group helps.

#include "editions/edition.h"
#include "link/port_names.h"
#include "link/port_permission.h"
#include "link/serial_port.h"

#include <cerrno>
#include <grp.h>
#include <optional>
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

const std::string kOwnerOnly = "Permission denied on /dev/ttyUSB1. Only its owner may open it";
const std::string kOwnerOnlyCn = "没有权限打开 /dev/ttyUSB1。只有设备的所有者可以打开它";

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

// A group without a name is given by number; with no group to join (or a
// stat result) only the cable rule, or the refusal itself, is said.
TEST(PortPermission, EveryOtherOwnershipInBothLanguages)
{
    const gid_t other = unnamedGid();
    const std::string id = std::to_string(other);
    const struct {
        const char* what;
        std::optional<struct stat> st;
        std::string english, chinese;  // how the text starts; the rest, when empty
        std::string has;
    } cases[] = {
        {"unnamed group", fakeStat(0660, other), "Permission denied on /dev/ttyUSB1. Add your user to the group ",
         "没有权限打开 /dev/ttyUSB1。请把当前用户加入", "sudo usermod -aG " + id + " $USER"},
        {"owner only", fakeStat(0600, other), kOwnerOnly, kOwnerOnlyCn, "60-tolvan-cables.rules"},
        {"group may only read", fakeStat(0640, other), kOwnerOnly, kOwnerOnlyCn, "60-tolvan-cables.rules"},
        {"group may only write", fakeStat(0620, other), kOwnerOnly, kOwnerOnlyCn, "60-tolvan-cables.rules"},
        {"the root group", fakeStat(0660, 0), kOwnerOnly, kOwnerOnlyCn, "60-tolvan-cables.rules"},
        {"no stat result", std::nullopt, "Permission denied on /dev/ttyUSB1.", "没有权限打开 /dev/ttyUSB1。", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const struct stat* st = c.st ? &*c.st : nullptr;
        for (const auto& [language, start] : {std::pair{Language::English, c.english}, {Language::Chinese, c.chinese}}) {
            const std::string text = permissionHint("/dev/ttyUSB1", st, language);
            EXPECT_TRUE(text.starts_with(start)) << text;
            EXPECT_NE(text.find(c.has), std::string::npos) << text;
            EXPECT_EQ(text.find("usermod") != std::string::npos, c.has.starts_with("sudo")) << text;
            if (!st) {
                EXPECT_EQ(text, start);
            }
        }
    }
}

TEST(PortPermission, OpenErrorsSpeakTheProgramsLanguage)
{
    const struct {
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
    for (const auto& c : cases) {
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
