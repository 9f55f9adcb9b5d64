#include "loco/LocoTable.h"

#include "shell/Cp1252.h"

namespace kx2 {

void LocoTable::setAddress(int row, int a)
{
    // Two bytes; 65535 is the address of an empty slot.
    Q_ASSERT(a >= 0 && a <= 0xFFFF);
    set(row, AddressLow, a & 255);
    set(row, AddressHigh, (a & 65280) / 256);
}

std::optional<int> LocoTable::findSlotByAddress(int a, int except) const
{
    // Only slots that hold a locomotive: an empty or deleted slot has no address to find.
    for (int i = 0; i < SlotCount; ++i)
        if (i != except && holdsRecord(i) && address(i) == a)
            return i;
    return std::nullopt;
}

QString LocoTable::ReadLokname(int row) const
{
    QString name;
    for (int col = NameFirst; col <= NameLast; ++col) {
        const int code = value(row, col);
        if (code == 0)
            break;
        name.append(cp1252Char(code));
    }
    return name;
}

void LocoTable::WriteLokname(int row, const QString& text)
{
    const QByteArray bytes = toCp1252(text.left(NameMaxWritten));
    for (int k = 0; k < bytes.size(); ++k)
        set(row, NameFirst + k, int(static_cast<unsigned char>(bytes[k])));
    set(row, NameFirst + int(bytes.size()), 0);
}

std::optional<int> LocoTable::firstEmptySlot() const
{
    for (int i = 0; i < SlotCount; ++i)
        if (status(i) == StatusEmpty)
            return i;
    return std::nullopt;
}

std::optional<int> LocoTable::firstReusableSlot() const
{
    for (int i = 0; i < SlotCount; ++i)
        if (status(i) == StatusEmpty || status(i) == StatusDeleted)
            return i;
    return std::nullopt;
}

void LocoTable::markAllForDeviceRead()
{
    for (int row = 0; row < Rows; ++row) {
        markSlotEmpty(row);
        clear(row, FormatCode);
        clear(row, FormatParam);
        set(row, FormatPending, 0);
    }
}

void LocoTable::markSlotEmpty(int row)
{
    for (int col = 0; col < RecordBytes; ++col)
        set(row, col, 255);
    set(row, RecordStatus, StatusEmpty);
}

void LocoTable::markLoaded(int row)
{
    if (isValidAddress(address(row))) {
        set(row, RecordStatus, StatusChanged);
        set(row, FormatPending, 1);
    }
    if (isSlot(row))
        settleAsStored(row);
}

void LocoTable::createRecord(int slot, int a, const QString& name)
{
    Q_ASSERT(isSlot(slot) && isValidAddress(a));
    setAddress(slot, a);
    WriteLokname(slot, name);
    // 80 km/h, shown in the grid and written as shown.
    set(slot, MaxSpeedHalf, 40);
    for (int f = 0; f < FunctionCount; ++f)
        set(slot, symbolColumn(f), 0);
    // The slot may have held a deleted locomotive: its data format is not the new one's.
    clear(slot, FormatCode);
    clear(slot, FormatParam);
    set(slot, FormatPending, 0);
    set(slot, RecordStatus, StatusNew);
    settleAsStored(slot);
}

void LocoTable::markEdited(int slot)
{
    Q_ASSERT(isSlot(slot));
    if (status(slot) != StatusNew)
        set(slot, RecordStatus, StatusChanged);
    settleAsStored(slot);
}

void LocoTable::markFormatEdited(int slot)
{
    Q_ASSERT(isSlot(slot));
    set(slot, FormatPending, 1);
    settleAsStored(slot);
}

void LocoTable::settleAsStored(int slot)
{
    Q_ASSERT(isSlot(slot));
    // What follows a name's 0 is not shown and keeps what longer names left there: a name typed
    // back to the station's would otherwise still differ from it.
    std::vector<int32_t> before;
    copyRow(slot, before);
    const QString name = ReadLokname(slot);
    if (station.putStoredCells(*this, slot, NameFirst, NameLast) && ReadLokname(slot) != name)
        restoreRow(slot, before.data());
    if (station.recordAsStored(*this, slot))
        set(slot, RecordStatus, recordInUse(slot) ? StatusUnchanged : StatusEmpty);
    if (station.formatAsStored(*this, slot))
        set(slot, FormatPending, 0);
}

bool LocoTable::renameRecord(int slot, const QString& name)
{
    Q_ASSERT(isSlot(slot));
    std::array<std::optional<int>, RecordBytes> before;
    for (int col = 0; col < RecordBytes; ++col)
        before[size_t(col)] = cell(slot, col);
    WriteLokname(slot, name);
    bool changed = false;
    for (int col = 0; col < RecordBytes && !changed; ++col)
        changed = cell(slot, col) != before[size_t(col)];
    if (changed)
        markEdited(slot);
    return changed;
}

void LocoTable::deleteRecord(int slot)
{
    Q_ASSERT(isSlot(slot));
    for (int col = 0; col < RecordBytes; ++col)
        set(slot, col, 255);
    set(slot, RecordStatus, StatusDeleted);
    settleAsStored(slot);
}

void LocoTable::clearTable()
{
    for (int row = 0; row < Rows; ++row)
        for (int col = 0; col <= RecordStatus; ++col)
            set(row, col, 255);
}

void LocoTable::applyNewRecordValues(int slot)
{
    Q_ASSERT(isSlot(slot));
    set(slot, NameLast, 0);
    for (int col = 28; col <= 31; ++col)
        set(slot, col, 255);
    set(slot, SlotLow, slot & 255);
    set(slot, SlotHigh, (slot & 0xFF00) / 256);
    set(slot, 65, 0);
    set(slot, 66, 0);
    set(slot, 67, 0);
    set(slot, 68, 3);
    set(slot, 70, 255);
    set(slot, 71, 255);
    for (int col = 72; col <= 75; ++col)
        set(slot, col, 0);
    set(slot, 76, 1);
    set(slot, 77, 0);
    set(slot, 78, 255);
    set(slot, 79, 255);
}

void LocoTable::markStored(int slot)
{
    Q_ASSERT(isSlot(slot));
    set(slot, RecordStatus, status(slot) == StatusDeleted ? StatusEmpty : StatusUnchanged);
}

void LocoTable::prepareForOtherDevice()
{
    station.forget();
    for (int row = 0; row < Rows; ++row) {
        if (isValidAddress(address(row))) {
            set(row, RecordStatus, StatusNew);
            set(row, FormatPending, 1);
        } else {
            for (int col = 0; col < RecordBytes; ++col)
                set(row, col, 255);
            set(row, RecordStatus, StatusDeleted);
            set(row, FormatPending, 0);
        }
    }
}

std::optional<int> parseLocoAddress(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 4)
        return std::nullopt;
    int a = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        a = a * 10 + (c.unicode() - '0');
    }
    return LocoTable::isValidAddress(a) ? std::optional<int>(a) : std::nullopt;
}

