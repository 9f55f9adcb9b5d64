#include "editor/gui/GridEditor.h"

#include "editor/GridEditing.h"
#include "editor/gui/ColumnDialog.h"
#include "editor/gui/EditorFormLayout.h"
#include "editor/gui/FlexGrid.h"
#include "editor/gui/GridFind.h"
#include "editor/gui/GridHeaderTips.h"

#include <QCloseEvent>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QCoreApplication>

#include <algorithm>

namespace kx2 {

GridEditor::GridEditor(const EditorServices& services, const GridEditorDesign& design, int& gridLoaded,
                       QWidget* parent)
    : QMainWindow(parent)
    , EditRow(services.EditRow)
    , EditCol(services.EditCol)
    , GridLoaded(gridLoaded)
    , m_services(services)
    , m_bottomMargin(design.bottomMargin)
    // The grid, the name box over it and the editor's own controls share the area under the
    // menu bar.
    , m_grid(new FlexGrid(new QWidget(this)))
    , m_csv(services.files, [this] { return csvTable(); },
            [this](const QString& text, MsgIcon icon, const QString& title) { message(text, MsgButtons::Ok, icon, title); })
    , m_print(*m_grid, services.dialogs,
              {[this](int line) { return recordOfLine(line); }, [this](int record) { return recordInUse(record); },
               [this](const std::vector<int>& records) { return printTable(records); }})
{
    setObjectName(QString::fromLatin1(design.formName));
    setWindowTitle(design.caption);

    setCentralWidget(m_grid->parentWidget());
    centralWidget()->installEventFilter(this);
    m_grid->setObjectName(QString::fromLatin1(design.gridName));
    // A screen reader names the grid as the window does ("Lok-Datensätze").
    QString gridName = design.caption;
    if (gridName.endsWith(QLatin1Char(':')))
        gridName.chop(1);
    m_grid->setAccessibleName(gridName);
    m_grid->setFixedCols(design.fixedCols);
    m_grid->setFrozenCols(design.frozenCols);
    m_nameBox = new NameEditBox(centralWidget(), m_grid, EditRow, EditCol,
                                {[this](int row, int col) { return isNameCell(row, col); },
                                 [this](int row, int col) { return nameRoom(row, col); },
                                 [this](int row, int col) { return nameCapacity(row, col); },
                                 [this] { return twoNameLines(); },
                                 [this](int row) { save_data_from_grid(row); }, [this](bool back) { nameBoxTab(back); }});

    connect(m_grid, &FlexGrid::Click, this, &GridEditor::Grid_Click);
    connect(m_grid, &FlexGrid::KeyDown, this, &GridEditor::Grid_KeyDown);
    connect(m_grid, &FlexGrid::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint) {
                Grid_MouseDown(button, modifiers);
            });
    connect(m_grid, &FlexGrid::EnterCell, this, &GridEditor::Grid_EnterCell);
    connect(m_grid, &FlexGrid::Scroll, this, &GridEditor::Grid_Scroll);
    connect(m_grid, &FlexGrid::HeaderSort, this, &GridEditor::Grid_HeaderSort);

    m_find = std::make_unique<GridFind>(this, *m_grid,
                                        FindHooks{[this] { return m_busy; }, [this] { return searchCols(); },
                                                  [this](const GridCell& found) { jumpTo(found); }});
    connect(this, &GridEditor::gridLaidOut, this, [this] { showHeaderTips(*m_grid); });

    setMinimumSize(editorFormLeast(), editorFormLeast());
}

GridEditor::~GridEditor() = default;

// --- menus ---

