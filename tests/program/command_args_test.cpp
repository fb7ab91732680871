#include "program/command_args.h"
#include "program/command_line_quote.h"

#include "program/exit_status.h"
#include "program/window_args.h"
#include "golden.h"

#include <gtest/gtest.h>

using namespace tolvan;

// What each command line and number gave is in tests/program/golden/command_args.txt.
TEST(CommandArgs, NamesOptionsNumbersAndExitStatuses)
{
    const std::vector<OptionRule> options = {{"--port", "PORT"}, {"--retries", "N"}, {"--force", ""}};
    const std::vector<std::string> cases[] = {
        {"a.sin", "--port", "COM1"}, {"--port", "COM1", "a.sin", "--force"},
        {"--", "--port"},  // a file of that name
        {"-"}, {}, {"a.sin", "b.sin"}, {"a.sin", "--port"}, {"a.sin", "--port", "A", "--port", "B"},
        {"a.sin", "--force", "--force"}, {"a.sin", "--colour"}, {"a.sin", "-p"},
        {"a.sin", "--port", ""}, {"--", "-"}, {"--port", "-x", "--", "--"},
    };
    std::string out;
    for (const auto& args : cases) {
        const CommandArgs a = parseCommandArgs(args, 1, 1, options);
        for (const std::string& arg : args)
            out += "[" + arg + "] ";
        out += "->";
        for (const std::string& name : a.names)
            out += " name [" + name + "]";
        for (const auto& [option, value] : a.options)
            out += " " + option + " [" + value + "]";
        out += a.error.empty() ? "\n" : " error: " + a.error + "\n";
    }
    for (const char* text : {"0", "1000", "007", "1001", "-1", "+5", " 5", "5 ", "", "5x", "4294967297",
                             "99999999999999999999", "18446744073709551617"}) {
        const std::optional<long> n = parseBoundedNumber(text, 0, 1000);
        out += std::string("number [") + text + "] in 0..1000: " + (n ? std::to_string(*n) : "refused") + "\n";
    }
    // Statuses stay within the documented ones.
    for (int status : {0, 1, 2, 3, 4, 5, 6, -1, 141})
        out += "exit status " + std::to_string(status) + " -> " + std::to_string(boundedExitStatus(status)) + "\n";
    expectGolden("program", "command_args", out);
}

// What each command line gave is in tests/program/golden/window_args.txt.
TEST(WindowArgs, PortFileAndPicture)
{
    const std::vector<std::string> cases[] = {
        {}, {"a.sin"}, {"--port", "virtual"}, {"--port", "/dev/ttyUSB0", "a.sin"},
        {"--screenshot", "w.png", "a.sin", "--port", "COM3"}, {"--", "-odd.sin"},
        {"--port"}, {"a.sin", "b.sin"}, {"--colour"}, {"--screenshot", ""},
        {"--port", "COM2", "--port", "COM3"}, {"--screenshot", "a.png", "--screenshot", "b.png"},
        {"--port", ""}, {"-odd.sin"}, {"-"},
    };
    std::string out;
    for (const auto& args : cases) {
        const WindowArgs a = parseWindowArgs(args);
        for (const std::string& arg : args)
            out += "[" + arg + "] ";
        out += "-> port [" + a.port + "] file [" + a.file + "] picture [" + a.screenshot + "]" + (a.ok ? "\n" : " refused\n");
    }
    expectGolden("program", "window_args", out);
}

// The program the opener starts on Windows splits its command line back into
// exactly the arguments given: a folder's trailing backslash must not swallow
// the closing quote.
TEST(CommandArgs, WindowsCommandLineQuotingGivesEachArgumentBack)
{
    const struct {
        std::wstring argument, quoted;
    } cases[] = {
        {L"C:\\radios\\a.sin", L"C:\\radios\\a.sin"},
        {L"C:\\my radios\\a.sin", L"\"C:\\my radios\\a.sin\""},
        {L"", L"\"\""},
        {L"C:\\my radios\\", L"\"C:\\my radios\\\\\""},
        {L"say \"hi\"", L"\"say \\\"hi\\\"\""},
        {L"a\\\\\"b", L"\"a\\\\\\\\\\\"b\""},
        {L"tab\there", L"\"tab\there\""},
    };
    for (const auto& c : cases) {
        std::wstring line = L"prog";
        appendQuotedArgument(line, c.argument);
        EXPECT_EQ(line, L"prog " + c.quoted);
    }
}
