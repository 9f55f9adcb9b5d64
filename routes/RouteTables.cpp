#include "routes/RouteTables.h"

#include "records/NameLines.h"
#include "routes/RouteModule.h"

#include <algorithm>

namespace kx2 {

RouteTables::RouteTables()
{
    // The record bytes and the state hold numbers from the start; columns 49 and 50 hold none.
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c <= State; ++c)
            RouteNames.set(r, c, 0);
}

QString RouteTables::ReadFSname(int line, int route) const
{
    // The separator is looked for up to byte 31, the characters end at byte 27.
    return NameLines::read(RouteNames, route, line, 31);
}

int RouteTables::startAddress(int route) const
{
    const int start = RouteData[size_t(route)][StartEntry];
    return start / 10 + (start % 2) * 8192;
}

void RouteTables::SyncRouteStartAddresses()
{
    for (int r = 1; r <= RouteCount; ++r) {
        const int s = startAddress(r);
        if (s <= 0)
            continue;
        if ((s & 255) != RouteNames.value(r, StartAddressLow) || ((s >> 8) & 255) != RouteNames.value(r, StartAddressLow + 1)) {
            RouteNames.set(r, StartAddressLow, s & 255);
            RouteNames.set(r, StartAddressLow + 1, (s >> 8) & 255);
            RouteNames.set(r, State, status::Changed);
        }
    }
}

int RouteTables::routesPending() const
{
    int n = 0;
    for (int r = 1; r <= RouteCount; ++r)
        n += RouteNames.value(r, State) == status::Changed ? 1 : 0;
    return n;
}

bool RouteTables::routeInUse(int route) const
{
    if (holdsRoute(route))
        return true;
    // Names never written read as all 0xFF.
    for (int b = 0; b < RecordBytes && RouteNames.value(route, State) != status::Empty; ++b)
        if (RouteNames.value(route, b) != 0xFF)
            return true;
    return false;
}

int RouteTables::routesInUse() const
{
    int n = 0;
    for (int r = 1; r <= RouteCount; ++r)
        n += routeInUse(r) ? 1 : 0;
    return n;
}

void RouteTables::markEverythingForSending()
{
    for (int r = 1; r <= RouteCount; ++r) {
        forgetStation(r);
        RouteNames.set(r, State, status::Changed);
        for (int j = 1; j <= EntryCount; ++j)
            RouteDataChanged[size_t(r)][size_t(j)] = true;
    }
}

void RouteTables::markSent()
{
    for (int r = 1; r <= RouteCount; ++r) {
        if (lastEntryToWrite(r) > 0)
            noteStationEntries(r);
        if (RouteNames.value(r, State) == status::Changed) {
            RouteNames.set(r, State, status::Unchanged);
            noteStationName(r);
        }
        RouteDataChanged[size_t(r)].fill(false);
    }
}

std::array<int, RouteTables::EntryCount + 1> RouteTables::entriesAsRead(int route) const
{
    auto entries = RouteData[size_t(route)];
    entries[0] = 0;
    bool ended = entries[StartEntry] == 0;
    for (int j = StartEntry + 1; j <= EntryCount; ++j) {
        if (ended)
            entries[size_t(j)] = EndOfRoute;
        ended = ended || entries[size_t(j)] == EndOfRoute;
    }
    return entries;
}

int RouteTables::lastEntryToWrite(int route) const
{
    int lastMarked = 0;
    for (int j = StartEntry; j <= EntryCount; ++j)
        lastMarked = RouteDataChanged[size_t(route)][size_t(j)] ? j : lastMarked;
    if (lastMarked == 0)
        return 0;
    int end = StartEntry + 1;
    while (end < EntryCount && RouteData[size_t(route)][size_t(end)] != EndOfRoute)
        ++end;
    return std::max(end, lastMarked);
}

void RouteTables::noteStationEntries(int route)
{
    Station[size_t(route)].entries = entriesAsRead(route);
    Station[size_t(route)].entriesKnown = true;
}