void GridEditor::buildMenus(const std::vector<EditorMenuItem>& fileItems, const DeviceMenuCaptions& captions)
{
    std::vector<EditorMenuItem> items = fileItems;
    items.push_back({"CsvExportMenu", QCoreApplication::translate("GridEditor", "Als &CSV exportieren..."),
                     [this] { CsvExportMenu_Click(); }});
    items.push_back({"CsvImportMenu", QCoreApplication::translate("GridEditor", "CSV &importieren..."),
                     [this] { CsvImportMenu_Click(); }});
    items.push_back(
        {"DruckenMenu", QCoreApplication::translate("GridEditor", "D&rucken..."), [this] { DruckenMenu_Click(); }});
    items.push_back(
        {"PdfMenu", QCoreApplication::translate("GridEditor", "Als &PDF speichern..."), [this] { PdfMenu_Click(); }});
    items.push_back(
        {"AbbrechenMenu", QCoreApplication::translate("GridEditor", "&Abbrechen"), [this] { AbbrechenMenu_Click(); }});
    m_menus.build(menuBar(), this, items, captions, [this] { ReadfromKX2Menu_Click(); }, [this] { SendToKX2Menu_Click(); });
    // A name being typed is a step of its own before an undo; the grid then shows the table.
    m_history.addTo(
        m_menus.edit(),
        [this] {
            if (m_transferRunning || m_busy)
                return false;
            m_nameBox->commitIfOpen();
            return true;
        },
        [this](const EditHistory::Rows& rows, StepWay way) {
            // Undone back to a table that was read, sent, saved or blanked: nothing is at risk.
            if (m_history.atSettledPoint() && m_changes)
                m_changes->settle();
            // What an undo or a redo changes happens in view, however far it is from where the
            // user looks now.
            showChanged(rows, way, true);
        });

    m_find->addTo(m_menus.edit(), this);
}

void GridEditor::layOutGrid(int cols, int rowHeight, const std::function<QString(int)>& header,
                            const std::function<int(int)>& width)
{
    m_grid->setRows(1);
    m_grid->setCols(cols);
    m_grid->setDefaultRowHeight(m_grid->scaled(rowHeight));
    for (int col = 0; col < cols; ++col) {
        m_grid->setTextMatrix(0, col, header(col));
        m_grid->setColWidth(col, m_grid->scaled(width(col)));
    }
    m_grid->fitHeaderFont();
}

// --- find ---

void GridEditor::SuchenMenu_Click()
{
    m_find->open();
}

SearchBar* GridEditor::searchBar() const
{
    return m_find->bar();
}

std::vector<int> GridEditor::searchCols() const
{
    std::vector<int> cols{0};
    for (int col = 1; col < m_grid->Cols(); ++col)
        if (m_grid->Rows() > 1 && isNameCell(1, col))
            cols.push_back(col);
    return cols;
}

void GridEditor::jumpTo(const GridCell& found)
{
    // A name being typed goes into its line; the match does not open the name box, so the
    // typing stays in the search line.
    Grid_Scroll();
    const NameEditScope jumping(*this);
    if (found.col < m_grid->FixedCols()) {
        m_grid->selectLine(found.row);
        m_grid->scrollTo(m_grid->model()->index(found.row - 1, 0));
    } else {
        m_grid->selectCell(found.row, found.col);
    }
}

void GridEditor::AbbrechenMenu_Click()
{
    if (m_transferRunning || !mayDiscardChanges())
        return;
    // Left with the user's consent: nothing of it is asked for again at the program's end.
    m_history.clear();
    markTableUnchanged();
    m_columnDialog.cancel();
    hide();
    Q_EMIT closedToMainWindow();
    GridLoaded = 0;
}

void GridEditor::runTransfer(const std::function<void()>& transfer)
{
    m_transferRunning = true;
    m_menus.setOpen(false);
    transfer();
    m_menus.setOpen(true);
    m_transferRunning = false;
}

void GridEditor::ReadfromKX2Menu_Click()
{
    if (m_transferRunning || !mayDiscardChanges())
        return;
    // The grid shows a table that the read is replacing: it takes no edits meanwhile.
    const BusyScope busy(*this);
    bool read = false;
    runTransfer([this, &read] { read = readDatabase(); });
    if (read) {
        m_history.clear();
        // Built first: the grid shows the records a read did not reach blank, and the table so
        // blanked is the one that counts as unchanged.
        GridLoaded = 0;
        Form_Activate();
        markTableUnchanged();
    }
}

