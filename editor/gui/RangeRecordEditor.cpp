#include "editor/gui/RangeRecordEditor.h"

#include "records/DatabaseContext.h"
#include "records/NameLines.h"
#include "records/RangeCommands.h"
#include "records/RangeCsv.h"
#include "records/RangeEdits.h"
#include "records/RangeRecordTable.h"
#include "records/RangeTransfer.h"
#include "records/ReadKeepingTables.h"
#include "records/RecordTableChanges.h"
#include "editor/GridEditing.h"
#include "editor/gui/FlexGrid.h"
#include "editor/gui/MagSymFrm.h"
#include "editor/gui/PictureCache.h"
#include "editor/gui/SymbolChooser.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace kx2 {

CsvTable RangeRecordEditor::csvTable()
{
    return rangeCsv(m_table, m_range);
}

namespace {

// Room for the accessory symbol pictures, 27 pixels high.
constexpr int RowHeight = 29;

GridEditorDesign formDesign(const RangeEditorDesign& d)
{
    // Column 0, the address, is an ordinary column; 1800 twips under the grid leave room for the
    // address frame. The address, the editor's own columns and the names stay in view.
    const int frozenThroughNames = 1 + int(d.ownColumns.size()) + 2;
    return GridEditorDesign{d.formName, d.caption, d.gridName, 0, 1800, frozenThroughNames};
}

std::vector<RangeEditorColumn> Columns(const RangeEditorDesign& d)
{
    std::vector<RangeEditorColumn> columns{{QCoreApplication::translate("RangeRecordEditor", "Adr."), 40}};
    columns.insert(columns.end(), d.ownColumns.begin(), d.ownColumns.end());
    columns.push_back({QCoreApplication::translate("RangeRecordEditor", "Name Zeile1"), 100});
    columns.push_back({QCoreApplication::translate("RangeRecordEditor", "Name Zeile2"), 100});
    columns.push_back({QCoreApplication::translate("RangeRecordEditor", "Symbol"), 80});
    return columns;
}

QLineEdit* makeBox(const char* name, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedWidth(56);
    return box;
}

} // namespace

RangeRecordEditor::RangeRecordEditor(DatabaseContext& ctx, const RangeEditorDesign& design, RangeRecordTable& table,
                                     AddressRange& range, int& gridLoaded, RangeFileFormat fileFormat,
                                     const QString& programFolder, const DeviceMenuCaptions& captions, QWidget* parent)
    : GridEditor(ctx.editorServices(), formDesign(design), gridLoaded, parent)
    , m_ctx(ctx)
    , m_design(design)
    , m_columns(Columns(design))
    , m_table(table)
    , m_range(range)
    , m_fileFormat(std::move(fileFormat))
    , m_pictures(std::make_unique<PictureCache>(programFolder))
{
    buildMenus(
        {{"LadenMenu", QCoreApplication::translate("RangeRecordEditor", "&laden"), [this] { LadenMenu_Click(); }},
         {"SpeichernMenu", QCoreApplication::translate("RangeRecordEditor", "&speichern"),
          [this] { SpeichernMenu_Click(); }},
         {"ClrTabMenu", design.clearCaption, [this] { ClrTabMenu_Click(); }}},
        captions);

    m_adrFrame = new QFrame(formArea());
    m_adrFrame->setObjectName(QStringLiteral("AdrFrame"));
    auto* from = makeBox(design.fromBoxName, QStringLiteral("1"), m_adrFrame);
    auto* to = makeBox(design.toBoxName, QStringLiteral("16"), m_adrFrame);
    auto* row = new QHBoxLayout(m_adrFrame);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QCoreApplication::translate("RangeRecordEditor", "von Adr.:"), m_adrFrame));
    row->addWidget(from);
    row->addSpacing(8);
    row->addWidget(new QLabel(QCoreApplication::translate("RangeRecordEditor", "bis Adr.:"), m_adrFrame));
    row->addWidget(to);
    m_adrFrame->adjustSize();
    m_rangeBoxes.emplace(from, to, table.maxAddress());
    setAddressFrame(m_adrFrame);

    // The symbol pictures are drawn for the 29-pixel lines: shown at their size.
    grid()->setScalePictures(false);
    start_tabelle();
    trackChanges(std::make_unique<RecordTableChanges>(table, table.layout()));
    history().setWholeTableStep([this](const QString& text, const std::function<void()>& edit) {
        return std::make_unique<WholeTableCommand>(m_table, m_table.station, text, edit);
    });
    // "Adr.", the editor's own columns and the two name lines sort; the symbol does not.
    std::vector<int> sortCols;
    for (int col = 0; col <= nameLine1Col() + 1; ++col)
        sortCols.push_back(col);
    grid()->setSortCols(sortCols);
    // As wide as the columns with the grid's frame and scroll bar and the 350 twips to its right;
    // high enough for the 16 lines of the designed range.
    int width = 45;
    for (const RangeEditorColumn& c : m_columns)
        width += c.width;
    resize(width, 590);
}

