#pragma once
#include "shell/gui/ColumnDialog.h"

#include <functional>

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
    // A first line for symbol 0 ("no symbol") with these texts in its number and picture cell;
    // without it line n is symbol n.
    bool noSymbolLine = false;
    QString noSymbolNumber;
    QString noSymbolText;
    QString numberHeader;
    QString pictureHeader;
    // Pixels. The grid width is the designed one, which counted a 17-pixel scroll bar and a
    // 3-pixel frame; the style's own take their place.
    int gridWidth = 0;
    int numberWidth = 0;
    int pictureWidth = 0;
    int rowHeight = 0;
    // Pictures larger than their line drawn smaller (true) or cut at its edges (false).
    bool scalePictures = true;
    QString cancelCaption;
    // A preset beyond the list selects the nearest symbol; otherwise it selects nothing until
    // the user picks one.
    bool keepPresetInRange = false;
};

// The grid of symbol pictures, one a line with its number in the fixed column, from which a
// column dialog of an editor picks one: a double click or Enter on a picture chooses it, the
// cancel button hands the preset back.
class SymbolChooser : public ColumnDialog {
    Q_OBJECT
public:
    // pause: lets the given seconds pass with the event loop running.
    SymbolChooser(const SymbolChooserDesign& design, PictureCache& pictures, std::function<void(double)> pause,
                  QWidget* parent = nullptr);

    // Hand-over values: the preset in; -1 while open, then the chosen symbol (the preset after
    // cancel).
    int Value = 0;
    int Result = -1;
    // True when the answer was the cancel button or the window was closed.
    bool Cancelled = false;

    // Value := symbol, Result := -1, show, Activate.
    void showFor(int symbol);
    // Selects the preset's line and gives the grid the focus.
    void Activate();
    void AbbrechenButton_Click();

    FlexGrid* symbolGrid() const { return m_grid; }
    QPushButton* AbbrechenButton() const { return m_abbrechen; }

public Q_SLOTS:
    void reject() override;

private:
    void Form_Load(PictureCache& pictures);
    int lineOf(int symbol) const { return symbol + (m_design.noSymbolLine ? 1 : 0); }
    int symbolOf(int line) const { return line - (m_design.noSymbolLine ? 1 : 0); }
    void choose();
    void finish(int result, bool cancelled);

    SymbolChooserDesign m_design;
    std::function<void(double)> m_pause;
    FlexGrid* m_grid;
    QPushButton* m_abbrechen;
};

} // namespace kx2
