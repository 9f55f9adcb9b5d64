#include "routes/RouteCsv.h"

#include "records/NameLines.h"
#include "routes/RouteCommand.h"
#include "routes/RouteEdits.h"
#include "routes/RouteTables.h"
#include "shell/ExactNumber.h"

namespace kx2 {

CsvTable routeCsv(RouteTables& t)
{
    CsvTable csv;
    csv.keyTitle = QStringLiteral("Fahrstraße");
    for (int n = 1; n <= RouteTables::RouteCount; ++n)
        if (t.holdsRoute(n) || !t.ReadFSname(1, n).isEmpty() || !t.ReadFSname(2, n).isEmpty())
            csv.rows.push_back(n);
    csv.key = [](int n) { return QString::number(n); };
    csv.rowOf = [](const QString& key) -> std::optional<int> {
        // Whole: QString::toInt would stop at a 0 character and take "12\0" for 12.
        const std::optional<long long> n = wholeNumber(key);
        return n && *n >= 1 && *n <= RouteTables::RouteCount ? std::optional<int>(int(*n)) : std::nullopt;
    };
    for (int line = 1; line <= 2; ++line)
        csv.columns.push_back({QStringLiteral("Name Zeile%1").arg(line), [&t, line](int n) { return t.ReadFSname(line, n); },
                               [](const QString& cell) { return csv::checkName(cell, NameLines::MaxChars); },
                               [&t, line](int n, const QString& cell) {
                                   storeRouteNames(t, n, line == 1 ? cell : t.ReadFSname(1, n),
                                                   line == 2 ? cell : t.ReadFSname(2, n));
                               }});
    for (int j = 1; j <= RouteTables::EntryCount; ++j)
        csv.columns.push_back({j == 1 ? QStringLiteral("FS-Start") : QStringLiteral("Befehl %1").arg(j - 1),
                               [&t, j](int n) { return FS_Befehl_to_Text(t, n, j); }});
    // The two name lines (the first two columns) share one name area.
    csv.checkRow = csv::checkNameLines(0, NameLines::MaxChars);
    return csv;
}

} // namespace kx2
