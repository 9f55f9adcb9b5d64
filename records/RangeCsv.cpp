#include "records/RangeCsv.h"

#include "records/NameLines.h"
#include "records/RangeRecordTable.h"
#include "shell/AddressRange.h"
#include "shell/ExactNumber.h"

namespace kx2 {

CsvTable rangeCsv(RangeRecordTable& t, const AddressRange& range)
{
    CsvTable csv;
    csv.keyTitle = QStringLiteral("Adresse");
    for (int a = range.first; a <= range.last; ++a)
        if (t.status(a) != status::Empty)
            csv.rows.push_back(a);
    csv.key = [](int a) { return QString::number(a); };
    csv.rowOf = [&t, range](const QString& key) -> std::optional<int> {
        // Whole: QString::toInt would stop at a 0 character and take "12\0" for 12.
        const std::optional<long long> a = wholeNumber(key);
        if (!a || *a < range.first || *a > range.last || t.status(int(*a)) == status::Empty)
            return std::nullopt;
        return int(*a);
    };
    for (int line = 1; line <= 2; ++line)
        csv.columns.push_back({QStringLiteral("Name Zeile%1").arg(line), [&t, line](int a) { return t.nameLine(a, line); },
                               [](const QString& cell) { return csv::checkName(cell, NameLines::MaxChars); },
                               [&t, line](int a, const QString& cell) {
                                   t.saveNames(a, line == 1 ? cell : t.nameLine(a, 1), line == 2 ? cell : t.nameLine(a, 2));
                               }});
    csv.columns.push_back({QStringLiteral("Symbol"),
                           [&t](int a) {
                               const int s = t.shownSymbol(a);
                               return s ? QString::number(s) : QStringLiteral("-");
                           },
                           [](const QString& cell) { return csv::checkNumber(cell, 1, RangeRecordTable::SymbolCount); },
                           [&t](int a, const QString& cell) { t.chooseSymbol(a, cell.trimmed().toInt(), t.symbolPreset(a)); }});
    // The two name lines (the first two columns) share one name area.
    csv.checkRow = csv::checkNameLines(0, NameLines::MaxChars);
    return csv;
}

} // namespace kx2
