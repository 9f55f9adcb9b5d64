#include "loco/LocoGridModel.h"

#include "shell/Cp1252.h"
#include "shell/LeadingNumber.h"

#include <algorithm>

namespace kx2 {

namespace LocoGrid {

QString header(int col)
{
    switch (col) {
    case AddressCol: return QStringLiteral("Adr.");
    case FormatCol: return QStringLiteral("D-For.");
    case NameCol: return QStringLiteral("Name");
    case SpeedCol: return QStringLiteral("max.Geschw.");
    default: break;
    }
    if (isFunctionColumn(col))
        return QStringLiteral("f") + QString::number(functionOfColumn(col));
    return QString();
}

int width(int col)
{
    switch (col) {
    case AddressCol: return 40;
    case FormatCol: return 50;
    case NameCol: return 200;
    case SpeedCol: return 80;
    default: return 41;
    }
}

} // namespace LocoGrid

QString NoSymbolText()
{
    return QStringLiteral("Fkt. nicht anz.");
}

QString FunctionSymbolFile(int symbol)
{
    return QStringLiteral("Konf/Fkt_Symbole/S") + QString::number(symbol) + QStringLiteral(".bmp");
}

LocoGridLine LocoGridLineOf(const LocoTable& table, int slot)
{
    LocoGridLine line;
    line.slot = slot;
    line.address = QString::number(table.address(slot));
    line.format = FormatCodeToText(table.cell(slot, LocoTable::FormatCode));
    line.name = table.ReadLokname(slot);
    line.speed = QString::number(table.maxSpeed(slot));
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        line.symbols[size_t(f)] = table.symbol(slot, f);
    return line;
}

std::vector<int> LocoGridSlots(const LocoTable& table)
{
    std::vector<int> slots;
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        if (table.holdsRecord(i))
            slots.push_back(i);
    return slots;
}

int CellValue(const QString& text)
{
    return LeadingNumber(text);
}

GridCell TabForward(GridCell at, int rows, int cols)
{
    if (at.col < cols - 1)
        ++at.col;
    if (at.col == cols - 1) {
        at.col = 1;
        if (at.row < rows - 1)
            ++at.row;
    }
    return at;
}

GridCell TabBackward(GridCell at, int rows, int cols)
{
    (void)rows;
    (void)cols;
    if (at.col >= 2)
        --at.col;
    if (at.col == 1 && at.row >= 2)
        --at.row;
    return at;
}

NewAddress CheckNewAddress(const std::optional<QString>& answer, const std::vector<int>& otherAddresses, int& address)
{
    if (!answer || answer->isEmpty())
        return NewAddress::Cancelled;
    // Only plain numbers count: "12abc" is refused rather than read as 12.
    const std::optional<int> a = ParseLocoAddress(*answer);
    if (!a)
        return NewAddress::Invalid;
    if (std::find(otherAddresses.begin(), otherAddresses.end(), *a) != otherAddresses.end())
        return NewAddress::Duplicate;
    address = *a;
    return NewAddress::Accepted;
}

QString InvalidAddressText()
{
    return QStringLiteral("          Lokadresse ungültig!") + QStringLiteral("Bitte eine andere Lokadresse eingeben.");
}

QString DuplicateAddressText()
{
    return QStringLiteral("       Lokadresse schon vorhanden!") + QStringLiteral("Bitte eine andere Lokadresse eingeben.");
}

QString TableFullText()
{
    return QStringLiteral("Kein leerer Datensatz mehr vorhanden!") + QChar(13)
           + QStringLiteral("Die Lokdaten können nicht gespeichert werden!");
}

QString SymbolRangeQuestion(int first, int last)
{
    return QStringLiteral("Sollen die Funktionen ") + QString::number(first) + QStringLiteral(" bis ")
           + QString::number(last) + QStringLiteral(" auf identische Symbole gesetzt werden?");
}

bool IsStorableNameChar(QChar c)
{
    // A 0 byte would end the name early.
    if (c.unicode() == 0)
        return false;
    // The five codes without a character come back from a record as C1 controls; they go
    // back unchanged.
    if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
        return true;
    return cp1252Code(c) >= 0;
}

bool IsStorableName(const QString& name)
{
    return std::all_of(name.begin(), name.end(), IsStorableNameChar);
}

QString StorableName(const QString& name)
{
    QString out = name;
    for (QChar& c : out)
        if (!IsStorableNameChar(c))
            c = QLatin1Char('?');
    return out;
}

} // namespace kx2
