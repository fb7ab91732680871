#include "link/port_permission.h"

#include "codeplug/text_util.h"
#include "link/link_texts.h"

#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace tolvan {

std::string groupName(unsigned gid)
{
    if (const group* g = getgrgid(gid))
        return g->gr_name;
    return std::to_string(gid);
}

std::string loginName()
{
    if (const passwd* p = getpwuid(getuid()))
        return p->pw_name;
    return std::to_string(getuid());
}

std::string permissionHint(const std::string& device, const struct stat* st, Language language)
{
    const PortTexts& t = portTexts(language);
    std::string text = filledIn(t.denied, {device});
    if (!st)
        return text;
    // Joining a group helps only when that group may read and write; the
    // root group is never the answer.
    const bool groupMayUse = (st->st_mode & S_IRGRP) && (st->st_mode & S_IWGRP) && st->st_gid != 0;
    if (groupMayUse) {
        const std::string group = groupName(st->st_gid);
        // Run as root, where $USER would name root: the user is named here.
        // Many systems have no sudo, so it is only the second way.
        text += filledIn(t.joinGroup, {group, "usermod -aG " + group + " " + loginName()});
    } else {
        text += t.ownerOnly;
    }
    return text;
}

std::string accessProblem(const std::string& device, Language language)
{
    struct stat st{};
    if (stat(device.c_str(), &st) != 0)
        return {};
    if (access(device.c_str(), R_OK | W_OK) == 0 || (errno != EACCES && errno != EPERM))
        return {};
    return permissionHint(device, &st, language);
}

} // namespace tolvan
