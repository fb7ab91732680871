#include "program/version_text.h"

#include "codeplug/text_util.h"

#ifndef TOLVAN_VERSION
#define TOLVAN_VERSION "0"
#endif

namespace tolvan {

std::string_view packageVersion()
{
    return TOLVAN_VERSION;
}

std::string packageVersionLine(std::string_view program)
{
    return std::string(program) + " (Tolvan programming tools) " + std::string(packageVersion()) + "\n";
}

std::string versionText(const Edition& edition, const StartupLanguage& language)
{
    // A branded program's About box shows the dealer's lines; without a
    // version line there it still has the program's own to report. The blanks
    // that place the line in the box mean nothing on a terminal.
    const std::string& about = language.branding && !language.branding->version.empty()
                                   ? language.branding->version
                                   : edition.window(language.language).aboutProgram;
    return packageVersionLine(edition.id) + trim(about) + "\n";
}

} // namespace tolvan
