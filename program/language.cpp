#include "program/language.h"

#include "program/ini_file.h"
#include "codeplug/decimal.h"
#include "codeplug/text_util.h"

namespace tolvan {

std::string programBaseName(std::string_view programPath)
{
    const std::string path = trimRight(programPath);
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name.empty() ? "MAIN" : name;
}

std::string decideLanguageName(std::string_view baseName, bool systemIsChinese, const IniLookup& ini)
{
    std::string name = std::string(baseName) + (systemIsChinese ? "_CH" : "_EN");
    if (parseLeadingInteger(ini.getValue("MAIN", "LANGUAGE_FORCE", "")) == 1)
        name = ini.getValue("MAIN", "LANGUAGE", "");
    return name;
}

bool isEnglishLanguageName(std::string_view languageName, std::string_view baseName)
{
    return languageName == std::string(baseName) + "_EN";
}

Language languageOf(std::string_view languageName, std::string_view baseName)
{
    return isEnglishLanguageName(languageName, baseName) ? Language::English : Language::Chinese;
}

} // namespace tolvan
