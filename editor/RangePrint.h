#pragma once
#include "editor/TablePrint.h"

#include <functional>
#include <vector>

namespace kx2 {

class RangeRecordTable;

// Where the accessory symbol pictures lie under the program folder (feedback contacts use them
// too).
QString rangeSymbolFolder();

// A column a range database shows of its own between the address and the names (the
// accessories' data format).
struct RangePrintColumn {
    QString title;
    std::function<QString(int address)> text;
};

// Accessories or feedback contacts on paper as their editor's grid shows them, one line per
// address given: "Adr.", the database's own columns, the two name lines and the symbol's picture
// (its number where the picture file is missing, "-" for none).
PrintTable rangePrintTable(const RangeRecordTable& table, const std::vector<int>& addresses, const QString& caption,
                           const std::vector<RangePrintColumn>& ownColumns, const PrintSource& source);

} // namespace kx2
