#include "codeplug/text_util.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace tolvan;

TEST(TextUtil, TrimsTheBlanksOfTheCLocaleOnly)
{
    const std::pair<std::string, std::string> trims[] = {
        {" \t\n\v\f\rA B\r\f\v\n\t ", "A B"}, {"", ""}, {" \t ", ""}, {"x", "x"}, {"\xA0x\xA0", "\xA0x\xA0"},
    };
    for (const auto& [text, trimmed] : trims) {
        EXPECT_EQ(trim(text), trimmed);
        EXPECT_EQ(trimRight(text + " \r"), text.substr(0, text.find_last_not_of(" \t\n\v\f\r") + 1));
    }
    EXPECT_EQ(trimRight(" a "), " a");
    EXPECT_TRUE(equalsIgnoringCase("Wide", "wIDE"));
    EXPECT_TRUE(equalsIgnoringCase("", ""));
    EXPECT_FALSE(equalsIgnoringCase("Wide", "Wid"));
    EXPECT_FALSE(equalsIgnoringCase("Wid", "Wide"));
    EXPECT_FALSE(equalsIgnoringCase("Wide", "Wido"));
    EXPECT_FALSE(equalsIgnoringCase("Wide", "Xide"));
}

TEST(TextUtil, FillsEachMarkOnceAndLeavesTheValuesAlone)
{
    const std::tuple<std::string, std::string> fills[] = {
        {"%1 is not a serial port.", "/dev/%2 is not a serial port."},
        {"没有这个设备：%1。", "没有这个设备：/dev/%2。"},
        {"%2 / %1 / %3 / %0 / 100%", "x / /dev/%2 / %3 / %0 / 100%"},
    };
    for (const auto& [pattern, text] : fills)
        EXPECT_EQ(filledIn(pattern, {"/dev/%2", "x"}), text);
}
