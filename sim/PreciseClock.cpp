#include "sim/PreciseClock.h"

#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace kx2::sim {

PreciseClock::PreciseClock()
{
#ifdef Q_OS_LINUX
    m_fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { fire(); });
    }
#endif
}

PreciseClock::~PreciseClock()
{
    m_notifier.reset();
#ifdef Q_OS_LINUX
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

void PreciseClock::callAfter(double delay, std::function<void()> fn)
{
    if (m_fd < 0) {
        SystemClock::callAfter(delay, std::move(fn));
        return;
    }
    const double due = now() + (delay > 0 ? delay : 0.0);
    const bool earliest = m_calls.empty() || due < m_calls.begin()->first.first;
    m_calls.emplace(std::make_pair(due, m_seq++), std::move(fn));
    if (earliest)
        arm();
}

void PreciseClock::fire()
{
#ifdef Q_OS_LINUX
    std::uint64_t expirations = 0;
    while (::read(m_fd, &expirations, sizeof expirations) < 0 && errno == EINTR) {
    }
#endif
    // A call may schedule more; those that are due by now run in this round as well.
    while (!m_calls.empty() && m_calls.begin()->first.first <= now()) {
        auto fn = std::move(m_calls.begin()->second);
        m_calls.erase(m_calls.begin());
        fn();
    }
    arm();
}

void PreciseClock::arm()
{
#ifdef Q_OS_LINUX
    itimerspec when{};
    if (!m_calls.empty()) {
        // A zero it_value would disarm the timer: a call that is already due waits 1 ns.
        const double left = m_calls.begin()->first.first - now();
        const long long ns = left > 1e-9 ? (long long)(left * 1e9) : 1;
        when.it_value.tv_sec = time_t(ns / 1000000000LL);
        when.it_value.tv_nsec = long(ns % 1000000000LL);
    }
    ::timerfd_settime(m_fd, 0, &when, nullptr);
#endif
}

} // namespace kx2::sim
