#include "cli/Interrupt.h"

#include <csignal>

namespace kx2::cli {

namespace {

// Nothing else is safe inside a signal handler; the transfer looks at it where every exchange
// starts.
volatile std::sig_atomic_t g_interrupted = 0;

void onInterrupt(int)
{
    g_interrupted = 1;
    // The next Ctrl+C is not caught: whoever presses it twice wants out now.
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

InterruptCatcher::InterruptCatcher()
{
    g_interrupted = 0;
    std::signal(SIGINT, onInterrupt);
}

InterruptCatcher::~InterruptCatcher()
{
    std::signal(SIGINT, SIG_DFL);
}

bool InterruptCatcher::interrupted()
{
    return g_interrupted != 0;
}

} // namespace kx2::cli
