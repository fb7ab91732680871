#include "program/window_args.h"

#include <gtest/gtest.h>

using namespace tolvan;

TEST(WindowArgs, PortFileAndPicture)
{
    struct Case {
        std::vector<std::string> args;
        const char* port;
        const char* file;
        const char* screenshot;
        bool ok;
    };
    const Case cases[] = {
        {{}, "COM1", "", "", true},
        {{"a.sin"}, "COM1", "a.sin", "", true},
        {{"--port", "virtual"}, "virtual", "", "", true},
        {{"--port", "/dev/ttyUSB0", "a.sin"}, "/dev/ttyUSB0", "a.sin", "", true},
        {{"--screenshot", "w.png", "a.sin", "--port", "COM3"}, "COM3", "a.sin", "w.png", true},
        {{"--", "-odd.sin"}, "COM1", "-odd.sin", "", true},
        {{"--port"}, "COM1", "", "", false},                 {{"a.sin", "b.sin"}, "COM1", "a.sin", "", false},
        {{"--colour"}, "COM1", "", "", false},               {{"--screenshot", ""}, "COM1", "", "", false},
        {{"--port", "COM2", "--port", "COM3"}, "COM2", "", "", false},
        {{"--screenshot", "a.png", "--screenshot", "b.png"}, "COM1", "", "a.png", false},
    };
    for (const Case& c : cases) {
        const WindowArgs a = parseWindowArgs(c.args);
        EXPECT_EQ(a.port, c.port);
        EXPECT_EQ(a.file, c.file);
        EXPECT_EQ(a.screenshot, c.screenshot);
        EXPECT_EQ(a.ok, c.ok) << (c.args.empty() ? "" : c.args[0]);
    }
}
