#pragma once

namespace kx2::cli {

// Ctrl+C (SIGINT) during a transfer asks to cancel it instead of killing kx2ctl, so that the
// command station's database access and the route module's programming mode are closed. A
// second Ctrl+C ends kx2ctl at once, as usual.
class InterruptCatcher {
public:
    InterruptCatcher();
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    // Whether Ctrl+C came since the catcher was set up.
    static bool interrupted();
};

} // namespace kx2::cli
