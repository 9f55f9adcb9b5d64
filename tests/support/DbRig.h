#pragma once
#include "dbproto/DbProtocol.h"
#include "link/Clock.h"
#include "link/LocoNetLink.h"
#include "shell/Settings.h"
#include "shell/UserDialogs.h"
#include "sim/SimBus.h"
#include "sim/SimComm1.h"
#include "sim/SimCommandStation.h"
#include "sim/SimDevices.h"

#include <memory>
#include <vector>

namespace kx2::test {

// The database protocol over the link to the in-process simulated bus, in virtual time.
// Tests add the simulated command station (station()) or a scripted device (device()).
struct DbRig {
    VirtualClock clock;
    sim::SimBus bus{clock};
    sim::SimComm1 port{bus};
    Settings settings;  // the LocoNet USB interface: whole messages
    LocoNetLink link{port, clock, settings};
    NullProgress progress;
    DbProtocol db{link, progress};
    std::vector<QByteArray> onBus;  // every message put onto the bus, in order
    std::unique_ptr<sim::SimCommandStation> cs;
    std::unique_ptr<sim::SimScriptedDevice> dev;

    DbRig()
    {
        port.setCommPort(QStringLiteral("SIM"));
        port.setPortOpen(true);
        port.setRThreshold(1);
        port.setOnComm([this] { link.OnComm(); });
        bus.setMonitor([this](const QByteArray& m) { onBus.push_back(m); });
    }

    sim::SimCommandStation& station(sim::SimStationConfig config = {}, sim::SimFaults faults = {})
    {
        cs = std::make_unique<sim::SimCommandStation>(bus, config, faults);
        return *cs;
    }
    sim::SimScriptedDevice& device(sim::SimScriptedDevice::Reply reply, double delay = 0.0)
    {
        dev = std::make_unique<sim::SimScriptedDevice>(bus, std::move(reply), delay);
        return *dev;
    }

    // The last database or format request the tool put onto the bus.
    QByteArray lastRequest() const
    {
        for (auto it = onBus.rbegin(); it != onBus.rend(); ++it)
            if (!it->isEmpty() && static_cast<unsigned char>(it->at(0)) == 0xED)
                return *it;
        return {};
    }
    std::vector<QByteArray> requests() const
    {
        std::vector<QByteArray> out;
        for (const auto& m : onBus)
            if (!m.isEmpty() && static_cast<unsigned char>(m.at(0)) == 0xED)
                out.push_back(m);
        return out;
    }
    static int at(const QByteArray& m, int i) { return static_cast<unsigned char>(m.at(i)); }

    // Opens the access on the station; returns the result.
    int open() { return db.StartBootloader(); }
};

inline QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

inline QByteArray longAck(int code)
{
    return sim::SimFramer::withChecksum(bytesOf({0xB4, 0x6D, code}));
}

// The ready message exactly as the simulated command station sends it after access step 1.
inline QByteArray stationReadyMessage()
{
    DbRig rig;
    rig.station();
    rig.open();
    for (const QByteArray& m : rig.onBus)
        if (m.size() == 31 && static_cast<unsigned char>(m.at(0)) == 0xE5)
            return m;
    return {};
}

} // namespace kx2::test
