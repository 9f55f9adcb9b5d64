// The locomotive editor's edits on the table alone: bytes, status and format flag, one edit each.
#include "loco/LocoEdits.h"
#include "loco/LocoTable.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

// Slot 0 holds address 3, slot 1 address 38 (DCC 28, no symbols, 80 km/h) with status `status`;
// a slot of status 0 reads as the station holds it. Every other slot is empty.
LocoTable seeded(int status)
{
    LocoTable t;
    t.clearTable();
    for (int slot : {0, 1}) {
        for (int c = 0; c < LocoTable::RecordBytes; ++c)
            t.set(slot, c, 0);
        t.setAddress(slot, slot == 0 ? 3 : 38);
        t.WriteLokname(slot, QStringLiteral("Köf"));
        t.set(slot, LocoTable::MaxSpeedHalf, 40);
        t.set(slot, LocoTable::FormatCode, 82);
        t.set(slot, LocoTable::FormatParam, 17);
        t.set(slot, LocoTable::FormatPending, 0);
        t.setStatus(slot, slot == 0 ? 0 : status);
        if (t.status(slot) == LocoTable::StatusUnchanged) {
            t.station.takeRecord(t, slot);
            t.station.takeFormat(t, slot);
        }
    }
    return t;
}

} // namespace

// Each line: slot 1's status before, the edit and its answer (1/0: changed or not; a slot, -1
// for none), then the slot looked at: its status, format flag and one cell. A new record stays 2,
// an edit back to what the station holds leaves nothing to send.
TEST(LocoEdits, EachEditWritesItsBytesAndItsMarks)
{
    LocoFormatTables formats;
    FillLocoFormatTables(formats);
    const auto fmt = [&formats](int index) { return [&formats, index](LocoTable& t) { return int(SetLocoFormat(t, formats, 1, index)); }; };
    const int f2 = LocoTable::symbolColumn(2), f4 = LocoTable::symbolColumn(4);
    const struct {
        const char* what;
        int before;
        std::function<int(LocoTable&)> edit;
        int answer, slot, status, pending, col, value;
    } rows[] = {
        {"format DCC 128", 0, fmt(4), 1, 1, 0, 1, LocoTable::FormatCode, 83},
        {"format as it was", 0, fmt(3), 0, 1, 0, 0, LocoTable::FormatCode, 82},
        {"format beyond the dialog", 0, fmt(6), 0, 1, 0, 0, LocoTable::FormatParam, 17},
        {"format there and back", 0, [&](LocoTable& t) { fmt(4)(t); return fmt(3)(t); }, 1, 1, 0, 0, LocoTable::FormatCode, 82},
        {"symbol of f2", 0, [](LocoTable& t) { return int(SetLocoSymbols(t, 1, 2, 2, 12)); }, 1, 1, 1, 0, f2, 12},
        {"symbols f2..f4 of a new record", 2, [](LocoTable& t) { return int(SetLocoSymbols(t, 1, 2, 4, 7)); }, 1, 1, 2, 0, f4, 7},
        {"symbols as they were", 0, [](LocoTable& t) { return int(SetLocoSymbols(t, 1, 2, 4, 0)); }, 0, 1, 0, 0, f4, 0},
        {"speed 140", 0, [](LocoTable& t) { return int(SetLocoMaxSpeed(t, 1, 70)); }, 1, 1, 1, 0, LocoTable::MaxSpeedHalf, 70},
        {"speed there and back", 0, [](LocoTable& t) { SetLocoMaxSpeed(t, 1, 70); return int(SetLocoMaxSpeed(t, 1, 40)); }, 1, 1, 0, 0, LocoTable::MaxSpeedHalf, 40},
        {"line renamed", 0, [](LocoTable& t) { return int(StoreLocoLine(t, 1, 38, "V 60")); }, 1, 1, 1, 0, LocoTable::NameFirst, 'V'},
        {"line as it was, address 0 typed", 0, [](LocoTable& t) { return int(StoreLocoLine(t, 1, 0, "Köf")); }, 0, 1, 0, 0, LocoTable::AddressLow, 38},
        {"line readdressed", 0, [](LocoTable& t) { return int(StoreLocoLine(t, 1, 77, "Köf")); }, 1, 1, 1, 0, LocoTable::AddressLow, 77},
        {"new locomotive", 0, [](LocoTable& t) { return AddLocomotive(t, 4711, "V 60").slot.value_or(-1); }, 2, 2, 2, 0, LocoTable::MaxSpeedHalf, 40},
        {"new locomotive without address", 0, [](LocoTable& t) { return AddLocomotive(t, 0, "V 60").slot.value_or(-1); }, -1, 2, 255, -1, LocoTable::MaxSpeedHalf, 255},
        {"new locomotive, table full", 0, [](LocoTable& t) {
             for (int s = 2; s < LocoTable::SlotCount; ++s)
                 t.setStatus(s, 0);
             return AddLocomotive(t, 4711, "V 60").tableFull ? -1 : 0; }, -1, 2, 0, -1, LocoTable::AddressLow, 255},
        {"delete the line's slot", 0, [](LocoTable& t) { return DeleteLocomotive(t, 1, 38).value_or(-1); }, 1, 1, 240, 0, LocoTable::AddressLow, 255},
        {"delete a line whose slot holds another", 0, [](LocoTable& t) { return DeleteLocomotive(t, 0, 38).value_or(-1); }, 1, 0, 0, 0, LocoTable::AddressLow, 3},
        {"delete an address no slot holds", 0, [](LocoTable& t) { return DeleteLocomotive(t, -1, 999).value_or(-1); }, -1, 1, 0, 0, LocoTable::AddressLow, 38},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        LocoTable t = seeded(row.before);
        EXPECT_EQ(row.edit(t), row.answer);
        EXPECT_EQ(std::tuple(t.status(row.slot), t.cell(row.slot, LocoTable::FormatPending).value_or(-1), t.value(row.slot, row.col)),
                  std::tuple(row.status, row.pending, row.value));
    }
}
