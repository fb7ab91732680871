#include "program/sin_status_text.h"
#include "golden.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace tolvan;

// A Chinese window tells of a bad file in Chinese, the system's reason included;
// the English one keeps the shared sentence. Every text is in
// tests/program/golden/sin_status_texts.txt.
TEST(SinStatusText, EveryFileErrorInBothLanguages)
{
    const std::pair<SinStatus, std::string> cases[] = {
        {SinStatus::CannotOpen, std::strerror(ENOENT)}, {SinStatus::CannotOpen, std::strerror(EACCES)},
        {SinStatus::CannotOpen, "it is a folder"},      {SinStatus::CannotOpen, "Something new"},
        {SinStatus::CannotOpen, ""},                    {SinStatus::Empty, ""},
        {SinStatus::TooShort, "100 bytes"},             {SinStatus::CannotWrite, std::strerror(ENOSPC)},
        {SinStatus::Ok, ""},
    };
    std::string out;
    for (const auto& [status, detail] : cases) {
        out += "[" + detail + "]\n";
        for (Language language : {Language::English, Language::Chinese})
            out += "  " + sinStatusText(status, "/x/a.sin", 1024, detail, language) + "\n";
    }
    expectGolden("program", "sin_status_texts", out);
}
