#include "records/PageCopy.h"

#include "dbproto/DbProtocol.h"
#include "records/RecordTable.h"

namespace kx2 {

void CopyReplyToTable(const DbProtocol& db, int row, int column, RecordTable& table)
{
    if (row < 0 || row >= table.rows())
        return;
    for (int k = 0; k < 16; ++k) {
        const int col = column + k;
        if (col >= 0 && col < table.cols())
            table.set(row, col, db.pageByte(k));
    }
}

void CopyTableToWriteBuffer(DbProtocol& db, int row, int column, const RecordTable& table)
{
    for (int i = 1; i <= 16; ++i) {
        const int col = column + i - 1;
        const bool inside = row >= 0 && row < table.rows() && col >= 0 && col < table.cols();
        db.WriteBuffer[size_t(i)] = inside ? table.value(row, col) : 0;
    }
}

} // namespace kx2