void GridEditor::SendToKX2Menu_Click()
{
    if (m_transferRunning)
        return;
    m_nameBox->commitIfOpen();
    const int row = m_grid->Row();
    if (row >= 1 && cellValue(m_grid->TextMatrix(row, 0)) > 0)
        save_data_from_grid(row);
    bool sent = false;
    runTransfer([this, &sent] { sent = sendDatabase(); });
    if (sent) {
        m_history.clear();
        markTableUnchanged();
    }
    m_grid->refreshMarks();
}

void GridEditor::fileLoad(const std::function<bool()>& load, LoadKind kind)
{
    if (kind == LoadKind::ReplacesTable && !mayDiscardChanges())
        return;
    const BusyScope busy(*this);
    if (load()) {
        m_history.clear();
        // A table loaded whole is what its file holds: nothing of it is at risk.
        if (kind == LoadKind::ReplacesTable)
            markTableUnchanged();
        GridLoaded = 0;
        Form_Activate();
    }
    // A load that stopped part-way leaves the grid as it was but the table changed.
    m_grid->refreshMarks();
}

void GridEditor::fileSave(const std::function<bool()>& save)
{
    // The file holds what the grid shows: a name being typed goes in first.
    m_nameBox->commitIfOpen();
    const BusyScope busy(*this);
    if (save())
        markTableUnchanged();
}

void GridEditor::blankTable(const std::function<void()>& blank)
{
    if (!mayDiscardChanges())
        return;
    const BusyScope busy(*this);
    m_history.runAsOneStep(QCoreApplication::translate("GridEditor", "alle löschen"), blank);
    showTable();
    markTableUnchanged(true);
}

// --- changes neither sent nor saved ---

void GridEditor::trackChanges(std::unique_ptr<TableChanges> table)
{
    m_changes = std::make_unique<UnsavedChanges>(std::move(table));
    m_grid->setRowMarks([this](int row) { return lineMark(row); });
}

bool GridEditor::holdsUnsavedChanges() const
{
    return m_changes && m_changes->any();
}

void GridEditor::markTableUnchanged(bool besidesEarlier)
{
    m_history.settled(besidesEarlier);
    if (m_changes)
        m_changes->settle();
    m_grid->refreshMarks();
}

bool GridEditor::mayDiscardChanges()
{
    m_nameBox->commitIfOpen();
    if (!holdsUnsavedChanges())
        return true;
    return ask(Question::DiscardChanges, UnsavedChanges::questionText(), MsgButtons::YesNo, MsgIcon::Exclamation,
               windowTitle())
           == MsgAnswer::Yes;
}

RecordMark GridEditor::lineMark(int row) const
{
    if (!m_changes || row < 1 || row >= m_grid->Rows())
        return RecordMark::None;
    return m_changes->mark(recordOfLine(row));
}

// --- CSV and print ---

void GridEditor::CsvExportMenu_Click()
{
    // A CSV is no copy of the table to load again: what was changed is still neither sent nor
    // saved.
    fileSave([this] {
        m_csv.exportTable(windowTitle());
        return false;
    });
}

void GridEditor::CsvImportMenu_Click()
{
    m_nameBox->commitIfOpen();
    // The file is asked for before the step is made; what it did is told after.
    const BusyScope busy(*this);
    const QString path = m_csv.importPath();
    if (path.isEmpty())
        return;
    CsvImport taken;
    importAsOneStep(
        QCoreApplication::translate("GridEditor", "CSV-Import"), [this, &path, &taken] { taken = m_csv.importTable(path); },
        [this, &taken] { m_csv.tellImport(taken); });
}

void GridEditor::commitNameEdit()
{
    m_nameBox->commitIfOpen();
}

void GridEditor::importAsOneStep(const QString& text, const std::function<void()>& take, const std::function<void()>& tell)
{
    const EditHistory::Rows rows = m_history.runAsOneStep(text, take);
    // The summary stands over the lines it counts.
    showChanged(rows, StepWay::Forward, false);
    tell();
}

