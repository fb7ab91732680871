#pragma once

#include "link/qt/clone_with_progress.h"

namespace tolvan {

class CMainFrame;

// Connects the window's commands to the parts that carry them out: the radio
// link with its progress window, Test Mode, Optional Features, Two Tone and
// the printed report.
// `clone` reaches the progress window (tests give their own radio and no pauses).
void connectWindowCommands(CMainFrame& frame, CloneWindowOptions clone = {});

} // namespace tolvan
