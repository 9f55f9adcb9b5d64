#pragma once
#include "editor/TablePrint.h"

#include <vector>

namespace kx2 {

class RouteTables;

// The route editor's caption, on its window and over its printout.
QString routeEditorCaption();

// The routes on paper, the editor's grid turned on its side: one column per route given,
// holding its two name lines, its start and its commands down to the last one any of them
// uses, so that a route never spreads over pages and a short one takes no room for 24
// commands. The entry names ("Name Zeile1", "FS-Start", "Befehl1", ...) head every page.
PrintTable routePrintTable(const RouteTables& tables, const std::vector<int>& routes, const PrintSource& source);

} // namespace kx2
