#include "dbproto/RangeTransfer.h"

#include "dbproto/DatabaseContext.h"
#include "dbproto/DbProtocol.h"
#include "dbproto/RangeRecordTable.h"
#include "dbproto/RecordAreas.h"
#include "link/ResultText.h"

namespace kx2 {

namespace {
const QString kReadErrorTitle = QStringLiteral("Fehler beim Lesen der Datenbank");
const QString kWriteErrorTitle = QStringLiteral("Fehler beim Schreiben der Datenbank");
} // namespace

void RangeTransfer::readRecords(int& result)
{
    ReadRecordAreas(m_ctx, m_table.layout(), m_table, m_range.first, m_range.last, result);
}

void RangeTransfer::writeRecords(bool& anyWritten, int& result)
{
    WriteRecordAreas(m_ctx, m_table.layout(), m_table, m_range.first, m_range.last, anyWritten, result);
}

bool RangeTransfer::pending(int a) const
{
    return m_table.status(a) == status::Changed;
}

void RangeTransfer::markForReplacement(int a)
{
    m_table.set(a, RangeRecordTable::Status, status::Changed);
}

void RangeTransfer::settle(int a)
{
    if (m_table.status(a) == status::Changed)
        m_table.set(a, RangeRecordTable::Status, status::Unchanged);
}

ReadOutcome RangeTransfer::read()
{
    m_table.markAllForDeviceRead();
    m_ctx.db.DbRecordCounter = -1;
    TransferSession s(m_ctx, TransferSession::Direction::Read);
    std::array<int, 4> ids{};
    if (s.connect()) {
        s.showProgress();
        s.openAccess();
    }
    if (s.readSerial(ids) && s.run([&](int& r) { readRecords(r); }) && afterRecordsRead(s) && s.closeAccess()) {
        s.finish();
        return {0, true};
    }
    const int result = s.fail(kReadErrorTitle);
    return {result, result == rc::PortCannotOpen};
}

SendOutcome RangeTransfer::send()
{
    m_lastSendResult = 0;
    bool any = false;
    for (int a = m_range.first; a <= m_range.last && !any; ++a)
        any = pending(a);
    if (!any)
        return SendOutcome::NothingPending;
    if (!TransferSession::askStoreChanges(m_ctx, m_title))
        return SendOutcome::Declined;

    TransferSession s(m_ctx, TransferSession::Direction::Send);
    const auto fail = [&] {
        m_lastSendResult = s.fail(kWriteErrorTitle);
        return SendOutcome::Failed;
    };
    if (!s.connect())
        return fail();
    s.showProgress();
    std::array<int, 4> ids{};
    if (!afterConnect(s) || !s.openAccess() || !s.readSerial(ids))
        return fail();
    switch (s.checkStation(ids, m_title)) {
    case TransferSession::Station::Declined:
        return SendOutcome::OtherDeviceDeclined;
    case TransferSession::Station::Replace:
        for (int a = m_range.first; a <= m_range.last; ++a)
            markForReplacement(a);
        break;
    case TransferSession::Station::Same:
        break;
    }
    bool anyWritten = false;
    if (!s.run([&](int& r) { writeRecords(anyWritten, r); }))
        return fail();
    if (anyWritten) {
        s.stepText(QStringLiteral(" Datenbank Index schreiben"));
        // Without the counter the next send would reuse record numbers: a failure counts.
        if (!s.run([&](int& r) { m_ctx.db.WriteDatabaseIndex(m_ctx.db.DbRecordCounter, r); }))
            return fail();
    }
    if (!afterRecordsWritten(s) || !s.closeAccess(closePause()))
        return fail();
    for (int a = m_range.first; a <= m_range.last; ++a)
        settle(a);
    s.adoptStation(ids);
    s.finish();
    return SendOutcome::Sent;
}

} // namespace kx2
