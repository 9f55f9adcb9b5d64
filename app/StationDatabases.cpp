#include "app/StationDatabases.h"

#include "accessory/AccessoryCsv.h"
#include "accessory/AccessoryFiles.h"
#include "app/AppContext.h"
#include "records/RangeCsv.h"
#include "feedback/FeedbackFiles.h"
#include "loco/LocoCsv.h"
#include "loco/LocoFiles.h"
#include "routes/RouteCsv.h"
#include "routes/RouteFiles.h"

namespace kx2 {

namespace {

// Whether the first `bytes` of a row were ever written: flash never written reads as all 0xFF.
bool written(const RecordTable& table, int row, int bytes)
{
    for (int b = 0; b < bytes; ++b)
        if (table.value(row, b) != 0xFF)
            return true;
    return false;
}

// Every address of a range read has a row; a record in use is one held and written once.
int countRange(const RangeRecordTable& table, const AddressRange& range)
{
    int n = 0;
    for (int a = range.first; a <= range.last; ++a)
        n += table.status(a) != status::Empty && written(table, a, RangeRecordTable::RecordBytes);
    return n;
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
         [](AppContext& c) { return locoCsv(c.locoData); }},
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
         [](AppContext& c) { return accessoryCsv(c.accessories, c.accessoryRange); }},
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
         [](AppContext& c) { return rangeCsv(c.feedback, c.feedbackRange); }},
        {"routes", &RouteTables::Subject, "fahrstrassen.isd", isdHeaderRoutes(), 0,
         [](AppContext&) -> AddressRange* { return nullptr; },
         [](AppContext& c) { return c.routeTransfer().ReadRoutes(); },
         [](AppContext& c) { return routeTableFile(c.routes, c.storedSerial); },
         [](AppContext& c, const QString& p) { return loadRouteTableFile(p, c.routes, c.storedSerial); },
         [](AppContext& c) { return c.routeTransfer().SendRoutes(); },
         [](AppContext& c) { return c.routes.routesInUse(); },
         [](AppContext& c) { return routeCsv(c.routes); }},
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
