#pragma once

namespace tolvan {

// Adds the report's batch commands (`--print-pdf IN.sin OUT.pdf`) to the command
// line. Called once by the program's entry; a build without the Qt layer has no
// report commands.
void registerReportCommands();

} // namespace tolvan