// The dialog captions carry the spelling "Motorala" of the program's option buttons.
const std::array<LocoFormat, LocoFormatCount> kLocoFormats = {{
    {QT_TRANSLATE_NOOP("LocoFormat", "Motorola alt"), QT_TRANSLATE_NOOP("LokDatFormatFrm", "Motorala alt"), 64, 2},
    {QT_TRANSLATE_NOOP("LocoFormat", "Motorola neu"), QT_TRANSLATE_NOOP("LokDatFormatFrm", "Motorala neu"), 65, 20},
    {QT_TRANSLATE_NOOP("LocoFormat", "DCC 14"), QT_TRANSLATE_NOOP("LokDatFormatFrm", "DCC 14"), 80, 1},
    {QT_TRANSLATE_NOOP("LocoFormat", "DCC 28"), QT_TRANSLATE_NOOP("LokDatFormatFrm", "DCC 28"), 82, 17},
    {QT_TRANSLATE_NOOP("LocoFormat", "DCC 128"), QT_TRANSLATE_NOOP("LokDatFormatFrm", "DCC 128"), 83, 81},
    {QT_TRANSLATE_NOOP("LocoFormat", "Selectrix"), QT_TRANSLATE_NOOP("LokDatFormatFrm", "Selectrix"), 72, 0},
}};

void fillLocoFormatTables(LocoFormatTables& tables)
{
    for (int i = 0; i < LocoFormatCount; ++i) {
        tables.LocoFormatCodes[size_t(i)] = kLocoFormats[size_t(i)].code;
        tables.LocoFormatParams[size_t(i)] = kLocoFormats[size_t(i)].param;
    }
    tables.LocoFormatCodes[6].reset();
    tables.LocoFormatParams[6].reset();
}

QString FormatCodeToText(std::optional<int> code, Wording wording)
{
    if (code)
        for (const LocoFormat& f : kLocoFormats)
            if (f.code == *code)
                return worded(wording, "LocoFormat", f.displayText);
    return QString();
}

std::optional<int> FormatTextToIndex(const QString& text)
{
    for (const Wording wording : {Wording::Station, Wording::Shown})
        for (int i = 0; i < LocoFormatCount; ++i)
            if (text == worded(wording, "LocoFormat", kLocoFormats[size_t(i)].displayText))
                return i;
    return std::nullopt;
}

} // namespace kx2
