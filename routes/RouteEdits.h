#pragma once
#include <QString>

namespace kx2 {

class RouteTables;

// What the route editor does to the tables. Every change goes straight into them and marks what
// the next send writes: the entries it touched, and the route's name record whenever a value
// changed, since a send writes nothing unless a name record is marked. A route that then reads as
// the station holds it loses its marks again.

// The entries of one route whose grid text may now read differently (entry numbers, 1 is the
// start entry); first = 0 when nothing changed. A changed start entry can change the text of
// sub-route calls in every route.
struct ChangedEntries {
    int first = 0;
    int last = 0;
    bool empty() const { return first == 0; }
};

// The command dialog's answer for entry `entry` of `route`: a code to store (> 0), the deletion
// of this command or of the whole route (DeleteEntryCode), a new empty place before this command
// (InsertEntryCode); 0 changes nothing. The deletion of the whole route is asked for before
// (deletesRoute): here it is done.
ChangedEntries applyEntryAnswer(RouteTables& tables, int route, int entry, int answer);

// The answer deletes the whole route with its start entry: the window asks first.
bool deletesRoute(int entry, int answer);

// Clear_FSDaten: no start, no commands, no name, not to be sent; what the station holds of the
// route counts as unknown.
void clearRoute(RouteTables& tables, int route);

// The two name lines as typed into the grid, cut to the name area. Lines that read as before
// leave the record as it is, whatever its layout. True when the record changed (it is then to be
// written, unless it is now the station's again).
bool storeRouteNames(RouteTables& tables, int route, const QString& line1, const QString& line2);

// The question before a route is deleted with its start entry.
QString deleteRouteQuestion();

} // namespace kx2
