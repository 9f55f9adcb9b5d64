#include "loco/LocoTransfer.h"

#include "dbproto/DbProtocol.h"
#include "link/ResultText.h"
#include "loco/LocoTable.h"
#include "shell/AppContext.h"

#include <vector>

namespace kx2 {

namespace {
const char* const kReadErrorTitle = "Fehler beim Lesen der Datenbank";
const char* const kWriteErrorTitle = "Fehler beim Schreiben der Datenbank";
constexpr int kOpReadLongData = 210000;
constexpr int kOpWriteLongData = 220000;
constexpr int kLocoPages = 5;

// A serial read whose exchange failed (a time-out, a send error) reports its own operation, so
// that the message names the step: "Seriennummer lesen:".
int serialReadFailure(int result)
{
    return result < dbrc::OpSerial ? result + dbrc::OpSerial : result;
}
} // namespace

void LocoTransfer::step(const char* text)
{
    m_ctx.platform.progress.setText(QString::fromUtf8(text));
}

void LocoTransfer::closeAccess()
{
    int ignored = 0;
    m_ctx.db.EndBootloader(ignored);
}

LocoReadOutcome LocoTransfer::ReadLocoDatabase()
{
    LocoTable& table = m_ctx.loco;
    Platform& p = m_ctx.platform;
    table.markAllForDeviceRead();
    m_ctx.db.DbRecordCounter = -1;
    p.mainControls.DisableMainControls();

    int result = 0;
    bool accessOpen = false;
    m_ctx.iface.ConnectInterface(result);
    if (result == 0) {
        p.progress.show();
        step(" Datenbank öffnen");
        m_ctx.db.StartBootloader(result);
    }
    if (result == 0) {
        accessOpen = true;
        m_ctx.link.clearRing();
        m_ctx.link.Pause(1);
        m_ctx.db.DisplayClear(result);
        if (result == 0)
            m_ctx.db.DisplaySetCursor(10, 50, result);
        if (result == 0)
            m_ctx.db.DisplayWriteText(QStringLiteral("Datenbank lesen"), result);
    }
    if (result == 0) {
        step(" Seriennummer lesen");
        double serial = 0;
        int ids[4] = {0, 0, 0, 0};
        m_ctx.db.ReadSerialNumber(serial, ids[0], ids[1], ids[2], ids[3], result);
        // Without the identity a table cannot be told apart from another station's: the read
        // fails rather than leave a table that a later send would take for a stranger's.
        for (int k = 0; k < 4; ++k)
            m_ctx.storedSerial.set(k + 1, result == 0 ? std::optional<int>(ids[k]) : std::nullopt);
        if (result != 0)
            result = serialReadFailure(result);
    }
    if (result == 0)
        ReadLocoRecords(LocoTable::LocoDbAreaBase, LocoTable::SlotCount, kLocoPages, 0, result);
    if (result == 0)
        ReadLocoFormats(result);
    if (result == 0) {
        step(" Datenbank schließen");
        m_ctx.link.Pause(0.5);
        accessOpen = false;
        m_ctx.db.EndBootloader(result);
    }
    if (result == 0) {
        step(" fertig!");
        p.mainControls.EnableMainControls();
        m_ctx.link.Pause(0.5);
        p.progress.hide();
        m_ctx.iface.ClosePort();
        return {0, true};
    }

    // Failure: say what went wrong, leave the table as far as it got, and leave the command
    // station and the port closed behind us. The progress window keeps showing the step that
    // failed until the user closes it or the next transfer starts.
    p.dialogs.messageBox(ResultText(result), MsgButtons::Ok, MsgIcon::Critical, QString::fromUtf8(kReadErrorTitle));
    if (accessOpen)
        closeAccess();
    p.mainControls.EnableMainControls();
    m_ctx.iface.ClosePort();
    return {result, result == rc::PortCannotOpen};
}

void LocoTransfer::ReadLocoRecords(int firstArea, int count, int pages, int expectedFlags, int& result)
{
    LocoTable& table = m_ctx.loco;
    DbProtocol& db = m_ctx.db;
    const int last = firstArea + count - 1;
    int row = -1;
    for (int area = firstArea; area <= last; ++area) {
        ++row;
        m_ctx.platform.progress.setText(QStringLiteral(" Lokdatensatz ") + QString::number(row) + QStringLiteral(" lesen"));
        db.DataFlashRead(area, result);
        if (result != 0) {
            result += kOpReadLongData;
            return;
        }
        db.ReadRecord(0, result);
        if (result != 0) {
            result += kOpReadLongData;
            return;
        }
        db.CopyReplyToTable(row, 0, table);
        if ((table.value(row, LocoTable::RecordIdHigh) & 252) != expectedFlags) {
            table.markSlotEmpty(row);
            continue;
        }
        for (int k = 1; k < pages; ++k) {
            db.ReadRecord(16 * k, result);
            if (result != 0) {
                result += kOpReadLongData;
                return;
            }
            db.CopyReplyToTable(row, 16 * k, table);
        }
        table.setStatus(row, LocoTable::StatusUnchanged);
    }
    result = 0;
}

void LocoTransfer::ReadLocoFormats(int& result)
{
    LocoTable& table = m_ctx.loco;
    for (int row = 0; row <= 500; ++row) {
        if (table.status(row) == LocoTable::StatusEmpty)
            continue;
        const int a = table.address(row);
        m_ctx.platform.progress.setText(QStringLiteral(" Lokdatenfrm. Adr. ") + QString::number(a) + QStringLiteral(" lesen"));
        int code = 0;
        int value = 0;
        m_ctx.db.ReadLocoFormat(a, code, value, result);
        if (result != 0)
            return;
        table.set(row, LocoTable::FormatCode, code);
        table.set(row, LocoTable::FormatParam, value);
    }
}

LocoSendOutcome LocoTransfer::SendLocoDatabase()
{
    LocoTable& table = m_ctx.loco;
    Platform& p = m_ctx.platform;
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

    if (p.dialogs.messageBox(QStringLiteral("Sollen die geänderten Datensätze in der ") + QStringLiteral("TQ7")
                                 + QStringLiteral(" gespeichert werden?"),
                             MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Lokomotiven"))
        != MsgAnswer::Yes)
        return LocoSendOutcome::Declined;

    int result = 0;
    bool accessOpen = false;
    const auto fail = [&]() {
        m_lastSendResult = result;
        p.dialogs.messageBox(ResultText(result), MsgButtons::Ok, MsgIcon::Critical, QString::fromUtf8(kWriteErrorTitle));
        if (accessOpen)
            closeAccess();
        m_ctx.iface.ClosePort();
        return LocoSendOutcome::Failed;
    };

    m_ctx.iface.ConnectInterface(result);
    if (result != 0)
        return fail();
    p.progress.show();
    step(" Datenbank öffnen");
    db.StartBootloader(result);
    if (result != 0)
        return fail();
    accessOpen = true;
    m_ctx.link.clearRing();
    m_ctx.link.Pause(1);
    db.DisplayClear(result);
    if (result == 0)
        db.DisplaySetCursor(10, 50, result);
    if (result == 0)
        db.DisplayWriteText(QStringLiteral("Datenbank schreiben"), result);
    if (result != 0)
        return fail();

    step(" Seriennummer lesen");
    double serial = 0;
    int ids[4] = {-1, -1, -1, -1};
    db.ReadSerialNumber(serial, ids[0], ids[1], ids[2], ids[3], result);
    // A lost answer says nothing about which station this is; taking it for another one would
    // renumber and rewrite the whole database.
    if (result != 0) {
        result = serialReadFailure(result);
        return fail();
    }
    bool sameDevice = true;
    for (int k = 0; k < 4 && sameDevice; ++k)
        sameDevice = m_ctx.storedSerial.value(k + 1) == ids[k];
    if (!sameDevice) {
        const QChar cr(13);
        const QString question = QStringLiteral("Die Daten sind aus einer anderen ") + QStringLiteral("TQ7") + QStringLiteral("!")
                                 + cr + QStringLiteral("Sollen die Datensätze in dieser ") + QStringLiteral("TQ7")
                                 + QStringLiteral(" gespeichert werden") + cr
                                 + QStringLiteral("und alle vorhandenen Datensätze gelöscht werden!");
        if (p.dialogs.messageBox(question, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Lokdaten")) != MsgAnswer::Yes) {
            p.progress.hide();
            closeAccess();
            m_ctx.iface.ClosePort();
            return LocoSendOutcome::OtherDeviceDeclined;
        }
        table.prepareForOtherDevice();
    }

    db.ReadDatabaseIndex(result);
    if (result != 0)
        return fail();
    bool written = false;
    // What reached the device, so that the table can say so once the whole send succeeded.
    std::vector<int> storedSlots;
    std::vector<int> storedFormats;

    const auto stampRecordId = [&](int i) {
        db.DbRecordCounter += 1;
        const auto c = static_cast<unsigned long long>(db.DbRecordCounter) & 0xFFFFFFFFull;
        table.set(i, 0, int(c & 255));
        table.set(i, 1, int((c >> 8) & 255));
        table.set(i, 2, int((c >> 16) & 255));
        table.set(i, 3, int(c >> 24));
    };
    const auto writeSlot = [&](int i) {
        if (table.address(i) != 0) {
            m_ctx.platform.progress.setText(QStringLiteral(" Lokdatensatz ") + QString::number(i) + QStringLiteral(" schreiben"));
            WriteLocoRecord(LocoTable::LocoDbAreaBase, i, result);
            if (result == 0)
                storedSlots.push_back(i);
        } else {
            p.dialogs.messageBox(QStringLiteral("Lokadresse = 0 !"), MsgButtons::Ok, MsgIcon::Critical,
                                 QStringLiteral("Daten werden nicht gesichert!"));
        }
    };

    // Pass A: changed and deleted records.
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        const int s = table.status(i);
        if (s != LocoTable::StatusChanged && s != LocoTable::StatusDeleted)
            continue;
        if (s == LocoTable::StatusChanged) {
            written = true;
            stampRecordId(i);
        }
        writeSlot(i);
        if (result != 0)
            return fail();
    }
    // Pass B: new records.
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        if (table.status(i) != LocoTable::StatusNew)
            continue;
        written = true;
        stampRecordId(i);
        table.applyNewRecordValues(i);
        writeSlot(i);
        if (result != 0)
            return fail();
    }
    if (written) {
        step(" Datenbank Index schreiben");
        db.WriteDatabaseIndex(db.DbRecordCounter, result);
        // Without the counter the next send would reuse record numbers: a failure counts.
        if (result != 0)
            return fail();
    }
    // Pass C: pending data formats.
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        if (table.value(i, LocoTable::FormatPending) != 1)
            continue;
        if (table.value(i, LocoTable::AddressLow) == 255 && table.value(i, LocoTable::AddressHigh) == 255)
            continue;
        db.WriteLocoFormat(table.address(i), table.value(i, LocoTable::FormatCode), table.value(i, LocoTable::FormatParam),
                           result);
        if (result != 0)
            return fail();
        storedFormats.push_back(i);
    }

