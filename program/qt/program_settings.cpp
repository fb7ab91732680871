#include "program/qt/program_settings.h"

#include "program/platform.h"
#include "program/user_folders.h"

namespace tolvan {
namespace {

QString organisationAfterCarryOver(const std::string& baseName)
{
    carryOverSettings(userConfigHome(), baseName);
    // "tolvan" under the user's config folder; on Windows the registry key the programs have always used.
    return QString::fromUtf8(settingsOrganisation());
}

} // namespace

ProgramSettings::ProgramSettings(const std::string& baseName)
    : QSettings(organisationAfterCarryOver(baseName), QString::fromStdString(baseName))
{
}

} // namespace tolvan
