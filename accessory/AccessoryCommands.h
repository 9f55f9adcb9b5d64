#pragma once
#include "records/TableEditCommand.h"

namespace kx2 {

class AccessoryTable;

// "Datenformat von Magnetartikel 5": a click on the format column (toggleFormat) as a step of
// the accessory editor's history.
class AccessoryFormatCommand : public RecordEditCommand {
public:
    AccessoryFormatCommand(AccessoryTable& table, int address);
};

} // namespace kx2
