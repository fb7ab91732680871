#include "program/qt/program_settings.h"

#include "program/user_folders.h"

namespace tolvan {
namespace {

QString organisationAfterCarryOver(const std::string& baseName)
{
    carryOverSettings(userConfigHome(), baseName);
    return QString::fromUtf8(kSettingsOrganisation);
}

} // namespace

ProgramSettings::ProgramSettings(const std::string& baseName)
    : QSettings(organisationAfterCarryOver(baseName), QString::fromStdString(baseName))
{
}

} // namespace tolvan
