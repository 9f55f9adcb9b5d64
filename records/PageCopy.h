#pragma once

namespace kx2 {

class DbProtocol;
class RecordTable;

// The page now in the protocol's reply goes into `table` from (row, column) on; columns past the
// table's last one are left out.
void CopyReplyToTable(const DbProtocol& db, int row, int column, RecordTable& table);

// Sixteen cells of `table` from (row, column) on become the page the next write sends; an empty
// cell, or one outside the table, is written as 0.
void CopyTableToWriteBuffer(DbProtocol& db, int row, int column, const RecordTable& table);

} // namespace kx2
