#pragma once
#include "shell/CsvTable.h"

namespace kx2 {

class RangeRecordTable;
struct AddressRange;

// An accessory or feedback table as CSV over its range: address, the two name lines, the symbol
// (1..26, "-" for none); the database adds its own columns (the accessories' data format).
CsvTable rangeCsv(RangeRecordTable& table, const AddressRange& range);

} // namespace kx2
