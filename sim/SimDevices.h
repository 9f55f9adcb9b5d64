#pragma once
#include "link/Clock.h"
#include "sim/SimBus.h"
#include "sim/SimFramer.h"

#include <functional>
#include <vector>

namespace kx2::sim {

// A device that answers every complete message from elsewhere on the bus with what `reply`
// returns for it (nothing when it returns an empty array), after `delay` seconds. Messages it
// sent itself are not answered. For link tests: an answering device, a silent one (reply
// returns nothing), or none at all on a bus that only echoes.
class SimScriptedDevice : public SimBus::Endpoint {
public:
    using Reply = std::function<QByteArray(const QByteArray& message)>;

    SimScriptedDevice(SimBus& bus, Reply reply, double delay = 0.0);
    ~SimScriptedDevice() override;

    void busReceive(const QByteArray& bytes) override;

    // A device that answers every message with a long acknowledge of `code`.
    static Reply longAck(int code);
    static Reply silent();

private:
    SimBus& m_bus;
    Reply m_reply;
    double m_delay;
    SimFramer m_rx;
    std::vector<QByteArray> m_sent;
    TimerToken m_timers;
};

} // namespace kx2::sim
