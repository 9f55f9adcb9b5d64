#pragma once
#include <QString>
#include <QtGlobal>

namespace kx2 {

// A USB serial converter (the FTDI chip of many LocoNet USB interfaces) holds received bytes
// until its latency timer runs out (16 ms unless set otherwise) whenever less than a full USB
// packet has come, which adds up to that much to every exchange. Asked for low latency, the
// serial driver sets the timer to 1 ms. Ports without such a timer (a plain UART, a
// pseudo-terminal) may refuse; that is no fault and the port works as before.
class PortLatency {
public:
    enum class Answer { Lowered, AlreadyLow, Refused };

    virtual ~PortLatency() = default;
    // Asks for low latency on the port just opened (its handle and the system's name for it).
    virtual Answer lowerLatency(qintptr handle, const QString& systemName) = 0;
    // Puts back what lowerLatency changed (it said Lowered), before the port closes.
    virtual void restoreLatency(qintptr handle) = 0;
};

// The system's serial driver: on Linux the low-latency flag of the port (TIOCSSERIAL,
// ASYNC_LOW_LATENCY); elsewhere nothing is asked.
class SystemPortLatency : public PortLatency {
public:
    Answer lowerLatency(qintptr handle, const QString& systemName) override;
    void restoreLatency(qintptr handle) override;
};

} // namespace kx2
