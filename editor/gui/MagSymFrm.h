#pragma once
#include "editor/gui/SymbolChooser.h"

namespace kx2 {

class FlexGrid;
class PictureCache;

// The symbol chooser of the accessory and feedback editors: the pictures of symbols 1..26,
// six to a line. Whatever preset it is given, it offers a line of the list.
class MagSymFrm : public SymbolChooser {
    Q_OBJECT
public:
    // pause: lets the given seconds pass with the event loop running.
    MagSymFrm(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent = nullptr);

    static constexpr int SymbolCount = 26;
    static constexpr int SymbolsPerLine = 6;

    // Hand-over values: the record's symbol in; -1 while open, then the chosen symbol (the
    // preset after abbrechen).
    int& MagSymbolValue = Value;
    int& MagSymbolResult = Result;

    FlexGrid* MagSymGrid() const { return symbolGrid(); }

    // For the editors that choose accessory symbols.
    static SymbolChooser* create(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent)
    {
        return new MagSymFrm(pictures, std::move(pause), parent);
    }
};

// What accessory symbol `symbol` shows ("Weiche links"), in the language in use; empty outside 1..26.
QString rangeSymbolMeaning(int symbol);

// Where the accessory and feedback symbol pictures live under the program folder.
QString magSymbolFolder();

} // namespace kx2