void GridEditor::PdfMenu_Click()
{
    m_nameBox->commitIfOpen();
    const QString title = QCoreApplication::translate("GridEditor", "Als PDF speichern...");
    const std::optional<PrintTable> table = m_print.askTable(title);
    if (!table)
        return;
    const QString path = m_services.files.saveFileName(
        title, windowTitle().remove(QLatin1Char(':')) + QStringLiteral(".pdf"),
        QCoreApplication::translate("GridEditor", "PDF-Datei (*.pdf)|*.pdf|"));
    if (path.isEmpty())
        return;
    if (const QString error = GridPrint::savePdf(path, *table); !error.isEmpty())
        message(error, MsgButtons::Ok, MsgIcon::Critical, QString());
}

void GridEditor::DruckenMenu_Click()
{
    m_nameBox->commitIfOpen();
    if (const std::optional<PrintTable> table = m_print.askTable(QCoreApplication::translate("GridPrint", "Drucken")))
        GridPrint::printAsked(this, *table);
}

QString GridEditor::savePdf(const QString& path, bool wholeRange)
{
    m_nameBox->commitIfOpen();
    return GridPrint::savePdf(path, m_print.table(wholeRange));
}

// --- helpers ---

MsgAnswer GridEditor::message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    m_grid->cancelPendingClick();
    return m_services.dialogs.messageBox(text, buttons, icon, title);
}

MsgAnswer GridEditor::ask(Question question, const QString& text, MsgButtons buttons, MsgIcon icon,
                          const QString& title)
{
    m_grid->cancelPendingClick();
    return m_services.dialogs.ask(question, text, buttons, icon, title);
}

std::optional<QString> GridEditor::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    m_grid->cancelPendingClick();
    return m_services.dialogs.inputBox(prompt, title, defaultText);
}

// --- the grid ---

void GridEditor::Form_Activate()
{
    if (GridLoaded != 0)
        return;
    rebuildGrid();
}

void GridEditor::rebuildGrid()
{
    const BusyScope busy(*this);
    ++m_rebuilds;
    showTable();
    pause(0.1);
}

void GridEditor::showTable()
{
    {
        const NameEditScope rebuilding(*this);
        // An open name edit and a waiting column dialog belong to the grid that is going away.
        hideNameEdit();
        ++m_gridGeneration;
        m_grid->setUpdatesEnabled(false);
        start_tabelle();
        fillGrid();
        // A sorted grid stays sorted when it is filled anew.
        m_grid->applySort();
        Q_EMIT gridLaidOut();
        m_grid->setUpdatesEnabled(true);

        m_grid->selectCell(1, 1);
        m_grid->scrollToTop();
        EditRow = 0;
        EditCol = 0;
    }
    GridLoaded = 1;
    m_grid->setFocus();
    m_nameBox->InpText()->hide();
}

void GridEditor::showChanged(const std::vector<int>& records, StepWay way, bool current)
{
    if (!records.empty()) {
        const BusyScope busy(*this);
        const NameEditScope redrawing(*this);
        const int col = std::max(m_grid->Col(), m_grid->FixedCols());
        const std::vector<int> lines = showRecords(records, way);
        // The topmost of them, where it stands now (a sorted grid too), in the column the user
        // was in.
        if (current && !lines.empty())
            m_grid->showCell(*std::min_element(lines.begin(), lines.end()), col);
    }
    m_grid->refreshMarks();
}

std::vector<int> GridEditor::linesOf(const std::vector<int>& records) const
{
    std::vector<int> lines;
    for (const int record : records)
        if (const int line = m_grid->rowOfData(record))
            lines.push_back(line);
    return lines;
}

void GridEditor::dropNameEditOn(int row)
{
    if (InpText()->isVisible() && EditRow == row) {
        hideNameEdit();
        EditRow = 0;
        EditCol = 0;
    }
}

std::vector<int> GridEditor::valuesBesides(int col, int row) const
{
    std::vector<int> values;
    for (int r = 1; r < m_grid->Rows(); ++r)
        if (r != row)
            values.push_back(cellValue(m_grid->TextMatrix(r, col)));
    return values;
}

std::optional<int> GridEditor::recordCellIn(int col) const
{
    const int row = m_grid->Row();
    if (!m_grid->singleCellSelected() || row < 1 || m_grid->Col() != col || m_grid->RowData(row) < 0)
        return std::nullopt;
    return m_grid->RowData(row);
}

