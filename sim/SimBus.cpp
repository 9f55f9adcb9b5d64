#include "sim/SimBus.h"

#include "link/Clock.h"

#include <algorithm>

namespace kx2::sim {

SimBus::SimBus(Clock& clock) : m_clock(clock) {}

SimBus::~SimBus() = default;

void SimBus::attach(Endpoint* endpoint)
{
    if (std::find(m_endpoints.begin(), m_endpoints.end(), endpoint) == m_endpoints.end())
        m_endpoints.push_back(endpoint);
}

void SimBus::detach(Endpoint* endpoint)
{
    m_endpoints.erase(std::remove(m_endpoints.begin(), m_endpoints.end(), endpoint), m_endpoints.end());
    m_framers.erase(endpoint);
}

void SimBus::transmit(Endpoint* from, const QByteArray& bytes)
{
    if (m_vanished)
        return;
    QByteArray burst;
    for (const QByteArray& message : m_framers[from].feed(bytes)) {
        if (m_monitor)
            m_monitor(message);
        burst += message;
    }
    if (!burst.isEmpty())
        schedule(burst);
}

void SimBus::injectRaw(const QByteArray& bytes)
{
    if (!m_vanished && !bytes.isEmpty())
        schedule(bytes);
}

void SimBus::schedule(const QByteArray& bytes)
{
    const double now = m_clock.now();
    const auto call = m_timers.guard([this] { pump(); });
    if (m_baud <= 0) {
        m_queue.push_back({now, bytes});
        m_clock.callAfter(0, call);
        return;
    }
    // Ten bits a byte on a line that carries one byte after the other.
    const double byteTime = 10.0 / m_baud;
    double t = std::max(now, m_lineFreeAt);
    for (char c : bytes) {
        t += byteTime;
        m_queue.push_back({t, QByteArray(1, c)});
        m_clock.callAfter(t - now, call);
    }
    m_lineFreeAt = t;
}

void SimBus::pump()
{
    const double now = m_clock.now();
    while (!m_queue.empty() && !m_vanished) {
        if (m_queue.front().due > now) {
            // A timer that fired a little early: look again when the byte is due.
            m_clock.callAfter(m_queue.front().due - now, m_timers.guard([this] { pump(); }));
            return;
        }
        Pending p = std::move(m_queue.front());
        m_queue.pop_front();
        // Bytes that are all due by now arrive together, as a backlog does at a real port.
        while (!m_queue.empty() && m_queue.front().due <= now) {
            p.bytes += m_queue.front().bytes;
            m_queue.pop_front();
        }
        // A copy: an endpoint may attach or detach while it handles the bytes.
        const std::vector<Endpoint*> endpoints = m_endpoints;
        for (Endpoint* e : endpoints)
            if (std::find(m_endpoints.begin(), m_endpoints.end(), e) != m_endpoints.end())
                e->busReceive(p.bytes);
    }
}

void SimBus::vanish()
{
    if (m_vanished)
        return;
    m_vanished = true;
    m_queue.clear();
    const std::vector<Endpoint*> endpoints = m_endpoints;
    for (Endpoint* e : endpoints)
        e->busVanished();
}

} // namespace kx2::sim
