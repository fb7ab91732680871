#pragma once

#include "link/qt/clone_with_progress.h"
#include "program/startup_language.h"

namespace tolvan {

class CMainFrame;
class FleetCommands;
class UserDialogs;

// Connects the window's commands to the parts that carry them out, in one
// order, once: the radio link with its progress window (read, write with its
// read-back), Test Mode, the settings dialogs, Two Tone, the printed report
// and the fleet commands. The program and its window tests both come here
// through ProgramWindow::start, so no command is wired one way in a test and
// another in the program. `link` reaches every transfer (tests give their own
// radio and no pauses). The fleet commands are owned by the frame.
FleetCommands& composeWindowCommands(CMainFrame& frame, const StartupLanguage& language, UserDialogs& dialogs,
                                     const CloneWindowOptions& link);

} // namespace tolvan
