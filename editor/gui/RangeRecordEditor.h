#pragma once
#include "records/TableFile.h"
#include "shell/AddressRange.h"
#include "editor/gui/GridEditor.h"
#include "shell/gui/RangeBoxes.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;

namespace kx2 {

class PictureCache;
class RangeRecordTable;
class RangeTransfer;
class SymbolChooser;
struct DatabaseContext;

// A column of a range editor's grid.
struct RangeEditorColumn {
    QString header;
    int width; // pixels
};

// Makes the symbol chooser of an editor; pause lets the given seconds pass with the event loop
// running.
using SymbolChooserMaker = SymbolChooser* (*)(PictureCache& pictures, std::function<void(double)> pause,
                                              QWidget* parent);

// How one range editor differs from the other.
struct RangeEditorDesign {
    const char* formName; // "MagDatenFrm"
    QString caption;      // "Magnetartikel-Datensätze:"
    const char* gridName; // "MagdatenGrid"
    // The editor's own columns, between "Adr." and "Name Zeile1".
    std::vector<RangeEditorColumn> ownColumns;
    // The address frame's boxes ("MagAdrStartTxt", "MagAdrEndTxt").
    const char* fromBoxName;
    const char* toBoxName;
    QString clearCaption; // ClrTabMenu
    // The symbol pictures under the program folder ("Konf/Mag_Symbole") and their chooser.
    QString symbolFolder;
    SymbolChooserMaker newSymbolChooser;
};

// The editor of a database with one record per address of a range (accessories, feedback
// contacts): one grid line per address of the range in use, the two name lines typed into
// InpText, the symbol picked in the symbol chooser, the "von Adr." / "bis Adr." boxes under the
// grid for the device read and the blanking, and the range files. The range in use is the
// program's: the main window, the read, the files and the blanking all change the same one.
class RangeRecordEditor : public GridEditor {
    Q_OBJECT
public:
    // range: the range in use, program-wide; gridLoaded: the editor's grid-loaded flag.
    RangeRecordEditor(DatabaseContext& ctx, const RangeEditorDesign& design, RangeRecordTable& table,
                      AddressRange& range, int& gridLoaded, RangeFileFormat fileFormat, const QString& programFolder,
                      const DeviceMenuCaptions& captions, QWidget* parent = nullptr);
    ~RangeRecordEditor() override;

    void start_tabelle() override;
    // Stores the line's two names into its record (storeRangeNames).
    void save_data_from_grid(int row) override;

    void LadenMenu_Click();
    void SpeichernMenu_Click();
    void ClrTabMenu_Click();

    QLineEdit* AdrStartTxt() const { return m_rangeBoxes->from(); }
    QLineEdit* AdrEndTxt() const { return m_rangeBoxes->to(); }
    QWidget* AdrFrame() const { return m_adrFrame; }
    PictureCache& pictures() { return *m_pictures; }

protected:
    // --- what each range editor says of itself ---
    // The record of address a made blank (an address the read did not reach, the blanking).
    virtual void blankRecord(int a) = 0;
    // The driver that reads and sends the range in use.
    virtual std::unique_ptr<RangeTransfer> transfer() = 0;
    // The cells of the editor's own columns, filled from record a.
    virtual void fillOwnCells(int row, int a);
    // A click or Enter on the editor's own columns.
    virtual void ownColumnClick() {}

    // The symbol column: the chooser for the current line's record.
    void changeSymbol();

    int nameLine1Col() const { return 1 + int(m_design.ownColumns.size()); }
    int symbolCol() const { return nameLine1Col() + 2; }
    const AddressRange& rangeInUse() const { return m_range; }
    // The record of the grid line's address, when the line has one of the range.
    std::optional<int> addressOfLine(int row) const;

    void fillGrid() override;
    bool isNameCell(int row, int col) const override;
    int nameRoom(int row, int col) const override;
    int nameCapacity(int row, int col) const override;
    bool twoNameLines() const override { return true; }
    void gridClick() override;
    void gridKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void nameBoxTab(bool back) override;
    bool readDatabase() override;
    bool sendDatabase() override;
    int recordOfLine(int row) const override;
    std::vector<int> showRecords(const std::vector<int>& addresses, StepWay way) override;
    CsvTable csvTable() override;
    bool recordInUse(int address) const override;

    DatabaseContext& m_ctx;

private:
    void showSymbol(int row, int a);
    // A line's own cells, names and symbol as the table holds them.
    void fillLine(int row, int a);
    // The name line of address a as the grid shows it.
    QString nameOf(int line, int a) const;
    FilePrompt filePrompt();

    RangeEditorDesign m_design;
    // "Adr.", the editor's own columns, "Name Zeile1", "Name Zeile2", "Symbol".
    std::vector<RangeEditorColumn> m_columns;
    RangeRecordTable& m_table;
    AddressRange& m_range;
    RangeFileFormat m_fileFormat;
    std::unique_ptr<PictureCache> m_pictures;
    QWidget* m_adrFrame;
    std::optional<RangeBoxes> m_rangeBoxes;
    SymbolChooser* m_chooser = nullptr;
};

} // namespace kx2
