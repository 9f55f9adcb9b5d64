#include "records/RangeTransfer.h"

#include "records/DatabaseContext.h"
#include "dbproto/DbProtocol.h"
#include "records/ProgressMeter.h"
#include "records/RangeRecordTable.h"
#include "records/ReadBack.h"
#include "records/RecordAreas.h"
#include "records/StoredSerial.h"
#include "link/ResultText.h"

#include <QCoreApplication>

namespace kx2 {

std::vector<RecordField> rangeRecordFields()
{
    return {{0, 3, QCoreApplication::translate("RangeTransfer", "Datensatznummer"), false},
            {4, 27, QCoreApplication::translate("RangeTransfer", "Name"), true, {}, RangeRecordTable::RecordBytes - 1},
            // Byte 31, the highest of the field, holds the code the symbol is shown from.
            {RangeRecordTable::SymbolChosen1, RangeRecordTable::SymbolCode,
             QCoreApplication::translate("RangeTransfer", "Symbol"), false, [](unsigned long long v) {
                 const int code = int(v >> 24);
                 return code > 5 && code < 57 ? QString::number(code / 2 - 2) : QStringLiteral("-");
             }}};
}

ReadBackNames RangeTransfer::readBackNames() const
{
    const DatabaseLayout& layout = m_table.layout();
    const QString unit = layout.countUnitText();
    ReadBackNames names{layout.recordBytes(),
                        rangeRecordFields(),
                        [layout, unit](int area, int slot) {
                            return unit + QLatin1Char(' ')
                                   + QString::number((area - layout.firstArea) * layout.recordsPerArea + slot + 1);
                        },
                        unit, layout.readOperation};
    return names;
}

double RangeTransfer::recordExchanges() const
{
    // Its pages and its share of the area's load.
    const DatabaseLayout& layout = m_table.layout();
    return layout.pagesPerRecord + 1.0 / layout.recordsPerArea;
}

int RangeTransfer::readRecords()
{
    return readRecordAreas(m_ctx, m_table.layout(), m_table, m_range.first, m_range.last);
}

int RangeTransfer::writeRecords()
{
    return writeRecordAreas(m_ctx, m_table.layout(), m_table, m_range.first, m_range.last);
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
    if (m_table.status(a) == status::Changed) {
        m_table.set(a, RangeRecordTable::Status, status::Unchanged);
        m_table.station.takeRecord(m_table, a);
    }
}

ReadOutcome RangeTransfer::read()
{
    m_table.markAllForDeviceRead();
    m_ctx.db.forgetRecordCounter();
    TransferSession s(m_ctx, TransferSession::Direction::Read);
    s.about(m_subject);
    s.counted(m_range.last - m_range.first + 1);
    m_ctx.meter.plan(ProgressMeter::Kind::Records, m_table.layout().countUnitText(), m_range.last - m_range.first + 1,
                     recordExchanges());
    planOwnReads();
    const bool opened = s.openRead();
    // The addresses outside the range stay as this station last showed them.
    if (opened)
        m_table.station.belongTo(StoredSerial::of(s.stationIds()));
    const bool recordsRead = opened && s.run([this] { return readRecords(); });
    // What was read is what the station holds, also when the read stops later.
    for (int a = m_range.first; a <= m_range.last; ++a)
        if (m_table.status(a) != status::Empty)
            m_table.station.takeRecord(m_table, a);
    const ReadOutcome outcome = s.endRead(recordsRead && afterRecordsRead(s));
    if (opened)
        m_table.station.remember();
    return outcome;
}

SendOutcome RangeTransfer::send()
{
    m_lastSendResult = 0;
    int changes = 0;
    for (int a = m_range.first; a <= m_range.last; ++a)
        changes += pending(a) ? 1 : 0;
    if (changes == 0)
        return SendOutcome::NothingPending;
    TransferSession s(m_ctx, TransferSession::Direction::Send);
    s.about(m_subject);
    s.counted(changes);
    const ReadBackNames names = readBackNames();
    const auto records = [this] { return countRecordsToWrite(m_table.layout(), m_table, m_range.first, m_range.last); };
    const auto plan = [&] {
        const int n = records();
        m_ctx.meter.plan(ProgressMeter::Kind::Records, m_table.layout().changedUnitText(), n, recordExchanges());
        if (n > 0)
            m_ctx.meter.planIndex();
        planOwnWrites();
    };
    const SendOutcome outcome = [&] {
        if (const auto end = s.openSend(
                m_title, m_title, [&] { return afterConnect(s); },
                [&] {
                    // What was known of a station was known of the other one.
                    m_table.station.forget();
                    for (int a = m_range.first; a <= m_range.last; ++a)
                        markForReplacement(a);
                },
                plan))
            return *end;
        s.checkAfterSend(names);
        const int toWrite = records();
        if (!s.run([this] { return writeRecords(); }))
            return s.failSend();
        // Every record written got a new number.
        if ((toWrite > 0 && !s.writeIndex()) || !afterRecordsWritten(s))
            return s.failSend();
        return s.endSend(closePause());
    }();
    m_lastSendResult = s.result();
    if (outcome == SendOutcome::Sent) {
        m_table.station.belongTo(StoredSerial::of(s.stationIds()));
        for (int a = m_range.first; a <= m_range.last; ++a)
            settle(a);
        m_table.station.remember();
    }
    return outcome;
}

} // namespace kx2
