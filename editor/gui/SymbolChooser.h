#pragma once
#include "editor/gui/ColumnDialog.h"

#include <QStringList>
#include <functional>
#include <utility>

class QLabel;
class QPushButton;

namespace kx2 {

class FlexGrid;
class PictureCache;

// What tells one symbol chooser from another.
struct SymbolChooserDesign {
    const char* formName = ""; // "LokFktSymFrm"
    QString caption;      // "Lok Fkt.-Symbole"
    const char* gridName = ""; // "LokFktSymGrid"
    // The pictures "<folder>/S<n>.bmp" of symbols 1 .. symbolCount under the program folder.
    QString pictureFolder;
    int symbolCount = 0;
    // A first cell for symbol 0 ("no symbol") with this text; without it the grid starts with
    // symbol 1.
    bool noSymbolLine = false;
    QString noSymbolNumber;
    QString noSymbolText;
    // The fixed column's heading (it shows the number of each line's first symbol) and that of
    // each column of pictures.
    QString numberHeader;
    QString pictureHeader;
    // Symbols side by side in a line of the grid.
    int symbolsPerLine = 8;
    // Pixels: the fixed column, each symbol's cell.
    int numberWidth = 0;
    int pictureWidth = 0;
    int rowHeight = 0;
    // What each symbol shows, by its number ("" where nothing is said): the cell's tooltip.
    QStringList meanings;
    // Pictures larger than their line drawn smaller (true) or cut at its edges (false).
    bool scalePictures = true;
    QString cancelCaption;
    // A preset beyond the list selects the nearest symbol; otherwise it selects nothing until
    // the user picks one.
    bool keepPresetInRange = false;
};

// The grid of symbol pictures, several side by side in each line (the fixed column numbers the
// line's first), from which a column dialog of an editor picks one: a click marks a picture, OK
// takes the marked one, and a double click or Enter on a picture takes it at once; the cancel
// button and Escape hand the preset back. A line under the grid says so. The preset's picture is
// marked and in view when the window opens. Each picture tells its number and meaning as a
// tooltip; the window opens large enough for every symbol and may be resized.
class SymbolChooser : public ColumnDialog {
    Q_OBJECT
public:
    // pause: lets the given seconds pass with the event loop running.
    SymbolChooser(const SymbolChooserDesign& design, PictureCache& pictures, std::function<void(double)> pause,
                  QWidget* parent = nullptr);

    // Hand-over values: the preset in; Result -1 while open, then the chosen symbol (the preset
    // after cancel).
    int Value = 0;
    // True when the answer was the cancel button or the window was closed.
    bool Cancelled = false;

    // Value := symbol, Result := -1, show, Activate.
    void showFor(int symbol);
    // Selects the preset's line and gives the grid the focus.
    void Activate();
    void AbbrechenButton_Click();
    void OKButton_Click();

    FlexGrid* symbolGrid() const { return m_grid; }
    // The grid cell of a symbol (line, column), and the symbol of a cell (-1: none).
    std::pair<int, int> cellOf(int symbol) const;
    int symbolAt(int row, int col) const;
    QPushButton* AbbrechenButton() const { return m_abbrechen; }
    QPushButton* OKButton() const { return m_ok; }
    QLabel* HintLbl() const { return m_hint; }

public Q_SLOTS:
    void reject() override;

private:
    void Form_Load(PictureCache& pictures);
    int firstSymbol() const { return m_design.noSymbolLine ? 0 : 1; }
    void choose();
    // The symbol of the one marked cell; -1 when none is marked.
    int markedSymbol() const;
    void finish(int result, bool cancelled);

    SymbolChooserDesign m_design;
    std::function<void(double)> m_pause;
    FlexGrid* m_grid;
    QPushButton* m_abbrechen;
    QPushButton* m_ok;
    QLabel* m_hint;
};

} // namespace kx2
