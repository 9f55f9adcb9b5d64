#pragma once
#include "dbproto/DbProtocol.h"
#include "link/Comm1.h"
#include "link/LocoNetLink.h"
#include "link/SerialInterface.h"
#include "loco/LocoTable.h"
#include "loco/StoredSerial.h"
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
        , db(link, platform.progress)
    {
        platform.port.setOnComm([this] { link.OnComm(); });
        FillLocoFormatTables(locoFormats);
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Settings settings;
    Platform platform;
    LocoNetLink link;
    SerialInterface iface;
    DbProtocol db;

    // The locomotive database and its bookkeeping.
    LocoTable loco;
    LocoFormatTables locoFormats;
    // 0: the locomotive editor rebuilds its grid at its next activation.
    int LocoGridLoaded = 0;

    // The command station the tables were read from or loaded for (all databases share it).
    StoredSerial storedSerial;
};

} // namespace kx2
