#pragma once
#include "link/Clock.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

class QObject;

namespace kx2::sim {

// Wall time whose scheduled calls run to the tenth of a millisecond rather than to Qt's whole
// milliseconds. The simulator paces every byte at the LocoNet rate (0.6 ms a byte); with
// millisecond timers the last byte of a 31-byte message left about 0.4 ms late every time, which
// a program on the other end saw as a slow line. A waiter thread sleeps until the next call is
// due and then wakes the event loop, where the call runs; it never runs a call itself.
class PreciseClock : public SystemClock {
public:
    PreciseClock();
    ~PreciseClock() override;
    PreciseClock(const PreciseClock&) = delete;
    PreciseClock& operator=(const PreciseClock&) = delete;

    void callAfter(double delay, std::function<void()> fn) override;

private:
    using Key = std::pair<double, unsigned long long>;
    void runDue();
    void wait();

    std::unique_ptr<QObject> m_receiver; // lives on the event loop's thread
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::map<Key, std::function<void()>> m_calls;
    unsigned long long m_seq = 0;
    bool m_wakePosted = false;
    bool m_stop = false;
    std::thread m_waiter;
};

} // namespace kx2::sim
