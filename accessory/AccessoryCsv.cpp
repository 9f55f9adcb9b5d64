#include "accessory/AccessoryCsv.h"

#include "accessory/AccessoryTable.h"
#include "records/RangeCsv.h"
#include "shell/ShownCell.h"

#include <QCoreApplication>

namespace kx2 {

CsvTable accessoryCsv(AccessoryTable& t, const AddressRange& range)
{
    CsvTable csv = rangeCsv(t, range);
    const QStringList formats{QStringLiteral("default"), QStringLiteral("DCC"), QStringLiteral("Motorola")};
    csv.columns.push_back({QStringLiteral("Datenformat"), [&t](int a) { return t.formatText(a); },
                           [formats](const QString& cell) {
                               return formats.contains(cell)
                                   ? QString()
                                   : QCoreApplication::translate("AccessoryCsv", "\"%1\" ist keins von: %2")
                                         .arg(shownCell(cell), formats.join(QStringLiteral(", ")));
                           },
                           [&t](int a, const QString& cell) {
                               // As the grid's clicks get there: from "default" to DCC (15), then bit 7.
                               if (cell == QLatin1String("default"))
                                   t.set(a, AccessoryTable::Format, AccessoryTable::FormatDefault);
                               else if (t.value(a, AccessoryTable::Format) == AccessoryTable::FormatDefault)
                                   t.toggleFormat(a);
                               if (t.formatText(a) != cell)
                                   t.toggleFormat(a);
                               t.markFormatEdited(a);
                           }});
    return csv;
}

} // namespace kx2
