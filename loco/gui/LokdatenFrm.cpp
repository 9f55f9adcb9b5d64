#include "loco/gui/LokdatenFrm.h"

#include "records/DatabaseContext.h"
#include "loco/LocoCommands.h"
#include "loco/LocoCsv.h"
#include "loco/LocoEdits.h"
#include "loco/LocoFiles.h"
#include "loco/LocoGridModel.h"
#include "loco/LocoTransfer.h"
#include "loco/gui/LokDatFormatFrm.h"
#include "loco/gui/LokFktSymFrm.h"
#include "loco/gui/LokmaxSpeedFrm.h"
#include "records/ReadKeepingTables.h"
#include "records/RecordTableChanges.h"
#include "records/TableEditCommand.h"
#include "editor/gui/FlexGrid.h"
#include "editor/gui/PictureCache.h"

#include <QLineEdit>
#include <QCoreApplication>

namespace kx2 {

CsvTable LokdatenFrm::csvTable()
{
    return LocoCsv(m_loco);
}

namespace {

const char* const kAchtung = QT_TRANSLATE_NOOP("LokdatenFrm", "Achtung!");
const char* const kNotFound = QT_TRANSLATE_NOOP("LokdatenFrm", "Datensatz nicht gefunden!");

GridEditorDesign LokdatenDesign()
{
    // The address column stays in place as the grid scrolls sideways through f0..f28; nothing
    // sits under the grid.
    const int fixedAddressColumn = 1;
    const int bottomMargin = 1100;
    // The address, the data format and the name stay in view beside the functions.
    const int frozenThroughName = LocoGrid::NameCol + 1;
    return GridEditorDesign{"LokdatenFrm", QCoreApplication::translate("LokdatenFrm", "Lok-Datensätze:"),
                            "LokdatenGrid", fixedAddressColumn, bottomMargin, frozenThroughName};
}

} // namespace

LokdatenFrm::LokdatenFrm(DatabaseContext& ctx, LocoData loco, const QString& programFolder, const DeviceMenuCaptions& captions,
                         QWidget* parent)
    : GridEditor(ctx.editorServices(), LokdatenDesign(), loco.LocoGridLoaded, parent)
    , m_ctx(ctx)
    , m_loco(loco)
    , m_pictures(std::make_unique<PictureCache>(programFolder))
{
    buildMenus({{"LadenMenu", QCoreApplication::translate("LokdatenFrm", "alle Datensätze &laden"),
                 [this] { LadenMenu_Click(); }},
                {"SpeichernMenu", QCoreApplication::translate("LokdatenFrm", "alle Datensätze &speichern"),
                 [this] { SpeichernMenu_Click(); }},
                {"ClrTabMenu", QCoreApplication::translate("LokdatenFrm", "alle Daten in der &Tabelle  löschen"),
                 [this] { ClrTabMenu_Click(); }},
                {"DS_LadenMenu", QCoreApplication::translate("LokdatenFrm", "einen &Datensatz laden"),
                 [this] { DS_LadenMenu_Click(); }},
                {"DS_SpeichernMenu", QCoreApplication::translate("LokdatenFrm", "&einen Datensatz speichern"),
                 [this] { DS_SpeichernMenu_Click(); }}},
               captions);
    start_tabelle();
    trackChanges(std::make_unique<RecordTableChanges>(m_loco.table, LocoTable::Layout));
    history().setWholeTableStep([this](const QString& text, const std::function<void()>& edit) {
        return std::make_unique<WholeTableCommand>(m_loco.table, m_loco.table.station, text, edit);
    });
    // The entry line for a new locomotive stays at the bottom whatever the order.
    grid()->setSortCols({LocoGrid::AddressCol, LocoGrid::FormatCol, LocoGrid::NameCol, LocoGrid::SpeedCol});
    grid()->setSortKeepsLastLine(true);
    resize(1040, 580);
}

LokdatenFrm::~LokdatenFrm() = default;

// --- helpers ---

LocoFileContext LokdatenFrm::fileContext()
{
    return LocoFileContext{m_loco.table, m_ctx.storedSerial, services().dialogs, services().files,
                           m_ctx.settings, [this](double seconds) { pause(seconds); }};
}

int LokdatenFrm::addressValue(int row) const
{
    return CellValue(grid()->TextMatrix(row, LocoGrid::AddressCol));
}

std::vector<int> LokdatenFrm::otherAddresses(int row) const
{
    std::vector<int> addresses;
    for (int r = 1; r < grid()->Rows(); ++r)
        if (r != row)
            addresses.push_back(addressValue(r));
    return addresses;
}

bool LokdatenFrm::hasEmptyEntryLine() const
{
    for (int r = 1; r < grid()->Rows(); ++r)
        if (addressValue(r) == 0 && grid()->TextMatrix(r, LocoGrid::NameCol).isEmpty())
            return true;
    return false;
}

void LokdatenFrm::showSymbol(int row, int col, int symbol)
{
    if (SymbolHasPicture(symbol)) {
        grid()->setTextMatrix(row, col, QString());
        grid()->setCellPicture(row, col, m_pictures->picture(FunctionSymbolFile(symbol)));
    } else {
        grid()->setCellPicture(row, col, QPixmap());
        grid()->setTextMatrix(row, col, NoSymbolText());
    }
}

void LokdatenFrm::fillLine(int row, const LocoGridLine& line)
{
    grid()->setRowData(row, line.slot);
    grid()->setRowHeightPx(row, LocoGrid::RowHeight);
    grid()->setTextMatrix(row, LocoGrid::AddressCol, line.address);
    grid()->setTextMatrix(row, LocoGrid::FormatCol, line.format);
    grid()->setTextMatrix(row, LocoGrid::NameCol, line.name);
    grid()->setTextMatrix(row, LocoGrid::SpeedCol, line.speed);
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        showSymbol(row, LocoGrid::columnOfFunction(f), line.symbols[size_t(f)]);
}

// --- the grid ---

void LokdatenFrm::start_tabelle()
{
    // The grid starts empty: nothing of an earlier first line survives into the entry line.
    grid()->setRows(1);
    grid()->setRows(2);
    grid()->setCols(LocoGrid::Cols);
    grid()->setDefaultRowHeight(LocoGrid::RowHeight);
    for (int col = 0; col < LocoGrid::Cols; ++col) {
        grid()->setTextMatrix(0, col, LocoGrid::header(col));
        grid()->setColWidth(col, LocoGrid::width(col));
    }
    grid()->setRowHeightPx(1, LocoGrid::RowHeight);
    grid()->setRowData(1, -1);
    grid()->fitHeaderFont();
}

void LokdatenFrm::fillGrid()
{
    const std::vector<int> slots = LocoGridSlots(m_loco.table);
    grid()->setRows(int(slots.size()) + 2);
    for (size_t n = 0; n < slots.size(); ++n)
        fillLine(int(n) + 1, LocoGridLineOf(m_loco.table, slots[n]));
    addEntryLine(int(slots.size()) + 1);
}

void LokdatenFrm::addEntryLine(int row)
{
    grid()->setRowData(row, -1);
    grid()->setRowHeightPx(row, LocoGrid::RowHeight);
}

bool LokdatenFrm::isNameCell(int row, int col) const
{
    return row >= 1 && col == LocoGrid::NameCol;
}

int LokdatenFrm::nameRoom(int, int) const
{
    // What is typed is what is stored: 23 characters and the terminator.
    return LocoTable::NameMaxWritten;
}

int LokdatenFrm::nameCapacity(int, int) const
{
    return LocoTable::NameMaxWritten;
}

void LokdatenFrm::gridClick()
{
    if (SaveRecordPending) {
        SaveRecordPending = false;
        save_daten_satz(addressValue(grid()->Row()));
        return;
    }
    change_data_frm();
    edit_namen();
    change_fkt_sym();
    change_maxspeed();
}

void LokdatenFrm::gridKeyDown(int key, Qt::KeyboardModifiers)
{
    switch (key) {
    case Qt::Key_Delete:
        if (grid()->Col() == LocoGrid::NameCol)
            del_datensatz();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        change_data_frm();
        change_fkt_sym();
        change_maxspeed();
        break;
    default:
        break;
    }
}

void LokdatenFrm::gridMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers)
{
    // A line clicked to be saved is not offered for deletion on the way.
    if (SaveRecordPending)
        return;
    // The whole line selected: its address cell was clicked.
    if (button == Qt::LeftButton && grid()->Row() > 0 && grid()->Col() == 1 && grid()->ColSel() == grid()->Cols() - 1)
        del_datensatz();
}

