#include "loco/LocoCommands.h"

#include "loco/LocoTable.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

QString locoStep(const char* what, int address)
{
    return QCoreApplication::translate("LocoCommands", what).arg(address);
}

} // namespace

LocoCommand::LocoCommand(LocoTable& table, const QString& text)
    : RecordEditCommand(table, table.station, text)
{
}

LocoNameCommand::LocoNameCommand(LocoTable& table, int slot, int address, const QString& name)
    : LocoCommand(table, locoStep(QT_TRANSLATE_NOOP("LocoCommands", "Name von Lok %1"), address))
{
    record({slot}, [&] { storeLocoLine(table, slot, address, name); });
}

LocoSpeedCommand::LocoSpeedCommand(LocoTable& table, int slot, int half)
    : LocoCommand(table, locoStep(QT_TRANSLATE_NOOP("LocoCommands", "Geschwindigkeit von Lok %1"), table.address(slot)))
{
    record({slot}, [&] { setLocoMaxSpeed(table, slot, half); });
}

LocoFormatCommand::LocoFormatCommand(LocoTable& table, const LocoFormatTables& formats, int slot, int index)
    : LocoCommand(table, locoStep(QT_TRANSLATE_NOOP("LocoCommands", "Datenformat von Lok %1"), table.address(slot)))
{
    record({slot}, [&] { setLocoFormat(table, formats, slot, index); });
}

LocoSymbolCommand::LocoSymbolCommand(LocoTable& table, int slot, int first, int last, int symbol)
    : LocoCommand(table, locoStep(QT_TRANSLATE_NOOP("LocoCommands", "Symbol von Lok %1"), table.address(slot)))
{
    record({slot}, [&] { setLocoSymbols(table, slot, first, last, symbol); });
}

NewLocoCommand::NewLocoCommand(LocoTable& table, int address, const QString& name)
    : LocoCommand(table, locoStep(QT_TRANSLATE_NOOP("LocoCommands", "neue Lok %1"), address))
{
    // The slot is the table's to choose.
    record({}, [&] { added = addLocomotive(table, address, name); });
}

DeleteLocoCommand::DeleteLocoCommand(LocoTable& table, int lineSlot, int address)
    : LocoCommand(table, locoStep(QT_TRANSLATE_NOOP("LocoCommands", "Lok %1 gelöscht"), address))
{
    record({}, [&] { slot = deleteLocomotive(table, lineSlot, address); });
}

} // namespace kx2
