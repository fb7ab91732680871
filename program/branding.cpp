#include "program/branding.h"

#include "program/ini_file.h"

namespace tolvan {

Branding readBranding(const IniLookup& ini)
{
    return {
        .title = ini.getValue("MAIN", "TITLE", ""),
        .aboutCaption = ini.getValue("ABOUT", "TITLE", ""),
        .company = ini.getValue("ABOUT", "COMPANY", ""),
        .version = ini.getValue("ABOUT", "VERSION", ""),
        .company1 = ini.getValue("ABOUT", "COMPANY1", ""),
    };
}

} // namespace tolvan
