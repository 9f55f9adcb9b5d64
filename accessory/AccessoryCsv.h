#pragma once
#include "shell/CsvTable.h"

namespace kx2 {

class AccessoryTable;
struct AddressRange;

// The accessory table as CSV: the columns of every range database and the data format
// ("default", "DCC", "Motorola").
CsvTable accessoryCsv(AccessoryTable& table, const AddressRange& range);

} // namespace kx2
