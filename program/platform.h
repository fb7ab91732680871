#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tolvan {

// What a program asks of the system it runs on; one file per system beside
// this one (platform_posix.cpp, platform_win.cpp).

// The running program's own file; empty when the system does not say.
std::filesystem::path executablePath();

// The command line, the program's name first. Linux passes the bytes as they
// are; Windows is asked for its wide command line, given here as UTF-8, so a
// name in any script survives (codeplug/path_text.h turns it back into a path).
std::vector<std::string> programArguments(int argc, char** argv);

// A reader of the output that goes away, or a file size limit, must show as a
// failed write, not end the program half way through a transfer. On Windows,
// where the programs are window programs, a program started from a console
// without redirection writes its messages to that console.
void prepareStandardStreams();

// The system's language is Chinese: the locale's variables on Linux, the
// user's interface language on Windows.
bool systemLanguageIsChinese();

// A desktop a window can be shown on: a display server's variables on Linux;
// always on Windows.
bool desktopSessionPresent();

// The organisation the programs keep their settings under (the recent files,
// the verify choice): "tolvan" on Linux; on Windows the registry key
// "Local AppWizard-Generated Applications", where the original programs keep them.
const char* settingsOrganisation();

// The ini file's places after the one beside the program. On Linux the
// system's folder (/etc/tolvan) and the user's $XDG_CONFIG_HOME or ~/.config,
// which is empty when neither it nor HOME is set, so nothing is ever written
// into whatever folder the program was started in. On Windows both are empty:
// the ini stays beside the .exe, as the original programs keep it.
std::filesystem::path systemIniFolder();
std::filesystem::path userConfigHome();

// The folder for the user's own data: $XDG_DATA_HOME or ~/.local/share on
// Linux, %LOCALAPPDATA% on Windows.
std::filesystem::path userDataHome();

// Where Qt's offscreen platform (pictures and PDFs made without a window)
// finds its fonts: empty on Linux, where the system's font service tells it;
// the system's Fonts folder on Windows, where it looks only in one folder and,
// finding none there, draws every character as a box.
std::filesystem::path offscreenFontFolder();

} // namespace tolvan
