#pragma once
#include "records/TransferDone.h"
#include "records/RangeRecordTable.h"

namespace kx2 {

// The accessory database while the program runs: one 32-byte record per accessory address
// 1..2048 (row = address), its status, and its data format from the command station's format
// table with the format's own status.
class AccessoryTable : public RangeRecordTable {
public:
    static constexpr int Rows = 2049;
    static constexpr int MaxAddress = 2048;
    static constexpr int Format = 33;        // -1 "default", else bit 7 set = Motorola, clear = DCC
    static constexpr int FormatStatus = 34;  // 1 = the format must be written
    static constexpr int FormatDefault = -1;
    // Sixteen records of two pages per area from 6400 on; record numbers marked with 128; failures
    // while reading records are "Read Page:" (25), while writing them "Write Page:" (26).
    static constexpr DatabaseLayout Layout{6400, 16, 2, Rows, Cols, Status, Format, FormatStatus, 128,
                                           250000, 260000,
                                           QT_TRANSLATE_NOOP("DatabaseLayout", " Magnetartikeldaten ab Adr.: "),
                                           QT_TRANSLATE_NOOP("DatabaseLayout", "Magnetartikel"), 1, 0,
                                           QT_TRANSLATE_NOOP("DatabaseLayout", "Geänderter Magnetartikel")};
    static constexpr TransferSubject Subject{QT_TRANSLATE_NOOP("TransferSubject", "Magnetartikel"),
                                             QT_TRANSLATE_N_NOOP("TransferSubject", "%n Magnetartikel")};

    AccessoryTable() : RangeRecordTable(Layout) {}

    // Clear_MagDaten: empty names, symbol 3, format "default", status 0.
    void Clear_MagDaten(int address);
    // "default", "DCC" or "Motorola".
    QString formatText(int address) const;
    // The format column clicked: "default" becomes DCC (15), then bit 7 flips; the format is to
    // be written (unless it is the station's again).
    void toggleFormat(int address);
};

} // namespace kx2
