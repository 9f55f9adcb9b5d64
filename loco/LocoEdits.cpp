#include "loco/LocoEdits.h"

#include "loco/LocoTable.h"

namespace kx2 {

bool setLocoFormat(LocoTable& table, const LocoFormatTables& formats, int slot, int index)
{
    if (index < 0 || index >= LocoFormatCount)
        return false;
    const std::optional<int> code = formats.LocoFormatCodes[size_t(index)];
    const std::optional<int> param = formats.LocoFormatParams[size_t(index)];
    if (table.cell(slot, LocoTable::FormatCode) == code && table.cell(slot, LocoTable::FormatParam) == param)
        return false;
    table.set(slot, LocoTable::FormatCode, code);
    table.set(slot, LocoTable::FormatParam, param);
    table.markFormatEdited(slot);
    return true;
}

bool setLocoSymbols(LocoTable& table, int slot, int first, int last, int symbol)
{
    bool changed = false;
    for (int f = first; f <= last; ++f) {
        const int col = LocoTable::symbolColumn(f);
        changed = changed || table.cell(slot, col) != symbol;
        table.set(slot, col, symbol);
    }
    if (changed)
        table.markEdited(slot);
    return changed;
}

bool setLocoMaxSpeed(LocoTable& table, int slot, int half)
{
    if (table.value(slot, LocoTable::MaxSpeedHalf) == half)
        return false;
    table.set(slot, LocoTable::MaxSpeedHalf, half);
    table.markEdited(slot);
    return true;
}

NewLoco addLocomotive(LocoTable& table, int address, const QString& name)
{
    if (!LocoTable::isValidAddress(address))
        return {};
    const std::optional<int> slot = table.firstReusableSlot();
    if (!slot)
        return {std::nullopt, true};
    table.createRecord(*slot, address, name);
    return {slot, false};
}

bool storeLocoLine(LocoTable& table, int slot, int address, const QString& name)
{
    bool addressChanged = false;
    if (LocoTable::isValidAddress(address) && address != table.address(slot)) {
        table.setAddress(slot, address);
        addressChanged = true;
    }
    const bool nameChanged = table.renameRecord(slot, name);
    if (addressChanged && !nameChanged)
        table.markEdited(slot);
    return addressChanged || nameChanged;
}

std::optional<int> deleteLocomotive(LocoTable& table, int lineSlot, int address)
{
    std::optional<int> slot;
    if (lineSlot >= 0 && lineSlot < LocoTable::SlotCount && table.address(lineSlot) == address)
        slot = lineSlot;
    else
        slot = table.findSlotByAddress(address);
    if (slot)
        table.deleteRecord(*slot);
    return slot;
}

} // namespace kx2
