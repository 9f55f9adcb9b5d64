#include "loco/LocoFiles.h"

#include "loco/LocoGridModel.h"
#include "records/TableFile.h"
#include "shell/AskFileName.h"
#include "shell/Settings.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

const QString kExtension = QStringLiteral("ISD");
const char* const kConflictTitle = QT_TRANSLATE_NOOP("LocoFiles", "Lokadresse des Datensatzes schon vorhanden!");

FilePrompt prompt(const LocoFileContext& ctx)
{
    return FilePrompt{ctx.files, ctx.dialogs, ctx.settings, ctx.pause};
}

void pauseFor(LocoFileContext& ctx, double seconds)
{
    if (ctx.pause)
        ctx.pause(seconds);
}

LocoRow rowOf(const LocoTable& table, int row)
{
    LocoRow r;
    for (int col = 0; col < LocoTable::Cols; ++col)
        r[size_t(col)] = table.cell(row, col);
    return r;
}

void putRow(LocoTable& table, int row, const LocoRow& r)
{
    for (int col = 0; col < LocoTable::Cols; ++col)
        table.set(row, col, r[size_t(col)]);
}

// The address typed to resolve a conflict is checked as the editor checks a new
// locomotive's address; Cancel or an empty answer gives up.
std::optional<int> askChangedAddress(UserDialogs& dialogs, int current)
{
    for (;;) {
        const std::optional<QString> answer
            = dialogs.inputBox(QCoreApplication::translate("LocoFiles", "Lokadresse:"),
                               QCoreApplication::translate("LocoFiles", "Lokadresse ändern"), QString::number(current));
        if (!answer || answer->trimmed().isEmpty())
            return std::nullopt;
        if (const std::optional<int> a = parseLocoAddress(*answer))
            return a;
        dialogs.messageBox(invalidAddressText(), MsgButtons::Ok, MsgIcon::Critical,
                           QCoreApplication::translate("LocoFiles", "Achtung!"));
    }
}

} // namespace

// --- files without dialogs ---

bool locoCellFits(int col, std::optional<int> value)
{
    if (!value)
        return true;
    const int v = *value;
    switch (col) {
    case LocoTable::RecordStatus:
        return v == LocoTable::StatusUnchanged || v == LocoTable::StatusChanged || v == LocoTable::StatusNew
            || v == LocoTable::StatusDeleted || v == LocoTable::StatusEmpty;
    case LocoTable::FormatPending:
        return v == 0 || v == 1;
    default:
        return v >= 0 && v <= 255;
    }
}

IsdWriter locoTableFile(const LocoTable& table, const StoredSerial& serial)
{
    IsdWriter w(isdHeaderLocoTable());
    writeSerialLines(w, serial);
    for (int row = 0; row < LocoTable::Rows; ++row)
        for (int col = 0; col < LocoTable::Cols; ++col)
            w.writeCell(table.cell(row, col));
    return w;
}

IsdWriter locoRecordFile(const LocoTable& table, int row)
{
    IsdWriter w(isdHeaderLocoRecord());
    for (int col = 0; col < LocoTable::Cols; ++col)
        w.writeCell(table.cell(row, col));
    return w;
}

bool readLocoRow(IsdReader& reader, LocoRow& row)
{
    for (int col = 0; col < LocoTable::Cols; ++col) {
        std::optional<int> v;
        if (!reader.readCell(v))
            return false;
        if (!locoCellFits(col, v)) {
            reader.fail(QCoreApplication::translate("LocoFiles", "Wert %1 passt nicht in Spalte %2").arg(*v).arg(col));
            return false;
        }
        row[size_t(col)] = v;
    }
    const auto at = [&row](int col) { return row[size_t(col)].value_or(0); };
    // The line of a column of this row: the last one read holds column 83.
    const auto lineOf = [&reader](int col) { return reader.lineNumber() - (LocoTable::Cols - 1 - col); };
    const int address = at(LocoTable::AddressHigh) * 256 + at(LocoTable::AddressLow);
    // Loading makes every row with a valid address a changed record; other rows keep their status.
    const int status = LocoTable::isValidAddress(address) ? LocoTable::StatusChanged : at(LocoTable::RecordStatus);
    if (status == LocoTable::StatusEmpty || status == LocoTable::StatusDeleted)
        return true;
    if (address > LocoTable::MaxAddress) {
        reader.fail(QCoreApplication::translate("LocoFiles", "Lokadresse %1 außerhalb von 1..9999").arg(address),
                    lineOf(LocoTable::AddressLow));
        return false;
    }
    bool terminated = false;
    for (int col = LocoTable::NameFirst; col <= LocoTable::NameLast && !terminated; ++col)
        terminated = at(col) == 0;
    if (!terminated) {
        reader.fail(QCoreApplication::translate("LocoFiles", "Name ohne Endezeichen (keine 0 in den Bytes 4..27)"),
                    lineOf(LocoTable::NameLast));
        return false;
    }
    return true;
}

