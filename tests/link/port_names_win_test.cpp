// COM names on Windows: the four of the Port menu and every other COMn up to
// COM256 open through the device namespace, which alone reaches COM10 and
// above; anything else is a device path used as given.

#include "link/port_names.h"
#include "program/ini_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace tolvan;

TEST(PortNamesWin, ComNamesOpenThroughTheDeviceNamespace)
{
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "\\\\.\\COM1"},     {"COM4", "\\\\.\\COM4"},     {"com7", "\\\\.\\COM7"},
        {"COM10", "\\\\.\\COM10"},   {"COM256", "\\\\.\\COM256"}, {"COM257", "COM257"},
        {"COM0", "COM0"},            {"COM01", "COM01"},          {"COMX", "COMX"},
        {"\\\\.\\COM3", "\\\\.\\COM3"}, {"virtual", "virtual"},
    };
    for (const auto& [name, device] : cases)
        EXPECT_EQ(resolvePortName(name, nullptr), device) << name;
}

class PortNamesWinTest : public TempDirTest {};

TEST_F(PortNamesWinTest, TheIniFileStillMapsTheMenuNames)
{
    tolvan::testing::put(dir_ / "ports.ini", "[PORTS]\r\nCOM2=COM12\r\n");
    CIniFile ini;
    ASSERT_TRUE(ini.load(dir_ / "ports.ini", true, false));
    EXPECT_EQ(resolvePortName("COM2", &ini), "\\\\.\\COM12");  // a COM name itself
    EXPECT_EQ(resolvePortName("COM3", &ini), "\\\\.\\COM3");
}
