#pragma once
#include "shell/CsvTable.h"
#include "shell/EditorServices.h"
#include "editor/FlagScope.h"
#include "editor/GridSearch.h"
#include "shell/UnsavedChanges.h"
#include "shell/UserDialogs.h"
#include "editor/gui/ColumnDialogWait.h"
#include "editor/gui/EditHistory.h"
#include "editor/gui/EditorFormLayout.h"
#include "editor/gui/EditorMenus.h"
#include "editor/gui/GridCsv.h"
#include "editor/gui/GridPrint.h"
#include "editor/gui/NameEditBox.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;

namespace kx2 {

class ColumnDialog;
class FlexGrid;
class GridFind;
class SearchBar;

// What every grid editor (locomotives, accessories, feedback, routes) does alike: the grid and
// the name box laid over a name cell (NameEditBox), the grid's events with the form flags that
// guard them, the wait for a column dialog, the file and device menus (CSV: GridCsv, paper and
// PDF: GridPrint), the form's resize rules, and the way back to the main window. Each editor
// says in its overrides what it shows, which cells are name cells and what its clicks, keys and
// transfers do.
//
// The grid is rebuilt from the editor's table whenever the window is activated while its
// grid-loaded flag is 0.
//
// Nothing is lost without asking: the editor knows whether its table holds changes that were
// neither sent nor saved (each database says what "changed" is for its table) and asks before a
// read, a load, a blanking or leaving would drop them. Its lines are marked with what the next
// send writes of them, saved or not.
class GridEditor : public QMainWindow {
    Q_OBJECT
public:
    // gridLoaded: the editor's program-wide grid-loaded flag (LocoGridLoaded, MagGridLoaded, ...).
    GridEditor(const EditorServices& services, const GridEditorDesign& design, int& gridLoaded,
               QWidget* parent = nullptr);
    ~GridEditor() override;

    // --- public operations every editor has ---
    // Resets the grid to the empty layout: header row, columns, widths.
    virtual void start_tabelle() = 0;
    // Stores the line's cells into the table.
    virtual void save_data_from_grid(int row) = 0;
    // Opens the name edit on the current cell if it is a name cell; elsewhere an open edit is
    // committed.
    virtual void edit_namen() { openNameEdit(); }

    // Activation: rebuilds the grid from the table when GridLoaded is 0.
    void Form_Activate();

    // --- menu actions every editor has ---
    void AbbrechenMenu_Click();
    void ReadfromKX2Menu_Click();
    void SendToKX2Menu_Click();
    // "Als CSV exportieren...", "CSV importieren...": the table as CSV (csvTable), through the
    // file dialog; an import rebuilds the grid, a refused one tells the line and why.
    void CsvExportMenu_Click();
    void CsvImportMenu_Click();
    // "Drucken...", "Als PDF speichern...": the records of the grid's lines in their order, those
    // in use unless the user asks for every line (printTable).
    void DruckenMenu_Click();
    void PdfMenu_Click();
    // The printout as a PDF file without asking. "" or why the file was not written.
    QString savePdf(const QString& path, bool wholeRange = false);
    // "Suchen..." (Ctrl+F) opens the search line over the grid; F3 / Shift+F3 go to the next /
    // previous match of what it holds.
    void SuchenMenu_Click();
    SearchBar* searchBar() const;

    // --- form state ---
    bool Busy() const { return m_busy; }                     // a handler changes the grid: grid events do nothing
    bool NameEditActive() const { return m_nameEditActive; } // EnterCell does nothing
    bool SkipNextClick() const { return m_skipNextClick; }   // the next grid click does nothing (after maximising)
    // Busy and NameEditActive are set only while one of these lives.
    struct BusyScope : FlagScope {
        explicit BusyScope(GridEditor& editor) : FlagScope(editor.m_busy) {}
    };
    struct NameEditScope : FlagScope {
        explicit NameEditScope(GridEditor& editor) : FlagScope(editor.m_nameEditActive) {}
    };

    // Program-wide: the cell of the open name edit (0: none), shared by all editors, and this
    // editor's grid-loaded flag (0: rebuild at the next activation).
    int& EditRow;
    int& EditCol;
    int& GridLoaded;

    FlexGrid* grid() const { return m_grid; }
    QLineEdit* InpText() const { return m_nameBox->InpText(); }
    // Beside the name box while it is open: how much of the name area is used.
    QLabel* InpTextRoom() const { return m_nameBox->InpTextRoom(); }
    QMenu* DateiMenu() const { return m_menus.file(); }
    QMenu* KXMenu() const { return m_menus.device(); }
    // The menu item with this object name ("LadenMenu", "SendToKX2Menu", ...).
    QAction* menuItem(const QString& name) const { return m_menus.item(name); }
    // The edits since the last read, load or send, for "Rückgängig" and "Wiederholen".
    EditHistory& history() { return m_history; }
    // How often the grid was built from the table.
    int rebuildCount() const { return m_rebuilds; }

