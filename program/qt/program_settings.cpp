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
    // The default format, not the (organisation, application) constructor's
    // fixed native one: the program's is native (the registry on Windows), and
    // a test's is files in its own folder, never a key that other runs share.
    : QSettings(defaultFormat(), UserScope, organisationAfterCarryOver(baseName), QString::fromStdString(baseName))
{
}

} // namespace tolvan
