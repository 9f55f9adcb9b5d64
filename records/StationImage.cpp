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
