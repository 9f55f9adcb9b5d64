// Arbitrary bytes as a route file ("laden" in the route editor). Nothing may crash or overrun; a
// file that loads holds only entries of 16 bits and record bytes, and saving the loaded tables
// and loading them again gives the same tables and serial values.
#include "FuzzSupport.h"
#include "records/StoredSerial.h"
#include "routes/RouteFiles.h"

using namespace kx2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::MemoryFile file;
    static fuzz::MemoryFile again;
    file.set(data, size);

    RouteTables tables;
    StoredSerial serial;
    const IsdLoadResult r = loadRouteTableFile(file.path(), tables, serial);
    if (!r.ok()) {
        fuzz::check(r.error != IsdError::None);
        return 0;
    }
    for (int route = 1; route <= RouteTables::RouteCount; ++route) {
        for (int j = 1; j <= RouteTables::EntryCount; ++j)
            fuzz::check(tables.RouteData[size_t(route)][size_t(j)] >= 0 && tables.RouteData[size_t(route)][size_t(j)] <= 0xFFFF);
        for (int c = 0; c < RouteTables::RecordBytes; ++c)
            fuzz::check(tables.RouteNames.value(route, c) >= 0 && tables.RouteNames.value(route, c) <= 255);
    }

    const IsdWriter w = routeTableFile(tables, serial);
    fuzz::check(w.lineCount() == RouteFileLines);
    again.set(w.data());
    RouteTables reloaded;
    StoredSerial reloadedSerial;
    fuzz::check(loadRouteTableFile(again.path(), reloaded, reloadedSerial).ok());
    fuzz::check(reloaded.RouteData == tables.RouteData);
    fuzz::check(reloaded.RouteNames == tables.RouteNames);
    fuzz::check(reloadedSerial == serial);
    return 0;
}
