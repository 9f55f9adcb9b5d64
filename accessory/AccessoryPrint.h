#pragma once
#include "editor/RangePrint.h"

namespace kx2 {

class AccessoryTable;

// The accessory editor's caption, on its window and over its printout.
QString accessoryEditorCaption();

// The accessories on paper, one line per address given, with their data format.
PrintTable accessoryPrintTable(const AccessoryTable& table, const std::vector<int>& addresses, const PrintSource& source);

} // namespace kx2
