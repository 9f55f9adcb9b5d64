#pragma once
#include "records/DatabaseLayout.h"
#include "shell/UnsavedChanges.h"

namespace kx2 {

class RecordTable;

// "Changed" for a table of one row per record (locomotives, accessories, feedback contacts):
// every cell of the row, and its status as the database's layout places it: 1 changed, 2 new,
// 240 deleted, or a data format still to be written.
class RecordTableChanges : public TableChanges {
public:
    RecordTableChanges(const RecordTable& table, const DatabaseLayout& layout) : m_table(table), m_layout(layout) {}

    int recordCount() const override;
    void image(int record, std::vector<int32_t>& cells) const override;
    RecordMark pending(int record) const override;

private:
    const RecordTable& m_table;
    const DatabaseLayout& m_layout;
};

} // namespace kx2
