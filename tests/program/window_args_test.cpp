#include "program/window_args.h"

#include "golden.h"

#include <gtest/gtest.h>

using namespace tolvan;

// What each command line gave is in tests/program/golden/window_args.txt.
TEST(WindowArgs, PortFileAndPicture)
{
    const std::vector<std::string> cases[] = {
        {}, {"a.sin"}, {"--port", "virtual"}, {"--port", "/dev/ttyUSB0", "a.sin"},
        {"--screenshot", "w.png", "a.sin", "--port", "COM3"}, {"--", "-odd.sin"},
        {"--port"}, {"a.sin", "b.sin"}, {"--colour"}, {"--screenshot", ""},
        {"--port", "COM2", "--port", "COM3"}, {"--screenshot", "a.png", "--screenshot", "b.png"},
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
