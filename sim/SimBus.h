#pragma once
#include "link/Clock.h"
#include "sim/SimFramer.h"

#include <QByteArray>
#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace kx2::sim {

// A simulated LocoNet with its interface: every complete message that an attached endpoint
// writes is delivered to every endpoint, the writer included (the echo a real interface gives).
// Deliveries run later, through Clock::callAfter, so they work with SystemClock and VirtualClock.
class SimBus {
public:
    class Endpoint {
    public:
        virtual ~Endpoint() = default;
        // Bytes from the bus, in wire order; one call per burst.
        virtual void busReceive(const QByteArray& bytes) = 0;
        // The interface went away (the port was unplugged).
        virtual void busVanished() {}
    };

    explicit SimBus(Clock& clock);
    ~SimBus();
    SimBus(const SimBus&) = delete;
    SimBus& operator=(const SimBus&) = delete;

    void attach(Endpoint* endpoint);
    void detach(Endpoint* endpoint);

    // Bytes written by an endpoint. Complete messages go onto the bus; all messages completed by
    // one write travel as one burst, so an answer written in one piece arrives in one piece.
    // A message not yet complete waits for the writer's next bytes; stray data bytes are dropped.
    void transmit(Endpoint* from, const QByteArray& bytes);
    // Bytes put onto the bus as they are, without framing (noise, stray bytes).
    void injectRaw(const QByteArray& bytes);

    // With a baud rate above 0, each byte is delivered no earlier than its wire time (ten bits a
    // byte, one byte after the other on the shared line). 0 delivers each burst at once.
    void setBaudPace(int baud) { m_baud = baud; }

    // The interface vanishes: endpoints are told, nothing is delivered any more.
    void vanish();
    bool vanished() const { return m_vanished; }

    // Every message put onto the bus (not raw injections), for tests.
    void setMonitor(std::function<void(const QByteArray&)> monitor) { m_monitor = std::move(monitor); }

    Clock& clock() { return m_clock; }

private:
    struct Pending {
        double due;
        QByteArray bytes;
    };
    void schedule(const QByteArray& bytes);
    void pump();

    Clock& m_clock;
    std::vector<Endpoint*> m_endpoints;
    std::map<Endpoint*, SimFramer> m_framers;
    std::deque<Pending> m_queue;
    std::function<void(const QByteArray&)> m_monitor;
    double m_lineFreeAt = 0;
    int m_baud = 0;
    bool m_vanished = false;
    TimerToken m_timers;
};

} // namespace kx2::sim
