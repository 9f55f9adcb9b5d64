#include "records/RangeRecordTable.h"

#include "records/NameLines.h"

#include <algorithm>
#include <array>

namespace kx2 {

void RangeRecordTable::blankRecord(int address)
{
    for (int col = 0; col < Cols; ++col)
        set(address, col, 0);
    set(address, NameLines::First + 1, NameLines::Separator);
    set(address, SymbolCode, 10);
}

void RangeRecordTable::markAllForDeviceRead()
{
    for (int row = 0; row < rows(); ++row) {
        set(row, Status, status::Empty);
        set(row, 34, 0);
    }
}

void RangeRecordTable::settleAsStored(int address)
{
    // The name area may hold the lines in another layout than a store writes (a blank record,
    // bytes the station wrote itself): lines typed back to the station's must still be its record.
    std::vector<int32_t> before;
    copyRow(address, before);
    const QString line1 = nameLine(address, 1);
    const QString line2 = nameLine(address, 2);
    if (station.putStoredCells(*this, address, NameLines::First, NameLines::Last)
        && (nameLine(address, 1) != line1 || nameLine(address, 2) != line2))
        restoreRow(address, before.data());
    if (station.recordAsStored(*this, address))
        set(address, Status, status::Unchanged);
    if (m_layout->formatPendingColumn >= 0 && station.formatAsStored(*this, address))
        set(address, m_layout->formatPendingColumn, 0);
}

void RangeRecordTable::markLoaded(int address)
{
    set(address, Status, status::Changed);
    if (m_layout->formatPendingColumn >= 0)
        set(address, m_layout->formatPendingColumn, 1);
    settleAsStored(address);
}

void RangeRecordTable::markFormatEdited(int address)
{
    set(address, m_layout->formatPendingColumn, 1);
    settleAsStored(address);
}

QString RangeRecordTable::nameLine(int address, int line) const
{
    return NameLines::read(*this, address, line, RecordBytes - 1);
}

void RangeRecordTable::saveNames(int address, const QString& line1, const QString& line2)
{
    std::array<int, RecordBytes> before{};
    for (int b = 0; b < RecordBytes; ++b)
        before[size_t(b)] = value(address, b);
    NameLines::write(*this, address, line1, line2);
    for (int b = 0; b < RecordBytes; ++b)
        if (value(address, b) != before[size_t(b)]) {
            set(address, Status, status::Changed);
            settleAsStored(address);
            return;
        }
}

bool RangeRecordTable::holdsRecord(int address) const
{
    if (status(address) == status::Empty)
        return false;
    for (int b = 0; b < RecordBytes; ++b)
        if (value(address, b) != 0xFF)
            return true;
    return false;
}

int RangeRecordTable::shownSymbol(int address) const
{
    const int code = value(address, SymbolCode);
    return code > 5 && code < 57 ? code / 2 - 2 : 0;
}

int RangeRecordTable::symbolPreset(int address) const
{
    return std::clamp(value(address, SymbolCode) / 2 - 2, 1, SymbolCount);
}

void RangeRecordTable::chooseSymbol(int address, int symbol, int preset)
{
    if (symbol != preset)
        set(address, Status, status::Changed);
    set(address, SymbolChosen1, 255);
    set(address, SymbolChosen2, 255);
    set(address, SymbolCode2, 2 * (symbol + 2) + 1);
    set(address, SymbolCode, 2 * (symbol + 2));
    settleAsStored(address);
}

} // namespace kx2
