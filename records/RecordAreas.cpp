#include "records/PageCopy.h"
#include "records/RecordAreas.h"

#include "records/DatabaseContext.h"
#include "records/DatabaseLayout.h"
#include "dbproto/DbProtocol.h"
#include "records/ProgressMeter.h"
#include "records/RecordTable.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

// The slots of area p that the range first..last covers.
struct AreaSlots {
    int firstSlot;
    int lastSlot;
};

AreaSlots slotsOf(const DatabaseLayout& layout, int p, int first, int last)
{
    const int n = layout.recordsPerArea;
    return {p == layout.areaIndexOf(first) ? layout.slotOf(first) : 0,
            p == layout.areaIndexOf(last) ? layout.slotOf(last) : n - 1};
}

QString areaText(const DatabaseLayout& layout, int p, const AreaSlots& s, const char* what)
{
    return layout.areaCaptionText() + QString::number(p * layout.recordsPerArea + s.firstSlot + 1)
        + QCoreApplication::translate("RecordAreas", what);
}

} // namespace

void stampRecordId(RecordTable& table, int row, uint32_t counter, int marker)
{
    table.set(row, 0, int(counter & 255));
    table.set(row, 1, int((counter >> 8) & 255));
    table.set(row, 2, int((counter >> 16) & 255));
    table.set(row, 3, int(((counter >> 24) + unsigned(marker)) & 255));
}

int readRecordPages(DatabaseContext& ctx, int offset, int from, int to, RecordTable& table, int row)
{
    Q_ASSERT(from >= 0 && from <= to && to <= 16);
    for (int page = from; page < to; ++page) {
        const DbProtocol::PageRead read = ctx.db.ReadRecord(offset + 16 * page);
        if (read.result != 0)
            return read.result;
        CopyReplyToTable(read.page, row, 16 * page, table);
    }
    return 0;
}

int readWholeRecord(DatabaseContext& ctx, int offset, int pages, RecordTable& table, int row)
{
    if (const int r = readRecordPages(ctx, offset, 0, 1, table, row))
        return r;
    if (ctx.quickRead && !recordWritten(table, row, 16)) {
        for (int b = 16; b < 16 * pages; ++b)
            table.set(row, b, 255);
        return 0;
    }
    return readRecordPages(ctx, offset, 1, pages, table, row);
}

bool recordWritten(const RecordTable& table, int row, int count)
{
    for (int b = 0; b < count; ++b)
        if (table.value(row, b) != 255)
            return true;
    return false;
}

int storeArea(DatabaseContext& ctx, int area, int records)
{
    const int r = ctx.db.DataFlashWrite(area);
    if (r == 0)
        ctx.meter.advance(records);
    else if (ctx.db.lastStoreUnanswered())
        ctx.meter.maybeDone(records);
    return r;
}

int readRecordAreas(DatabaseContext& ctx, const DatabaseLayout& layout, RecordTable& table, int first, int last)
{
    DbProtocol& db = ctx.db;
    const int bytes = layout.recordBytes();
    ctx.meter.begin(ProgressMeter::Kind::Records, layout.countUnitText(), last - first + 1);
    for (int p = layout.areaIndexOf(first); p <= layout.areaIndexOf(last); ++p) {
        const AreaSlots s = slotsOf(layout, p, first, last);
        ctx.progress.setText(areaText(layout, p, s, QT_TRANSLATE_NOOP("RecordAreas", " lesen")));
        // The count names the record under way: over the whole range its address, as the step
        // text ("ab Adr.: 17") does.
        ctx.meter.atNext();
        if (const int r = db.DataFlashRead(layout.firstArea + p))
            return r + layout.readOperation;
        for (int slot = s.firstSlot; slot <= s.lastSlot; ++slot) {
            const int address = p * layout.recordsPerArea + slot + 1;
            ctx.meter.atNext();
            if (const int r = readWholeRecord(ctx, bytes * slot, layout.pagesPerRecord, table, address))
                return r + layout.readOperation;
            table.set(address, layout.statusColumn, status::Unchanged);
            ctx.meter.advance();
        }
    }
    return 0;
}

