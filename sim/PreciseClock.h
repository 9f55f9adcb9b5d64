#pragma once
#include "link/Clock.h"

#include <map>
#include <memory>

class QSocketNotifier;

namespace kx2::sim {

// Wall time whose scheduled calls run to the microsecond rather than to Qt's whole milliseconds.
// The simulator paces every byte at the LocoNet rate (0.6 ms a byte); with millisecond timers
// the last byte of a 31-byte message left about 0.4 ms late every time, which a program on the
// other end saw as a slow line. On Linux a timerfd wakes the event loop; elsewhere, or when no
// timerfd can be made, the calls fall back to SystemClock's timers.
class PreciseClock : public SystemClock {
public:
    PreciseClock();
    ~PreciseClock() override;
    PreciseClock(const PreciseClock&) = delete;
    PreciseClock& operator=(const PreciseClock&) = delete;

    void callAfter(double delay, std::function<void()> fn) override;

private:
    void fire();
    void arm();

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    unsigned long long m_seq = 0;
    std::multimap<std::pair<double, unsigned long long>, std::function<void()>> m_calls;
};

} // namespace kx2::sim