RangeRecordEditor::~RangeRecordEditor() = default;

// --- the grid ---

void RangeRecordEditor::start_tabelle()
{
    layOutGrid(
        int(m_columns.size()), RowHeight, [this](int col) { return m_columns[size_t(col)].header; },
        [this](int col) { return m_columns[size_t(col)].width; });
}

void RangeRecordEditor::fillGrid()
{
    m_rangeBoxes->show(m_range);
    // The range in use is checked wherever it is set; one the table has no rows for shows none.
    if (!m_range.isValidFor(m_table.maxAddress()))
        return;
    grid()->setRows(m_range.count() + 1);
    for (int a = m_range.first; a <= m_range.last; ++a) {
        const int row = a - m_range.first + 1;
        // Not read (a failed read, a port that could not be opened): shown blank.
        if (m_table.status(a) == status::Empty)
            blankRecord(a);
        grid()->setRowHeightPx(row, grid()->scaled(RowHeight));
        grid()->setRowData(row, a);
        grid()->setTextMatrix(row, 0, QString::number(a));
        fillLine(row, a);
    }
}

void RangeRecordEditor::fillLine(int row, int a)
{
    fillOwnCells(row, a);
    grid()->setTextMatrix(row, nameLine1Col(), nameOf(1, a));
    grid()->setTextMatrix(row, nameLine1Col() + 1, nameOf(2, a));
    showSymbol(row, a);
}

std::vector<int> RangeRecordEditor::showRecords(const std::vector<int>& addresses, StepWay)
{
    // Addresses outside the range in use have no line.
    const std::vector<int> lines = linesOf(addresses);
    for (const int row : lines)
        fillLine(row, grid()->RowData(row));
    return lines;
}

void RangeRecordEditor::fillOwnCells(int, int) {}

void RangeRecordEditor::showSymbol(int row, int a)
{
    const int symbol = m_table.shownSymbol(a);
    if (symbol > 0) {
        grid()->setTextMatrix(row, symbolCol(), QString());
        // A missing picture file leaves the cell empty.
        grid()->setCellPicture(row, symbolCol(), m_pictures->picture(symbolFile(m_design.symbolFolder, symbol)));
    } else {
        grid()->setCellPicture(row, symbolCol(), QPixmap());
    }
    // A picture says nothing to a screen reader: the cell speaks its meaning.
    if (QTableWidgetItem* item = grid()->item(row - 1, symbolCol() - grid()->FixedCols()))
        item->setData(Qt::AccessibleTextRole, rangeSymbolMeaning(symbol));
}

QString RangeRecordEditor::nameOf(int line, int a) const
{
    return m_table.nameLine(a, line);
}

std::optional<int> RangeRecordEditor::addressOfLine(int row) const
{
    if (row < 1 || row >= grid()->Rows())
        return std::nullopt;
    const int a = grid()->RowData(row);
    if (a < 1 || a > m_table.maxAddress())
        return std::nullopt;
    return a;
}

bool RangeRecordEditor::isNameCell(int row, int col) const
{
    return row >= 1 && row < grid()->Rows() && (col == nameLine1Col() || col == nameLine1Col() + 1);
}

int RangeRecordEditor::nameCapacity(int, int) const
{
    return NameLines::MaxChars;
}

int RangeRecordEditor::nameRoom(int row, int col) const
{
    // Both lines share bytes 4..27 with the 13 between them.
    const int other = col == nameLine1Col() ? col + 1 : nameLine1Col();
    return std::max(0, NameLines::MaxChars - int(grid()->TextMatrix(row, other).size()));
}

