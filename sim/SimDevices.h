#pragma once
#include "sim/SimBus.h"
#include "sim/SimFramer.h"

#include <functional>
#include <memory>
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
    // Every message the device saw, its own answers excepted.
    const std::vector<QByteArray>& received() const { return m_received; }
    void setDelay(double seconds) { m_delay = seconds; }

    // A device that answers every message with a long acknowledge of `code`.
    static Reply longAck(int code);
    static Reply silent();

private:
    SimBus& m_bus;
    Reply m_reply;
    double m_delay;
    SimFramer m_rx;
    std::vector<QByteArray> m_received;
    std::vector<QByteArray> m_sent;
    std::shared_ptr<bool> m_alive;
};

} // namespace kx2::sim
