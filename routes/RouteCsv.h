#pragma once
#include "shell/CsvTable.h"

namespace kx2 {

class RouteTables;

// The routes as CSV: route number, the two name lines, the start entry and the 24 commands as
// the editor shows them. Only the names are taken from a file; the entries are written only.
CsvTable routeCsv(RouteTables& tables);

} // namespace kx2
