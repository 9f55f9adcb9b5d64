#pragma once
#include <array>

namespace kx2 {

class RecordTable;

// 16 bytes of a flash area, page byte 0 first.
using PageBytes = std::array<int, 16>;

// A page read (the protocol's reply) goes into `table` from (row, column) on; columns past the
// table's last one are left out.
void CopyReplyToTable(const PageBytes& page, int row, int column, RecordTable& table);

// Sixteen cells of `table` from (row, column) on as the page a write sends; an empty cell, or one
// outside the table, is written as 0.
PageBytes CopyTableToWriteBuffer(const RecordTable& table, int row, int column);

} // namespace kx2
