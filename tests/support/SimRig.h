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
    bool visible = false;
    int shows = 0;
    QStringList texts;
};

class RecordingMainControls : public MainControls {
public:
    void EnableMainControls() override { enabled = true; }
    void DisableMainControls() override { enabled = false; }
    bool enabled = true;
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
