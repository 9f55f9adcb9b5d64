#include "accessory/AccessoryCommands.h"

#include "accessory/AccessoryTable.h"
#include "records/RangeCommands.h"

namespace kx2 {

AccessoryFormatCommand::AccessoryFormatCommand(AccessoryTable& table, int address)
    : RecordEditCommand(table, table.station,
                        rangeStepText(table, QT_TRANSLATE_NOOP("RangeCommands", "Datenformat"), address))
{
    record({address}, [&] { table.toggleFormat(address); });
}

} // namespace kx2
