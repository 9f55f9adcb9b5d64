#include "routes/RouteEdits.h"

#include "records/NameLines.h"
#include "routes/RouteCommand.h"
#include "routes/RouteTables.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace kx2 {

namespace {

constexpr int kLast = RouteTables::EntryCount;
// A command place that does nothing. A new place holds it rather than the end of the route (8),
// which would cut off every command behind it in the route module and at the next read.
constexpr int kEmptyPlace = 0;

void setEntry(RouteTables& t, int route, int entry, int value)
{
    t.RouteData[size_t(route)][size_t(entry)] = value;
    t.RouteDataChanged[size_t(route)][size_t(entry)] = true;
}

} // namespace

bool deletesRoute(int entry, int answer)
{
    return answer == DeleteEntryCode && entry == RouteTables::StartEntry;
}

ChangedEntries applyEntryAnswer(RouteTables& t, int route, int entry, int answer)
{
    auto& data = t.RouteData[size_t(route)];
    const auto before = data;
    ChangedEntries shown;
    if (answer > 0) {
        // A command behind the end of the route would never run: the places before it become
        // empty places and the end moves behind it, as an insert does.
        int end = RouteTables::StartEntry + 1;
        while (end < entry && data[size_t(end)] != RouteTables::EndOfRoute)
            ++end;
        if (end < entry && answer != RouteTables::EndOfRoute) {
            for (int k = end; k < entry; ++k)
                setEntry(t, route, k, kEmptyPlace);
            if (entry < kLast)
                setEntry(t, route, entry + 1, RouteTables::EndOfRoute);
        }
        setEntry(t, route, entry, answer);
        shown = {std::min(end, entry), std::min(entry + 1, kLast)};
    } else if (deletesRoute(entry, answer)) {
        // A start entry of 0 empties the route in the module; a send writes a route whole, so the
        // commands need no marks of their own.
        setEntry(t, route, entry, 0);
        for (int k = entry + 1; k <= kLast; ++k)
            data[size_t(k)] = RouteTables::EndOfRoute;
        shown = {entry, kLast};
    } else if (answer == DeleteEntryCode) {
        for (int k = entry + 1; k <= kLast; ++k)
            setEntry(t, route, k - 1, data[size_t(k)]);
        setEntry(t, route, kLast, RouteTables::EndOfRoute);
        shown = {entry, kLast};
    } else if (answer == InsertEntryCode && entry != RouteTables::StartEntry) {
        // The last command falls off the end.
        for (int k = kLast; k > entry; --k)
            setEntry(t, route, k, data[size_t(k - 1)]);
        setEntry(t, route, entry, kEmptyPlace);
        shown = {entry, kLast};
    }
    if (data != before)
        t.RouteNames.set(route, RouteTables::State, status::Changed);
    t.dropMarksTheStationHolds(route);
    return shown;
}

void clearRoute(RouteTables& t, int route)
{
    t.RouteData[size_t(route)].fill(0);
    for (int c = 0; c < RouteTables::NameColumns; ++c)
        t.RouteNames.set(route, c, 0);
    t.RouteNames.set(route, NameLines::First + 1, NameLines::Separator);
    t.forgetStation(route);
}

bool storeRouteNames(RouteTables& t, int route, const QString& line1, const QString& line2)
{
    // A cleared record keeps its 13 at byte 5; visiting its names must not make it one to send.
    if (line1 == t.ReadFSname(1, route) && line2 == t.ReadFSname(2, route))
        return false;
    std::vector<int> before(RouteTables::RecordBytes);
    for (int b = 0; b < RouteTables::RecordBytes; ++b)
        before[size_t(b)] = t.RouteNames.value(route, b);
    NameLines::write(t.RouteNames, route, line1, line2);
    for (int b = 0; b < RouteTables::RecordBytes; ++b)
        if (t.RouteNames.value(route, b) != before[size_t(b)]) {
            t.RouteNames.set(route, RouteTables::State, status::Changed);
            t.dropMarksTheStationHolds(route);
            return true;
        }
    return false;
}

QString deleteRouteQuestion()
{
    return QCoreApplication::translate("RouteEdits", "Wenn die Rückmeldung zum Aufruf der Fahrstraße gelöscht wird,")
        + QChar(13) + QCoreApplication::translate("RouteEdits", "       dann wird die gesamte Fahrstraße gelöscht!")
        + QChar(13) + QCoreApplication::translate("RouteEdits", "                      Fahrstraße löschen?");
}

} // namespace kx2
