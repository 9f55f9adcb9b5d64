#pragma once
// The whole program from its main window, on the simulated command station and virtual time:
// the real windows with scripted message boxes and file dialogs.
#include "LokdatenRig.h"

#include "app/gui/AppWindows.h"
#include "shell/RememberedPlaces.h"
#include "shell/RememberingFileDialog.h"
#include "shell/SettingsFile.h"
#include "shell/gui/MainWin.h"

#include <QTemporaryDir>

namespace kx2::test {

// The drivers reach the main window's controls the way the program wires them; a test may look
// at the window as a read begins.
class ControlsRelay : public MainControlsRelay {
public:
    void DisableMainControls() override
    {
        MainControlsRelay::DisableMainControls();
        if (onDisable)
            onDisable();
    }
    std::function<void()> onDisable;
};

struct AppRig {
    AppRig()
    {
        win.setQuitHandler([] {});
        controls.target = &win;
        ctx.settings.ComPortNumber = QStringLiteral("SIM");
        win.ShowSettings();
        // An input box nobody scripted is cancelled.
        dialogs.onCall = [this](const FakeDialogs::Call& call) {
            if (call.kind == FakeDialogs::Kind::Input && dialogs.inputs.empty())
                dialogs.inputs.push_back(std::nullopt);
        };
    }

    VirtualClock clock;
    sim::SimBus bus{clock};
    sim::SimComm1 port{bus};
    sim::SimCommandStation station{bus};
    NoPortIo portIo;
    FakeDialogs dialogs;
    FakeFileDialog files;
    RecordingProgress progress;
    ControlsRelay controls;
    QTemporaryDir dir;
    // The file dialogs start as the program's do, in a store and a data folder of the rig's own.
    RememberedPlaces places{dir.filePath(QStringLiteral("orte.ini"))};
    RememberingFileDialog rememberingFiles{files, places, dir.filePath(QStringLiteral("Daten"))};
    AppContext ctx{Platform{clock, port, portIo, dialogs, rememberingFiles, progress, controls}};
    SettingsFile settingsFile{dir.path(), dir.path()};
    MainWin win{ctx.settings, settingsFile, dialogs, dir.path(), QStringLiteral("ZP1")};
    AppWindows windows{ctx, win, buildFolder()};
};

} // namespace kx2::test
