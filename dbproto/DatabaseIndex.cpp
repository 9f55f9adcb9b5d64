#include "dbproto/DbProtocol.h"

#include "shell/UserDialogs.h"

#include <cmath>

namespace kx2 {

void DbProtocol::ClearWriteBuffer()
{
    for (int i = 1; i <= 16; ++i)
        WriteBuffer[i] = 255;
}

void DbProtocol::storeIndexEntries(int base)
{
    for (int e = 0; e < 4; ++e) {
        uint32_t v = 0;
        for (int b = 3; b >= 0; --b)
            v = (v << 8) | uint32_t(pageByte(4 * e + b) & 0xFF);
        IndexTable[base + e] = v;
    }
}

void DbProtocol::ReadDatabaseIndex(int& result)
{
    m_progress.setText(QStringLiteral(" Datenbank Index lesen"));
    for (int area : {IndexAreaFirst, IndexAreaSecond}) {
        int r = 0;
        SamFlashRead(area, r);
        if (r == 0)
            ReadRecord(0, r);
        if (r != 0) {
            result = r + dbrc::OpIndexRead;
            return;
        }
        // Entry 0 with a byte 0xFF anywhere marks an area that holds no index.
        if (DbData[9] == 255 || DbData[10] == 255 || DbData[11] == 255 || DbData[12] == 255)
            continue;
        storeIndexEntries(0);
        for (int k = 1; k <= 15; ++k) {
            ReadRecord(4 * k, r);
            if (r != 0) {
                result = r + dbrc::OpIndexRead;
                return;
            }
            storeIndexEntries(4 * k);
        }
    }
    DbRecordCounter = 0;
    for (int e = 1; e <= 63; ++e) {
        const auto& entry = IndexTable[e];
        if (entry && *entry != EmptyIndexEntry && double(*entry) > DbRecordCounter)
            DbRecordCounter = double(*entry);
    }
    result = 0;
}

void DbProtocol::WriteDatabaseIndex(double counter, int& result)
{
    // The counter is stored as a 32-bit whole number. All ones would read back as an empty entry
    // (and a counter of 0), so the highest value kept is one below it.
    double rounded = std::isfinite(counter) ? std::round(counter) : 0.0;
    if (rounded < 0)
        rounded = 0;
    if (rounded > double(EmptyIndexEntry - 1))
        rounded = double(EmptyIndexEntry - 1);
    const uint32_t stored = uint32_t(rounded);
    const uint32_t entry0 = IndexTable[0].value_or(0);

    for (int area : {IndexAreaFirst, IndexAreaSecond}) {
        int r = 0;
        for (int k = 0; k <= 15; ++k) {
            ClearWriteBuffer();
            if (area == IndexAreaFirst && k == 0) {
                for (int b = 0; b < 4; ++b) {
                    WriteBuffer[1 + b] = int((entry0 >> (8 * b)) & 0xFF);
                    WriteBuffer[5 + b] = int((stored >> (8 * b)) & 0xFF);
                }
            }
            WriteRecord(16 * k, r);
            if (r != 0) {
                result = r + dbrc::OpIndexWrite;
                return;
            }
        }
        SamFlashWrite(area, r);
        if (r != 0) {
            result = r + dbrc::OpIndexWrite;
            return;
        }
    }
    result = 0;
}

} // namespace kx2