// --- the name edit ---

void LokdatenFrm::edit_namen()
{
    if (!openNameEdit())
        return;
    const int row = grid()->Row();
    if (addressValue(row) >= 1)
        return;
    // A new locomotive: its address first.
    for (;;) {
        const std::optional<QString> answer
            = input(QCoreApplication::translate("LokdatenFrm", "Lokadresse:"),
                    QCoreApplication::translate("LokdatenFrm", "Neuer Datensatz"), QStringLiteral(" "));
        grid()->setTextMatrix(row, LocoGrid::AddressCol, answer.value_or(QString()));
        int a = 0;
        switch (CheckNewAddress(answer, otherAddresses(row), a)) {
        case NewAddress::Cancelled:
            grid()->setTextMatrix(row, LocoGrid::AddressCol, QStringLiteral("-"));
            return;
        case NewAddress::Invalid:
            message(InvalidAddressText(), MsgButtons::Ok, MsgIcon::Critical,
                    QCoreApplication::translate("LokdatenFrm", kAchtung));
            continue;
        case NewAddress::Duplicate:
            message(DuplicateAddressText(), MsgButtons::Ok, MsgIcon::Critical,
                    QCoreApplication::translate("LokdatenFrm", kAchtung));
            continue;
        case NewAddress::Accepted:
            grid()->setTextMatrix(row, LocoGrid::AddressCol, QString::number(a));
            save_data_from_grid(row);
            if (!hasEmptyEntryLine()) {
                grid()->addRow();
                addEntryLine(grid()->Rows() - 1);
            }
            return;
        }
    }
}

