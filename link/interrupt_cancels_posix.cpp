#include "link/batch_host.h"

#include <csignal>

namespace tolvan {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;
struct sigaction g_previous {};

extern "C" void onInterrupt(int)
{
    g_interrupted = 1;
}

} // namespace

InterruptCancels::InterruptCancels()
{
    g_interrupted = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // The handler is taken back as it runs, so the second Ctrl+C finds the
    // default one and ends the program. Interrupted calls carry on: the error
    // stream must not fail half way through a line.
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(SIGINT, &action, &g_previous);
}

InterruptCancels::~InterruptCancels()
{
    sigaction(SIGINT, &g_previous, nullptr);
}

bool InterruptCancels::requested()
{
    return g_interrupted != 0;
}

} // namespace tolvan
