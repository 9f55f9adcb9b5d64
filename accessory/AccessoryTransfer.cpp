#include "accessory/AccessoryTransfer.h"

#include "accessory/AccessoryTable.h"
#include "records/DatabaseContext.h"
#include "records/DatabaseCommands.h"
#include "records/ProgressMeter.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>

namespace kx2 {

AccessoryTransfer::AccessoryTransfer(DatabaseContext& ctx, AccessoryTable& table, const AddressRange& range)
    : RangeTransfer(ctx, table, range, QCoreApplication::translate("AccessoryTransfer", "Magnetartikel"),
                    AccessoryTable::Subject)
    , m_accessories(table)
{
}

bool AccessoryTransfer::pending(int a) const
{
    return RangeTransfer::pending(a) || formatToWrite(a);
}

bool AccessoryTransfer::formatToWrite(int a) const
{
    // "default" leaves the choice to the command station; written, it would become Motorola.
    return m_accessories.value(a, AccessoryTable::FormatStatus) == 1
           && m_accessories.value(a, AccessoryTable::Format) != AccessoryTable::FormatDefault;
}

void AccessoryTransfer::markForReplacement(int a)
{
    RangeTransfer::markForReplacement(a);
    m_accessories.set(a, AccessoryTable::FormatStatus, 1);
}

bool AccessoryTransfer::afterRecordsRead(TransferSession& s)
{
    s.stepText(QCoreApplication::translate("AccessoryTransfer", " Magnetartikeldatenformat lesen"));
    return s.run([this] { return ReadAccessoryFormats(); });
}

int AccessoryTransfer::ReadAccessoryFormats()
{
    int toRead = 0;
    for (int a = m_range.first; a <= m_range.last; ++a)
        toRead += m_accessories.status(a) == status::Empty ? 0 : 1;
    m_ctx.meter.begin(ProgressMeter::Kind::Formats, formatUnit(), toRead);
    for (int a = m_range.first; a <= m_range.last; ++a) {
        if (m_accessories.status(a) == status::Empty)
            continue;
        m_ctx.progress.setText(QCoreApplication::translate("AccessoryTransfer", " Magdatenfrm. Adr. %1 lesen").arg(a));
        m_ctx.meter.atNext();
        const DataFormat read = ReadAccessoryFormat(m_ctx, a);
        if (read.result != 0)
            return read.result;
        m_accessories.set(a, AccessoryTable::Format, read.value);
        m_accessories.set(a, AccessoryTable::FormatStatus, 0);
        m_accessories.station.takeFormat(m_accessories, a);
        m_ctx.meter.advance();
    }
    return 0;
}

int AccessoryTransfer::formatsToWrite() const
{
    int toWrite = 0;
    for (int a = m_range.first; a <= m_range.last; ++a)
        toWrite += formatToWrite(a) ? 1 : 0;
    return toWrite;
}

QString AccessoryTransfer::formatUnit()
{
    return QCoreApplication::translate("AccessoryTransfer", "Datenformat");
}

QString AccessoryTransfer::formatWriteStep(int address)
{
    return QCoreApplication::translate("AccessoryTransfer", " Magdatenfrm. Adr. %1 schreiben").arg(address);
}

void AccessoryTransfer::planOwnReads()
{
    m_ctx.meter.planAtMost(ProgressMeter::Kind::Formats, formatUnit(), m_range.last - m_range.first + 1);
}

void AccessoryTransfer::planOwnWrites()
{
    m_ctx.meter.plan(ProgressMeter::Kind::Formats, formatUnit(), formatsToWrite());
}

bool AccessoryTransfer::afterRecordsWritten(TransferSession& s)
{
    m_ctx.meter.begin(ProgressMeter::Kind::Formats, formatUnit(), formatsToWrite());
    for (int a = m_range.first; a <= m_range.last; ++a) {
        if (!formatToWrite(a))
            continue;
        s.stepText(formatWriteStep(a));
        m_ctx.meter.atNext();
        DataFormat stored;
        if (!s.run([&] {
                stored = WriteAccessoryFormat(m_ctx, a, m_accessories.value(a, AccessoryTable::Format));
                return stored.result;
            }))
            return false;
        // What the command station stores: 15 or 143.
        m_accessories.set(a, AccessoryTable::Format, stored.value);
        m_ctx.meter.advance();
    }
    return true;
}

void AccessoryTransfer::settle(int a)
{
    RangeTransfer::settle(a);
    if (m_accessories.value(a, AccessoryTable::FormatStatus) == 1 && formatToWrite(a))
        m_accessories.station.takeFormat(m_accessories, a);
    m_accessories.set(a, AccessoryTable::FormatStatus, 0);
}

} // namespace kx2
