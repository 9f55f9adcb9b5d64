#include "link/Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cmath>

namespace kx2 {

namespace {
qint64 monotonicNs()
{
    static QElapsedTimer timer = [] { QElapsedTimer t; t.start(); return t; }();
    return timer.nsecsElapsed();
}
} // namespace

std::function<void()> TimerToken::guard(std::function<void()> fn) const
{
    return [alive = std::weak_ptr<char>(m_alive), fn = std::move(fn)] {
        if (!alive.expired())
            fn();
    };
}

SystemClock::SystemClock() : m_originNs(monotonicNs()) {}

double SystemClock::now() const
{
    return double(monotonicNs() - m_originNs) / 1e9;
}

void SystemClock::yieldUntil(double deadline)
{
    auto* app = QCoreApplication::instance();
    const double left = deadline - now();
    if (!app) {
        return;
    }
    if (left <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // The timer guarantees a wake-up at the deadline; any other event wakes us earlier.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(int(std::ceil(left * 1000.0)) + 1);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void SystemClock::yieldNow()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void SystemClock::callAfter(double delay, std::function<void()> fn)
{
    const int ms = delay <= 0 ? 0 : int(std::lround(delay * 1000.0));
    QTimer::singleShot(ms, Qt::PreciseTimer, QCoreApplication::instance(), std::move(fn));
}

void VirtualClock::callAfter(double delay, std::function<void()> fn)
{
    m_calls.emplace(std::make_pair(m_now + (delay > 0 ? delay : 0.0), m_seq++), std::move(fn));
}

void VirtualClock::runDue()
{
    while (!m_calls.empty() && m_calls.begin()->first.first <= m_now) {
        auto fn = std::move(m_calls.begin()->second);
        m_calls.erase(m_calls.begin());
        fn();
    }
}

void VirtualClock::yieldNow()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    runDue();
}

void VirtualClock::yieldUntil(double deadline)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (!m_calls.empty() && m_calls.begin()->first.first <= m_now) {
        runDue();
        return;
    }
    if (!m_calls.empty() && m_calls.begin()->first.first <= deadline) {
        m_now = m_calls.begin()->first.first;
        runDue();
        return;
    }
    // Nothing will happen before the deadline: step just past it, so "more than N seconds" holds.
    if (m_now <= deadline)
        m_now = deadline + 1e-6;
}

} // namespace kx2
