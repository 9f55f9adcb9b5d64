#pragma once
#include "records/IsdFile.h"
#include "routes/RouteTables.h"

namespace kx2 {

class StoredSerial;
struct DatabaseContext;

// The route file "KX2-Fahrstraßendaten Version 1.0": the serial lines, then RouteData(r, 1..25)
// route by route, then RouteNames(r, 0..50) route by route.
constexpr int RouteFileLines = 1 + 4 + RouteTables::RouteCount * RouteTables::EntryCount
                               + RouteTables::RouteCount * RouteTables::NameColumns;  // 6085
// Seconds the load waits before it opens the file, the save after it wrote it.
constexpr double RouteFilePause = 0.05;

IsdWriter routeTableFile(const RouteTables& tables, const StoredSerial& serial);
// Taken whole or not at all: an entry that is no 16-bit value, a record byte beyond a byte or a
// file that ends early leaves the tables and the serial as they were. Loaded records are as read
// (state 0); every route with a start entry is then marked for sending, names and entries, where
// it differs from what the file's station is known to hold; routes without one keep their
// entries' changed marks.
IsdLoadResult loadRouteTableFile(const QString& path, RouteTables& tables, StoredSerial& serial);

// The route editor's "laden" and "speichern": the file prompt, starting in the "Daten" folder
// under the program folder, the pauses and the messages. True when a file was loaded (the grid
// is then rebuilt) or written.
bool loadRouteFile(DatabaseContext& ctx, RouteTables& tables);
bool saveRouteFile(DatabaseContext& ctx, const RouteTables& tables);

} // namespace kx2
