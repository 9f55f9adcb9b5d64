// The locomotive editor's edits on the table alone: bytes, status and format flag, one edit each.
#include "loco/LocoEdits.h"
#include "loco/LocoTable.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

// Slots 0 and 1 both hold address 38, "Köf", DCC 28, no symbols, 80 km/h and as the
// station holds them; slot 1 has status `status`. Every other slot is empty.
LocoTable seeded(int status)
{
    LocoTable t;
    t.clearTable();
    for (int slot : {0, 1}) {
        for (int c = 0; c < LocoTable::Cols; ++c)
            t.set(slot, c, 0);
        t.setAddress(slot, 38);
        t.WriteLokname(slot, QStringLiteral("Köf"));
        t.set(slot, LocoTable::MaxSpeedHalf, 40);
        t.set(slot, LocoTable::FormatCode, 82);
        t.set(slot, LocoTable::FormatParam, 17);
        t.station.takeRecord(t, slot);
        t.station.takeFormat(t, slot);
    }
    t.setStatus(1, status);
    return t;
}

} // namespace

// Each line: slot 1's status before, the edit and its answer (1/0: changed or not; a slot, -1
// for none), then the slot looked at: its status, format flag and one cell. A new record stays 2,
// an edit back to what the station holds leaves nothing to send.
TEST(LocoEdits, EachEditWritesItsBytesAndItsMarks)
{
    static LocoFormatTables formats;
    fillLocoFormatTables(formats);
    using T = LocoTable;
    const int f2 = T::symbolColumn(2), f4 = T::symbolColumn(4), speed = T::MaxSpeedHalf, low = T::AddressLow;
    const struct {
        const char* what;
        int before;
        std::function<int(T&)> edit;
        int answer, slot, status, pending, col, value;
    } rows[] = {
        {"format DCC 128", 0, [](T& t) { return +setLocoFormat(t, formats, 1, 4); }, 1, 1, 0, 1, T::FormatCode, 83},
        {"format as it was", 0, [](T& t) { return +setLocoFormat(t, formats, 1, 3); }, 0, 1, 0, 0, T::FormatCode, 82},
        {"format beyond the dialog", 0, [](T& t) { return +setLocoFormat(t, formats, 1, 6); }, 0, 1, 0, 0, T::FormatParam, 17},
        {"format there and back", 0, [](T& t) { setLocoFormat(t, formats, 1, 4); return +setLocoFormat(t, formats, 1, 3); }, 1, 1, 0, 0, T::FormatCode, 82},
        {"symbol of f2", 0, [](T& t) { return +setLocoSymbols(t, 1, 2, 2, 12); }, 1, 1, 1, 0, f2, 12},
        {"symbols f2..f4 of a new record", 2, [](T& t) { return +setLocoSymbols(t, 1, 2, 4, 7); }, 1, 1, 2, 0, f4, 7},
        {"symbols as they were", 0, [](T& t) { return +setLocoSymbols(t, 1, 2, 4, 0); }, 0, 1, 0, 0, f4, 0},
        {"speed 140", 0, [](T& t) { return +setLocoMaxSpeed(t, 1, 70); }, 1, 1, 1, 0, speed, 70},
        {"speed of a new record", 2, [](T& t) { return +setLocoMaxSpeed(t, 1, 70); }, 1, 1, 2, 0, speed, 70},
        {"speed there and back", 0, [](T& t) { setLocoMaxSpeed(t, 1, 70); return +setLocoMaxSpeed(t, 1, 40); }, 1, 1, 0, 0, speed, 40},
        {"line renamed", 0, [](T& t) { return +storeLocoLine(t, 1, 38, "V 60"); }, 1, 1, 1, 0, T::NameFirst, 'V'},
        {"line as it was, address 0", 0, [](T& t) { return +storeLocoLine(t, 1, 0, "Köf"); }, 0, 1, 0, 0, low, 38},
        {"line readdressed", 0, [](T& t) { return +storeLocoLine(t, 1, 77, "Köf"); }, 1, 1, 1, 0, low, 77},
        {"new locomotive", 0, [](T& t) { return addLocomotive(t, 4711, "V 60").slot.value_or(-1); }, 2, 2, 2, 0, speed, 40},
        {"new without address", 0, [](T& t) { return addLocomotive(t, 0, "V 60").slot.value_or(-1); }, -1, 2, 255, -1, speed, 255},
        {"new, table full", 0, [](T& t) { for (int s = 2; s < T::SlotCount; ++s) t.setStatus(s, 0);
                                           return addLocomotive(t, 4711, "V 60").tableFull ? -1 : 0; }, -1, 2, 0, -1, low, 255},
        {"delete the line's own slot", 0, [](T& t) { return deleteLocomotive(t, 1, 38).value_or(-1); }, 1, 1, 240, 0, low, 255},
        {"delete a line whose slot holds another", 0, [](T& t) { return deleteLocomotive(t, 2, 38).value_or(-1); }, 0, 0, 240, 0, low, 255},
        {"delete an address no slot holds", 0, [](T& t) { return deleteLocomotive(t, -1, 999).value_or(-1); }, -1, 1, 0, 0, low, 38},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        T t = seeded(row.before);
        EXPECT_EQ(row.edit(t), row.answer);
        EXPECT_EQ(std::tuple(t.status(row.slot), t.cell(row.slot, T::FormatPending).value_or(-1), t.value(row.slot, row.col)),
                  std::tuple(row.status, row.pending, row.value));
    }
}
