// Arbitrary bytes as an accessory or a feedback table file (the first byte chooses). Nothing may
// crash or overrun; a file that is refused leaves table, range and serial as they were; a file
// that loads has its range inside the database, and saving and loading it again gives the same.
#include "FuzzSupport.h"
#include "accessory/AccessoryFiles.h"
#include "accessory/AccessoryTable.h"
#include "records/StoredSerial.h"
#include "feedback/FeedbackFiles.h"
#include "feedback/FeedbackTable.h"
#include "shell/AddressRange.h"

using namespace kx2;

namespace {

template <class Table>
void loadAs(const RangeFileFormat& format, const QString& path, fuzz::MemoryFile& again)
{
    Table table;
    StoredSerial serial;
    AddressRange range;
    const Table tableBefore = table;
    const IsdLoadResult r = loadRangeTableFile(path, format, table, serial, range);
    if (!r.ok()) {
        fuzz::check(r.error != IsdError::None);
        fuzz::check(table == tableBefore && serial == StoredSerial() && range == AddressRange{});
        return;
    }
    fuzz::check(range.first >= 1 && range.first <= range.last && range.last < Table::Rows);
    again.set(rangeTableFile(format, table, serial, range).data());
    Table reloaded;
    StoredSerial reloadedSerial;
    AddressRange reloadedRange;
    fuzz::check(loadRangeTableFile(again.path(), format, reloaded, reloadedSerial, reloadedRange).ok());
    fuzz::check(reloadedSerial == serial && reloadedRange == range);
    for (int a = range.first; a <= range.last; ++a)
        for (int c = 0; c < Table::Cols; ++c)
            fuzz::check(reloaded.cell(a, c) == table.cell(a, c));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::MemoryFile file;
    static fuzz::MemoryFile again;
    if (size == 0)
        return 0;
    file.set(data + 1, size - 1);
    if (data[0] & 1)
        loadAs<AccessoryTable>(accessoryFileFormat(), file.path(), again);
    else
        loadAs<FeedbackTable>(feedbackFileFormat(), file.path(), again);
    return 0;
}
