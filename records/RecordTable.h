#pragma once
#include <QtGlobal>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace kx2 {

// A database's in-memory table: one row per record, one cell per record byte plus status
// cells. A cell holds a small whole number or nothing (never assigned); an empty cell counts
// as 0 when it is written to the device, and is kept as an empty line in files.
class RecordTable {
public:
    RecordTable(int rows, int cols) : m_rows(rows), m_cols(cols), m_cells(size_t(rows) * cols, kEmpty) {}

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }

    bool isEmpty(int row, int col) const { return at(row, col) == kEmpty; }
    std::optional<int> cell(int row, int col) const
    {
        const int32_t v = at(row, col);
        return v == kEmpty ? std::nullopt : std::optional<int>(v);
    }
    // The value, 0 for an empty cell.
    int value(int row, int col) const
    {
        const int32_t v = at(row, col);
        return v == kEmpty ? 0 : v;
    }
    void set(int row, int col, int v) { at(row, col) = v; }
    void set(int row, int col, std::optional<int> v) { at(row, col) = v ? *v : kEmpty; }
    void clear(int row, int col) { at(row, col) = kEmpty; }
    // Every cell of the row as it is held, an empty one as a value no cell can take.
    void copyRow(int row, std::vector<int32_t>& out) const
    {
        const auto first = m_cells.begin() + std::ptrdiff_t(row) * m_cols;
        out.assign(first, first + m_cols);
    }
    // The row as copyRow gave it: an undone edit leaves every cell as it was, empty ones empty.
    void restoreRow(int row, const int32_t* cells)
    {
        std::copy(cells, cells + m_cols, m_cells.begin() + std::ptrdiff_t(row) * m_cols);
    }

    bool operator==(const RecordTable& o) const
    {
        return m_rows == o.m_rows && m_cols == o.m_cols && m_cells == o.m_cells;
    }

private:
    static constexpr int32_t kEmpty = std::numeric_limits<int32_t>::min();
    int32_t& at(int row, int col)
    {
        Q_ASSERT(row >= 0 && row < m_rows && col >= 0 && col < m_cols);
        return m_cells[size_t(row) * m_cols + col];
    }
    int32_t at(int row, int col) const
    {
        Q_ASSERT(row >= 0 && row < m_rows && col >= 0 && col < m_cols);
        return m_cells[size_t(row) * m_cols + col];
    }

    int m_rows;
    int m_cols;
    std::vector<int32_t> m_cells;
};

} // namespace kx2