IsdLoadResult loadLocoTableFile(const QString& path, LocoTable& table, StoredSerial& serial)
{
    IsdReader reader;
    if (reader.open(path, isdHeaderLocoTable()) != IsdError::None)
        return {reader.error(), reader.errorDetail()};
    StoredSerial loadedSerial;
    if (!readSerialLines(reader, loadedSerial))
        return {reader.error(), reader.errorDetail()};
    LocoTable loaded;
    for (int row = 0; row < LocoTable::Rows; ++row) {
        LocoRow r;
        if (!readLocoRow(reader, r))
            return {reader.error(), reader.errorDetail()};
        putRow(loaded, row, r);
    }
    // The rows, not what is known of the station: that is the file's station's.
    static_cast<RecordTable&>(table) = loaded;
    table.station.belongTo(loadedSerial);
    for (int row = 0; row < LocoTable::Rows; ++row)
        table.markLoaded(row);
    serial = loadedSerial;
    return {};
}

IsdLoadResult readLocoRecordFile(const QString& path, LocoRow& row)
{
    IsdReader reader;
    if (reader.open(path, isdHeaderLocoRecord()) != IsdError::None || !readLocoRow(reader, row))
        return {reader.error(), reader.errorDetail()};
    return {};
}

// --- menu operations ---

AfterFileOp loadLocoTable(LocoFileContext& ctx)
{
    const bool loaded = prompt(ctx).load(LocoLoadPause, [&ctx](const QString& path) {
        return loadLocoTableFile(path, ctx.table, ctx.serial);
    });
    return loaded ? AfterFileOp::RebuildGrid : AfterFileOp::Nothing;
}

bool saveLocoTable(LocoFileContext& ctx)
{
    return prompt(ctx).save(locoTableFile(ctx.table, ctx.serial), LocoSavePause);
}

void clearLocoTable(LocoTable& table)
{
    table.clearTable();
}

bool saveLocoRecord(LocoFileContext& ctx, int address)
{
    const std::optional<int> slot = ctx.table.findSlotByAddress(address);
    if (!slot) {
        ctx.dialogs.messageBox(QCoreApplication::translate("LocoFiles", "Datensatz nicht gefunden!"), MsgButtons::Ok,
                               MsgIcon::Critical, QCoreApplication::translate("LocoFiles", "Achtung!"));
        return false;
    }
    return prompt(ctx).save(locoRecordFile(ctx.table, *slot), 0);
}

AfterFileOp loadLocoRecord(LocoFileContext& ctx)
{
    const QString path = AskFileName(ctx.files, ctx.settings, 0, kExtension);
    if (path.isEmpty())
        return AfterFileOp::Nothing;
    pauseFor(ctx, LocoLoadPause);

    IsdReader reader;
    if (reader.open(path, isdHeaderLocoRecord()) != IsdError::None) {
        showIsdError(ctx.dialogs, reader.error(), reader.errorDetail(), path);
        return AfterFileOp::Nothing;
    }
    LocoTable& table = ctx.table;
    const std::optional<int> free = table.firstEmptySlot();
    if (!free)
        return AfterFileOp::RebuildGrid; // a full table takes nothing, without a word
    const int i = *free;

    // The whole record is read before it goes into the slot, so a broken file leaves it empty.
    LocoRow record;
    if (!readLocoRow(reader, record)) {
        showIsdError(ctx.dialogs, reader.error(), reader.errorDetail(), path);
        return AfterFileOp::Nothing;
    }
    const LocoRow before = rowOf(table, i);
    putRow(table, i, record);
    table.markLoaded(i);

    int a = table.address(i);
    while (table.findSlotByAddress(a, i)) {
        const MsgAnswer answer = ctx.dialogs.messageBox(
            QCoreApplication::translate("LocoFiles", "Bitte ändern Sie die Lokadresse!"), MsgButtons::OkCancel,
            MsgIcon::Critical, QCoreApplication::translate("LocoFiles", kConflictTitle));
        std::optional<int> typed;
        if (answer == MsgAnswer::Ok)
            typed = askChangedAddress(ctx.dialogs, a);
        if (!typed) {
            // The slot goes back to what it held, so the table is as before the load.
            putRow(table, i, before);
            ctx.dialogs.messageBox(QCoreApplication::translate("LocoFiles", "Datensatz wurde nicht eingefügt!"),
                                   MsgButtons::Ok, MsgIcon::None,
                                   QCoreApplication::translate("LocoFiles", kConflictTitle));
            return AfterFileOp::Nothing;
        }
        a = *typed;
        table.setAddress(i, a);
        // Under its new address the record must reach the device like any loaded one.
        table.markLoaded(i);
    }
    return AfterFileOp::RebuildGrid;
}

} // namespace kx2
