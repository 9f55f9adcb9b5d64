#include "routes/RouteTables.h"

#include "dbproto/NameLines.h"
#include "routes/RouteModule.h"


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

bool RouteTables::namesPending() const
{
    for (int r = 1; r <= RouteCount; ++r)
        if (RouteNames.value(r, State) == status::Changed)
            return true;
    return false;
}

void RouteTables::markEverythingForSending()
{
    for (int r = 1; r <= RouteCount; ++r) {
        RouteNames.set(r, State, status::Changed);
        for (int j = 1; j <= EntryCount; ++j)
            RouteDataChanged[size_t(r)][size_t(j)] = true;
    }
}

void RouteTables::markSent()
{
    for (int r = 1; r <= RouteCount; ++r) {
        if (RouteNames.value(r, State) == status::Changed)
            RouteNames.set(r, State, status::Unchanged);
        RouteDataChanged[size_t(r)].fill(false);
    }
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
