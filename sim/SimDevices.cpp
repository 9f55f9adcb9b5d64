#include "sim/SimDevices.h"

#include "link/Clock.h"

#include <algorithm>

namespace kx2::sim {

SimScriptedDevice::SimScriptedDevice(SimBus& bus, Reply reply, double delay)
    : m_bus(bus), m_reply(std::move(reply)), m_delay(delay)
{
    m_bus.attach(this);
}

SimScriptedDevice::~SimScriptedDevice()
{
    m_bus.detach(this);
}

void SimScriptedDevice::busReceive(const QByteArray& bytes)
{
    for (const QByteArray& message : m_rx.feed(bytes)) {
        // Our own answer comes back as every message does.
        const auto own = std::find(m_sent.begin(), m_sent.end(), message);
        if (own != m_sent.end()) {
            m_sent.erase(own);
            continue;
        }
        const QByteArray answer = m_reply ? m_reply(message) : QByteArray();
        if (answer.isEmpty())
            continue;
        SimFramer split;
        for (const QByteArray& part : split.feed(answer))
            m_sent.push_back(part);
        m_bus.clock().callAfter(m_delay, m_timers.guard([this, answer] { m_bus.transmit(this, answer); }));
    }
}

SimScriptedDevice::Reply SimScriptedDevice::longAck(int code)
{
    return [code](const QByteArray& message) {
        QByteArray ack;
        ack.append(char(0xB4)).append(char(message.at(0) & 0x7F)).append(char(code & 0x7F));
        return SimFramer::withChecksum(ack);
    };
}

SimScriptedDevice::Reply SimScriptedDevice::silent()
{
    return [](const QByteArray&) { return QByteArray(); };
}

} // namespace kx2::sim