    // --- changes neither sent nor saved ---
    bool holdsUnsavedChanges() const;
    // The table as it is counts as unchanged: after a read, a send, a save or a blanking, or
    // when the user gave its changes up. A blanking keeps what counted so before (besidesEarlier):
    // undone, the table is that again.
    void markTableUnchanged(bool besidesEarlier = false);
    // Before the table is replaced, blanked or left: a name being typed is stored first; when
    // the table then holds unsaved changes the user is asked, Nein by default. True: go on.
    bool mayDiscardChanges();
    // How the grid line shows its record.
    RecordMark lineMark(int row) const;

Q_SIGNALS:
    // AbbrechenMenu or the window's close box: the main window takes over.
    void closedToMainWindow();
    // The grid was rebuilt with its design widths: widths the user chose may go back.
    void gridLaidOut();
    // A column dialog is shown and the editor now waits for its answer.
    void columnDialogShown(QDialog* dialog);

protected:
    // --- what each editor says of itself ---
    // The table's lines into the empty layout, during a rebuild.
    virtual void fillGrid() = 0;
    virtual bool isNameCell(int row, int col) const = 0;
    // How many characters the name box takes on this name cell; -1: as many as are typed (the
    // store cuts them).
    virtual int nameRoom(int, int) const { return -1; }
    // How many characters the name area of this cell's record holds in all (both lines of a
    // two-line area): the box shows "12 von 23 Zeichen" under it. -1: it shows nothing.
    virtual int nameCapacity(int, int) const { return -1; }
    // True where a record's name has two lines sharing that room: the count says it counts both.
    virtual bool twoNameLines() const { return false; }
    // A grid click that SkipNextClick and Busy let through: the column operations.
    virtual void gridClick() = 0;
    // A key on the grid other than Tab, unless Busy.
    virtual void gridKeyDown(int, Qt::KeyboardModifiers) {}
    // A mouse button pressed on the grid, unless Busy.
    virtual void gridMouseDown(Qt::MouseButton, Qt::KeyboardModifiers) {}
    // Tab (back: with shift) in the name box, after what was typed is stored: where the grid goes.
    virtual void nameBoxTab(bool back) = 0;
    // The device menu's transfers. The read says false when the table is as it was (the read did
    // not run, or stopped early and was put back); the send says true when the station now holds
    // what the table holds.
    virtual bool readDatabase() = 0;
    virtual bool sendDatabase() = 0;
    // The record a grid line shows, for its mark; -1 for none.
    virtual int recordOfLine(int) const { return -1; }
    // The lines of these records (table rows) drawn anew from the table after an undo, a redo
    // or an import, which went the given way; the rest of the grid stays as it is. The grid is
    // shown anew instead when a record has no line to show it in. The lines that show the
    // records now.
    virtual std::vector<int> showRecords(const std::vector<int>& records, StepWay)
    {
        showTable();
        return linesOf(records);
    }
    // The lines whose RowData is one of these records.
    std::vector<int> linesOf(const std::vector<int>& records) const;
    // The table as CSV, over the records the grid shows.
    virtual CsvTable csvTable() = 0;
    // The printout of these records (the records of grid lines), in this order; and whether a
    // line's record is in use: only such lines are printed unless the user asks for all.
    virtual PrintTable printTable(const std::vector<int>& records) = 0;
    virtual bool recordInUse(int) const { return true; }
    // Where this editor's printouts are made: the station's serial number and the folder of the
    // symbol pictures.
    PrintSource printSource(const QString& programFolder) const
    {
        return {m_services.stationSerial ? m_services.stationSerial() : QString(), programFolder};
    }
    // The columns the search line looks in: the address and the name columns.
    virtual std::vector<int> searchCols() const;
    // A match found: its cell (its line, for an address) becomes the current one.
    void jumpTo(const GridCell& found);

    // --- for the editors ---
    // The empty layout of start_tabelle: the header row alone, `cols` columns with their
    // headings and widths (screen pixels), data rows `rowHeight` pixels high.
    void layOutGrid(int cols, int rowHeight, const std::function<QString(int)>& header,
                    const std::function<int(int)>& width);
    // The file menu with these items and "Abbrechen", and the device menu; empty captions keep
    // "Kordavinex", "Daten aus der KX lesen" and "Daten zur KX senden".
    void buildMenus(const std::vector<EditorMenuItem>& fileItems, const DeviceMenuCaptions& captions);
    // Where the editor's own controls go (the address frame).
    QWidget* formArea() const;
    // The frame that sits under the grid, right-aligned with it (AdrFrame).
    void setAddressFrame(QWidget* frame);

