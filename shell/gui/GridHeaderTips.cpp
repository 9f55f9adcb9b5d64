#include "shell/gui/GridHeaderTips.h"

#include "shell/gui/FlexGrid.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidgetItem>

namespace kx2 {

QString GridHeaderTip(const QString& header)
{
    static const std::pair<const char*, const char*> fixed[] = {
        {"Adr.", "Adresse des Datensatzes"},
        {"D-For.", "Datenformat, in dem die Zentrale den Datensatz anspricht"},
        {"Name", "Name der Lok, wie ihn das Fahrpult zeigt"},
        {"max.Geschw.", "Höchstgeschwindigkeit in km/h für die Fahrpultanzeige"},
        {"Nr.", "Nummer der Fahrstraße"},
        {"Name Zeile1", "Erste Zeile des Namens in der Anzeige"},
        {"Name Zeile2", "Zweite Zeile des Namens in der Anzeige"},
        {"FS-Start", "Womit die Fahrstraße startet"},
        {"Symbol", "Symbol in der Anzeige der Zentrale"},
    };
    for (const auto& [heading, tip] : fixed)
        if (header == QString::fromUtf8(heading))
            return QString::fromUtf8(tip);
    static const QRegularExpression function(QStringLiteral("^f(\\d+)$"));
    static const QRegularExpression command(QStringLiteral("^Befehl(\\d+)$"));
    if (const QRegularExpressionMatch m = function.match(header); m.hasMatch())
        return QStringLiteral("Symbol der Funktion F%1 in der Fahrpultanzeige").arg(m.captured(1));
    if (const QRegularExpressionMatch m = command.match(header); m.hasMatch())
        return QStringLiteral("Befehl %1 der Fahrstraße").arg(m.captured(1));
    return QString();
}

void ShowHeaderTips(FlexGrid& grid)
{
    for (int col = grid.FixedCols(); col < grid.Cols(); ++col)
        if (QTableWidgetItem* item = grid.horizontalHeaderItem(col - grid.FixedCols()))
            item->setToolTip(GridHeaderTip(item->text()));
    // The fixed column's heading sits in the corner; its lines' headings carry its tip.
    if (grid.FixedCols() > 0)
        grid.verticalHeader()->setToolTip(GridHeaderTip(grid.TextMatrix(0, 0)));
}

} // namespace kx2
