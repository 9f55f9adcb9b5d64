#pragma once
#include "shell/CsvTable.h"

namespace kx2 {

struct LocoData;

// The locomotive table as CSV: address, name, data format, maximum speed, the symbols of f0..f28
// (0: none). Rows in address order; an import finds a locomotive by its address.
CsvTable locoCsv(LocoData& loco);

} // namespace kx2