int countRecordsToWrite(const DatabaseLayout& layout, const RecordTable& table, int first, int last)
{
    int toWrite = 0;
    for (int a = first; a <= last; ++a)
        toWrite += table.value(a, layout.statusColumn) == status::Changed ? 1 : 0;
    return toWrite;
}

int writeRecordAreas(DatabaseContext& ctx, const DatabaseLayout& layout, RecordTable& table, int first, int last)
{
    ctx.meter.begin(ProgressMeter::Kind::Records, layout.changedUnitText(),
                    countRecordsToWrite(layout, table, first, last));
    // The changed records alone, numbered anew. Their areas are loaded first, so that every other
    // record in them keeps what the station holds, whatever the table shows of it: a record that
    // only shares an area with a change is not the user's to send.
    // A record the table holds as never written (a file's, all bytes 255) stays so on the station:
    // erased, not given a number that would make it a written one.
    std::vector<RecordWrite> writes;
    for (int a = first; a <= last; ++a)
        if (table.value(a, layout.statusColumn) == status::Changed)
            writes.push_back({a, recordWritten(table, a, layout.recordBytes()) ? RecordWrite::Kind::Numbered
                                                                                : RecordWrite::Kind::Erased});
    WriteSteps steps;
    steps.areaStep = writingStep(ctx, layout);
    return writeRecords(ctx, layout, table, writes, steps);
}

std::function<void(int row)> writingStep(DatabaseContext& ctx, const DatabaseLayout& layout)
{
    return [&ctx, &layout](int row) {
        ctx.progress.setText(layout.areaCaptionText() + QString::number(row)
                             + QCoreApplication::translate("RecordAreas", " schreiben"));
    };
}

int writeRecords(DatabaseContext& ctx, const DatabaseLayout& layout, RecordTable& table,
                 const std::vector<RecordWrite>& writes, const WriteSteps& steps)
{
    DbProtocol& db = ctx.db;
    Q_ASSERT(layout.pagesPerRecord >= 1 && layout.pagesPerRecord <= 16);
    Q_ASSERT(steps.erasedPages >= 0 && steps.erasedPages <= layout.pagesPerRecord);
    for (size_t first = 0; first < writes.size();) {
        const int area = layout.areaOfRow(writes[first].row);
        size_t end = first;
        while (end < writes.size() && layout.areaOfRow(writes[end].row) == area)
            ++end;
        for (size_t i = first; i < end; ++i)
            if (writes[i].kind == RecordWrite::Kind::Numbered)
                stampRecordId(table, writes[i].row, db.nextRecordNumber(), layout.recordIdMarker);
        // The step names the area (or its first record) before it is loaded, and the count the
        // record under way.
        if (const auto& step = steps.areaStep ? steps.areaStep : steps.recordStep)
            step(writes[first].row);
        ctx.meter.atNext();
        if (steps.loadArea)
            if (const int r = db.DataFlashRead(area))
                return r + layout.writeOperation;
        for (size_t i = first; i < end; ++i) {
            const RecordWrite& w = writes[i];
            Q_ASSERT(w.row >= layout.firstRow && w.row < layout.rows);
            if (steps.recordStep)
                steps.recordStep(w.row);
            ctx.meter.atNext(int(i - first));
            const bool erase = w.kind == RecordWrite::Kind::Erased;
            const int pages = erase && steps.erasedPages > 0 ? steps.erasedPages : layout.pagesPerRecord;
            for (int page = 0; page < pages; ++page) {
                const int offset = layout.offsetOfRow(w.row) + 16 * page;
                if (const int r = db.WriteRecord(offset, erase ? DbProtocol::ErasedPage
                                                               : CopyTableToWriteBuffer(table, w.row, 16 * page)))
                    return r + layout.writeOperation;
            }
        }
        if (const int r = storeArea(ctx, area, int(end - first)))
            return r + layout.writeOperation;
        first = end;
    }
    return 0;
}

} // namespace kx2
