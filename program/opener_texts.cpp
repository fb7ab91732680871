#include "program/opener_texts.h"

namespace tolvan {

const OpenerTexts& openerTexts(Language language)
{
    static const OpenerTexts english{
        .caption = "Tolvan programming tools",
        .whichProgram = "Which program do you want to start?",
        .whichOpens = "\"%1\" fits the radios of several programs.\nWhich one should open it?",
        .startOne = "\"%1\" fits several programs; start one of them:",
        .cancel = "Cancel",
        .whoseChannels = "\"%1\" fits the radios of several programs, which read its channels differently.\n"
                         "Which program's file is it?",
    };
    static const OpenerTexts chinese{
        .caption = "Tolvan 写频软件",
        .whichProgram = "要启动哪一个程序？",
        .whichOpens = "文件“%1”适合几个程序的对讲机。\n用哪一个程序打开它？",
        .startOne = "文件“%1”适合几个程序；请启动其中一个：",
        .cancel = "取消",
        .whoseChannels = "文件“%1”适合几个程序的对讲机，它们读出的频道不同。\n这是哪一个程序的文件？",
    };
    return language == Language::English ? english : chinese;
}

} // namespace tolvan
