#include "editor/gui/GridHeaderTips.h"

#include "editor/gui/FlexGrid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <algorithm>
#include <QTableWidgetItem>

namespace kx2 {

QString gridHeaderTip(const QString& header)
{
    // The headings as the grids show them, in the language shown: one context for all grids.
    static const std::pair<const char*, const char*> fixed[] = {
        {QT_TRANSLATE_NOOP("GridHeading", "Adr."), QT_TRANSLATE_NOOP("GridHeaderTips", "Adresse des Datensatzes")},
        {QT_TRANSLATE_NOOP("GridHeading", "D-For."),
         QT_TRANSLATE_NOOP("GridHeaderTips", "Datenformat, in dem die Zentrale den Datensatz anspricht")},
        {QT_TRANSLATE_NOOP("GridHeading", "Name"),
         QT_TRANSLATE_NOOP("GridHeaderTips", "Name der Lok, wie ihn das Fahrpult zeigt")},
        {QT_TRANSLATE_NOOP("GridHeading", "max.Geschw."),
         QT_TRANSLATE_NOOP("GridHeaderTips", "Höchstgeschwindigkeit in km/h für die Fahrpultanzeige")},
        {QT_TRANSLATE_NOOP("GridHeading", "Nr."), QT_TRANSLATE_NOOP("GridHeaderTips", "Nummer der Fahrstraße")},
        {QT_TRANSLATE_NOOP("GridHeading", "Name Zeile1"),
         QT_TRANSLATE_NOOP("GridHeaderTips", "Erste Zeile des Namens in der Anzeige")},
        {QT_TRANSLATE_NOOP("GridHeading", "Name Zeile2"),
         QT_TRANSLATE_NOOP("GridHeaderTips", "Zweite Zeile des Namens in der Anzeige")},
        {QT_TRANSLATE_NOOP("GridHeading", "FS-Start"),
         QT_TRANSLATE_NOOP("GridHeaderTips", "Womit die Fahrstraße startet")},
        {QT_TRANSLATE_NOOP("GridHeading", "Symbol"),
         QT_TRANSLATE_NOOP("GridHeaderTips", "Symbol in der Anzeige der Zentrale")},
    };
    for (const auto& [heading, tip] : fixed)
        if (header == QCoreApplication::translate("GridHeading", heading) || header == QString::fromUtf8(heading))
            return QCoreApplication::translate("GridHeaderTips", tip);
    // "f3" and "Befehl12" as the grids show them: the heading's text around the number.
    const auto numbered = [&header](const char* pattern) {
        const QStringList around = QCoreApplication::translate("GridHeading", pattern).split(QStringLiteral("%1"));
        if (around.size() != 2 || !header.startsWith(around[0]) || !header.endsWith(around[1]))
            return QString();
        const QString number = header.mid(around[0].size(), header.size() - around[0].size() - around[1].size());
        return !number.isEmpty() && std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); })
            ? number
            : QString();
    };
    if (const QString f = numbered(QT_TRANSLATE_NOOP("GridHeading", "f%1")); !f.isEmpty())
        return QCoreApplication::translate("GridHeaderTips", "Symbol der Funktion F%1 in der Fahrpultanzeige").arg(f);
    if (const QString c = numbered(QT_TRANSLATE_NOOP("GridHeading", "Befehl%1")); !c.isEmpty())
        return QCoreApplication::translate("GridHeaderTips", "Befehl %1 der Fahrstraße").arg(c);
    return QString();
}

void showHeaderTips(FlexGrid& grid)
{
    for (int col = grid.FixedCols(); col < grid.Cols(); ++col)
        if (QTableWidgetItem* item = grid.horizontalHeaderItem(col - grid.FixedCols()))
            item->setToolTip(gridHeaderTip(item->text()));
    // The fixed column's heading sits in the corner; its lines' headings carry its tip.
    if (grid.FixedCols() > 0)
        grid.verticalHeader()->setToolTip(gridHeaderTip(grid.TextMatrix(0, 0)));
}

} // namespace kx2
