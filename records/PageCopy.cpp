#include "records/PageCopy.h"

#include "records/RecordTable.h"

namespace kx2 {

void CopyReplyToTable(const PageBytes& page, int row, int column, RecordTable& table)
{
    if (row < 0 || row >= table.rows())
        return;
    for (int k = 0; k < 16; ++k) {
        const int col = column + k;
        if (col >= 0 && col < table.cols())
            table.set(row, col, page[size_t(k)]);
    }
}

PageBytes CopyTableToWriteBuffer(const RecordTable& table, int row, int column)
{
    PageBytes page{};
    for (int k = 0; k < 16; ++k) {
        const int col = column + k;
        const bool inside = row >= 0 && row < table.rows() && col >= 0 && col < table.cols();
        page[size_t(k)] = inside ? table.value(row, col) : 0;
    }
    return page;
}

} // namespace kx2
