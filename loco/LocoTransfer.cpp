#include "loco/LocoTransfer.h"

#include "records/DatabaseContext.h"
#include "records/DatabaseCommands.h"
#include "records/ProgressMeter.h"
#include "records/ReadBack.h"
#include "records/RecordAreas.h"
#include "records/StoredSerial.h"
#include "records/TransferSession.h"
#include "link/ResultText.h"
#include "loco/LocoTable.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>
#include <vector>

namespace kx2 {

namespace {
const char* const kTitle = QT_TRANSLATE_NOOP("LocoTransfer", "Lokomotiven");
const char* const kStationTitle = QT_TRANSLATE_NOOP("LocoTransfer", "Lokdaten");
constexpr int kLocoPages = 5;

// What the progress window counts while the data formats are read or written.
QString formatUnit()
{
    return QCoreApplication::translate("LocoTransfer", "Lokdatenformat");
}

} // namespace

QString LocoTransfer::formatWriteStep(int address)
{
    return QCoreApplication::translate("LocoTransfer", " Lokdatenfrm. Adr. %1 schreiben").arg(address);
}

std::vector<RecordField> locoRecordFields()
{
    std::vector<RecordField> fields{
        {LocoTable::RecordIdFirst, LocoTable::RecordIdHigh,
         QCoreApplication::translate("LocoTransfer", "Datensatznummer"), false},
        {LocoTable::NameFirst, LocoTable::NameLast, QCoreApplication::translate("LocoTransfer", "Name"), true},
        {LocoTable::AddressLow, LocoTable::AddressHigh, QCoreApplication::translate("LocoTransfer", "Adresse"), false},
        {LocoTable::SlotLow, LocoTable::SlotHigh, QCoreApplication::translate("LocoTransfer", "Platz"), false},
        {LocoTable::MaxSpeedHalf, LocoTable::MaxSpeedHalf,
         QCoreApplication::translate("LocoTransfer", "Höchstgeschwindigkeit"), false,
         [](unsigned long long v) { return QString::number(v * 2); }}};
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        fields.push_back({LocoTable::SymbolFirst + f, LocoTable::SymbolFirst + f,
                          QCoreApplication::translate("LocoTransfer", "Symbol f%1").arg(f), false});
    return fields;
}
ReadOutcome LocoTransfer::ReadLocoDatabase()
{
    m_table.markAllForDeviceRead();
    forgetRecordCounter(m_ctx);
    TransferSession s(m_ctx, TransferSession::Direction::Read);
    s.about(LocoTable::Subject);
    // The formats are read for the records found: at most one per slot.
    m_ctx.meter.plan(ProgressMeter::Kind::Records, LocoTable::Layout.countUnitText(), LocoTable::SlotCount,
                     1 + kLocoPages);
    m_ctx.meter.planAtMost(ProgressMeter::Kind::Formats, formatUnit(), LocoTable::SlotCount);
    const bool opened = s.openRead();
    // What is read is of this station; what it stops short of is as this station last showed it.
    if (opened)
        m_table.station.belongTo(StoredSerial::of(s.stationIds()));
    const bool read = opened
        && s.run([this] { return ReadLocoRecords(LocoTable::LocoDbAreaBase, LocoTable::SlotCount, kLocoPages, 0); })
        && s.run([this] { return ReadLocoFormats(); });
    int found = 0;
    for (int row = 0; row < LocoTable::SlotCount; ++row)
        found += m_table.holdsRecord(row) ? 1 : 0;
    s.counted(found);
    const ReadOutcome outcome = s.endRead(read);
    if (opened)
        m_table.station.remember();
    return outcome;
}

int LocoTransfer::ReadLocoRecords(int firstArea, int count, int pages, int expectedFlags)
{
    const DatabaseLayout& layout = LocoTable::Layout;
    // The step text numbers the slots from 0 and the count the records read: while slot 17 is
    // read, 17 are done, and both say 17.
    m_ctx.meter.begin(ProgressMeter::Kind::Records, layout.countUnitText(), count);
    for (int row = 0; row < count; ++row) {
        m_ctx.progress.setText(QCoreApplication::translate("LocoTransfer", " Lokdatensatz %1 lesen").arg(row));
        if (const int r = loadArea(m_ctx, firstArea + row))
            return r + layout.readOperation;
        // Page 0 says whether the slot holds a record at all.
        if (const int r = readRecordPages(m_ctx, 0, 0, 1, m_table, row))
            return r + layout.readOperation;
        if ((m_table.value(row, LocoTable::RecordIdHigh) & 252) != expectedFlags) {
            m_table.markSlotEmpty(row);
            m_table.station.takeRecord(m_table, row);
            m_ctx.meter.advance();
            continue;
        }
        if (const int r = readRecordPages(m_ctx, 0, 1, pages, m_table, row))
            return r + layout.readOperation;
        m_table.setStatus(row, LocoTable::StatusUnchanged);
        m_table.station.takeRecord(m_table, row);
        m_ctx.meter.advance();
    }
    return 0;
}

int LocoTransfer::ReadLocoFormats()
{
    int toRead = 0;
    for (int row = 0; row < LocoTable::Rows; ++row)
        toRead += m_table.status(row) == LocoTable::StatusEmpty ? 0 : 1;
    m_ctx.meter.begin(ProgressMeter::Kind::Formats, formatUnit(), toRead);
    for (int row = 0; row < LocoTable::Rows; ++row) {
        if (m_table.status(row) == LocoTable::StatusEmpty)
            continue;
        const int a = m_table.address(row);
        m_ctx.progress.setText(QCoreApplication::translate("LocoTransfer", " Lokdatenfrm. Adr. %1 lesen").arg(a));
        m_ctx.meter.atNext();
        const DataFormat read = ReadLocoFormat(m_ctx, a);
        if (read.result != 0)
            return read.result;
        m_table.set(row, LocoTable::FormatCode, read.code);
        m_table.set(row, LocoTable::FormatParam, read.value);
        m_table.station.takeFormat(m_table, row);
        m_ctx.meter.advance();
    }
    return 0;
}

LocoSendOutcome LocoTransfer::SendLocoDatabase()
{
    m_lastSendResult = 0;
    int changes = 0;
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        const int st = m_table.status(i);
        changes += st == LocoTable::StatusChanged || st == LocoTable::StatusNew || st == LocoTable::StatusDeleted
                || m_table.value(i, LocoTable::FormatPending) == 1;
    }
    if (changes == 0)
        return LocoSendOutcome::NothingPending;
    TransferSession s(m_ctx, TransferSession::Direction::Send);
    s.about(LocoTable::Subject);
    s.counted(changes);
    // What reached the device, so that the table can say so once the whole send succeeded.
    std::vector<int> storedSlots;
    std::vector<int> storedFormats;
    const ReadBackNames names{LocoTable::RecordBytes, locoRecordFields(),
                              [this](int area, int) {
                                  const int slot = area - LocoTable::LocoDbAreaBase;
                                  const int a = m_table.address(slot);
                                  return a >= LocoTable::MinAddress && a <= LocoTable::MaxAddress
                                      ? QCoreApplication::translate("LocoTransfer", "Lok %1").arg(a)
                                      : QCoreApplication::translate("LocoTransfer", "Lokplatz %1").arg(slot);
                              },
                              QCoreApplication::translate("LocoTransfer", "Lok"), LocoTable::Layout.readOperation};
    const auto plan = [this] {
        m_ctx.meter.plan(ProgressMeter::Kind::Records, LocoTable::Layout.changedUnitText(), recordsToWrite(),
                         kLocoPages);
        if (recordsToNumber())
            m_ctx.meter.planIndex();
        m_ctx.meter.plan(ProgressMeter::Kind::Formats, formatUnit(), formatsToWrite());
    };
    const SendOutcome outcome = [&] {
        if (const auto end = s.openSend(QCoreApplication::translate("LocoTransfer", kTitle),
                                        QCoreApplication::translate("LocoTransfer", kStationTitle), {},
                                        [this] { m_table.prepareForOtherDevice(); }, plan))
            return *end;
        s.checkAfterSend(names);
        if (!s.run([this] { return ReadDatabaseIndex(m_ctx); }) || !writeRecords(s, storedSlots))
            return s.failSend();
        if (!writeFormats(s, storedFormats))
            return s.failSend();
        return s.endSend();
    }();
    m_lastSendResult = s.result();
    if (outcome == SendOutcome::Sent) {
        // The table now is what this station holds: the next send writes only what changes.
        m_table.station.belongTo(StoredSerial::of(s.stationIds()));
        for (int i : storedSlots) {
            m_table.markStored(i);
            m_table.station.takeRecord(m_table, i);
        }
        for (int i : storedFormats) {
            m_table.set(i, LocoTable::FormatPending, 0);
            m_table.station.takeFormat(m_table, i);
        }
        m_table.station.remember();
    }
    return outcome;
}

