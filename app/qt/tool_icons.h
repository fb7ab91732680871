#pragma once

#include <QIcon>

namespace tolvan {

// The tool bar's pictures, drawn as vectors at whatever size and pixel ratio
// the screen asks for, so they stay crisp on high-DPI screens.
enum class ToolIcon { New, Open, Save, Read, Write, TestMode, Print, ContextHelp, About, Application };

QIcon toolIcon(ToolIcon which);

} // namespace tolvan