void RouteTables::noteStationName(int route)
{
    for (int b = 0; b < RecordBytes; ++b)
        Station[size_t(route)].name[size_t(b)] = RouteNames.value(route, b);
    Station[size_t(route)].nameKnown = true;
}

void RouteTables::forgetStation(int route)
{
    Station[size_t(route)] = StationImage();
}

void RouteTables::StationImage::appendTo(std::vector<int32_t>& cells) const
{
    cells.push_back(entriesKnown ? 1 : 0);
    cells.insert(cells.end(), entries.begin(), entries.end());
    cells.push_back(nameKnown ? 1 : 0);
    cells.insert(cells.end(), name.begin(), name.end());
}

void RouteTables::StationImage::takeFrom(const int32_t*& at)
{
    entriesKnown = *at++ != 0;
    for (int& v : entries)
        v = *at++;
    nameKnown = *at++ != 0;
    for (int& v : name)
        v = *at++;
}

void RouteTables::belongTo(const StoredSerial& station)
{
    const std::optional<KnownRows> remembered = stationKeeping.switchTo(station);
    if (!remembered)
        return;
    Station.fill(StationImage());
    // A file that does not fit the routes in every row is not taken at all.
    for (const auto& [route, cells] : *remembered)
        if (route < 1 || route > RouteCount || cells.size() != StationImage::Cells || (cells[0] != 0 && cells[0] != 1)
            || (cells[EntryCount + 2] != 0 && cells[EntryCount + 2] != 1))
            return;
    for (const auto& [route, cells] : *remembered) {
        const int32_t* at = cells.data();
        Station[size_t(route)].takeFrom(at);
    }
}

void RouteTables::rememberStation() const
{
    KnownRows rows;
    for (int r = 1; r <= RouteCount; ++r) {
        const StationImage& image = Station[size_t(r)];
        if (!image.entriesKnown && !image.nameKnown)
            continue;
        image.appendTo(rows[r]);
    }
    stationKeeping.keep(rows);
}

void RouteTables::dropMarksTheStationHolds(int route)
{
    const StationImage& station = Station[size_t(route)];
    // Name lines that read as the station's take its bytes, whatever layout they were stored in.
    if (station.nameKnown) {
        std::vector<int32_t> before;
        RouteNames.copyRow(route, before);
        const QString line1 = ReadFSname(1, route);
        const QString line2 = ReadFSname(2, route);
        for (int b = NameLines::First; b <= NameLines::Last; ++b)
            RouteNames.set(route, b, station.name[size_t(b)]);
        if (ReadFSname(1, route) != line1 || ReadFSname(2, route) != line2)
            RouteNames.restoreRow(route, before.data());
    }
    if (station.entriesKnown && entriesAsRead(route) == station.entries)
        RouteDataChanged[size_t(route)].fill(false);
    if (!station.nameKnown || lastEntryToWrite(route) > 0 || RouteNames.value(route, State) != status::Changed)
        return;
    for (int b = 0; b < RecordBytes; ++b)
        if (RouteNames.value(route, b) != station.name[size_t(b)])
            return;
    RouteNames.set(route, State, status::Unchanged);
}

void RouteTables::prepareNameRecord(int route, int deviceCode)
{
    const int s = startAddress(route);
    RouteNames.set(route, StartAddressLow, s & 255);
    RouteNames.set(route, StartAddressLow + 1, (s >> 8) & 255);
    RouteNames.set(route, DeviceCodeLow, deviceCode & 255);
    RouteNames.set(route, DeviceCodeLow + 1, (deviceCode >> 8) & 255);
    RouteNames.set(route, ModuleTypeLow, RouteModule::RouteModuleType & 255);
    RouteNames.set(route, ModuleTypeLow + 1, RouteModule::RouteModuleType >> 8);
    for (int b = ModuleTypeLow + 2; b < RecordBytes; ++b)
        RouteNames.set(route, b, 255);
}

int RouteDeviceCode(double serialNumber)
{
    return int((static_cast<long long>(serialNumber) % 100000 + 1000) & 0xFFFF);
}

} // namespace kx2
