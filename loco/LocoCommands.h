#pragma once
#include "loco/LocoEdits.h"
#include "records/TableEditCommand.h"

#include <optional>

namespace kx2 {

class LocoTable;
struct LocoFormatTables;

// The locomotive editor's edits as steps of its history, one class per kind of edit (LocoEdits).
// Each runs its edit when it is made and is named after it for "Rückgängig: ...".
class LocoCommand : public RecordEditCommand {
protected:
    LocoCommand(LocoTable& table, const QString& text);
};

// "Name von Lok 38": storeLocoLine.
class LocoNameCommand : public LocoCommand {
public:
    LocoNameCommand(LocoTable& table, int slot, int address, const QString& name);
};

// "Geschwindigkeit von Lok 38": setLocoMaxSpeed.
class LocoSpeedCommand : public LocoCommand {
public:
    LocoSpeedCommand(LocoTable& table, int slot, int half);
};

// "Datenformat von Lok 38": setLocoFormat.
class LocoFormatCommand : public LocoCommand {
public:
    LocoFormatCommand(LocoTable& table, const LocoFormatTables& formats, int slot, int index);
};

// "Symbol von Lok 38": setLocoSymbols.
class LocoSymbolCommand : public LocoCommand {
public:
    LocoSymbolCommand(LocoTable& table, int slot, int first, int last, int symbol);
};

// "neue Lok 38": addLocomotive; what it did is in `added`.
class NewLocoCommand : public LocoCommand {
public:
    NewLocoCommand(LocoTable& table, int address, const QString& name);
    NewLoco added;
};

// "Lok 38 gelöscht": deleteLocomotive; the slot it deleted is in `slot`.
class DeleteLocoCommand : public LocoCommand {
public:
    DeleteLocoCommand(LocoTable& table, int lineSlot, int address);
    std::optional<int> slot;
};

} // namespace kx2