bool LocoTransfer::recordsToNumber() const
{
    // Changed and new records get a record number (the index follows); erased slots do not.
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        if (m_table.status(i) == LocoTable::StatusChanged || m_table.status(i) == LocoTable::StatusNew)
            return true;
    return false;
}

int LocoTransfer::recordsToWrite() const
{
    int toWrite = 0;
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        const int st = m_table.status(i);
        toWrite += (st == LocoTable::StatusChanged || st == LocoTable::StatusNew || st == LocoTable::StatusDeleted)
                           && m_table.address(i) != 0
                       ? 1
                       : 0;
    }
    return toWrite;
}

bool LocoTransfer::formatToWrite(int i) const
{
    return m_table.value(i, LocoTable::FormatPending) == 1
           && !(m_table.value(i, LocoTable::AddressLow) == 255 && m_table.value(i, LocoTable::AddressHigh) == 255);
}

int LocoTransfer::formatsToWrite() const
{
    int count = 0;
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        count += formatToWrite(i) ? 1 : 0;
    return count;
}

bool LocoTransfer::writeRecords(TransferSession& s, std::vector<int>& stored)
{
    bool written = false;
    m_ctx.meter.begin(ProgressMeter::Kind::Records, LocoTable::Layout.changedUnitText(), recordsToWrite());
    // Pass A: changed and deleted records; pass B: new records with their bookkeeping bytes.
    for (const int pass : {LocoTable::StatusChanged, LocoTable::StatusNew}) {
        for (int i = 0; i < LocoTable::SlotCount; ++i) {
            const int st = m_table.status(i);
            const bool deleted = pass == LocoTable::StatusChanged && st == LocoTable::StatusDeleted;
            if (st != pass && !deleted)
                continue;
            if (!deleted) {
                written = true;
                stampRecordId(m_table, i, nextRecordNumber(m_ctx), LocoTable::Layout.recordIdMarker);
                if (pass == LocoTable::StatusNew)
                    m_table.applyNewRecordValues(i);
            }
            if (m_table.address(i) == 0) {
                m_ctx.dialogs.messageBox(QCoreApplication::translate("LocoTransfer", "Lokadresse = 0 !"),
                                         MsgButtons::Ok, MsgIcon::Critical,
                                         QCoreApplication::translate("LocoTransfer", "Daten werden nicht gesichert!"));
                continue;
            }
            s.stepText(QCoreApplication::translate("LocoTransfer", " Lokdatensatz %1 schreiben").arg(i));
            if (!s.run([this, i] { return WriteLocoRecord(i); }))
                return false;
            stored.push_back(i);
        }
    }
    return !written || s.writeIndex();
}

bool LocoTransfer::writeFormats(TransferSession& s, std::vector<int>& stored)
{
    m_ctx.meter.begin(ProgressMeter::Kind::Formats, formatUnit(), formatsToWrite());
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        if (!formatToWrite(i))
            continue;
        s.stepText(formatWriteStep(m_table.address(i)));
        m_ctx.meter.atNext();
        if (!s.run([this, i] {
                return WriteLocoFormat(m_ctx, m_table.address(i), m_table.value(i, LocoTable::FormatCode),
                                       m_table.value(i, LocoTable::FormatParam));
            }))
            return false;
        stored.push_back(i);
        m_ctx.meter.advance();
    }
    return true;
}

int LocoTransfer::WriteLocoRecord(int slot)
{
    // The record fills its area alone, so nothing is loaded first; an erased slot is one page of
    // 255, whatever a loaded file left in the row.
    WriteSteps steps;
    steps.loadArea = false;
    steps.erasedPages = 1;
    const bool erase = m_table.status(slot) == LocoTable::StatusDeleted;
    return kx2::writeRecords(m_ctx, LocoTable::Layout, m_table,
                        {{slot, erase ? RecordWrite::Kind::Erased : RecordWrite::Kind::AsHeld}}, steps);
}

} // namespace kx2
