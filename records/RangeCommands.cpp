#include "records/RangeCommands.h"

#include "records/RangeEdits.h"
#include "records/RangeRecordTable.h"

#include <QCoreApplication>

namespace kx2 {

QString rangeStepText(const RangeRecordTable& table, const char* what, int address)
{
    return QCoreApplication::translate("RangeCommands", "%1 von %2 %3")
        .arg(QCoreApplication::translate("RangeCommands", what), table.layout().countUnitText())
        .arg(address);
}

RangeNameCommand::RangeNameCommand(RangeRecordTable& table, int address, const QString& line1, const QString& line2)
    : RecordEditCommand(table, table.station, rangeStepText(table, QT_TRANSLATE_NOOP("RangeCommands", "Name"), address))
{
    record({address}, [&] { storeRangeNames(table, address, line1, line2); });
}

RangeSymbolCommand::RangeSymbolCommand(RangeRecordTable& table, int address, int symbol)
    : RecordEditCommand(table, table.station,
                        rangeStepText(table, QT_TRANSLATE_NOOP("RangeCommands", "Symbol"), address))
{
    record({address}, [&] { setRangeSymbol(table, address, symbol); });
}

} // namespace kx2
