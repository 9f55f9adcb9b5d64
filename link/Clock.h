#pragma once
#include <functional>
#include <map>
#include <memory>

namespace kx2 {

// Time and waiting for everything that talks to the device. Every wait of the program
// (for CTS, a reply, a prompt, a pause, a dialog) is a loop of the form
//     while (!done) { if (clock.now() > deadline) ...; clock.yieldUntil(deadline); }
// so that the event loop keeps running and nothing spins.
class Clock {
public:
    virtual ~Clock() = default;

    // Monotonic seconds since an arbitrary origin; never jumps at midnight.
    virtual double now() const = 0;

    // Lets the event loop run until at least one event was handled or the deadline
    // (in now() units) has passed. Sleeps meanwhile. A deadline in the past only
    // handles what is pending.
    virtual void yieldUntil(double deadline) = 0;

    // Handles whatever events are pending and returns at once (between two pieces of work).
    virtual void yieldNow() = 0;

    // Runs fn once, about `delay` seconds from now, from inside a later yield.
    // Devices that answer later (the simulator) schedule their answers through this.
    virtual void callAfter(double delay, std::function<void()> fn) = 0;
};

// Cancels the calls its owner scheduled when the owner goes away: an object whose scheduled
// calls reach back into it keeps one as its last member and passes each call through guard().
// A guarded call that comes due after the token was destroyed does nothing.
class TimerToken {
public:
    TimerToken() = default;
    TimerToken(const TimerToken&) = delete;
    TimerToken& operator=(const TimerToken&) = delete;

    std::function<void()> guard(std::function<void()> fn) const;

private:
    std::shared_ptr<char> m_alive = std::make_shared<char>(0);
};

// Wall time on the Qt event loop: QElapsedTimer for now(), a single-shot timer to bound the wait.
class SystemClock : public Clock {
public:
    SystemClock();
    double now() const override;
    void yieldUntil(double deadline) override;
    void yieldNow() override;
    void callAfter(double delay, std::function<void()> fn) override;

private:
    long long m_originNs;
};

// Virtual time for tests and benchmarks: a wait with nothing to do jumps straight to the
// next scheduled call or past the deadline, so a 2-second time-out costs microseconds.
class VirtualClock : public Clock {
public:
    double now() const override { return m_now; }
    void yieldUntil(double deadline) override;
    void yieldNow() override;
    void callAfter(double delay, std::function<void()> fn) override;

    void advance(double seconds) { m_now += seconds; }
    // Runs every call that is due now, without advancing time.
    void runDue();

private:
    double m_now = 1000.0;
    unsigned long long m_seq = 0;
    std::multimap<std::pair<double, unsigned long long>, std::function<void()>> m_calls;
};

} // namespace kx2
