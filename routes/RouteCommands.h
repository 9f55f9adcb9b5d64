#pragma once
#include "records/TableEditCommand.h"
#include "routes/RouteEdits.h"

namespace kx2 {

class RouteTables;

// A step of the route editor's history over whole routes: each route's entries with their
// to-be-written flags, its name record with its state, and what is known of the station for it.
class RouteEditCommand : public TableEditCommand {
public:
    // "alle löschen", a CSV import: any route may change.
    RouteEditCommand(RouteTables& tables, const QString& text, const std::function<void()>& edit);

protected:
    RouteEditCommand(RouteTables& tables, const QString& text) : TableEditCommand(text), m_tables(tables) {}

    int rowCount() const override;
    void capture(int route, Image& image) const override;
    void restore(int route, const Image& image) override;

    RouteTables& m_tables;
};

// The command dialog's answer for an entry (applyEntryAnswer): "Befehl 3 von Fahrstraße 7",
// "FS-Start von Fahrstraße 7", or "Fahrstraße 7 gelöscht" when the start entry goes with the
// route (asked for before the step is made). The entries whose text changed are in `shown`.
class RouteEntryCommand : public RouteEditCommand {
public:
    RouteEntryCommand(RouteTables& tables, int route, int entry, int answer);
    ChangedEntries shown;
};

// "Name von Fahrstraße 7": storeRouteNames.
class RouteNameCommand : public RouteEditCommand {
public:
    RouteNameCommand(RouteTables& tables, int route, const QString& line1, const QString& line2);
};

} // namespace kx2
