#include "sim/SimLatencyTimer.h"

namespace kx2::sim {

SimLatencyTimer::SimLatencyTimer(Clock& clock, double seconds, std::function<void(const QByteArray&)> deliver)
    : m_clock(clock)
    , m_seconds(seconds)
    , m_deliver(std::move(deliver))
{
}

void SimLatencyTimer::take(const QByteArray& bytes)
{
    if (m_seconds <= 0) {
        m_deliver(bytes);
        return;
    }
    m_waiting += bytes;
    while (m_waiting.size() >= PacketBytes)
        send(PacketBytes);
    if (m_waiting.isEmpty() || m_timing)
        return;
    m_timing = true;
    const unsigned packet = m_sent;
    m_clock.callAfter(m_seconds, m_timers.guard([this, packet] {
        if (packet == m_sent)
            send(int(m_waiting.size()));
    }));
}

void SimLatencyTimer::send(int count)
{
    ++m_sent;
    m_timing = false;
    const QByteArray packet = m_waiting.left(count);
    m_waiting.remove(0, count);
    m_deliver(packet);
}

} // namespace kx2::sim
