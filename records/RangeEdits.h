#pragma once
#include <QString>

namespace kx2 {

class RangeRecordTable;

// What the accessory and feedback editors do to their tables, one function per edit a user
// makes. Each does the whole edit: the record bytes and the record's status (1 when a byte
// changed, 0 again when the record now reads as the station holds it). Nothing here asks the
// user: the window asks first, calls the edit and shows what it says changed.

// The two name lines typed into the line of address a. Lines that read as before leave the
// record alone: its layout may differ from the one a store writes (a blank record has its 13 at
// byte 5), and it must not be sent for that. True when a record byte changed.
bool storeRangeNames(RangeRecordTable& table, int address, const QString& line1, const QString& line2);

// The symbol chooser's answer 1..26 for address a (bytes 28..31 rewritten whatever they held,
// changed when the answer is not where the chooser started). Any other answer stores nothing.
// True when a record byte changed.
bool setRangeSymbol(RangeRecordTable& table, int address, int symbol);

} // namespace kx2
