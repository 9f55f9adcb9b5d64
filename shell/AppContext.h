#pragma once
#include "link/LocoNetLink.h"
#include "link/SerialInterface.h"
#include "shell/Settings.h"
#include "shell/UserDialogs.h"

namespace kx2 {

class Clock;
class Comm1;
class PortIo;

// The platform pieces a run is built from: real ones in the programs, fakes in the tests.
struct Platform {
    Clock& clock;
    Comm1& port;
    PortIo& portIo;
    UserDialogs& dialogs;
    FileDialog& files;
    Progress& progress;
    MainControls& mainControls;
};

// Program-wide state: lives for the whole run and is handed to whoever needs it.
// A test builds its own.
class AppContext {
public:
    explicit AppContext(const Platform& platform)
        : platform(platform)
        , link(platform.port, platform.clock, settings)
        , iface(platform.port, platform.portIo, link, settings, platform.dialogs)
    {
        platform.port.setOnComm([this] { link.OnComm(); });
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Settings settings;
    Platform platform;
    LocoNetLink link;
    SerialInterface iface;
};

} // namespace kx2
