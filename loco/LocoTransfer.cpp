#include "loco/LocoTransfer.h"

#include "dbproto/DatabaseContext.h"
#include "dbproto/DbProtocol.h"
#include "dbproto/RecordAreas.h"
#include "dbproto/TransferSession.h"
#include "link/ResultText.h"
#include "loco/LocoTable.h"
#include "shell/UserDialogs.h"

#include <vector>

namespace kx2 {

namespace {
const QString kReadErrorTitle = QStringLiteral("Fehler beim Lesen der Datenbank");
const QString kWriteErrorTitle = QStringLiteral("Fehler beim Schreiben der Datenbank");
const QString kTitle = QStringLiteral("Lokomotiven");
const QString kStationTitle = QStringLiteral("Lokdaten");
constexpr int kLocoPages = 5;
} // namespace

LocoReadOutcome LocoTransfer::ReadLocoDatabase()
{
    m_table.markAllForDeviceRead();
    m_ctx.db.DbRecordCounter = -1;
    TransferSession s(m_ctx, TransferSession::Direction::Read);
    std::array<int, 4> ids{};
    if (s.connect()) {
        s.showProgress();
        s.openAccess();
    }
    const bool ok = s.readSerial(ids)
                    && s.run([&](int& r) { ReadLocoRecords(LocoTable::LocoDbAreaBase, LocoTable::SlotCount, kLocoPages, 0, r); })
                    && s.run([&](int& r) { ReadLocoFormats(r); })
                    && s.closeAccess();
    if (ok) {
        s.finish();
        return {0, true};
    }
    const int result = s.fail(kReadErrorTitle);
    return {result, result == rc::PortCannotOpen};
}

void LocoTransfer::ReadLocoRecords(int firstArea, int count, int pages, int expectedFlags, int& result)
{
    const DatabaseLayout& layout = LocoTable::Layout;
    DbProtocol& db = m_ctx.db;
    for (int row = 0; row < count; ++row) {
        m_ctx.progress.setText(QStringLiteral(" Lokdatensatz ") + QString::number(row) + QStringLiteral(" lesen"));
        db.DataFlashRead(firstArea + row, result);
        if (result != 0) {
            result += layout.readOperation;
            return;
        }
        db.ReadRecord(0, result);
        if (result != 0) {
            result += layout.readOperation;
            return;
        }
        db.CopyReplyToTable(row, 0, m_table);
        if ((m_table.value(row, LocoTable::RecordIdHigh) & 252) != expectedFlags) {
            m_table.markSlotEmpty(row);
            continue;
        }
        for (int k = 1; k < pages; ++k) {
            db.ReadRecord(16 * k, result);
            if (result != 0) {
                result += layout.readOperation;
                return;
            }
            db.CopyReplyToTable(row, 16 * k, m_table);
        }
        m_table.setStatus(row, LocoTable::StatusUnchanged);
    }
    result = 0;
}

void LocoTransfer::ReadLocoFormats(int& result)
{
    for (int row = 0; row < LocoTable::Rows; ++row) {
        if (m_table.status(row) == LocoTable::StatusEmpty)
            continue;
        const int a = m_table.address(row);
        m_ctx.progress.setText(QStringLiteral(" Lokdatenfrm. Adr. ") + QString::number(a) + QStringLiteral(" lesen"));
        int code = 0;
        int value = 0;
        m_ctx.db.ReadLocoFormat(a, code, value, result);
        if (result != 0)
            return;
        m_table.set(row, LocoTable::FormatCode, code);
        m_table.set(row, LocoTable::FormatParam, value);
    }
}

LocoSendOutcome LocoTransfer::SendLocoDatabase()
{
    LocoTable& table = m_table;
    DbProtocol& db = m_ctx.db;
    m_lastSendResult = 0;

    bool pending = false;
    for (int i = 0; i < LocoTable::SlotCount && !pending; ++i) {
        const int s = table.status(i);
        pending = s == LocoTable::StatusChanged || s == LocoTable::StatusNew || s == LocoTable::StatusDeleted
                  || table.value(i, LocoTable::FormatPending) == 1;
    }
    if (!pending)
        return LocoSendOutcome::NothingPending;
    if (!TransferSession::askStoreChanges(m_ctx, kTitle))
        return LocoSendOutcome::Declined;

    TransferSession s(m_ctx, TransferSession::Direction::Send);
    const auto fail = [&] {
        m_lastSendResult = s.fail(kWriteErrorTitle);
        return LocoSendOutcome::Failed;
    };
    if (!s.connect())
        return fail();
    s.showProgress();
    std::array<int, 4> ids{};
    if (!s.openAccess() || !s.readSerial(ids))
        return fail();
    switch (s.checkStation(ids, kStationTitle)) {
    case TransferSession::Station::Declined:
        return LocoSendOutcome::OtherDeviceDeclined;
    case TransferSession::Station::Replace:
        table.prepareForOtherDevice();
        break;
    case TransferSession::Station::Same:
        break;
    }
    if (!s.run([&](int& r) { db.ReadDatabaseIndex(r); }))
        return fail();

    bool written = false;
    // What reached the device, so that the table can say so once the whole send succeeded.
    std::vector<int> storedSlots;
    std::vector<int> storedFormats;
    const auto writeSlot = [&](int i, int& r) {
        if (table.address(i) != 0) {
            m_ctx.progress.setText(QStringLiteral(" Lokdatensatz ") + QString::number(i) + QStringLiteral(" schreiben"));
            WriteLocoRecord(LocoTable::LocoDbAreaBase, i, r);
            if (r == 0)
                storedSlots.push_back(i);
        } else {
            m_ctx.dialogs.messageBox(QStringLiteral("Lokadresse = 0 !"), MsgButtons::Ok, MsgIcon::Critical,
                                     QStringLiteral("Daten werden nicht gesichert!"));
        }
    };
    // Pass A: changed and deleted records; pass B: new records with their bookkeeping bytes.
    for (const int pass : {LocoTable::StatusChanged, LocoTable::StatusNew}) {
        for (int i = 0; i < LocoTable::SlotCount; ++i) {
            const int st = table.status(i);
            const bool deleted = pass == LocoTable::StatusChanged && st == LocoTable::StatusDeleted;
            if (st != pass && !deleted)
                continue;
            if (!deleted) {
                written = true;
                db.DbRecordCounter += 1;
                StampRecordId(table, i, db.DbRecordCounter, LocoTable::Layout.recordIdMarker);
                if (pass == LocoTable::StatusNew)
                    table.applyNewRecordValues(i);
            }
            if (!s.run([&](int& r) { writeSlot(i, r); }))
                return fail();
        }
    }
    if (written) {
        s.stepText(QStringLiteral(" Datenbank Index schreiben"));
        // Without the counter the next send would reuse record numbers: a failure counts.
        if (!s.run([&](int& r) { db.WriteDatabaseIndex(db.DbRecordCounter, r); }))
            return fail();
    }
    // Pass C: pending data formats.
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        if (table.value(i, LocoTable::FormatPending) != 1)
            continue;
        if (table.value(i, LocoTable::AddressLow) == 255 && table.value(i, LocoTable::AddressHigh) == 255)
            continue;
        if (!s.run([&](int& r) {
                db.WriteLocoFormat(table.address(i), table.value(i, LocoTable::FormatCode),
                                   table.value(i, LocoTable::FormatParam), r);
            }))
            return fail();
        storedFormats.push_back(i);
    }
    // A failing close is reported too: the records are written, but the user should know.
    if (!s.closeAccess())
        return fail();

    // The table now is what this station holds: the next send writes only what changes from
    // here, and does not take the station for a stranger again.
    for (int i : storedSlots)
        table.markStored(i);
    for (int i : storedFormats)
        table.set(i, LocoTable::FormatPending, 0);
    s.adoptStation(ids);
    s.finish();
    return LocoSendOutcome::Sent;
}

void LocoTransfer::WriteLocoRecord(int areaBase, int slot, int& result)
{
    DbProtocol& db = m_ctx.db;
    const int writeOperation = LocoTable::Layout.writeOperation;
    const bool erase = m_table.status(slot) == LocoTable::StatusDeleted;
    // An erased slot is one page of 255, whatever a loaded file left in the row.
    for (int k = 0; k < (erase ? 1 : LocoTable::Layout.pagesPerRecord); ++k) {
        if (erase)
            db.ClearWriteBuffer();
        else
            db.CopyTableToWriteBuffer(slot, 16 * k, m_table);
        db.WriteRecord(16 * k, result);
        if (result != 0) {
            result += writeOperation;
            return;
        }
    }
    db.DataFlashWrite(areaBase + slot, result);
    if (result != 0) {
        result += writeOperation;
        return;
    }
    result = 0;
}

} // namespace kx2
