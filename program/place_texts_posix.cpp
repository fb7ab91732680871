#include "program/place_texts.h"

namespace tolvan {

std::string readBackupPlaceText(Language language)
{
    return language == Language::Chinese
               ? "~/.local/share/tolvan/backups（设置了 $XDG_DATA_HOME 时为\n$XDG_DATA_HOME/tolvan/backups）"
               : "~/.local/share/tolvan/backups ($XDG_DATA_HOME/tolvan/backups when it is set)";
}

std::string helpPagesPlaceText(const std::string& programId)
{
    return std::string(TOLVAN_DATA_DIR) + '/' + programId + '/';
}

} // namespace tolvan