void RangeRecordEditor::save_data_from_grid(int row)
{
    const std::optional<int> a = addressOfLine(row);
    if (!a)
        return;
    history().push(std::make_unique<RangeNameCommand>(m_table, *a, grid()->TextMatrix(row, nameLine1Col()),
                                                      grid()->TextMatrix(row, nameLine1Col() + 1)));
}

// --- events ---

void RangeRecordEditor::gridClick()
{
    ownColumnClick();
    edit_namen();
    changeSymbol();
}

void RangeRecordEditor::gridKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ownColumnClick();
        changeSymbol();
    }
}

void RangeRecordEditor::nameBoxTab(bool back)
{
    int row = grid()->Row();
    int col = grid()->Col();
    // Back never reaches the address column: from name line 1 it goes on in the line above.
    if (!back)
        ++col;
    else if (col > 1)
        --col;
    else if (row >= 2)
        --row;
    // Entering a name cell opens the box there.
    grid()->selectCell(row, col);
    if (!isNameCell(grid()->Row(), grid()->Col()))
        grid()->setFocus();
}

// --- the symbol ---

void RangeRecordEditor::changeSymbol()
{
    const int row = grid()->Row();
    if (!grid()->singleCellSelected() || row < 1 || grid()->Col() != symbolCol())
        return;
    const std::optional<int> a = addressOfLine(row);
    if (!a || columnDialogOpen())
        return;
    if (!m_chooser)
        m_chooser = m_design.newSymbolChooser(*m_pictures, [this](double seconds) { pause(seconds); }, this);
    SymbolChooser* dialog = m_chooser;
    runColumnDialog(
        dialog, [&] { dialog->showFor(m_table.symbolPreset(*a)); },
        [&] {
            // Abbrechen stores nothing: a preset written back would invent a symbol for a record
            // that never had one.
            if (dialog->Cancelled)
                return;
            history().push(std::make_unique<RangeSymbolCommand>(m_table, *a, dialog->Result));
            showSymbol(row, *a);
        });
}

// --- menus ---

bool RangeRecordEditor::readDatabase()
{
    const std::optional<AddressRange> typed = m_rangeBoxes->take(services().dialogs);
    if (!typed)
        return false;
    const ReadOutcome read = readKeepingTables(
        m_ctx,
        [this, &typed] {
            m_range = *typed;
            return transfer()->read();
        },
        m_table, m_range);
    // Put back, the range shown is the one in use again.
    if (!read.opensEditor())
        m_rangeBoxes->show(m_range);
    return read.opensEditor();
}

bool RangeRecordEditor::sendDatabase()
{
    const SendOutcome sent = transfer()->send();
    return sent == SendOutcome::Sent || sent == SendOutcome::NothingPending;
}

bool RangeRecordEditor::recordInUse(int address) const
{
    return m_table.holdsRecord(address);
}

int RangeRecordEditor::recordOfLine(int row) const
{
    return addressOfLine(row).value_or(-1);
}

FilePrompt RangeRecordEditor::filePrompt()
{
    return FilePrompt{services().files, services().dialogs, m_ctx.settings, [this](double seconds) { pause(seconds); }};
}

void RangeRecordEditor::LadenMenu_Click()
{
    fileLoad([this] {
        return filePrompt().load(0.1, [this](const QString& path) {
            return loadRangeTableFile(path, m_fileFormat, m_table, m_ctx.storedSerial, m_range);
        });
    });
}

void RangeRecordEditor::SpeichernMenu_Click()
{
    fileSave([this] { return filePrompt().save(rangeTableFile(m_fileFormat, m_table, m_ctx.storedSerial, m_range), 0.1); });
}

void RangeRecordEditor::ClrTabMenu_Click()
{
    // A name being typed belongs to the table before it is blanked (and before it is asked about).
    if (!mayDiscardChanges())
        return;
    const BusyScope busy(*this);
    if (const std::optional<AddressRange> typed = m_rangeBoxes->take(services().dialogs)) {
        m_range = *typed;
        // Blank, not changed: a send afterwards writes nothing.
        history().runAsOneStep(QCoreApplication::translate("RangeRecordEditor", "alle löschen"), [this] {
            for (int a = m_range.first; a <= m_range.last; ++a)
                blankRecord(a);
        });
        markTableUnchanged(true);
        GridLoaded = 0;
        Form_Activate();
    }
}

} // namespace kx2
