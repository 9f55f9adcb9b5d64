#pragma once
#include <QString>

namespace kx2 {

// The rules every grid editor follows, decided without widgets. Rows and columns are numbered
// as the grids number them: row 0 is the header row, data rows start at 1.

// The number a cell's text stands for, as the editors compare addresses: "-" and "" are 0,
// "12" is 12, text after the leading number is ignored.
int cellValue(const QString& text);

// Where Tab and Shift+Tab move the current cell in a grid of `rows` x `cols`. Tab never rests
// on the last column: it wraps to column 1 of the next row. Shift+Tab moves left down to
// column 1 and from there one row up.
struct GridCell {
    int row = 0;
    int col = 0;
    bool operator==(const GridCell& o) const { return row == o.row && col == o.col; }
};
GridCell tabForward(GridCell at, int rows, int cols);
GridCell tabBackward(GridCell at, int rows, int cols);

// Names are kept in cp1252, one byte a character; a character it lacks cannot be stored.
bool isStorableNameChar(QChar c);
bool isStorableName(const QString& name);
// The name as it will be stored: every character cp1252 lacks becomes '?'.
QString storableName(const QString& name);

// A symbol picture under the program folder: "Konf/Mag_Symbole", 3 -> "Konf/Mag_Symbole/S3.bmp".
QString symbolFile(const QString& folder, int number);

} // namespace kx2
