// Arbitrary bytes as a locomotive table file ("alle Datensätze laden"). Nothing may crash or
// overrun; a file that loads must hold only values that fit their columns, and saving the
// loaded table and loading it again must give the same table and serial values.
#include "FuzzSupport.h"
#include "loco/LocoFiles.h"

using namespace kx2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::MemoryFile file;
    static fuzz::MemoryFile again;
    file.set(data, size);

    LocoTable table;
    StoredSerial serial;
    const IsdLoadResult r = loadLocoTableFile(file.path(), table, serial);
    if (!r.ok()) {
        fuzz::check(r.error != IsdError::None);
        return 0;
    }
    for (int row = 0; row < LocoTable::Rows; ++row)
        for (int col = 0; col < LocoTable::Cols; ++col)
            fuzz::check(locoCellFits(col, table.cell(row, col)));

    const IsdWriter w = locoTableFile(table, serial);
    fuzz::check(w.lineCount() == LocoTableFileLines);
    again.set(w.data());
    LocoTable reloaded;
    StoredSerial reloadedSerial;
    fuzz::check(loadLocoTableFile(again.path(), reloaded, reloadedSerial).ok());
    fuzz::check(reloaded == table);
    fuzz::check(reloadedSerial == serial);
    return 0;
}
