#include "loco/gui/LokdatenFrm.h"

#include "editor/gui/FlexGrid.h"
#include "editor/gui/PictureCache.h"
#include "loco/LocoCommands.h"
#include "loco/LocoFiles.h"
#include "loco/LocoGridModel.h"
#include "loco/LocoPrint.h"
#include "loco/LocoTransfer.h"
#include "loco/gui/LokDatFormatFrm.h"
#include "loco/gui/LokFktSymFrm.h"
#include "loco/gui/LokmaxSpeedFrm.h"
#include "records/DatabaseContext.h"
#include "records/ReadKeepingTables.h"
#include "records/RecordTableChanges.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

const char* const kAchtung = QT_TRANSLATE_NOOP("LokdatenFrm", "Achtung!");

GridEditorDesign lokdatenDesign()
{
    // The address column stays in place as the grid scrolls sideways through f0..f28; nothing
    // sits under the grid.
    const int fixedAddressColumn = 1;
    const int bottomMargin = 1100;
    // The address, the data format and the name stay in view beside the functions.
    const int frozenThroughName = LocoGrid::NameCol + 1;
    return GridEditorDesign{"LokdatenFrm", locoEditorCaption(), "LokdatenGrid", fixedAddressColumn, bottomMargin, frozenThroughName};
}

} // namespace

LokdatenFrm::LokdatenFrm(DatabaseContext& ctx, LocoData loco, const QString& programFolder, const DeviceMenuCaptions& captions,
                         QWidget* parent)
    : GridEditor(ctx.editorServices(), lokdatenDesign(), loco.LocoGridLoaded, parent)
    , m_ctx(ctx)
    , m_loco(loco)
    , m_pictures(std::make_unique<PictureCache>(programFolder))
    , m_files(std::make_unique<LocoFileContext>(LocoFileContext{m_loco.table, ctx.storedSerial, services().dialogs,
                                                                services().files, ctx.settings,
                                                                [this](double seconds) { pause(seconds); }}))
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
                 [this] { DS_SpeichernMenu_Click(); }},
                {"RosterImportMenu", QCoreApplication::translate("LokdatenFrm", "Lokliste importieren (&JMRI, Rocrail)..."),
                 [this] { RosterImportMenu_Click(); }},
                {"RosterExportMenu", QCoreApplication::translate("LokdatenFrm", "Als JMRI-Roster e&xportieren..."),
                 [this] { RosterExportMenu_Click(); }}},
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

// --- the grid ---

void LokdatenFrm::start_tabelle()
{
    // The grid starts empty: nothing of an earlier first line survives into the entry line.
    layOutGrid(LocoGrid::Cols, LocoGrid::RowHeight, LocoGrid::header, LocoGrid::width);
    grid()->setRows(2);
    addEntryLine(1);
}

void LokdatenFrm::fillGrid()
{
    const std::vector<int> slots = locoGridSlots(m_loco.table);
    grid()->setRows(int(slots.size()) + 2);
    for (size_t n = 0; n < slots.size(); ++n)
        fillLine(int(n) + 1, locoGridLineOf(m_loco.table, slots[n]));
    addEntryLine(int(slots.size()) + 1);
}

