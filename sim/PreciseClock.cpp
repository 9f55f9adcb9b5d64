#include "sim/PreciseClock.h"

#include <QMetaObject>
#include <QObject>
#include <chrono>

namespace kx2::sim {

PreciseClock::PreciseClock() : m_receiver(std::make_unique<QObject>())
{
    m_waiter = std::thread([this] { wait(); });
}

PreciseClock::~PreciseClock()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_waiter.join();
}

void PreciseClock::callAfter(double delay, std::function<void()> fn)
{
    const double due = now() + (delay > 0 ? delay : 0.0);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.emplace(Key{due, m_seq++}, std::move(fn));
    }
    m_changed.notify_all();
}

void PreciseClock::wait()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop) {
        if (m_calls.empty() || m_wakePosted) {
            m_changed.wait(lock);
            continue;
        }
        const double left = m_calls.begin()->first.first - now();
        if (left > 0) {
            m_changed.wait_for(lock, std::chrono::duration<double>(left));
            continue;
        }
        // Due: the event loop runs the calls; until it did, there is nothing more to wake it for.
        m_wakePosted = true;
        QMetaObject::invokeMethod(m_receiver.get(), [this] { runDue(); }, Qt::QueuedConnection);
    }
}

void PreciseClock::runDue()
{
    // A call may schedule more; those that are due by now run in this round as well.
    for (;;) {
        std::function<void()> fn;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_calls.empty() || m_calls.begin()->first.first > now()) {
                m_wakePosted = false;
                break;
            }
            fn = std::move(m_calls.begin()->second);
            m_calls.erase(m_calls.begin());
        }
        fn();
    }
    m_changed.notify_all();
}

} // namespace kx2::sim
