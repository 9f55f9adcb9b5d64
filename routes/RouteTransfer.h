#pragma once
#include "records/ReadBack.h"
#include "records/TransferSession.h"
#include "routes/RouteModule.h"

#include <vector>

namespace kx2 {

class RouteTables;
struct DatabaseContext;
struct RecordField;

// The fields of a route's name record, in words.
std::vector<RecordField> routeNameFields();

// Reading and sending the routes: the name records in the command station's data flash within
// the database access, the entries in the route module within one programming cycle. Both the
// access and the module's programming mode are closed however a transfer ends.
class RouteTransfer {
public:
    RouteTransfer(DatabaseContext& ctx, RouteTables& tables);

    // Every name record and every entry, then the start addresses brought in line with the start
    // entries. The editor opens after success and when the port cannot be opened.
    ReadOutcome ReadRoutes();
    // The name records marked changed, and the entries marked changed together with the rest of
    // their route from its start entry through its end mark. After success the written records count as read (state 0) and the
    // written entries as unchanged.
    SendOutcome SendRoutes();
    // The step text while the entries of `route` are written to the route module.
    static QString routeDataWriteStep(int route);

    // Name-record failures carry 230000 on top of the primitive's code. Every name written gets
    // a new record number (the index must then be written).
    int ReadRouteNames();
    int WriteRouteNames();
    int ReadRouteData();
    int WriteRouteData();

    // Reads back the entries the last send wrote and compares them with what was sent: the
    // differences, one line each ("Fahrstraße 3: Befehl 2 gesendet 'Mag.Art.12rot', gelesen
    // 'Mag.Art.13rot'").
    ReadBackDifferences readBackRouteData();

    // The ResultCode of the last send (0 unless it failed).
    int lastSendResult() const { return m_lastSendResult; }

private:
    int namesToWrite() const;
    int entriesToWrite() const;

    struct SentEntry {
        int route;
        int entry;
        int value;
    };

    DatabaseContext& m_ctx;
    RouteTables& m_tables;
    RouteModule m_module;
    int m_deviceCode = 0;
    int m_lastSendResult = 0;
    // The routes 1..m_entriesRead whose entries the last read got.
    int m_entriesRead = 0;
    std::vector<SentEntry> m_sentEntries;  // what the module acknowledged in the last send
};

} // namespace kx2
