#pragma once

#include "editions/edition.h"

#include <filesystem>
#include <string>
#include <string_view>

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
    std::filesystem::path iniPath;
    bool iniLoaded = false;
};

// Loads the program's ini file (created when missing by the editions that do),
// then: editions that choose at start-up take the system language or, with
// LANGUAGE_FORCE = 1, the LANGUAGE key; the others always their one language.
StartupLanguage decideStartupLanguage(const Edition& edition, std::string_view programPath, bool systemIsChinese);

// The system language as the C library's locale variables state it
// (LC_ALL, LC_MESSAGES, LANG): Chinese when the first one set starts with "zh".
bool systemLanguageIsChinese();

// The translation file of a language name: "<name>.qm".
std::string translationFileName(std::string_view languageName);

} // namespace tolvan
