#pragma once
#include "records/TransferDone.h"
#include "records/RangeRecordTable.h"

namespace kx2 {

// The feedback database while the program runs: one 32-byte record per feedback address
// 1..4096 (row = address) and its status. Feedback contacts have no data format.
class FeedbackTable : public RangeRecordTable {
public:
    static constexpr int Rows = 4097;
    static constexpr int MaxAddress = 4096;
    // As the accessories from area 6656 on, record numbers marked with 160.
    static constexpr DatabaseLayout Layout{6656, 16, 2, Rows, Cols, Status, -1, -1, 160,
                                           250000, 260000,
                                           QT_TRANSLATE_NOOP("DatabaseLayout", " Rückmelderdaten ab Adr.: "),
                                           QT_TRANSLATE_NOOP("DatabaseLayout", "Rückmelder"), 1, 0,
                                           QT_TRANSLATE_NOOP("DatabaseLayout", "Geänderter Rückmelder")};
    static constexpr TransferSubject Subject{QT_TRANSLATE_NOOP("TransferSubject", "Rückmelder"),
                                             QT_TRANSLATE_N_NOOP("TransferSubject", "%n Rückmelder")};

    FeedbackTable() : RangeRecordTable(Layout) {}

    // Clear_RMDaten: empty names, symbol 3, status 0 (byte 30 stays 0).
    void Clear_RMDaten(int address) { blankRecord(address); }
};

} // namespace kx2
