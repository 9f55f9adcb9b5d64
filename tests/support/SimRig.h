#pragma once
// A complete run against the simulated command station, in-process and on virtual time:
// the context the drivers and editors get, with scripted dialogs and a recording progress window.
#include "link/Clock.h"
#include "link/PortIo.h"
#include "app/AppContext.h"
#include "sim/SimBus.h"
#include "sim/SimComm1.h"
#include "sim/SimCommandStation.h"
#include "support/FakeDialogs.h"
#include "support/FakeFileDialog.h"

#include <QStringList>

namespace kx2::test {

class RecordingProgress : public Progress {
public:
    void show() override { visible = true; ++shows; }
    void hide() override { visible = false; }
    void setText(const QString& text) override { texts << text; }
    bool cancelRequested() const override { return cancel; }
    bool cancel = false;
    bool visible = false;
    int shows = 0;
    QStringList texts;
};

class RecordingMainControls : public MainControls {
public:
    void EnableMainControls() override { enabled = true; }
    void DisableMainControls() override { enabled = false; }
    void showTransferDone(const QString& text) override { transferDone = text; }
    bool enabled = true;
    QString transferDone;
};

// The tool's requests by kind, counted by a monitor on the bus from start() on.
struct BusCounts {
    int areaReads = 0, areaWrites = 0, samWrites = 0, pageReads = 0, pageWrites = 0, formatReads = 0, formatWrites = 0,
        accessOpens = 0;
    void start(sim::SimBus& bus)
    {
        *this = BusCounts();
        bus.setMonitor([this](const QByteArray& m) {
            if (static_cast<unsigned char>(m[0]) != 0xED)
                return;
            if (m[1] == 0x0F) {
                formatReads += m[5] == 13 || m[5] == 16;
                formatWrites += m[5] == 12 || m[5] == 15;
                return;
            }
            const int s = (static_cast<unsigned char>(m[15]) >> 4) * 10 + (static_cast<unsigned char>(m[20]) >> 4);
            const int d1 = m[6] | ((m[5] & 1) << 7);
            pageReads += s == 44;
            accessOpens += s == 37;
            pageWrites += s == 42;
            areaReads += s == 33 && m[7] == 0x0A && d1 == 0x45;
            areaWrites += s == 33 && m[7] == 0x0A && d1 == 0xDF;
            samWrites += s == 33 && d1 == 0x5A;
        });
    }
};

struct SimRig {
    explicit SimRig(sim::SimStationConfig config = {}, sim::SimFaults faults = {})
        : bus(clock), port(bus), station(bus, std::move(config), faults)
        , ctx(Platform{clock, port, portIo, dialogs, files, progress, controls})
    {
        ctx.settings.ComPortNumber = QStringLiteral("SIM");
    }

    VirtualClock clock;
    sim::SimBus bus;
    sim::SimComm1 port;
    sim::SimCommandStation station;
    NoPortIo portIo;
    FakeDialogs dialogs;
    FakeFileDialog files;
    RecordingProgress progress;
    RecordingMainControls controls;
    AppContext ctx;
};

} // namespace kx2::test
