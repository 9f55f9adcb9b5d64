#include "records/RecordTableChanges.h"

#include "records/RecordTable.h"

namespace kx2 {

int RecordTableChanges::recordCount() const
{
    return m_table.rows();
}

void RecordTableChanges::image(int record, std::vector<int32_t>& cells) const
{
    m_table.copyRow(record, cells);
}

RecordMark RecordTableChanges::pending(int record) const
{
    switch (m_table.value(record, m_layout.statusColumn)) {
    case status::Changed:
        return RecordMark::Changed;
    case status::New:
        return RecordMark::New;
    case status::Deleted:
        return RecordMark::Deleted;
    default:
        break;
    }
    const bool formatPending = m_layout.formatPendingColumn >= 0
                               && m_table.value(record, m_layout.formatPendingColumn) == 1;
    return formatPending ? RecordMark::Changed : RecordMark::None;
}

} // namespace kx2