void LokdatenFrm::addEntryLine(int row)
{
    grid()->setRowData(row, -1);
    grid()->setRowHeightPx(row, grid()->scaled(LocoGrid::RowHeight));
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
    if (key == Qt::Key_Delete && grid()->Col() == LocoGrid::NameCol)
        del_datensatz();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    // Enter opens the column dialogs, not the name edit.
    change_data_frm();
    change_fkt_sym();
    change_maxspeed();
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
    grid()->cancelPendingClick();
    const std::optional<int> a = askNewLocoAddress(services().dialogs, valuesBesides(LocoGrid::AddressCol, row), [&](const QString& typed) {
        grid()->setTextMatrix(row, LocoGrid::AddressCol, typed);
    });
    grid()->setTextMatrix(row, LocoGrid::AddressCol, a ? QString::number(*a) : QStringLiteral("-"));
    if (!a)
        return;
    save_data_from_grid(row);
    if (!hasEmptyEntryLine()) {
        grid()->addRow();
        addEntryLine(grid()->Rows() - 1);
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
            // A line that showed the slot's deleted locomotive no longer stands for it.
            while (const int stale = emptyLineTagged(deletedTag(*added.slot)))
                grid()->setLineTag(stale, -1);
            grid()->setRowHeightPx(row, grid()->scaled(LocoGrid::RowHeight));
            grid()->setTextMatrix(row, LocoGrid::SpeedCol, QString::number(table.maxSpeed(*added.slot)));
            for (int f = 0; f < LocoTable::FunctionCount; ++f)
                showSymbol(row, LocoGrid::columnOfFunction(f), 0);
            grid()->setRowData(row, *added.slot);
        } else if (added.tableFull) {
            message(tableFullText(), MsgButtons::Ok, MsgIcon::Critical,
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
    // The line asked about is in view while the question is open, even when the grid was
    // scrolled away from the current cell.
    grid()->scrollToLine(row);
    if (ask(Question::DeleteRecord, QCoreApplication::translate("LokdatenFrm", "     Datensatz löschen?"),
            MsgButtons::YesNo, MsgIcon::None, QCoreApplication::translate("LokdatenFrm", "Lokdatensätze"))
        == MsgAnswer::Yes) {
        // A name being typed into the deleted line goes with it.
        dropNameEditOn(row);
        // The line stays, marked deleted until the deletion is sent or saved.
        const std::optional<int> slot = deleteLoco(grid()->RowData(row), a);
        emptyLine(row, QStringLiteral("-"), slot ? deletedTag(*slot) : -1);
        grid()->setCol(0);
    }
    pause(0.1);
}

void LokdatenFrm::del_lokdata(int address)
{
    deleteLoco(-1, address);
}

std::optional<int> LokdatenFrm::deleteLoco(int lineSlot, int address)
{
    auto step = std::make_unique<DeleteLocoCommand>(m_loco.table, lineSlot, address);
    const std::optional<int> slot = step->slot;
    history().push(std::move(step));
    if (!slot)
        message(QCoreApplication::translate("LokdatenFrm", "Datensatz nicht gefunden!"), MsgButtons::Ok,
                MsgIcon::Critical, QCoreApplication::translate("LokdatenFrm", kAchtung));
    return slot;
}

// --- column dialogs ---

void LokdatenFrm::change_data_frm()
{
    const int row = grid()->Row();
    const int col = LocoGrid::FormatCol;
    const std::optional<int> slot = recordCellIn(col);
    if (!slot || columnDialogOpen())
        return;
    LokDatFormatFrm* dialog = columnDialog(m_formatFrm);
    runColumnDialog(
        dialog, [&] { dialog->showFor(FormatTextToIndex(grid()->TextMatrix(row, col)).value_or(0)); },
        [&] {
            if (dialog->FormatDialogResult == 1
                && history().push(std::make_unique<LocoFormatCommand>(m_loco.table, m_loco.formats, *slot, dialog->FormatIndex)))
                grid()->setTextMatrix(row, col,
                                      FormatCodeToText(m_loco.table.cell(*slot, LocoTable::FormatCode), Wording::Shown));
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
    const bool range = colSel != col;
    // Plain names, not a structured binding: the step's lambda below captures them.
    const std::pair<int, int> span = functionRange(col, colSel);
    const int first = span.first;
    const int last = span.second;
    if (range && message(symbolRangeQuestion(first, last), MsgButtons::YesNo, MsgIcon::None, QString()) != MsgAnswer::Yes)
        return;

    const int slot = grid()->RowData(row);
    LocoTable& table = m_loco.table;
    LokFktSymFrm* dialog = columnDialog(m_symbolFrm, *m_pictures, [this](double seconds) { pause(seconds); });
    runColumnDialog(
        dialog, [&] { dialog->showFor(table.symbol(slot, LocoGrid::functionOfColumn(col))); },
        [&] {
            // Abbrechen leaves every function as it was, in a range too.
            if (dialog->Cancelled || dialog->SymbolResult == -1)
                return;
            const int symbol = dialog->SymbolResult;
            // One function: first and last are the clicked one.
            history().push(std::make_unique<LocoSymbolCommand>(table, slot, first, last, symbol));
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
    const int col = LocoGrid::SpeedCol;
    const std::optional<int> slot = recordCellIn(col);
    if (!slot || columnDialogOpen())
        return;
    LocoTable& table = m_loco.table;
    LokmaxSpeedFrm* dialog = columnDialog(m_speedFrm);
    runColumnDialog(
        dialog, [&] { dialog->showFor(table.value(*slot, LocoTable::MaxSpeedHalf)); },
        [&] {
            if (dialog->SpeedDialogResult == 1
                && history().push(std::make_unique<LocoSpeedCommand>(table, *slot, dialog->SpeedValue)))
                grid()->setTextMatrix(row, col, QString::number(dialog->SpeedValue * 2));
        });
}

// --- menus ---

void LokdatenFrm::LadenMenu_Click()
{
    fileLoad([this] { return loadLocoTable(*m_files) == AfterFileOp::RebuildGrid; });
}

void LokdatenFrm::SpeichernMenu_Click()
{
    fileSave([this] { return saveLocoTable(*m_files); });
}

void LokdatenFrm::ClrTabMenu_Click()
{
    blankTable([this] { clearLocoTable(m_loco.table); });
}

void LokdatenFrm::DS_LadenMenu_Click()
{
    fileLoad([this] { return loadLocoRecord(*m_files) == AfterFileOp::RebuildGrid; }, LoadKind::AddsToTable);
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
    return saveLocoRecord(*m_files, address);
}

bool LokdatenFrm::readDatabase()
{
    return readKeepingTables(
               m_ctx, [this] { return LocoTransfer(m_ctx, m_loco.table).ReadLocoDatabase(); }, m_loco.table)
        .opensEditor();
}

bool LokdatenFrm::sendDatabase()
{
    const LocoSendOutcome sent = LocoTransfer(m_ctx, m_loco.table).SendLocoDatabase();
    return sent == LocoSendOutcome::Sent || sent == LocoSendOutcome::NothingPending;
}

} // namespace kx2
