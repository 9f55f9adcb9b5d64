#include "accessory/AccessoryTable.h"

namespace kx2 {

void AccessoryTable::Clear_MagDaten(int address)
{
    blankRecord(address);
    set(address, SymbolCode2, 11);
    set(address, Format, FormatDefault);
}

QString AccessoryTable::formatText(int address) const
{
    const int f = value(address, Format);
    if (f == FormatDefault)
        return QStringLiteral("default");
    return (f & 128) == 0 ? QStringLiteral("DCC") : QStringLiteral("Motorola");
}

void AccessoryTable::toggleFormat(int address)
{
    const int f = value(address, Format);
    set(address, Format, f == FormatDefault ? 15 : f ^ 128);
    markFormatEdited(address);
}

} // namespace kx2