void LokdatenFrm::nameBoxTab(bool back)
{
    grid()->setCol(grid()->Col() + (back ? -1 : 1));
}

void LokdatenFrm::save_data_from_grid(int row)
{
    const int keepRow = grid()->Row();
    const int keepCol = grid()->Col();
    const BusyScope busy(*this);
    LocoTable& table = m_loco.table;
    const int slot = grid()->RowData(row);
    const int a = addressValue(row);
    const QString name = grid()->TextMatrix(row, LocoGrid::NameCol);
    if (slot == -1) {
        auto step = std::make_unique<NewLocoCommand>(table, a, name);
        const NewLoco added = step->added;
        history().push(std::move(step));
        if (added.slot) {
            grid()->setRowHeightPx(row, LocoGrid::RowHeight);
            grid()->setTextMatrix(row, LocoGrid::SpeedCol, QString::number(table.maxSpeed(*added.slot)));
            for (int f = 0; f < LocoTable::FunctionCount; ++f)
                showSymbol(row, LocoGrid::columnOfFunction(f), 0);
            grid()->setRowData(row, *added.slot);
        } else if (added.tableFull) {
            message(TableFullText(), MsgButtons::Ok, MsgIcon::Critical,
                    QCoreApplication::translate("LokdatenFrm", kAchtung));
        }
    } else if (slot >= 0 && slot < LocoTable::SlotCount) {
        const NameEditScope storing(*this);
        history().push(std::make_unique<LocoNameCommand>(table, slot, a, name));
    }
    if (grid()->Row() != keepRow || grid()->Col() != keepCol)
        grid()->selectCell(keepRow, keepCol);
    pause(0.1);
}

// --- deleting ---

void LokdatenFrm::del_datensatz()
{
    const int row = grid()->Row();
    const int a = addressValue(row);
    if (a == 0)
        return;
    const BusyScope busy(*this);
    if (ask(Question::DeleteRecord, QCoreApplication::translate("LokdatenFrm", "     Datensatz löschen?"),
            MsgButtons::YesNo, MsgIcon::None, QCoreApplication::translate("LokdatenFrm", "Lokdatensätze"))
        == MsgAnswer::Yes) {
        // A name being typed into the deleted line goes with it.
        if (InpText()->isVisible() && EditRow == row) {
            hideNameEdit();
            EditRow = 0;
            EditCol = 0;
        }
        // The line stays, marked deleted until the deletion is sent or saved.
        auto step = std::make_unique<DeleteLocoCommand>(m_loco.table, grid()->RowData(row), a);
        const std::optional<int> slot = step->slot;
        history().push(std::move(step));
        if (slot)
            grid()->setLineTag(row, *slot);
        else
            message(QCoreApplication::translate("LokdatenFrm", kNotFound), MsgButtons::Ok, MsgIcon::Critical,
                    QCoreApplication::translate("LokdatenFrm", kAchtung));
        for (int col = LocoGrid::NameCol; col < grid()->Cols(); ++col) {
            grid()->setCellPicture(row, col, QPixmap());
            grid()->setTextMatrix(row, col, QString());
        }
        grid()->setTextMatrix(row, LocoGrid::AddressCol, QStringLiteral("-"));
        grid()->setTextMatrix(row, LocoGrid::FormatCol, QString());
        grid()->setRowData(row, -1);
        grid()->setCol(0);
    }
    pause(0.1);
}

