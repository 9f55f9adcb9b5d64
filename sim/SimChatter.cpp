#include "sim/SimChatter.h"

#include "link/Clock.h"
#include "sim/SimFramer.h"

namespace kx2::sim {

namespace {
QByteArray message(std::initializer_list<int> bytes)
{
    QByteArray m;
    for (int b : bytes)
        m.append(char(b));
    return SimFramer::withChecksum(m);
}
} // namespace

std::vector<QByteArray> SimChatter::round()
{
    return {
        message({0xB2, 0x10, 0x50}),             // sensor 33 occupied
        message({0xB1, 0x05, 0x30}),             // switch 6 reported thrown
        message({0xA0, 0x03, 0x40}),             // slot 3: speed 64
        message({0xB0, 0x05, 0x10}),             // switch 6 requested
        message({0xA1, 0x03, 0x21}),             // slot 3: direction and f0
        message({0xB4, 0x30, 0x7F}),             // somebody's switch request acknowledged
        message({0xBB, 0x03, 0x00}),             // a throttle asks for slot 3
        message({0xE7, 0x0E, 0x03, 0x33, 0x2A, 0x40, 0x21, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00}), // slot 3 data
        message({0xB2, 0x10, 0x40}),             // sensor 33 free
        message({0x83}),                         // track power on
    };
}

SimChatter::SimChatter(SimBus& bus, double interval)
    : m_bus(bus), m_interval(interval), m_round(round())
{
    m_bus.attach(this);
    if (m_interval > 0)
        next();
}

SimChatter::~SimChatter()
{
    m_bus.detach(this);
}

void SimChatter::next()
{
    m_bus.clock().callAfter(m_interval, m_timers.guard([this] {
        if (m_bus.vanished())
            return;
        m_bus.transmit(this, m_round[size_t(m_sent) % m_round.size()]);
        ++m_sent;
        next();
    }));
}

} // namespace kx2::sim
