#pragma once
#include "link/Clock.h"
#include "sim/SimBus.h"

#include <QByteArray>
#include <vector>

namespace kx2::sim {

// The other devices of a layout: sensors reporting, switches being thrown, throttles setting
// speed and direction, the command station answering slot requests, an acknowledge to somebody
// else. One of their messages goes onto the bus every `interval` seconds, round after round,
// whatever the tool is doing; none of them is an answer to the tool.
class SimChatter : public SimBus::Endpoint {
public:
    SimChatter(SimBus& bus, double interval);
    ~SimChatter() override;
    SimChatter(const SimChatter&) = delete;
    SimChatter& operator=(const SimChatter&) = delete;

    void busReceive(const QByteArray&) override {}
    // The messages of one round, checksums included.
    static std::vector<QByteArray> round();

private:
    void next();

    SimBus& m_bus;
    double m_interval;
    std::vector<QByteArray> m_round;
    int m_sent = 0;
    TimerToken m_timers;
};

} // namespace kx2::sim
