#pragma once
#include "link/Clock.h"
#include "sim/SimBus.h"
#include "sim/SimFramer.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <map>

namespace kx2::sim {

// Faults the simulated route module shows on request.
struct SimRouteModuleFaults {
    bool absent = false;            // no answer at all, to anything
    bool refuseProgramming = false; // programming-on answered with a refusing acknowledge
    int loseAnswerEvery = 0;        // every Nth answer is lost on the way (the request is carried out)
    double answerDelay = 0.0;       // seconds between a request and its answer
    int garbleEvery = 0;            // every Nth answer arrives with one bit changed
    // Every Nth variable written is stored as the value 10 higher (in a command: the next
    // accessory or contact) and acknowledged as taken.
    int corruptWritesEvery = 0;
};

// The command station's route module on the bus: a configurable LocoNet module of type 6541
// with a module address, a programming mode, and variables 5..2004 of 16 bits that hold the
// routes. It answers the requests addressed to it and counts every one that does not follow the
// protocol. docs/protocol.md describes every choice.
class SimRouteModule : public SimBus::Endpoint {
public:
    static constexpr int TypeNumber = 6541;
    static constexpr int DefaultAddress = 456;  // 0x01C8: bit 7 of its low byte travels in byte 6
    static constexpr int FirstVariable = 5;
    static constexpr int LastVariable = 2004;

    SimRouteModule(SimBus& bus, int address = DefaultAddress, SimRouteModuleFaults faults = {});
    ~SimRouteModule() override;
    SimRouteModule(const SimRouteModule&) = delete;
    SimRouteModule& operator=(const SimRouteModule&) = delete;

    SimRouteModuleFaults& faults() { return m_faults; }
    int address() const { return m_address; }
    bool programming() const { return m_programming; }

    // 0 for a variable never written.
    int variable(int number) const;
    void setVariable(int number, int value);
    // The variables that are not 0.
    const std::map<int, int>& variables() const { return m_variables; }
    void setVariables(std::map<int, int> variables) { m_variables = std::move(variables); }

    // Called with a German text for each request that breaks the protocol.
    void setViolationSink(std::function<void(const QString&)> sink) { m_violation = std::move(sink); }
    // Called when programming mode ends after variables were written (the state is then saved).
    void setOnStored(std::function<void()> stored) { m_stored = std::move(stored); }
    void setLog(std::function<void(const QString&)> log) { m_log = std::move(log); }

    // Start entry and commands of a sample route r (1..80), entries 1..25. Together the 80 use
    // every kind of entry: each start kind, accessories, waits, every locomotive command, pauses,
    // sub-route calls, empty places and a route of 24 commands.
    static std::array<int, 25> sampleRoute(int route);

    void busReceive(const QByteArray& bytes) override;

private:
    void handle(const QByteArray& message);
    void violation(const QString& text);
    // A request that breaks the protocol: counted and answered with a refusing acknowledge.
    void refuse(const QString& text);
    void answer(const QByteArray& message);
    void answerAck(int code);
    void answerPeer(int variable, int value);

    SimBus& m_bus;
    int m_address;
    SimRouteModuleFaults m_faults;
    SimFramer m_rx;
    std::map<int, int> m_variables;
    bool m_programming = false;
    bool m_written = false;
    int m_answers = 0;
    int m_writes = 0;
    std::function<void(const QString&)> m_violation;
    std::function<void()> m_stored;
    std::function<void(const QString&)> m_log;
    TimerToken m_timers;
};

} // namespace kx2::sim