void LokdatenFrm::del_lokdata(int address)
{
    auto step = std::make_unique<DeleteLocoCommand>(m_loco.table, -1, address);
    const bool deleted = step->slot.has_value();
    history().push(std::move(step));
    if (!deleted)
        message(QCoreApplication::translate("LokdatenFrm", kNotFound), MsgButtons::Ok, MsgIcon::Critical,
                QCoreApplication::translate("LokdatenFrm", kAchtung));
}

QString LokdatenFrm::ReadLokname(int slot) const
{
    return m_loco.table.ReadLokname(slot);
}

void LokdatenFrm::WriteLokname(int slot, const QString& text)
{
    m_loco.table.WriteLokname(slot, text);
}

// --- column dialogs ---

LokDatFormatFrm* LokdatenFrm::ensureFormatDialog()
{
    if (!m_formatFrm)
        m_formatFrm = new LokDatFormatFrm(this);
    return m_formatFrm;
}

LokFktSymFrm* LokdatenFrm::ensureSymbolDialog()
{
    if (!m_symbolFrm)
        m_symbolFrm = new LokFktSymFrm(*m_pictures, [this](double seconds) { pause(seconds); }, this);
    return m_symbolFrm;
}

LokmaxSpeedFrm* LokdatenFrm::ensureSpeedDialog()
{
    if (!m_speedFrm)
        m_speedFrm = new LokmaxSpeedFrm(this);
    return m_speedFrm;
}

void LokdatenFrm::change_data_frm()
{
    const int row = grid()->Row();
    const int col = grid()->Col();
    if (!grid()->singleCellSelected() || row < 1 || grid()->RowData(row) == -1 || col != LocoGrid::FormatCol)
        return;
    if (columnDialogOpen())
        return;
    const int slot = grid()->RowData(row);
    LokDatFormatFrm* dialog = ensureFormatDialog();
    runColumnDialog(
        dialog, [&] { dialog->showFor(FormatTextToIndex(grid()->TextMatrix(row, col)).value_or(0)); },
        [&] {
            if (dialog->FormatDialogResult == 1
                && history().push(std::make_unique<LocoFormatCommand>(m_loco.table, m_loco.formats, slot, dialog->FormatIndex)))
                grid()->setTextMatrix(row, col, FormatCodeToText(m_loco.table.cell(slot, LocoTable::FormatCode)));
        });
}

void LokdatenFrm::change_fkt_sym()
{
    if (grid()->RowSel() != grid()->Row())
        return;
    const int row = grid()->Row();
    const int col = grid()->Col();
    const int colSel = grid()->ColSel();
    // Only function cells of a line with a record; a selection that reaches into the other
    // columns is no range of functions.
    if (row < 1 || grid()->RowData(row) < 0 || !LocoGrid::isFunctionColumn(col) || !LocoGrid::isFunctionColumn(colSel))
        return;
    if (columnDialogOpen())
        return;
    bool range = false;
    int first = 0;
    int last = 0;
    if (colSel != col) {
        first = LocoGrid::functionOfColumn(col);
        last = LocoGrid::functionOfColumn(colSel);
        if (last < first)
            std::swap(first, last);
        if (message(SymbolRangeQuestion(first, last), MsgButtons::YesNo, MsgIcon::None, QString()) != MsgAnswer::Yes)
            return;
        range = true;
    }

    const int slot = grid()->RowData(row);
    LocoTable& table = m_loco.table;
    LokFktSymFrm* dialog = ensureSymbolDialog();
    runColumnDialog(
        dialog, [&] { dialog->showFor(table.symbol(slot, LocoGrid::functionOfColumn(col))); },
        [&] {
            // Abbrechen leaves every function as it was, in a range too.
            if (dialog->Cancelled || dialog->SymbolResult == -1)
                return;
            const int symbol = dialog->SymbolResult;
            const int clicked = LocoGrid::functionOfColumn(col);
            history().push(
                std::make_unique<LocoSymbolCommand>(table, slot, range ? first : clicked, range ? last : clicked, symbol));
            showSymbol(row, col, symbol);
            if (range)
                for (int f = first; f <= last; ++f) {
                    grid()->setCol(LocoGrid::columnOfFunction(f));
                    showSymbol(row, LocoGrid::columnOfFunction(f), symbol);
                }
        });
}

