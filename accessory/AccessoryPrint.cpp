#include "accessory/AccessoryPrint.h"

#include "accessory/AccessoryTable.h"

#include <QCoreApplication>

namespace kx2 {

QString accessoryEditorCaption()
{
    return QCoreApplication::translate("MagDatenFrm", "Magnetartikel-Datensätze:");
}

PrintTable accessoryPrintTable(const AccessoryTable& table, const std::vector<int>& addresses, const PrintSource& source)
{
    const RangePrintColumn format{QCoreApplication::translate("GridHeading", "D-For."),
                                  [&table](int a) { return table.formatText(a); }};
    return rangePrintTable(table, addresses, accessoryEditorCaption(), {format}, source);
}

} // namespace kx2
