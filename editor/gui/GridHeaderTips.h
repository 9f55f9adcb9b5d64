#pragma once
#include <QString>

namespace kx2 {

class FlexGrid;

// What a column of the editors' grids holds, by its heading ("Adr.", "f3", "Befehl12"), in a word
// for its tooltip; "" for a heading it does not know.
QString gridHeaderTip(const QString& header);

// Every heading of the grid tells what its column holds when the mouse rests on it.
void showHeaderTips(FlexGrid& grid);

} // namespace kx2
