#include "app/startup_language.h"

#include "app/ini_file.h"
#include "app/language.h"

#include <cstdlib>

namespace tolvan {

StartupLanguage decideStartupLanguage(const Edition& edition, std::string_view programPath, bool systemIsChinese)
{
    StartupLanguage out;
    out.baseName = programBaseName(programPath);
    out.iniPath = programDirectory(programPath) / (out.baseName + ".ini");
    CIniFile ini;
    out.iniLoaded = ini.load(out.iniPath, true, edition.createsIniFile);
    switch (edition.languages) {
    case LanguageChoice::AtStartUp:
        out.languageName = decideLanguageName(out.baseName, systemIsChinese, ini);
        break;
    case LanguageChoice::EnglishOnly:
        out.languageName = out.baseName + "_EN";
        break;
    case LanguageChoice::ChineseOnly:
        out.languageName = out.baseName + "_CH";
        break;
    }
    out.language = edition.uiLanguage(languageOf(out.languageName, out.baseName));
    return out;
}

bool systemLanguageIsChinese()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return std::string_view(value).rfind("zh", 0) == 0;
    }
    return false;
}

std::string translationFileName(std::string_view languageName)
{
    return std::string(languageName) + ".qm";
}

} // namespace tolvan
