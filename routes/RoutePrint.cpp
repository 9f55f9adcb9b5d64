#include "routes/RoutePrint.h"

#include "routes/RouteCommand.h"
#include "routes/RouteTables.h"

#include <QCoreApplication>
#include <functional>

namespace kx2 {

QString routeEditorCaption()
{
    return QCoreApplication::translate("FSDatenFrm", "Fahrstraßen-Datensätze:");
}

PrintTable routePrintTable(const RouteTables& tables, const std::vector<int>& routes, const PrintSource& source)
{
    PrintTable print = newPrintTable(routeEditorCaption(), source);
    print.keyColumns = 1;
    print.titles << QCoreApplication::translate("GridHeading", "Nr.");
    int lastEntry = RouteTables::StartEntry;
    for (const int n : routes) {
        print.titles << QString::number(n);
        for (int j = lastEntry + 1; j <= RouteTables::EntryCount; ++j)
            if (tables.RouteData[size_t(n)][size_t(j)] != 0)
                lastEntry = j;
    }
    const auto line = [&routes, &print](const QString& title, const std::function<QString(int)>& cell) {
        QStringList cells{title};
        for (const int n : routes)
            cells << cell(n);
        print.rows.push_back(cells);
    };
    for (int l = 1; l <= 2; ++l)
        line(l == 1 ? QCoreApplication::translate("GridHeading", "Name Zeile1")
                    : QCoreApplication::translate("GridHeading", "Name Zeile2"),
             [&tables, l](int n) { return tables.ReadFSname(l, n); });
    for (int j = RouteTables::StartEntry; j <= lastEntry; ++j)
        line(j == RouteTables::StartEntry ? QCoreApplication::translate("GridHeading", "FS-Start")
                                          : QCoreApplication::translate("GridHeading", "Befehl%1").arg(j - 1),
             [&tables, j](int n) { return FS_Befehl_to_Text(tables, n, j, Wording::Shown); });
    return print;
}

} // namespace kx2