void LokdatenFrm::change_maxspeed()
{
    const int row = grid()->Row();
    if (!grid()->singleCellSelected() || row <= 0 || grid()->Col() != LocoGrid::SpeedCol || grid()->RowData(row) == -1)
        return;
    if (columnDialogOpen())
        return;
    const int col = grid()->Col();
    const int slot = grid()->RowData(row);
    LocoTable& table = m_loco.table;
    LokmaxSpeedFrm* dialog = ensureSpeedDialog();
    runColumnDialog(
        dialog, [&] { dialog->showFor(table.value(slot, LocoTable::MaxSpeedHalf)); },
        [&] {
            if (dialog->SpeedDialogResult == 1
                && history().push(std::make_unique<LocoSpeedCommand>(table, slot, dialog->SpeedValue)))
                grid()->setTextMatrix(row, col, QString::number(dialog->SpeedValue * 2));
        });
}

// --- menus ---

void LokdatenFrm::LadenMenu_Click()
{
    fileLoad([this] {
        LocoFileContext files = fileContext();
        return LoadLocoTable(files) == AfterFileOp::RebuildGrid;
    });
}

void LokdatenFrm::SpeichernMenu_Click()
{
    fileSave([this] {
        LocoFileContext files = fileContext();
        return SaveLocoTable(files);
    });
}

void LokdatenFrm::ClrTabMenu_Click()
{
    if (!mayDiscardChanges())
        return;
    const BusyScope busy(*this);
    history().runAsOneStep(QCoreApplication::translate("LokdatenFrm", "alle löschen"),
                           [this] { ClearLocoTable(m_loco.table); });
    showTable();
    // An empty table holds nothing that could be lost.
    markTableUnchanged(true);
}

void LokdatenFrm::DS_LadenMenu_Click()
{
    fileLoad(
        [this] {
            LocoFileContext files = fileContext();
            return LoadLocoRecord(files) == AfterFileOp::RebuildGrid;
        },
        LoadKind::AddsToTable);
}

void LokdatenFrm::DS_SpeichernMenu_Click()
{
    if (message(
            QCoreApplication::translate("LokdatenFrm", "Klicken Sie den Datensatz an, der gespeichert werden soll!"),
            MsgButtons::OkCancel, MsgIcon::None,
            QCoreApplication::translate("LokdatenFrm", "einen Datensatz speichern"))
        == MsgAnswer::Ok)
        SaveRecordPending = true;
}

bool LokdatenFrm::save_daten_satz(int address)
{
    LocoFileContext files = fileContext();
    return SaveLocoRecord(files, address);
}

bool LokdatenFrm::readDatabase()
{
    return ReadKeepingTables(
               m_ctx, [this] { return LocoTransfer(m_ctx, m_loco.table).ReadLocoDatabase(); }, m_loco.table)
        .opensEditor();
}

bool LokdatenFrm::sendDatabase()
{
    const LocoSendOutcome sent = LocoTransfer(m_ctx, m_loco.table).SendLocoDatabase();
    return sent == LocoSendOutcome::Sent || sent == LocoSendOutcome::NothingPending;
}

int LokdatenFrm::recordOfLine(int row) const
{
    const int slot = grid()->RowData(row);
    if (slot >= 0 && slot < LocoTable::SlotCount)
        return slot;
    // A deleted line, as long as its slot was not taken by a new locomotive meanwhile.
    const int deleted = grid()->LineTag(row);
    if (deleted >= 0 && m_loco.table.status(deleted) == LocoTable::StatusDeleted)
        return deleted;
    return -1;
}

} // namespace kx2
