#pragma once

// What the main window's source files share (main_frame*.cpp); nothing else
// includes it.

#include "editions/menu_outline.h"
#include "dialogs/qt/qt_text.h"

#include <QAction>
#include <QString>

namespace tolvan::frame_parts {

inline constexpr int kRecentFiles = 4;

struct PortItem {
    int id;
    const char* name;
    const char* prompt;
};

inline const PortItem kComPorts[] = {
    {cmd::Com1, "COM1", "Choose Communication Port one \nCom1"},
    {cmd::Com2, "COM2", "Choose Communication Port two \nCom2"},
    {cmd::Com3, "COM3", "Choose Communication Port three \nCom3"},
    {cmd::Com4, "COM4", "Choose Communication Port four \nCom4"},
};

// A prompt is "status text\ntool tip".
inline void setPrompt(QAction* a, const QString& prompt)
{
    const qsizetype nl = prompt.indexOf('\n');
    a->setStatusTip(nl < 0 ? prompt : prompt.left(nl));
    if (nl >= 0)
        a->setToolTip(prompt.mid(nl + 1));
}

} // namespace tolvan::frame_parts
