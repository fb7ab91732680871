// What a refused serial device tells the user, from a made-up stat result:
// the group to join and the command, or the cable rule when no group helps.

#include "editions/edition.h"
#include "link/port_names.h"
#include "link/port_permission.h"
#include "link/serial_port.h"

#include "golden.h"

#include <cerrno>
#include <cstring>
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
              "run usermod -aG dialout " + loginName() + " as root (or with sudo where you have it), then log out and log in again.");
    EXPECT_EQ(permissionHint("/dev/ttyUSB0", &st, Language::Chinese),
              "没有权限打开 /dev/ttyUSB0。请把当前用户加入拥有该设备的用户组“dialout”："
              "以 root 身份（或在有 sudo 时用 sudo）运行 usermod -aG dialout " + loginName() + "，然后注销并重新登录。");
}

// A group without a name is given by number (GID in the snapshot); with no
// group to join (or no stat result) only the cable rule, or the refusal
// itself, is said. And what each error of the open says. Both languages, in
// tests/link/golden/port_permission.txt.
TEST(PortPermission, EveryOwnershipAndEveryOpenErrorInBothLanguages)
{
    const gid_t other = unnamedGid();
    const struct {
        const char* what;
        std::optional<struct stat> st;
    } cases[] = {
        {"unnamed group", fakeStat(0660, other)}, {"owner only", fakeStat(0600, other)},
        {"group may only read", fakeStat(0640, other)}, {"group may only write", fakeStat(0620, other)},
        {"the root group", fakeStat(0660, 0)}, {"no stat result", std::nullopt},
    };
    std::string text;
    for (const auto& c : cases)
        for (Language language : {Language::English, Language::Chinese})
            text += c.what + std::string(": ") + permissionHint("/dev/ttyUSB1", c.st ? &*c.st : nullptr, language) + "\n";
    // The device does not exist, so for a refusal only the refusal itself can be said.
    for (int error : {EBUSY, EWOULDBLOCK, ENOENT, ENOTTY, EACCES, EPERM})
        for (Language language : {Language::English, Language::Chinese})
            text += std::string(strerrorname_np(error)) + ": " + describeOpenError("/dev/ttyS9", error, language) + "\n";
    for (std::size_t at; (at = text.find(std::to_string(other))) != std::string::npos;)
        text.replace(at, std::to_string(other).size(), "GID");
    for (std::size_t at; (at = text.find("GID " + loginName())) != std::string::npos;)
        text.replace(at, 4 + loginName().size(), "GID USER");
    expectGolden("link", "port_permission", text);
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
