#include "records/RangeEdits.h"

#include "records/RangeRecordTable.h"

#include <array>

namespace kx2 {

namespace {

using RangeBytes = std::array<int, RangeRecordTable::RecordBytes>;

RangeBytes recordOf(const RangeRecordTable& table, int address)
{
    RangeBytes bytes{};
    for (int b = 0; b < RangeRecordTable::RecordBytes; ++b)
        bytes[size_t(b)] = table.value(address, b);
    return bytes;
}

} // namespace

bool storeRangeNames(RangeRecordTable& table, int address, const QString& line1, const QString& line2)
{
    if (line1 == table.nameLine(address, 1) && line2 == table.nameLine(address, 2))
        return false;
    const RangeBytes before = recordOf(table, address);
    table.saveNames(address, line1, line2);
    return recordOf(table, address) != before;
}

bool setRangeSymbol(RangeRecordTable& table, int address, int symbol)
{
    if (symbol < 1 || symbol > RangeRecordTable::SymbolCount)
        return false;
    const RangeBytes before = recordOf(table, address);
    table.chooseSymbol(address, symbol, table.symbolPreset(address));
    return recordOf(table, address) != before;
}

} // namespace kx2
