#pragma once

namespace tolvan {

// Adds the report's batch commands (`--print-pdf IN.sin OUT.pdf`) to the command
// line. The program's composeProgram() calls it.
void registerReportCommands();

} // namespace tolvan
