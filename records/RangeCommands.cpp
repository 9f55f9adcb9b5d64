#include "records/RangeCommands.h"

#include "records/RangeEdits.h"
#include "records/RangeRecordTable.h"

namespace kx2 {

QString RangeStepText(const RangeRecordTable& table, const char* what, int address)
{
    return QStringLiteral("%1 von %2 %3").arg(QString::fromUtf8(what), QString::fromUtf8(table.layout().countUnit)).arg(address);
}

RangeNameCommand::RangeNameCommand(RangeRecordTable& table, int address, const QString& line1, const QString& line2)
    : RecordEditCommand(table, table.station, RangeStepText(table, "Name", address))
{
    record({address}, [&] { StoreRangeNames(table, address, line1, line2); });
}

RangeSymbolCommand::RangeSymbolCommand(RangeRecordTable& table, int address, int symbol)
    : RecordEditCommand(table, table.station, RangeStepText(table, "Symbol", address))
{
    record({address}, [&] { SetRangeSymbol(table, address, symbol); });
}

} // namespace kx2
