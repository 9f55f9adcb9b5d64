#include "records/TableEditCommand.h"

#include "records/RecordTable.h"
#include "records/StationImage.h"

namespace kx2 {

void TableEditCommand::record(std::vector<int> rows, const std::function<void()>& edit)
{
    if (rows.empty())
        for (int row = 0; row < rowCount(); ++row)
            rows.push_back(row);
    std::vector<Image> before(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        capture(rows[i], before[i]);
    edit();
    // Only what changed is kept: a whole table of feedback contacts is large.
    Image after;
    for (size_t i = 0; i < rows.size(); ++i) {
        capture(rows[i], after);
        if (after != before[i])
            m_rows.push_back({rows[i], std::move(before[i]), after});
    }
    setObsolete(m_rows.empty());
}

std::vector<int> TableEditCommand::changedRows() const
{
    std::vector<int> rows;
    for (const RowImages& images : m_rows)
        rows.push_back(images.row);
    return rows;
}

void TableEditCommand::undo()
{
    for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it)
        restore(it->row, it->before);
}

void TableEditCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    for (const RowImages& images : m_rows)
        restore(images.row, images.after);
}

int RecordEditCommand::rowCount() const
{
    return m_table.rows();
}

void RecordEditCommand::capture(int row, Image& image) const
{
    m_table.copyRow(row, image);
    m_station.copyKnown(row, image);
}

void RecordEditCommand::restore(int row, const Image& image)
{
    m_table.restoreRow(row, image.data());
    const int32_t* known = image.data() + m_table.cols();
    m_station.restoreKnown(row, known);
}

} // namespace kx2
