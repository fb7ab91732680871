#include "link/link_texts.h"

namespace tolvan {

const VerifyTexts& verifyTexts(Language language)
{
    static const VerifyTexts english{"Written.",
                                     "Verifying Data Progress",
                                     "Verified: the radio holds what was written.",
                                     "Verify failed: the radio does not hold what was written.",
                                     "Verify failed: the radio could not be read back.",
                                     "Channels: ",
                                     "Settings: ",
                                     "Other bytes: ",
                                     ", "};
    static const VerifyTexts chinese{"写入完成。",
                                     "校验数据进度",
                                     "校验通过：对讲机中的数据与写入的一致。",
                                     "校验失败：对讲机中的数据与写入的不一致。",
                                     "校验失败：无法读回对讲机的数据。",
                                     "信道：",
                                     "设置：",
                                     "其他字节：",
                                     "，"};
    return language == Language::English ? english : chinese;
}

const PortTexts& portTexts(Language language)
{
    static const PortTexts english{
        .inUse = "%1 is in use by another program.",
        .noDevice = "No such device: %1.",
        .notSerial = "%1 is not a serial port.",
        .systemError = "%1: %2.",
        .systemCode = "%1: system error %2.",
        .denied = "Permission denied on %1.",
        .joinGroup = " Add your user to the group \"%1\" that owns it: run %2 as root (or with sudo where you have "
                     "it), then log out and log in again.",
        .ownerOnly = " Only its owner may open it. For a USB programming cable, the cable rule installed with these "
                     "programs (60-tolvan-cables.rules) gives the logged-in user access once the cable is plugged in "
                     "again; otherwise ask your administrator.",
    };
    static const PortTexts chinese{
        .inUse = "%1 正被其他程序占用。",
        .noDevice = "没有这个设备：%1。",
        .notSerial = "%1 不是串口。",
        .systemError = "%1: %2。",
        .systemCode = "%1: 系统错误 %2。",
        .denied = "没有权限打开 %1。",
        .joinGroup = "请把当前用户加入拥有该设备的用户组“%1”：以 root 身份（或在有 sudo 时用 sudo）运行 %2，然后注销并重新登录。",
        .ownerOnly = "只有设备的所有者可以打开它。若是 USB 写频线，随本程序安装的串口线规则（60-tolvan-cables.rules）"
                     "会在重新插入写频线后让已登录的用户使用它；否则请联系系统管理员。",
    };
    return language == Language::English ? english : chinese;
}

} // namespace tolvan
