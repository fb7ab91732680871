#include "program/sin_status_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace tolvan;

// A Chinese window tells of a bad file in Chinese, the system's reason included;
// the English one keeps the shared sentence.
TEST(SinStatusText, EveryFileErrorInBothLanguages)
{
    struct Case {
        SinStatus status;
        std::string detail;
        const char* chinese;
    };
    const Case cases[] = {
        {SinStatus::CannotOpen, std::strerror(ENOENT), "无法打开文件“/x/a.sin”（文件或文件夹不存在）。"},
        {SinStatus::CannotOpen, std::strerror(EACCES), "无法打开文件“/x/a.sin”（没有访问权限）。"},
        {SinStatus::CannotOpen, "it is a folder", "无法打开文件“/x/a.sin”（这是一个文件夹）。"},
        {SinStatus::CannotOpen, "Something new", "无法打开文件“/x/a.sin”（系统错误）。"},
        {SinStatus::CannotOpen, "", "无法打开文件“/x/a.sin”。"},
        {SinStatus::Empty, "", "文件“/x/a.sin”是空的，没有写频数据。"},
        {SinStatus::TooShort, "100 bytes", "文件“/x/a.sin”不是本程序的写频数据文件：它只有 100 字节，应为 1024 字节。"},
        {SinStatus::CannotWrite, std::strerror(ENOSPC), "无法保存文件“/x/a.sin”（磁盘空间不足）。原来的文件没有改变。"},
        {SinStatus::Ok, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sinStatusText(c.status, "/x/a.sin", 1024, c.detail, Language::Chinese), c.chinese);
        EXPECT_EQ(sinStatusText(c.status, "/x/a.sin", 1024, c.detail, Language::English),
                  describeSinStatus(c.status, "/x/a.sin", 1024, c.detail));
    }
}
