#include "link/batch_host.h"

#include <atomic>
#include <windows.h>

namespace tolvan {
namespace {

std::atomic<bool> g_interrupted{false};

// The first Ctrl+C (or Ctrl+Break) cancels; the handler then steps aside, so
// the second finds the system's own and ends the program.
BOOL WINAPI onInterrupt(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    return !g_interrupted.exchange(true);
}

} // namespace

InterruptCancels::InterruptCancels()
{
    g_interrupted = false;
    SetConsoleCtrlHandler(onInterrupt, TRUE);
}

InterruptCancels::~InterruptCancels()
{
    SetConsoleCtrlHandler(onInterrupt, FALSE);
}

bool InterruptCancels::requested()
{
    return g_interrupted;
}

} // namespace tolvan
