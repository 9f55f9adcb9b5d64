#include "feedback/FeedbackTable.h"

namespace kx2 {

void FeedbackTable::Clear_RMDaten(int address)
{
    for (int col = 0; col < Cols; ++col)
        set(address, col, 0);
    set(address, 5, 13);
    set(address, SymbolCode, 10);
}

} // namespace kx2
