#include "program/command_args.h"

#include "program/exit_status.h"

#include <gtest/gtest.h>

using namespace tolvan;

TEST(CommandArgs, NamesAndOptionsEachOnce)
{
    const std::vector<OptionSpec> options = {{"--port", "PORT"}, {"--retries", "N"}, {"--force", ""}};
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> names;
        std::string port;
        const char* error;
    } cases[] = {
        {{"a.sin", "--port", "COM1"}, {"a.sin"}, "COM1", ""},
        {{"--port", "COM1", "a.sin", "--force"}, {"a.sin"}, "COM1", ""},
        {{"--", "--port"}, {"--port"}, "", ""},  // a file of that name
        {{"-"}, {"-"}, "", ""},                    {{}, {}, "", "needs more arguments"},
        {{"a.sin", "b.sin"}, {"a.sin"}, "", "unexpected b.sin"},
        {{"a.sin", "--port"}, {"a.sin"}, "", "--port needs PORT"},
        {{"a.sin", "--port", "A", "--port", "B"}, {"a.sin"}, "A", "--port is given twice"},
        {{"a.sin", "--force", "--force"}, {"a.sin"}, "", "--force is given twice"},
        {{"a.sin", "--colour"}, {"a.sin"}, "", "unexpected --colour"},
        {{"a.sin", "-p"}, {"a.sin"}, "", "unexpected -p"},
    };
    for (const Case& c : cases) {
        const CommandArgs a = parseCommandArgs(c.args, 1, 1, options);
        EXPECT_EQ(a.error, c.error);
        EXPECT_EQ(a.names, c.names);
        EXPECT_EQ(a.value("--port"), c.port);
    }
}

TEST(CommandArgs, NumbersAreRangeChecked)
{
    const struct {
        const char* text;
        std::optional<long> value;
    } cases[] = {
        {"0", 0},          {"1000", 1000},    {"007", 7},         {"1001", std::nullopt},
        {"-1", std::nullopt}, {"+5", std::nullopt}, {" 5", std::nullopt}, {"5 ", std::nullopt},
        {"", std::nullopt},   {"5x", std::nullopt}, {"4294967297", std::nullopt},
        {"99999999999999999999", std::nullopt}, {"18446744073709551617", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseBoundedNumber(c.text, 0, 1000), c.value) << c.text;
}

TEST(CommandArgs, ExitStatusesStayWithinTheDocumentedOnes)
{
    const struct {
        int in, out;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, kExitFileError}, {-1, kExitFileError},
                 {141, kExitFileError}};
    for (const auto& c : cases)
        EXPECT_EQ(boundedExitStatus(c.in), c.out) << c.in;
}
