#pragma once
#include "accessory/AccessoryTable.h"
#include "accessory/AccessoryTransfer.h"
#include "records/DatabaseContext.h"
#include "dbproto/DbProtocol.h"
#include "records/ProgressMeter.h"
#include "records/StoredSerial.h"
#include "feedback/FeedbackTable.h"
#include "feedback/FeedbackTransfer.h"
#include "link/Comm1.h"
#include "link/LocoNetLink.h"
#include "link/SerialInterface.h"
#include "loco/LocoTable.h"
#include "loco/LocoTransfer.h"
#include "routes/RouteTables.h"
#include "routes/RouteTransfer.h"
#include "shell/AddressRange.h"
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

// The whole program's state: the way to the command station and every database. Lives for the
// whole run and is handed to whoever needs it; a test builds its own.
class AppContext {
public:
    explicit AppContext(const Platform& platform)
        : platform(platform)
        , link(platform.port, platform.clock, settings)
        , iface(platform.port, platform.portIo, link, settings, platform.dialogs)
        , db(link, platform.progress)
        , meter(platform.progress, platform.clock)
        , database{settings, link, iface, db, platform.dialogs, platform.files, platform.progress,
                   platform.mainControls, storedSerial, EditRow, EditCol, meter}
    {
        platform.port.setOnComm([this] { link.OnComm(); });
        fillLocoFormatTables(locoFormats);
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Settings settings;
    Platform platform;
    LocoNetLink link;
    SerialInterface iface;
    DbProtocol db;
    // The command station the tables were read from or loaded for (all databases share it).
    StoredSerial storedSerial;
    // The grid line and column of the open name edit (0: none); the grid editors share them.
    int EditRow = 0;
    int EditCol = 0;
    // The count of the transfer under way.
    ProgressMeter meter;
    // What the databases' drivers, files and editors are given of all this.
    DatabaseContext database;

    // The locomotive database and its bookkeeping.
    LocoTable loco;
    LocoFormatTables locoFormats;
    // 0: the locomotive editor rebuilds its grid at its next activation.
    int LocoGridLoaded = 0;
    LocoData locoData{loco, locoFormats, LocoGridLoaded};
    LocoTransfer locoTransfer() { return LocoTransfer(database, loco); }

    // The accessory database: records, the range the main window, the editor and the files work
    // on (always valid: a typed range is checked before it replaces this one), and whether the
    // editor's grid shows the table.
    AccessoryTable accessories;
    AddressRange accessoryRange;
    int MagGridLoaded = 0;
    AccessoryTransfer accessoryTransfer() { return AccessoryTransfer(database, accessories, accessoryRange); }

    // The feedback database, the same way.
    FeedbackTable feedback;
    AddressRange feedbackRange;
    int RmGridLoaded = 0;
    FeedbackTransfer feedbackTransfer() { return FeedbackTransfer(database, feedback, feedbackRange); }

    // The routes: all 80 name records, start entries and commands, and whether the route
    // editor's grid shows them.
    RouteTables routes;
    int RouteGridLoaded = 0;
    RouteTransfer routeTransfer() { return RouteTransfer(database, routes); }

    // What each database knows of the stations it was read from or sent to, kept in `store` from
    // one run to the next.
    void rememberStationsIn(StationImageStore& store)
    {
        loco.station.rememberIn(&store, QStringLiteral("lokdaten"));
        accessories.station.rememberIn(&store, QStringLiteral("magnetartikel"));
        feedback.station.rememberIn(&store, QStringLiteral("rueckmelder"));
        routes.stationKeeping.rememberIn(&store, QStringLiteral("fahrstrassen"));
    }
    // Keeps what every database knows now (after a transfer over several of them).
    void rememberStations() const
    {
        loco.station.remember();
        accessories.station.remember();
        feedback.station.remember();
        routes.rememberStation();
    }
};

// Puts the accessory and feedback ranges back when it goes out of scope: a backup or restore
// works on every address, but the ranges are the user's and stay what they chose.
class KeptRanges {
public:
    explicit KeptRanges(AppContext& ctx) : m_ctx(ctx), m_accessory(ctx.accessoryRange), m_feedback(ctx.feedbackRange) {}
    ~KeptRanges()
    {
        m_ctx.accessoryRange = m_accessory;
        m_ctx.feedbackRange = m_feedback;
    }
    KeptRanges(const KeptRanges&) = delete;
    KeptRanges& operator=(const KeptRanges&) = delete;

private:
    AppContext& m_ctx;
    const AddressRange m_accessory;
    const AddressRange m_feedback;
};

} // namespace kx2
