#pragma once
#include "editor/RangePrint.h"

namespace kx2 {

class FeedbackTable;

// The feedback editor's caption, on its window and over its printout.
QString feedbackEditorCaption();

// The feedback contacts on paper, one line per address given.
PrintTable feedbackPrintTable(const FeedbackTable& table, const std::vector<int>& addresses, const PrintSource& source);

} // namespace kx2
