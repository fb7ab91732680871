#include "link/port_permission.h"

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
    const bool english = language == Language::English;
    std::string text = english ? "Permission denied on " + device + "." : "没有权限打开 " + device + "。";
    if (!st)
        return text;
    // Joining a group helps only when that group may read and write; the
    // root group is never the answer.
    const bool groupMayUse = (st->st_mode & S_IRGRP) && (st->st_mode & S_IWGRP) && st->st_gid != 0;
    if (groupMayUse) {
        const std::string group = groupName(st->st_gid);
        // Run as root, where $USER would name root: the user is named here.
        // Many systems have no sudo, so it is only the second way.
        const std::string command = "usermod -aG " + group + " " + loginName();
        if (english)
            text += " Add your user to the group \"" + group + "\" that owns it: run " + command +
                    " as root (or with sudo where you have it), then log out and log in again.";
        else
            text += "请把当前用户加入拥有该设备的用户组“" + group + "”：以 root 身份（或在有 sudo 时用 sudo）运行 " +
                    command + "，然后注销并重新登录。";
    } else if (english) {
        text += " Only its owner may open it. For a USB programming cable, the cable rule installed with these "
                "programs (60-tolvan-cables.rules) gives the logged-in user access once the cable is plugged in "
                "again; otherwise ask your administrator.";
    } else {
        text += "只有设备的所有者可以打开它。若是 USB 写频线，随本程序安装的串口线规则（60-tolvan-cables.rules）"
                "会在重新插入写频线后让已登录的用户使用它；否则请联系系统管理员。";
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
