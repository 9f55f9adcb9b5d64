#pragma once
#include "editor/TablePrint.h"

#include <vector>

namespace kx2 {

class LocoTable;

// The locomotive editor's caption, on its window and over its printout.
QString locoEditorCaption();

// The locomotives on paper as the editor's grid shows them, one line per slot given: the
// address, data format and name on every page, then the top speed and f0..f28, each function's
// symbol as its picture ("-" for none, its number where the picture file is missing).
PrintTable locoPrintTable(const LocoTable& table, const std::vector<int>& slots, const PrintSource& source);

} // namespace kx2
