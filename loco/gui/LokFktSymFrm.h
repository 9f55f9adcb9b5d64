#pragma once
#include <QDialog>
#include <functional>

class QPushButton;

namespace kx2 {

class FlexGrid;
class PictureCache;

// The function-symbol chooser: symbol 0 ("Fkt. nicht anz.") and the pictures of symbols
// 1..79, one per line. A double click or Enter on a symbol chooses it; "abbrechen" hands the
// old symbol back.
class LokFktSymFrm : public QDialog {
    Q_OBJECT
public:
    // pause: lets the given seconds pass with the event loop running.
    LokFktSymFrm(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent = nullptr);

    static constexpr int SymbolRows = 80; // symbol 0 and 1..79
    static constexpr int CellSize = 39;

    // Hand-over values: the cell's symbol in; -1 while open, then the chosen symbol (the old
    // one after abbrechen).
    int SymbolValue = 0;
    int SymbolResult = -1;
    // True when the answer was abbrechen or the window was closed.
    bool Cancelled = false;

    void showFor(int symbol);
    void Activate();
    void AbbrechenButton_Click();

    FlexGrid* LokFktSymGrid() const { return m_grid; }
    QPushButton* AbbrechenButton() const { return m_abbrechen; }

Q_SIGNALS:
    void answered();

public Q_SLOTS:
    void reject() override;

private:
    void Form_Load(PictureCache& pictures);
    void choose();
    void finish(int result, bool cancelled);

    std::function<void(double)> m_pause;
    FlexGrid* m_grid;
    QPushButton* m_abbrechen;
};

} // namespace kx2
