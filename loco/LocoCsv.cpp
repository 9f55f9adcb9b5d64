#include "loco/LocoCsv.h"

#include "loco/LocoGridModel.h"
#include "loco/LocoTable.h"
#include "shell/ShownCell.h"

#include <QCoreApplication>
#include <algorithm>

namespace kx2 {

CsvTable locoCsv(LocoData& loco)
{
    LocoTable& t = loco.table;
    CsvTable csv;
    csv.keyTitle = QStringLiteral("Adresse");
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        if (t.holdsRecord(i))
            csv.rows.push_back(i);
    std::stable_sort(csv.rows.begin(), csv.rows.end(), [&t](int a, int b) { return t.address(a) < t.address(b); });
    csv.key = [&t](int slot) { return QString::number(t.address(slot)); };
    csv.rowOf = [&t](const QString& key) -> std::optional<int> {
        const std::optional<int> address = parseLocoAddress(key);
        return address ? t.findSlotByAddress(*address) : std::nullopt;
    };
    csv.columns.push_back({QStringLiteral("Name"), [&t](int slot) { return t.ReadLokname(slot); },
                           [](const QString& cell) { return csv::checkName(cell, LocoTable::NameMaxWritten); },
                           [&t](int slot, const QString& cell) { t.renameRecord(slot, cell); }});
    csv.columns.push_back({QStringLiteral("Datenformat"),
                           [&t](int slot) { return FormatCodeToText(t.cell(slot, LocoTable::FormatCode)); },
                           [](const QString& cell) {
                               QStringList names;
                               for (const LocoFormat& f : kLocoFormats)
                                   names << QString::fromUtf8(f.displayText);
                               return FormatTextToIndex(cell)
                                   ? QString()
                                   : QCoreApplication::translate("LocoCsv", "\"%1\" ist keins von: %2")
                                         .arg(shownCell(cell), names.join(QStringLiteral(", ")));
                           },
                           [&loco](int slot, const QString& cell) {
                               const size_t index = size_t(*FormatTextToIndex(cell));
                               loco.table.set(slot, LocoTable::FormatCode, loco.formats.LocoFormatCodes[index]);
                               loco.table.set(slot, LocoTable::FormatParam, loco.formats.LocoFormatParams[index]);
                               loco.table.markFormatEdited(slot);
                           }});
    csv.columns.push_back({QStringLiteral("Höchstgeschwindigkeit"), [&t](int slot) { return QString::number(t.maxSpeed(slot)); },
                           [](const QString& cell) {
                               int v = 0;
                               QString why = csv::checkNumber(cell, 0, 510, &v);
                               // Stored halved: only even speeds exist.
                               return why.isEmpty() && v % 2
                                   ? QCoreApplication::translate("LocoCsv", "%1 ist ungerade").arg(v)
                                   : why;
                           },
                           [&t](int slot, const QString& cell) {
                               t.set(slot, LocoTable::MaxSpeedHalf, cell.trimmed().toInt() / 2);
                               t.markEdited(slot);
                           }});
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        csv.columns.push_back({QStringLiteral("f%1").arg(f), [&t, f](int slot) { return QString::number(t.symbol(slot, f)); },
                               [](const QString& cell) { return csv::checkNumber(cell, 0, SymbolCount - 1); },
                               [&t, f](int slot, const QString& cell) {
                                   t.set(slot, LocoTable::symbolColumn(f), cell.trimmed().toInt());
                                   t.markEdited(slot);
                               }});
    return csv;
}

} // namespace kx2
