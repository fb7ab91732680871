#pragma once

#include "link/qt/clone_with_progress.h"
#include "program/startup_language.h"
#include "program/tol_doc.h"
#include "editions/edition.h"

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <optional>
#include <string>

namespace tolvan {

class CMainFrame;
class FleetCommands;
class UserDialogs;

// One running program window: its translation, its document and its frame.
class ProgramWindow {
public:
    ~ProgramWindow();

    CMainFrame& frame() { return *frame_; }
    CTolDoc& document() { return *doc_; }
    FleetCommands& fleet() { return *fleet_; }
    const StartupLanguage& language() const { return language_; }
    QString translationFile() const { return translationFile_; }

    // Start-up: ini file and language, the translation of the language name
    // (the program's own two are built in; another name is "<name>.qm" in
    // `translationDirs`), the tone list, the document, the frame with every
    // command connected (composeWindowCommands). A language name without a
    // translation shows "Load Resource DLL english.dll Fail" and gives
    // nothing. The program and its window tests start here alike; `link`
    // reaches every transfer (tests: their own radio, no pauses).
    static std::unique_ptr<ProgramWindow> start(const Edition& edition, const std::string& programPath,
                                                bool systemIsChinese, const QStringList& translationDirs,
                                                UserDialogs& dialogs, const CloneWindowOptions& link = {});

    // Shows the window centred on its screen, at the size start() gave it.
    void show();

private:
    ProgramWindow() = default;

    StartupLanguage language_;
    QString translationFile_;
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<QTranslator> standardTexts_;  // Qt's own buttons in the message language
    std::optional<QLocale> localeBefore_;          // while a Chinese window runs, the default is Chinese
    std::unique_ptr<CTolDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
    FleetCommands* fleet_ = nullptr;  // owned by the frame
};

// The directories searched for translations and help: the program's own, then
// the installed data directory.
QStringList dataDirectories();

// Makes the program window the command line's default (no option given).
void installProgramWindow();

} // namespace tolvan
