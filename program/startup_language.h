#pragma once

#include "editions/edition.h"
#include "program/branding.h"
#include "program/ini_layers.h"
#include "program/platform.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// What start-up decides about languages, shared by the window and the batch
// commands that show the window's texts.
struct StartupLanguage {
    std::string baseName;        // "cps-twotone"
    std::string languageName;    // "cps-twotone_EN"; names the translation file
    Language language = Language::English;  // of messages and cell words
    // Of the menus and the window's own texts: the language of the translation
    // that the language name gave (a translation of another name may differ).
    Language resources = Language::English;
    // The ini files read, in order (beside the program, the system's, the
    // user's), and where the user's own is, read or not.
    std::vector<std::filesystem::path> iniFiles;
    std::filesystem::path userIniFile;
    // The window's caption and About texts, for the edition that takes them from its ini file.
    std::optional<Branding> branding;
};

// Loads the program's ini files (the user's created when missing by the
// editions that do) and takes the branding from them where the edition is branded. Then editions
// that choose at start-up take the system language or, with LANGUAGE_FORCE = 1,
// the LANGUAGE key; the others always their one language.
StartupLanguage decideStartupLanguage(const Edition& edition, std::string_view programPath, bool systemIsChinese);
// The same with the ini files read from `ini`.
StartupLanguage decideStartupLanguage(const Edition& edition, std::string_view programPath, bool systemIsChinese,
                                      const IniLocations& ini);

// Where the program at `programPath` reads its ini files: beside the running
// executable (also when it was started through PATH), the system's, the user's.
IniLocations programIniLocations(std::string_view programPath);

// systemLanguageIsChinese() is asked of the system: program/platform.h.

// The translation file of a language name: "<name>.qm".
std::string translationFileName(std::string_view languageName);

// Where translations are looked for, as the window looks: beside the running
// program, in ../share/tolvan from it, then the configured data folder.
std::vector<std::filesystem::path> translationDirectories();

// The translation file that a language name selects, or an empty path when the
// name selects none: empty, not a plain file name (it comes from the ini file),
// or no such regular file in `dirs`. The window then shows
// kLanguageLoadFailure and ends; the batch commands refuse the same way.
std::filesystem::path findTranslation(std::string_view languageName, const std::vector<std::filesystem::path>& dirs);

// The program's own two translations (base name + "_EN" / "_CH") are built into
// it; only other names are looked up as files.
bool isBuiltInTranslation(const StartupLanguage& language);

inline constexpr const char* kLanguageLoadFailure = "Load Resource DLL english.dll Fail";

// Start-up as the batch commands that show the program's texts do it: the
// language decided as for the window, refused as the window refuses it (the
// message on stderr). Empty when refused; the command ends with a file error.
std::optional<StartupLanguage> batchStartupLanguage(const Edition& edition, std::string_view programPath);

} // namespace tolvan
