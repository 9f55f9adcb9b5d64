#pragma once
#include "link/Clock.h"

#include <QByteArray>
#include <functional>

namespace kx2::sim {

// The receive side of an FTDI-based LocoNet USB interface: bytes from the bus wait in the chip
// and go to the PC as one USB packet once a packet's worth has gathered or once the latency
// timer has run out since the first waiting byte, whichever comes first.
class SimLatencyTimer {
public:
    // Data bytes in a full-speed USB packet of an FTDI chip (64, less its two status bytes).
    static constexpr int PacketBytes = 62;

    // A timer of 0 seconds hands every byte on at once.
    SimLatencyTimer(Clock& clock, double seconds, std::function<void(const QByteArray&)> deliver);

    void take(const QByteArray& bytes);

private:
    void send(int count);

    Clock& m_clock;
    double m_seconds;
    std::function<void(const QByteArray&)> m_deliver;
    QByteArray m_waiting;
    // Counts the packets sent, so that a timer started for bytes already sent does nothing.
    unsigned m_sent = 0;
    bool m_timing = false;
    TimerToken m_timers;
};

} // namespace kx2::sim
