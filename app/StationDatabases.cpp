#include "app/StationDatabases.h"

#include "accessory/AccessoryCsv.h"
#include "accessory/AccessoryFiles.h"
#include "accessory/AccessoryPrint.h"
#include "app/AppContext.h"
#include "records/RangeCsv.h"
#include "feedback/FeedbackFiles.h"
#include "feedback/FeedbackPrint.h"
#include "loco/LocoCsv.h"
#include "loco/LocoFiles.h"
#include "loco/LocoGridModel.h"
#include "loco/LocoPrint.h"
#include "routes/RouteCsv.h"
#include "routes/RouteFiles.h"
#include "routes/RoutePrint.h"

namespace kx2 {

namespace {

// Every address of a range read has a row; those in use are counted.
int countRange(const RangeRecordTable& table, const AddressRange& range)
{
    int n = 0;
    for (int a = range.first; a <= range.last; ++a)
        n += table.holdsRecord(a) ? 1 : 0;
    return n;
}

// The addresses of the range a printout holds: those in use, or all.
std::vector<int> printedRange(const RangeRecordTable& table, const AddressRange& range, bool whole)
{
    std::vector<int> addresses;
    for (int a = range.first; a <= range.last; ++a)
        if (whole || table.holdsRecord(a))
            addresses.push_back(a);
    return addresses;
}

} // namespace

const std::vector<StationDatabase>& stationDatabases()
{
    static const std::vector<StationDatabase> all = {
        {"loco", &LocoTable::Subject, "lokdaten.isd", isdHeaderLocoTable(), 0,
         [](AppContext&) -> AddressRange* { return nullptr; },
         [](AppContext& c) { return c.locoTransfer().ReadLocoDatabase(); },
         [](AppContext& c) { return locoTableFile(c.loco, c.storedSerial); },
         [](AppContext& c, const QString& p) { return loadLocoTableFile(p, c.loco, c.storedSerial); },
         [](AppContext& c) { return c.locoTransfer().SendLocoDatabase(); },
         [](AppContext& c) {
             int n = 0;
             for (int i = 0; i < LocoTable::SlotCount; ++i)
                 n += c.loco.holdsRecord(i) ? 1 : 0;
             return n;
         },
         [](AppContext& c) { return locoCsv(c.locoData); },
         [](AppContext& c, const PrintSource& s, bool) { return locoPrintTable(c.loco, locoGridSlots(c.loco), s); }},
        {"acc", &AccessoryTable::Subject, "magnetartikel.isd", isdHeaderAccessory(),
         AccessoryTable::MaxAddress, [](AppContext& c) { return &c.accessoryRange; },
         [](AppContext& c) { return c.accessoryTransfer().ReadAccessoryDatabase(); },
         [](AppContext& c) {
             return rangeTableFile(accessoryFileFormat(), c.accessories, c.storedSerial, c.accessoryRange);
         },
         [](AppContext& c, const QString& p) {
             return loadRangeTableFile(p, accessoryFileFormat(), c.accessories, c.storedSerial, c.accessoryRange);
         },
         [](AppContext& c) { return c.accessoryTransfer().SendAccessoryDatabase(); },
         [](AppContext& c) { return countRange(c.accessories, c.accessoryRange); },
         [](AppContext& c) { return accessoryCsv(c.accessories, c.accessoryRange); },
         [](AppContext& c, const PrintSource& s, bool whole) {
             return accessoryPrintTable(c.accessories, printedRange(c.accessories, c.accessoryRange, whole), s);
         }},
        {"fb", &FeedbackTable::Subject, "rueckmelder.isd", isdHeaderFeedback(),
         FeedbackTable::MaxAddress, [](AppContext& c) { return &c.feedbackRange; },
         [](AppContext& c) { return c.feedbackTransfer().ReadFeedbackDatabase(); },
         [](AppContext& c) {
             return rangeTableFile(feedbackFileFormat(), c.feedback, c.storedSerial, c.feedbackRange);
         },
         [](AppContext& c, const QString& p) {
             return loadRangeTableFile(p, feedbackFileFormat(), c.feedback, c.storedSerial, c.feedbackRange);
         },
         [](AppContext& c) { return c.feedbackTransfer().SendFeedbackDatabase(); },
         [](AppContext& c) { return countRange(c.feedback, c.feedbackRange); },
         [](AppContext& c) { return rangeCsv(c.feedback, c.feedbackRange); },
         [](AppContext& c, const PrintSource& s, bool whole) {
             return feedbackPrintTable(c.feedback, printedRange(c.feedback, c.feedbackRange, whole), s);
         }},
        {"routes", &RouteTables::Subject, "fahrstrassen.isd", isdHeaderRoutes(), 0,
         [](AppContext&) -> AddressRange* { return nullptr; },
         [](AppContext& c) { return c.routeTransfer().ReadRoutes(); },
         [](AppContext& c) { return routeTableFile(c.routes, c.storedSerial); },
         [](AppContext& c, const QString& p) { return loadRouteTableFile(p, c.routes, c.storedSerial); },
         [](AppContext& c) { return c.routeTransfer().SendRoutes(); },
         [](AppContext& c) { return c.routes.routesInUse(); },
         [](AppContext& c) { return routeCsv(c.routes); },
         [](AppContext& c, const PrintSource& s, bool whole) {
             std::vector<int> routes;
             for (int n = 1; n <= RouteTables::RouteCount; ++n)
                 if (whole || c.routes.routeInUse(n))
                     routes.push_back(n);
             return routePrintTable(c.routes, routes, s);
         }},
    };
    return all;
}

const StationDatabase* findStationDatabase(const QString& word)
{
    for (const StationDatabase& db : stationDatabases())
        if (word == QLatin1String(db.word))
            return &db;
    return nullptr;
}

const StationDatabase* stationDatabaseOfHeader(const QString& header)
{
    for (const StationDatabase& db : stationDatabases())
        if (header == db.header)
            return &db;
    return nullptr;
}

} // namespace kx2
