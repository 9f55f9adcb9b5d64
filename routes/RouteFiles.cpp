#include "routes/RouteFiles.h"

#include "records/DatabaseContext.h"
#include "records/StoredSerial.h"
#include "records/TableFile.h"
#include "link/LocoNetLink.h"

#include <QCoreApplication>
#include <vector>

namespace kx2 {

namespace {

constexpr int kRoutes = RouteTables::RouteCount;
constexpr int kEntries = RouteTables::EntryCount;
constexpr int kNameCols = RouteTables::NameColumns;

FilePrompt routePrompt(DatabaseContext& ctx)
{
    return FilePrompt{ctx.files, ctx.dialogs, ctx.settings, [&ctx](double seconds) { ctx.link.Pause(seconds); }};
}

} // namespace

IsdWriter routeTableFile(const RouteTables& tables, const StoredSerial& serial)
{
    IsdWriter w(isdHeaderRoutes());
    writeSerialLines(w, serial);
    for (int r = 1; r <= kRoutes; ++r)
        for (int j = 1; j <= kEntries; ++j)
            w.writeNumber(tables.RouteData[size_t(r)][size_t(j)]);
    for (int r = 1; r <= kRoutes; ++r)
        for (int c = 0; c < kNameCols; ++c)
            w.writeCell(tables.RouteNames.cell(r, c));
    return w;
}

IsdLoadResult loadRouteTableFile(const QString& path, RouteTables& tables, StoredSerial& serial)
{
    IsdReader reader;
    const auto failed = [&reader] { return IsdLoadResult{reader.error(), reader.errorDetail()}; };
    if (reader.open(path, isdHeaderRoutes()) != IsdError::None)
        return failed();
    StoredSerial loadedSerial;
    if (!readSerialLines(reader, loadedSerial))
        return failed();
    // Every entry goes to the route module as one 16-bit variable.
    std::vector<int> entries(size_t(kRoutes) * kEntries);
    for (int& e : entries) {
        std::optional<int> v;
        if (!reader.readCell(v))
            return failed();
        if (v && (*v < 0 || *v > 0xFFFF)) {
            reader.fail(QCoreApplication::translate("RouteFiles", "Befehl %1 außerhalb von 0..65535").arg(*v));
            return failed();
        }
        e = v.value_or(0);
    }
    std::vector<std::optional<int>> names(size_t(kRoutes) * kNameCols);
    for (size_t i = 0; i < names.size(); ++i) {
        if (!reader.readCell(names[i]))
            return failed();
        const int col = int(i % kNameCols);
        if (col < RouteTables::RecordBytes && names[i] && (*names[i] < 0 || *names[i] > 255)) {
            reader.fail(
                QCoreApplication::translate("RouteFiles", "Wert %1 passt nicht in Spalte %2").arg(*names[i]).arg(col));
            return failed();
        }
    }
    tables.belongTo(loadedSerial);
    for (int r = 1; r <= kRoutes; ++r) {
        for (int j = 1; j <= kEntries; ++j)
            tables.RouteData[size_t(r)][size_t(j)] = entries[size_t(r - 1) * kEntries + size_t(j - 1)];
        for (int c = 0; c < kNameCols; ++c)
            tables.RouteNames.set(r, c, names[size_t(r - 1) * kNameCols + size_t(c)]);
        // The state in the file is not used: what is loaded counts as read, and a route with a
        // start entry is sent whole, unless the file's station is known to hold it.
        tables.RouteNames.set(r, RouteTables::State, status::Unchanged);
        if (tables.holdsRoute(r)) {
            tables.RouteNames.set(r, RouteTables::State, status::Changed);
            tables.RouteDataChanged[size_t(r)].fill(true);
            tables.RouteDataChanged[size_t(r)][0] = false;
            tables.dropMarksTheStationHolds(r);
        }
    }
    serial = loadedSerial;
    return {};
}

bool loadRouteFile(DatabaseContext& ctx, RouteTables& tables)
{
    return routePrompt(ctx).load(RouteFilePause, [&](const QString& path) {
        return loadRouteTableFile(path, tables, ctx.storedSerial);
    });
}

bool saveRouteFile(DatabaseContext& ctx, const RouteTables& tables)
{
    return routePrompt(ctx).save(routeTableFile(tables, ctx.storedSerial), RouteFilePause);
}

} // namespace kx2