    step(" Datenbank schließen");
    m_ctx.link.Pause(0.5);
    accessOpen = false;
    db.EndBootloader(result);
    m_ctx.iface.ClosePort();
    if (result != 0) {
        // The records are written; only closing the access failed. Say so all the same.
        return fail();
    }
    // The table now is what this station holds: the next send writes only what changes from
    // here, and does not take the station for a stranger again.
    for (int i : storedSlots)
        table.markStored(i);
    for (int i : storedFormats)
        table.set(i, LocoTable::FormatPending, 0);
    for (int k = 0; k < 4; ++k)
        m_ctx.storedSerial.set(k + 1, ids[k]);
    step(" fertig!");
    m_ctx.link.Pause(0.5);
    p.progress.hide();
    return LocoSendOutcome::Sent;
}

void LocoTransfer::WriteLocoRecord(int areaBase, int slot, int& result)
{
    LocoTable& table = m_ctx.loco;
    DbProtocol& db = m_ctx.db;
    // An erased slot is one page of 255, whatever a loaded file left in the row.
    if (table.status(slot) == LocoTable::StatusDeleted)
        db.ClearWriteBuffer();
    else
        db.CopyTableToWriteBuffer(slot, 0, table);
    db.WriteRecord(0, result);
    if (result != 0) {
        result += kOpWriteLongData;
        return;
    }
    if (table.status(slot) != LocoTable::StatusDeleted) {
        for (int k = 1; k <= 4; ++k) {
            db.CopyTableToWriteBuffer(slot, 16 * k, table);
            db.WriteRecord(16 * k, result);
            if (result != 0) {
                result += kOpWriteLongData;
                return;
            }
        }
    }
    db.DataFlashWrite(areaBase + slot, result);
    if (result != 0) {
        result += kOpWriteLongData;
        return;
    }
    result = 0;
}

} // namespace kx2
