#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace kx2 {

class RecordTable;
struct DatabaseContext;
struct DatabaseLayout;

// The record number `counter` in bytes 0..3 of a row, least significant byte first, with the
// database's marker added to byte 3 (128 accessories, 160 feedback contacts, 0 locomotives).
void stampRecordId(RecordTable& table, int row, uint32_t counter, int marker);

// Pages from..to-1 of the record that starts at byte `offset` of the area loaded last, each into
// 16 cells of `row` from column 16 x page on. The first failing page read stops it; its code is
// returned as the primitive gave it.
int readRecordPages(DatabaseContext& ctx, int offset, int from, int to, RecordTable& table, int row);
// The whole record of `pages` pages at `offset` into `row`; with the context's quick read, a
// first page of sixteen 255 ends it and the other pages are taken as 255 unread.
int readWholeRecord(DatabaseContext& ctx, int offset, int pages, RecordTable& table, int row);
// Whether bytes 0..count-1 of the row hold anything but 255: flash never written reads all ones.
bool recordWritten(const RecordTable& table, int row, int count);

// DataFlashWrite of `area`, which stores `records` records of the meter's phase under way: they
// count as written once the store is acknowledged, and as maybe written when its answer was lost
// (the station may have stored them). Returns the command's code as it gave it.
int storeArea(DatabaseContext& ctx, int area, int records);

// The databases whose records lie side by side in their areas (accessories, feedback contacts),
// one row per address. Reads the records of addresses first..last, area by area, into their
// rows and marks them read (status 0). A failure stops the read before anything of the record
// is copied; its code gets the layout's read operation.
int readRecordAreas(DatabaseContext& ctx, const DatabaseLayout& layout, RecordTable& table, int first, int last);
// Writes the changed records (status 1) of first..last with the next record numbers: their area
// is loaded in the device, they are written into it and it is stored, so that every other record
// of the area, in the range or not, keeps what the station holds. Areas without a change are not
// touched. Whenever a record is written, countRecordsToWrite was above 0 and the index must be
// written after it.
int writeRecordAreas(DatabaseContext& ctx, const DatabaseLayout& layout, RecordTable& table, int first, int last);
// How many records writeRecordAreas writes: the changed ones.
int countRecordsToWrite(const DatabaseLayout& layout, const RecordTable& table, int first, int last);

// One record to write, and how its bytes reach the station: with the next record number in bytes
// 0..3, as the table holds it, or erased (pages of 255, as flash never written).
struct RecordWrite {
    enum class Kind { Numbered, AsHeld, Erased };
    int row;
    Kind kind;
};

// What differs between the databases' writes besides their layout.
struct WriteSteps {
    // The area is loaded before its records are written, so that the records not listed keep what
    // the station holds; a record that fills its area alone needs no load.
    bool loadArea = true;
    // Pages an erased record gets; 0: all of them.
    int erasedPages = 0;
    // The progress step: before an area is loaded, with its first row listed, or before each
    // record. The count meanwhile names the record under way in the meter's phase.
    std::function<void(int row)> areaStep = {};
    std::function<void(int row)> recordStep = {};
};

// The step text every range write shows: the layout's caption, the row, " schreiben".
std::function<void(int row)> writingStep(DatabaseContext& ctx, const DatabaseLayout& layout);

// Writes exactly `writes` (rows of `table`, in the order of their areas): for each run of rows in
// one area the numbered ones get their record numbers, the area is loaded, the records written
// page by page and the area stored, counting the run in the meter's phase under way. A failure
// stops it with the layout's write operation added.
int writeRecords(DatabaseContext& ctx, const DatabaseLayout& layout, RecordTable& table,
                 const std::vector<RecordWrite>& writes, const WriteSteps& steps);

} // namespace kx2
