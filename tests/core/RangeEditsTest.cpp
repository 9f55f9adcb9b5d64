// The accessory and feedback editors' edits on the table alone.
#include "accessory/AccessoryTable.h"
#include "records/RangeEdits.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kx2;

// Each line: an edit of blank record 3 (symbol 3, as the station holds it), whether it says a
// byte changed, and the record's status and one byte afterwards. Names that read as before leave
// the blank layout (13 at byte 5) alone; the symbol the record had is no change to send.
TEST(RangeEdits, EachEditWritesItsBytesAndItsStatus)
{
    const struct {
        const char* what;
        std::function<bool(RangeRecordTable&)> edit;
        bool changed;
        int status, byte, value;
    } rows[] = {
        {"names as they were", [](RangeRecordTable& t) { return storeRangeNames(t, 3, "", ""); }, false, 0, 5, 13},
        {"names typed", [](RangeRecordTable& t) { return storeRangeNames(t, 3, "Weiche", "Süd"); }, true, 1, 4, 'W'},
        {"symbol 7", [](RangeRecordTable& t) { return setRangeSymbol(t, 3, 7); }, true, 1, 31, 18},
        {"the symbol it had", [](RangeRecordTable& t) { return setRangeSymbol(t, 3, 3); }, true, 0, 28, 255},
        {"no symbol", [](RangeRecordTable& t) { return setRangeSymbol(t, 3, 0); }, false, 0, 31, 10},
        {"beyond the symbols", [](RangeRecordTable& t) { return setRangeSymbol(t, 3, 27); }, false, 0, 31, 10},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        AccessoryTable t;
        t.Clear_MagDaten(3);
        t.station.takeRecord(t, 3);
        EXPECT_EQ(row.edit(t), row.changed);
        EXPECT_EQ(std::pair(t.status(3), t.value(3, row.byte)), std::pair(row.status, row.value));
    }
}
