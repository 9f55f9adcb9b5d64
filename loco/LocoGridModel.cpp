#include "loco/LocoGridModel.h"

#include "shell/UserDialogs.h"

#include <QCoreApplication>

#include <algorithm>

namespace kx2 {

namespace LocoGrid {

QString header(int col)
{
    switch (col) {
    case AddressCol:
        return QCoreApplication::translate("GridHeading", "Adr.");
    case FormatCol:
        return QCoreApplication::translate("GridHeading", "D-For.");
    case NameCol:
        return QCoreApplication::translate("GridHeading", "Name");
    case SpeedCol:
        return QCoreApplication::translate("GridHeading", "max.Geschw.");
    default: break;
    }
    if (isFunctionColumn(col))
        return QCoreApplication::translate("GridHeading", "f%1").arg(functionOfColumn(col));
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

QString noSymbolText()
{
    return QCoreApplication::translate("LocoGrid", "Fkt. nicht anz.");
}

QString functionSymbolFile(int symbol)
{
    return symbolFile(functionSymbolFolder(), symbol);
}

QString functionSymbolFolder()
{
    return QStringLiteral("Konf/Fkt_Symbole");
}

LocoGridLine locoGridLineOf(const LocoTable& table, int slot)
{
    LocoGridLine line;
    line.slot = slot;
    line.address = QString::number(table.address(slot));
    line.format = FormatCodeToText(table.cell(slot, LocoTable::FormatCode), Wording::Shown);
    line.name = table.ReadLokname(slot);
    line.speed = QString::number(table.maxSpeed(slot));
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        line.symbols[size_t(f)] = table.symbol(slot, f);
    return line;
}

std::vector<int> locoGridSlots(const LocoTable& table)
{
    std::vector<int> slots;
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        if (table.holdsRecord(i))
            slots.push_back(i);
    return slots;
}

NewAddressCheck checkNewAddress(const std::optional<QString>& answer, const std::vector<int>& otherAddresses)
{
    if (!answer || answer->isEmpty())
        return {NewAddress::Cancelled};
    // Only plain numbers count: "12abc" is refused rather than read as 12.
    const std::optional<int> a = parseLocoAddress(*answer);
    if (!a)
        return {NewAddress::Invalid};
    if (std::find(otherAddresses.begin(), otherAddresses.end(), *a) != otherAddresses.end())
        return {NewAddress::Duplicate};
    return {NewAddress::Accepted, *a};
}

std::optional<int> askNewLocoAddress(UserDialogs& dialogs, const std::vector<int>& otherAddresses,
                                     const std::function<void(const QString&)>& typed)
{
    const QString achtung = QCoreApplication::translate("LocoGrid", "Achtung!");
    for (;;) {
        const std::optional<QString> answer
            = dialogs.inputBox(QCoreApplication::translate("LocoGrid", "Lokadresse:"),
                               QCoreApplication::translate("LocoGrid", "Neuer Datensatz"), QStringLiteral(" "));
        typed(answer.value_or(QString()));
        const NewAddressCheck check = checkNewAddress(answer, otherAddresses);
        switch (check.verdict) {
        case NewAddress::Cancelled:
            return std::nullopt;
        case NewAddress::Invalid:
            dialogs.messageBox(invalidAddressText(), MsgButtons::Ok, MsgIcon::Critical, achtung);
            break;
        case NewAddress::Duplicate:
            dialogs.messageBox(duplicateAddressText(), MsgButtons::Ok, MsgIcon::Critical, achtung);
            break;
        case NewAddress::Accepted:
            return check.address;
        }
    }
}

std::pair<int, int> functionRange(int col, int colSel)
{
    const int first = LocoGrid::functionOfColumn(col);
    const int last = LocoGrid::functionOfColumn(colSel);
    return last < first ? std::pair(last, first) : std::pair(first, last);
}

QString invalidAddressText()
{
    return QCoreApplication::translate("LocoGrid",
                                       "          Lokadresse ungültig!\nBitte eine andere Lokadresse eingeben.");
}

QString duplicateAddressText()
{
    return QCoreApplication::translate("LocoGrid",
                                       "       Lokadresse schon vorhanden!\nBitte eine andere Lokadresse eingeben.");
}

QString tableFullText()
{
    return QCoreApplication::translate("LocoGrid", "Kein leerer Datensatz mehr vorhanden!") + QChar(13)
        + QCoreApplication::translate("LocoGrid", "Die Lokdaten können nicht gespeichert werden!");
}

QString symbolRangeQuestion(int first, int last)
{
    return QCoreApplication::translate("LocoGrid",
                                       "Sollen die Funktionen %1 bis %2 auf identische Symbole gesetzt werden?")
        .arg(first)
        .arg(last);
}

} // namespace kx2