    // The name edit on the current cell, when it is a name cell; true when it is open now.
    bool openNameEdit() { return m_nameBox->open(); }
    // A name being typed is stored now.
    void commitNameEdit();
    // A file taken into the table as one step of the history named `text` (not a load that
    // starts a new one): `take` runs inside the step, `tell` says what it did, then the lines of
    // the records it changed are shown anew.
    void importAsOneStep(const QString& text, const std::function<void()>& take, const std::function<void()>& tell);
    // The name box goes, what was typed with it.
    void hideNameEdit() { m_nameBox->hide(); }
    // A name being typed into this line goes unstored (the line is going).
    void dropNameEditOn(int row);
    // The numbers in column `col` of every line but `row` (cellValue: 0 for none).
    std::vector<int> valuesBesides(int col, int row) const;
    // The current line's record (RowData) when exactly one cell is selected and it lies in
    // column `col` of a line that has one; nullopt otherwise.
    std::optional<int> recordCellIn(int col) const;
    // The grid built anew from the table, with the first data cell current and nothing being
    // edited; answers of column dialogs asked before are dropped.
    void showTable();

    // One column dialog at a time: when one is open it is brought to the front and true returned.
    bool columnDialogOpen() { return m_columnDialog.bringForward(); }
    // A column dialog made on first use, a child of the editor; hidden, not destroyed, after.
    template <typename Dialog, typename... Args>
    Dialog* columnDialog(Dialog*& dialog, Args&&... args)
    {
        if (!dialog)
            dialog = new Dialog(std::forward<Args>(args)..., this);
        return dialog;
    }
    // Shows a column dialog for the current cell (`show` sets its hand-over values and shows it)
    // and waits, the event loop running, until it has answered or was closed. Then, with Busy
    // set, `apply` runs on that same cell, unless the grid was rebuilt or the line lost its
    // record meanwhile.
    void runColumnDialog(ColumnDialog* dialog, const std::function<void()>& show, const std::function<void()>& apply);

    // What "changed" is for the editor's table; called once by the editor's constructor, with
    // the table as it is then counting as unchanged.
    void trackChanges(std::unique_ptr<TableChanges> table);

    // The file menu's loads (true: the table was replaced) and saves (true: the file was
    // written). A load that only adds to the table (a single record) asks nothing first.
    enum class LoadKind { ReplacesTable, AddsToTable };
    void fileLoad(const std::function<bool()>& load, LoadKind kind = LoadKind::ReplacesTable);
    void fileSave(const std::function<bool()>& save);
    // "alle Daten in der Tabelle  löschen": asked about when changes would go, `blank` as one
    // step named "alle löschen", the grid shown anew. A blanked table holds nothing that could be
    // lost.
    void blankTable(const std::function<void()>& blank);

    MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title);
    // A named question (Enter presses No where Yes would destroy data).
    MsgAnswer ask(Question question, const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title);
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText);
    void pause(double seconds) { m_services.pause(seconds); }
    const EditorServices& services() const { return m_services; }

    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void rebuildGrid();
    // The lines of the records a step changed drawn anew, and every line's mark. `current`: the
    // first of those lines becomes the current one and comes into view.
    void showChanged(const std::vector<int>& records, StepWay way, bool current);
    void Grid_Click();
    void Grid_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void Grid_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void Grid_EnterCell();
    void Grid_Scroll();
    // A click on a sortable heading: the lines sorted by it (FlexGrid::sortBy).
    void Grid_HeaderSort(int col);
    void Form_Resize();
    // Runs a device transfer with the file and device menus shut, so that no second one starts.
    void runTransfer(const std::function<void()>& transfer);

    EditorServices m_services;
    int m_bottomMargin;
    FlexGrid* m_grid;
    NameEditBox* m_nameBox = nullptr;
    GridCsv m_csv;
    GridPrint m_print;
    QWidget* m_addressFrame = nullptr;
    EditorMenus m_menus;
    EditHistory m_history;
    ColumnDialogWait m_columnDialog;
    std::unique_ptr<GridFind> m_find;
    int m_gridGeneration = 0;
    int m_rebuilds = 0;
    bool m_transferRunning = false;
    bool m_busy = false;
    bool m_nameEditActive = false;
    bool m_skipNextClick = false;
    std::unique_ptr<UnsavedChanges> m_changes;
};

} // namespace kx2
