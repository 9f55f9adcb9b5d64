#include "dbproto/DbProtocol.h"

#include "shell/UserDialogs.h"

#include <QCoreApplication>

namespace kx2 {

void DbProtocol::storeIndexEntries(int base, const Page& page)
{
    for (int e = 0; e < 4; ++e) {
        uint32_t v = 0;
        for (int b = 3; b >= 0; --b)
            v = (v << 8) | uint32_t(page[size_t(4 * e + b)] & 0xFF);
        m_index[size_t(base + e)] = v;
    }
}

int DbProtocol::ReadDatabaseIndex()
{
    m_progress.setText(QCoreApplication::translate("DatabaseIndex", " Datenbank Index lesen"));
    for (int area : {IndexAreaFirst, IndexAreaSecond}) {
        PageRead read{SamFlashRead(area), {}};
        if (read.result == 0)
            read = ReadRecord(0);
        if (read.result != 0)
            return read.result + dbrc::OpIndexRead;
        // Entry 0 with a byte 0xFF anywhere marks an area that holds no index.
        const Page& first = read.page;
        if (first[0] == 255 || first[1] == 255 || first[2] == 255 || first[3] == 255)
            continue;
        storeIndexEntries(0, first);
        for (int k = 1; k <= 15; ++k) {
            read = ReadRecord(4 * k);
            if (read.result != 0)
                return read.result + dbrc::OpIndexRead;
            storeIndexEntries(4 * k, read.page);
        }
    }
    DbRecordCounter = 0;
    for (int e = 1; e <= 63; ++e) {
        const auto& entry = m_index[size_t(e)];
        if (entry && *entry != EmptyIndexEntry && *entry > DbRecordCounter)
            DbRecordCounter = *entry;
    }
    return 0;
}

int DbProtocol::WriteDatabaseIndex(uint32_t counter)
{
    // All ones would read back as an empty entry (and a counter of 0).
    const uint32_t stored = counter == EmptyIndexEntry ? EmptyIndexEntry - 1 : counter;
    const uint32_t entry0 = m_index[0].value_or(0);

    for (int area : {IndexAreaFirst, IndexAreaSecond}) {
        for (int k = 0; k <= 15; ++k) {
            Page page = ErasedPage;
            if (area == IndexAreaFirst && k == 0) {
                for (int b = 0; b < 4; ++b) {
                    page[size_t(b)] = int((entry0 >> (8 * b)) & 0xFF);
                    page[size_t(4 + b)] = int((stored >> (8 * b)) & 0xFF);
                }
            }
            const int r = WriteRecord(16 * k, page);
            if (r != 0)
                return r + dbrc::OpIndexWrite;
        }
        const int r = SamFlashWrite(area);
        if (r != 0)
            return r + dbrc::OpIndexWrite;
    }
    return 0;
}

} // namespace kx2
