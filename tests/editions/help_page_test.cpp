// Which sections of the help source a program's page gets, decided by its
// edition's table; a malformed source stops the build instead of dropping a
// section from every page.

#include "editions/edition.h"
#include "editions/help_page.h"

#include <gtest/gtest.h>

using namespace tolvan;

TEST(HelpPage, SectionsFollowTheEditionsTableAndLanguage)
{
    const std::string source = "@# a note\n@@ * \nboth\n@@ en password\npw {{header:Busy}}\n@@ en !password\nno pw\n"
                               "@@ en twotone|keyassignment\ndialog\n@@ zh\n{{program}} {{header:Busy}}\n";
    const struct {
        const char* id;
        Language language;
        const char* page;
    } cases[] = {
        {"cps-keys", Language::English, "both\npw Busy\ndialog\n"},
        {"cps16", Language::English, "both\nno pw\n"},
        {"cps-twotone", Language::English, "both\nno pw\ndialog\n"},
        {"cps-twotone", Language::Chinese, "both\ncps-twotone 繁忙锁定\n"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_EQ(composeHelpPage(source, *findEdition(c.id), c.language, &error), c.page) << c.id;
        EXPECT_EQ(error, "");
    }
    for (const auto& [bad, why] : {std::pair{"@@ en pasword\nx\n", "line 1: no program has pasword"},
                                   {"@@ de\nx\n", "line 1: a section begins with \"@@ en\", \"@@ zh\" or \"@@ *\""},
                                   {"@@ en\n{{header:Nothing}}\n", "line 2: unknown placeholder {{header:Nothing}}"}}) {
        std::string error;
        EXPECT_EQ(composeHelpPage(bad, *findEdition("cps16"), Language::English, &error), "");
        EXPECT_EQ(error, why);
    }
}
