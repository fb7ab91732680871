#pragma once

namespace tolvan {

// Puts a program together from the layers: the batch commands of the table,
// the link and the report, the built-in virtual radio as the `virtual` port,
// and the program window. Every deliverable's main() calls it before
// runProgram(); the plain test suites do without.
void composeProgram();

} // namespace tolvan
