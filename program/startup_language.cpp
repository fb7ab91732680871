#include "program/startup_language.h"

#include "codeplug/path_text.h"
#include "program/language.h"
#include "program/platform.h"

#include <iostream>

#ifndef TOLVAN_DATA_DIR
#define TOLVAN_DATA_DIR "/usr/local/share/tolvan"
#endif

namespace tolvan {

namespace {

// The directory of the running program. A program started through PATH sees
// only its name in argv[0]; the ini file beside it is beside the executable,
// not in whatever directory the user happens to be in.
std::filesystem::path executableDirectory(std::string_view programPath)
{
    if (programPath.find_first_of("/\\") != std::string_view::npos)
        return programDirectory(programPath);
    const std::filesystem::path self = executablePath();
    return self.empty() ? programDirectory(programPath) : self.parent_path();
}

} // namespace

IniLocations programIniLocations(std::string_view programPath)
{
    return iniLocations(executableDirectory(programPath));
}

StartupLanguage decideStartupLanguage(const Edition& edition, std::string_view programPath, bool systemIsChinese)
{
    return decideStartupLanguage(edition, programPath, systemIsChinese, programIniLocations(programPath));
}

StartupLanguage decideStartupLanguage(const Edition& edition, std::string_view programPath, bool systemIsChinese,
                                      const IniLocations& at)
{
    StartupLanguage out;
    out.baseName = programBaseName(programPath);
    IniLayers ini;
    ini.load(at, out.baseName, edition.createsIniFile);
    out.iniFiles = ini.files();
    out.userIniFile = ini.userFile();
    if (edition.brandedFromIni)
        out.branding = readBranding(ini);
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
    out.resources = out.language;
    return out;
}

std::string translationFileName(std::string_view languageName)
{
    return std::string(languageName) + ".qm";
}

std::vector<std::filesystem::path> translationDirectories()
{
    const std::filesystem::path self = executablePath();
    std::vector<std::filesystem::path> dirs;
    if (!self.empty()) {
        dirs.push_back(self.parent_path());
        dirs.push_back((self.parent_path() / ".." / "share" / "tolvan").lexically_normal());
    }
    dirs.emplace_back(TOLVAN_DATA_DIR);
    return dirs;
}

std::filesystem::path findTranslation(std::string_view languageName, const std::vector<std::filesystem::path>& dirs)
{
    // Only a plain file name: a folder separator of the system would lead elsewhere.
    const std::filesystem::path file = pathFromText(translationFileName(languageName));
    if (languageName.empty() || file.has_parent_path())
        return {};
    for (const std::filesystem::path& dir : dirs) {
        const std::filesystem::path path = dir / file;
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec))
            return path;
    }
    return {};
}

bool isBuiltInTranslation(const StartupLanguage& language)
{
    return language.languageName == language.baseName + "_EN" || language.languageName == language.baseName + "_CH";
}

std::optional<StartupLanguage> batchStartupLanguage(const Edition& edition, std::string_view programPath)
{
    StartupLanguage language = decideStartupLanguage(edition, programPath, systemLanguageIsChinese());
    if (!isBuiltInTranslation(language) && findTranslation(language.languageName, translationDirectories()).empty()) {
        std::cerr << kLanguageLoadFailure << '\n';
        return std::nullopt;
    }
    return language;
}

} // namespace tolvan