void GridEditor::Grid_Click()
{
    if (m_skipNextClick) {
        m_skipNextClick = false;
        return;
    }
    if (m_busy)
        return;
    gridClick();
}

void GridEditor::Grid_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (m_busy)
        return;
    if (key != Qt::Key_Tab) {
        gridKeyDown(key, modifiers);
        return;
    }
    const GridCell at{m_grid->Row(), m_grid->Col()};
    const GridCell to = (modifiers & Qt::ShiftModifier) ? tabBackward(at, m_grid->Rows(), m_grid->Cols())
                                                        : tabForward(at, m_grid->Rows(), m_grid->Cols());
    m_grid->selectCell(to.row, to.col);
}

void GridEditor::Grid_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (m_busy)
        return;
    gridMouseDown(button, modifiers);
}

void GridEditor::Grid_EnterCell()
{
    if (m_busy || GridLoaded == 0 || m_nameEditActive)
        return;
    const NameEditScope entering(*this);
    edit_namen();
}

void GridEditor::Grid_HeaderSort(int col)
{
    // The lines stay where they are while a column dialog waits for its line's answer.
    if (m_busy || m_columnDialog.bringForward())
        return;
    // A name being typed goes into its line before the lines move.
    Grid_Scroll();
    const BusyScope busy(*this);
    m_grid->sortBy(col);
}

void GridEditor::Grid_Scroll()
{
    if (m_nameBox->isOpen() && EditRow > 0 && EditCol > 0) {
        m_nameBox->commit();
        EditRow = 0;
        EditCol = 0;
    }
}

// --- column dialogs ---

void GridEditor::runColumnDialog(ColumnDialog* dialog, const std::function<void()>& show,
                                 const std::function<void()>& apply)
{
    const int row = m_grid->Row();
    const int col = m_grid->Col();
    const int rowData = m_grid->RowData(row);
    const int generation = m_gridGeneration;
    show();
    m_columnDialog.wait(dialog, [this, dialog] { Q_EMIT columnDialogShown(dialog); });

    const BusyScope busy(*this);
    // The answer counts only for the line it was asked for (a read or load meanwhile rebuilt
    // the grid, or the line was deleted).
    if (generation == m_gridGeneration && row >= 1 && row < m_grid->Rows() && m_grid->RowData(row) == rowData) {
        // In view while the answer is applied and while a question about it is asked (the
        // grid may have been scrolled meanwhile).
        m_grid->showCell(row, col);
        apply();
    }
    pause(0.1);
}

// --- the window ---

QWidget* GridEditor::formArea() const
{
    return centralWidget();
}

void GridEditor::setAddressFrame(QWidget* frame)
{
    m_addressFrame = frame;
    placeEditorGrid(*m_grid, m_addressFrame, centralWidget()->size(), m_bottomMargin);
}

void GridEditor::Form_Resize()
{
    if (isMinimized())
        return;
    // Maximising: the second click of a double click on the title bar lands in the grid.
    if (fillsScreen(*this))
        m_skipNextClick = true;
    Grid_Scroll();
}

bool GridEditor::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(e);
}

void GridEditor::showEvent(QShowEvent* e)
{
    // The editor opens on a table just read: what it holds then counts as unchanged. (A window
    // restored from the task bar is shown by the system and keeps what it knew.)
    if (!e->spontaneous()) {
        m_history.clear();
        markTableUnchanged();
    }
    QMainWindow::showEvent(e);
}

void GridEditor::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    Form_Resize();
}

void GridEditor::closeEvent(QCloseEvent* e)
{
    // The close box returns to the main window like "Abbrechen"; the program ends only with
    // the main window. While a transfer runs the window stays.
    e->ignore();
    AbbrechenMenu_Click();
}

bool GridEditor::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == centralWidget() && e->type() == QEvent::Resize)
        placeEditorGrid(*m_grid, m_addressFrame, centralWidget()->size(), m_bottomMargin);
    return QMainWindow::eventFilter(watched, e);
}

} // namespace kx2
