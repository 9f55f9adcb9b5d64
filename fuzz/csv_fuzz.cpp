// Arbitrary bytes as a CSV file imported into a locomotive table of three records, addresses 1,
// 38 and 75 as the seed has them ("CSV importieren..."). Nothing may crash; a refused file changes
// nothing; a file that is taken, written out again and read back changes nothing more.
#include "loco/LocoCsv.h"
#include "loco/LocoTable.h"
#include "shell/CsvTable.h"

#include <cstdint>
#include <cstdlib>

using namespace kx2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    LocoTable table;
    table.markAllForDeviceRead();
    LocoFormatTables formats;
    fillLocoFormatTables(formats);
    int loaded = 1;
    LocoData loco{table, formats, loaded};
    table.createRecord(0, 1, QStringLiteral("BR 01"));
    table.createRecord(1, 38, QStringLiteral("Köf II"));
    table.createRecord(5, 75, QStringLiteral("E 94"));
    const LocoTable before = table;

    const CsvImport taken = readCsv(locoCsv(loco), QByteArray(reinterpret_cast<const char*>(data), int(size)));
    if (!taken.ok()) {
        if (!(table == before))
            std::abort();
        return 0;
    }
    const CsvImport again = readCsv(locoCsv(loco), writeCsv(locoCsv(loco)));
    if (!again.ok() || again.changedRecords != 0)
        std::abort();
    return 0;
}
