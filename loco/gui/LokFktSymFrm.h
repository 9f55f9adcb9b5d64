#pragma once
#include "editor/gui/SymbolChooser.h"

namespace kx2 {

class FlexGrid;
class PictureCache;

// The function-symbol chooser: symbol 0 ("Fkt. nicht anz.") and the pictures of symbols
// 1..79, eight to a line.
class LokFktSymFrm : public SymbolChooser {
    Q_OBJECT
public:
    // pause: lets the given seconds pass with the event loop running.
    LokFktSymFrm(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent = nullptr);

    static constexpr int SymbolRows = 80; // symbol 0 and 1..79
    static constexpr int CellSize = 39;
    static constexpr int SymbolsPerLine = 8;

    // Hand-over values: the cell's symbol in; -1 while open, then the chosen symbol (the old
    // one after abbrechen).
    int& SymbolValue = Value;
    int& SymbolResult = Result;

    FlexGrid* LokFktSymGrid() const { return symbolGrid(); }
};

// What function symbol `symbol` shows ("Signalhorn"), in the language in use; empty for 0 and
// for numbers without a picture.
QString functionSymbolMeaning(int symbol);

} // namespace kx2
