#pragma once
#include <QString>
#include <optional>

namespace kx2 {

class LocoTable;
struct LocoFormatTables;

// What the locomotive editor does to LocoTable, one function per edit a user makes. Each does
// the whole edit: the record bytes, the slot's status (a new record stays 2 until it is
// written, any other becomes 1; deleted is 240) and its format flag, and it drops those marks
// again when the slot now reads as the station holds it. Nothing here asks the user: the window
// asks first, calls the edit and shows what it says changed.

// The data format of position `index` (0..5) of the data-format dialog for `slot`. True when
// the format changed (the line's format cell reads differently); another index changes nothing.
bool setLocoFormat(LocoTable& table, const LocoFormatTables& formats, int slot, int index);

// `symbol` for functions first..last of `slot` (one function: first = last). True when a
// record byte changed.
bool setLocoSymbols(LocoTable& table, int slot, int first, int last, int symbol);

// The maximum speed byte (half the km/h the grid shows). True when it changed.
bool setLocoMaxSpeed(LocoTable& table, int slot, int half);

// A locomotive typed into the entry line: created in the first slot that is empty or deleted.
// An address outside 1..9999 makes no record (it could be neither sent nor deleted); a table
// without such a slot refuses it.
struct NewLoco {
    std::optional<int> slot; // where it went
    bool tableFull = false;  // refused: no slot left
};
NewLoco addLocomotive(LocoTable& table, int address, const QString& name);

// The name of a line stored into its slot, and its address when that is valid and another: a
// record that came with address 0 (from a single-record file) gets the one typed for it. True
// when a record byte changed.
bool storeLocoLine(LocoTable& table, int slot, int address, const QString& name);

// Deletes the locomotive of a line: the line's own slot while it still holds `address`, even
// when another slot carries the same address, else the first slot that holds it (lineSlot -1:
// by address only). The slot it deleted; nullopt when no slot holds the address.
std::optional<int> deleteLocomotive(LocoTable& table, int lineSlot, int address);

} // namespace kx2
