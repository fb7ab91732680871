#include "program/place_texts.h"

#include "program/platform.h"

namespace tolvan {

std::string readBackupPlaceText(Language)
{
    return "%LOCALAPPDATA%\\tolvan\\backups";
}

// The package puts the pages in help\<program>\ beside the programs.
std::string helpPagesPlaceText(const std::string& programId)
{
    const std::u8string folder = (executablePath().parent_path() / L"help" / programId).u8string();
    return std::string(folder.begin(), folder.end()) + '\\';
}

} // namespace tolvan
