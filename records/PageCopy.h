#pragma once
#include <array>

namespace kx2 {

class RecordTable;

// 16 bytes of a flash area, page byte 0 first.
using PageBytes = std::array<int, 16>;

// `page` goes into `table` from (row, column) on; columns past the table's last one are left out.
void PutPageInTable(const PageBytes& page, int row, int column, RecordTable& table);

// Sixteen cells of `table` from (row, column) on as a page to write; an empty cell, or one
// outside the table, is written as 0.
PageBytes PageOfTable(const RecordTable& table, int row, int column);

} // namespace kx2
