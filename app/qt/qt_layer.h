#pragma once

namespace tolvan {

// Adds what the Qt layer brings to a program: the batch commands that draw
// (PDF export) and the program window. Every deliverable's main() calls it
// before runProgram(); the plain test suites do without.
void installQtLayer();

} // namespace tolvan
