#include "records/StationImage.h"

#include "records/DatabaseLayout.h"
#include "records/RecordTable.h"

namespace kx2 {

StationImage::StationImage(const DatabaseLayout& layout)
    : m_recordBytes(layout.recordBytes()),
      m_formatFirst(layout.formatColumn),
      // The format's columns run up to the one that says it is to be written.
      m_formatLast(layout.formatColumn < 0 ? -1 : layout.formatPendingColumn - 1),
      m_records(size_t(layout.rows)),
      m_formats(size_t(layout.rows))
{
}

StationImage::Cells StationImage::cellsOf(const RecordTable& table, int row, int first, int last)
{
    Cells cells;
    for (int col = first; col <= last; ++col) {
        // A cell without a value is kept apart from every value a cell can hold.
        const std::optional<int> v = table.cell(row, col);
        cells.push_back(v ? *v : INT32_MIN);
    }
    return cells;
}

void StationImage::takeRecord(const RecordTable& table, int row)
{
    m_records[size_t(row)] = cellsOf(table, row, 0, m_recordBytes - 1);
}

void StationImage::takeFormat(const RecordTable& table, int row)
{
    if (m_formatFirst >= 0)
        m_formats[size_t(row)] = cellsOf(table, row, m_formatFirst, m_formatLast);
}

void StationImage::forget(int row)
{
    m_records[size_t(row)].reset();
    m_formats[size_t(row)].reset();
}

void StationImage::forget()
{
    for (auto& r : m_records)
        r.reset();
    for (auto& f : m_formats)
        f.reset();
}

void StationImage::belongTo(const StoredSerial& station)
{
    const std::optional<KnownRows> remembered = m_keeping.switchTo(station);
    if (!remembered)
        return;
    forget();
    // A file that does not fit this database in every row is not taken at all.
    for (const auto& [row, cells] : *remembered)
        if (row < 0 || row >= int(m_records.size()) || !fitsRow(cells))
            return;
    for (const auto& [row, cells] : *remembered) {
        const int32_t* in = cells.data();
        restoreKnown(row, in);
    }
}

void StationImage::remember() const
{
    KnownRows rows;
    for (int row = 0; row < int(m_records.size()); ++row)
        if (m_records[size_t(row)] || m_formats[size_t(row)])
            copyKnown(row, rows[row]);
    m_keeping.keep(rows);
}

bool StationImage::fitsRow(const std::vector<int32_t>& cells) const
{
    // -1 for nothing known, else the count and the cells: the record, then the format.
    size_t at = 0;
    for (const int width : {m_recordBytes, formatWidth()}) {
        if (at >= cells.size())
            return false;
        const int32_t count = cells[at++];
        if (count == -1)
            continue;
        if (count != width || width == 0 || cells.size() - at < size_t(count))
            return false;
        at += size_t(count);
    }
    return at == cells.size();
}

bool StationImage::putStoredCells(RecordTable& table, int row, int first, int last) const
{
    const auto& known = m_records[size_t(row)];
    if (!known)
        return false;
    for (int col = first; col <= last; ++col) {
        const int32_t v = (*known)[size_t(col)];
        table.set(row, col, v == INT32_MIN ? std::nullopt : std::optional<int>(v));
    }
    return true;
}

bool StationImage::recordAsStored(const RecordTable& table, int row) const
{
    const auto& known = m_records[size_t(row)];
    return known && *known == cellsOf(table, row, 0, m_recordBytes - 1);
}

bool StationImage::formatAsStored(const RecordTable& table, int row) const
{
    const auto& known = m_formats[size_t(row)];
    return m_formatFirst >= 0 && known && *known == cellsOf(table, row, m_formatFirst, m_formatLast);
}

namespace {

// -1 for nothing known, else the count and the cells.
void appendKnown(const std::optional<std::vector<int32_t>>& known, std::vector<int32_t>& out)
{
    out.push_back(known ? int32_t(known->size()) : -1);
    if (known)
        out.insert(out.end(), known->begin(), known->end());
}

void takeKnown(std::optional<std::vector<int32_t>>& known, const int32_t*& in)
{
    const int32_t count = *in++;
    if (count < 0) {
        known.reset();
        return;
    }
    known = std::vector<int32_t>(in, in + count);
    in += count;
}

} // namespace

void StationImage::copyKnown(int row, std::vector<int32_t>& out) const
{
    appendKnown(m_records[size_t(row)], out);
    appendKnown(m_formats[size_t(row)], out);
}

void StationImage::restoreKnown(int row, const int32_t*& in)
{
    takeKnown(m_records[size_t(row)], in);
    takeKnown(m_formats[size_t(row)], in);
}

} // namespace kx2
