#pragma once
#include "records/TableEditCommand.h"

namespace kx2 {

class RangeRecordTable;

// The accessory and feedback editors' edits (RangeEdits) as steps of their history, named with
// the database's word for a record: "Name von Magnetartikel 5", "Symbol von Rückmelder 12".
class RangeNameCommand : public RecordEditCommand {
public:
    RangeNameCommand(RangeRecordTable& table, int address, const QString& line1, const QString& line2);
};

class RangeSymbolCommand : public RecordEditCommand {
public:
    RangeSymbolCommand(RangeRecordTable& table, int address, int symbol);
};

// "Name von Magnetartikel 5" from "Name von" and the address.
QString rangeStepText(const RangeRecordTable& table, const char* what, int address);

} // namespace kx2
