#include "loco/gui/LokdatenFrm.h"

#include "loco/LocoFiles.h"
#include "loco/LocoGridModel.h"
#include "loco/LocoTransfer.h"
#include "loco/gui/LokDatFormatFrm.h"
#include "loco/gui/LokFktSymFrm.h"
#include "loco/gui/LokmaxSpeedFrm.h"
#include "dbproto/DatabaseContext.h"
#include "link/LocoNetLink.h"
#include "loco/LocoTransfer.h"
#include "shell/Settings.h"
#include "shell/gui/FlexGrid.h"
#include "shell/gui/PictureCache.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QValidator>
#include <QVBoxLayout>

namespace kx2 {

namespace {

const QString kAchtung = QStringLiteral("Achtung!");

// A name is stored in cp1252: a character it lacks is refused as it is typed or pasted.
class LokNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return IsStorableName(input) ? Acceptable : Invalid;
    }
};

} // namespace

LokdatenFrm::LokdatenFrm(DatabaseContext& ctx, LocoData loco, const QString& programFolder, const DeviceMenuCaptions& captions,
                         QWidget* parent)
    : QMainWindow(parent)
    , m_ctx(ctx)
    , m_loco(loco)
    , m_pictures(std::make_unique<PictureCache>(programFolder))
{
    setObjectName(QStringLiteral("LokdatenFrm"));
    setWindowTitle(QStringLiteral("Lok-Datensätze:"));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    m_grid = new FlexGrid(central);
    m_grid->setObjectName(QStringLiteral("LokdatenGrid"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(7, 7, 7, 7);
    layout->addWidget(m_grid);

    m_inpText = new QLineEdit(central);
    m_inpText->setObjectName(QStringLiteral("InpText"));
    m_inpText->setValidator(new LokNameValidator(m_inpText));
    m_inpText->hide();
    m_inpText->installEventFilter(this);

    buildMenus(captions);

    connect(m_grid, &FlexGrid::Click, this, &LokdatenFrm::LokdatenGrid_Click);
    connect(m_grid, &FlexGrid::KeyDown, this, &LokdatenFrm::LokdatenGrid_KeyDown);
    connect(m_grid, &FlexGrid::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint) {
                LokdatenGrid_MouseDown(button, modifiers);
            });
    connect(m_grid, &FlexGrid::EnterCell, this, &LokdatenFrm::LokdatenGrid_EnterCell);
    connect(m_grid, &FlexGrid::Scroll, this, &LokdatenFrm::LokdatenGrid_Scroll);

    start_tabelle();
    // 2000 twips at least, as the window was designed.
    setMinimumSize(134, 134);
    resize(1040, 580);
}

LokdatenFrm::~LokdatenFrm() = default;

void LokdatenFrm::buildMenus(const DeviceMenuCaptions& captions)
{
    m_dateiMenu = menuBar()->addMenu(QStringLiteral("Datei"));
    m_dateiMenu->setObjectName(QStringLiteral("DateiMenu"));
    addMenuItem(m_dateiMenu, "LadenMenu", QStringLiteral("alle Datensätze laden"), &LokdatenFrm::LadenMenu_Click);
    addMenuItem(m_dateiMenu, "SpeichernMenu", QStringLiteral("alle Datensätze speichern"),
                &LokdatenFrm::SpeichernMenu_Click);
    addMenuItem(m_dateiMenu, "ClrTabMenu", QStringLiteral("alle Daten in der Tabelle  löschen"),
                &LokdatenFrm::ClrTabMenu_Click);
    addMenuItem(m_dateiMenu, "DS_LadenMenu", QStringLiteral("einen Datensatz laden"), &LokdatenFrm::DS_LadenMenu_Click);
    addMenuItem(m_dateiMenu, "DS_SpeichernMenu", QStringLiteral("einen Datensatz speichern"),
                &LokdatenFrm::DS_SpeichernMenu_Click);
    addMenuItem(m_dateiMenu, "AbbrechenMenu", QStringLiteral("Abbrechen"), &LokdatenFrm::AbbrechenMenu_Click);

    const auto orDesign = [](const QString& brand, const char* design) {
        return brand.isEmpty() ? QString::fromUtf8(design) : brand;
    };
    m_kxMenu = menuBar()->addMenu(orDesign(captions.menu, "Kordavinex"));
    m_kxMenu->setObjectName(QStringLiteral("KXMenu"));
    addMenuItem(m_kxMenu, "ReadfromKX2Menu", orDesign(captions.readItem, "Daten aus der KX lesen"),
                &LokdatenFrm::ReadfromKX2Menu_Click);
    addMenuItem(m_kxMenu, "SendToKX2Menu", orDesign(captions.sendItem, "Daten zur KX senden"),
                &LokdatenFrm::SendToKX2Menu_Click);
}

QAction* LokdatenFrm::addMenuItem(QMenu* menu, const char* name, const QString& caption, void (LokdatenFrm::*slot)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction* LokdatenFrm::menuItem(const QString& name) const
{
    for (QMenu* menu : {m_dateiMenu, m_kxMenu})
        for (QAction* action : menu->actions())
            if (action->objectName() == name)
                return action;
    return nullptr;
}

// --- helpers ---

MsgAnswer LokdatenFrm::message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    m_grid->cancelPendingClick();
    return m_ctx.dialogs.messageBox(text, buttons, icon, title);
}

std::optional<QString> LokdatenFrm::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    m_grid->cancelPendingClick();
    return m_ctx.dialogs.inputBox(prompt, title, defaultText);
}

void LokdatenFrm::pause(double seconds)
{
    m_ctx.link.Pause(seconds);
}

LocoFileContext LokdatenFrm::fileContext()
{
    return LocoFileContext{m_loco.table,      m_ctx.storedSerial, m_ctx.dialogs, m_ctx.files,
                           m_ctx.settings, [this](double seconds) { pause(seconds); }};
}

int LokdatenFrm::addressValue(int row) const
{
    return CellValue(m_grid->TextMatrix(row, LocoGrid::AddressCol));
}

std::vector<int> LokdatenFrm::otherAddresses(int row) const
{
    std::vector<int> addresses;
    for (int r = 1; r < m_grid->Rows(); ++r)
        if (r != row)
            addresses.push_back(addressValue(r));
    return addresses;
}

bool LokdatenFrm::hasEmptyEntryLine() const
{
    for (int r = 1; r < m_grid->Rows(); ++r)
        if (addressValue(r) == 0 && m_grid->TextMatrix(r, LocoGrid::NameCol).isEmpty())
            return true;
    return false;
}

bool LokdatenFrm::sameLine(int row, int slot, int generation) const
{
    return generation == m_gridGeneration && row >= 1 && row < m_grid->Rows() && m_grid->RowData(row) == slot;
}

void LokdatenFrm::showSymbol(int row, int col, int symbol)
{
    if (SymbolHasPicture(symbol)) {
        m_grid->setTextMatrix(row, col, QString());
        m_grid->setCellPicture(row, col, m_pictures->picture(FunctionSymbolFile(symbol)));
    } else {
        m_grid->setCellPicture(row, col, QPixmap());
        m_grid->setTextMatrix(row, col, NoSymbolText());
    }
}

void LokdatenFrm::fillLine(int row, const LocoGridLine& line)
{
    m_grid->setRowData(row, line.slot);
    m_grid->setRowHeightPx(row, LocoGrid::RowHeight);
    m_grid->setTextMatrix(row, LocoGrid::AddressCol, line.address);
    m_grid->setTextMatrix(row, LocoGrid::FormatCol, line.format);
    m_grid->setTextMatrix(row, LocoGrid::NameCol, line.name);
    m_grid->setTextMatrix(row, LocoGrid::SpeedCol, line.speed);
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        showSymbol(row, LocoGrid::columnOfFunction(f), line.symbols[size_t(f)]);
}

// --- the grid ---

void LokdatenFrm::start_tabelle()
{
    // The grid starts empty: nothing of an earlier first line survives into the entry line.
    m_grid->setRows(1);
    m_grid->setRows(2);
    m_grid->setCols(LocoGrid::Cols);
    m_grid->setDefaultRowHeight(LocoGrid::RowHeight);
    for (int col = 0; col < LocoGrid::Cols; ++col) {
        m_grid->setTextMatrix(0, col, LocoGrid::header(col));
        m_grid->setColWidth(col, LocoGrid::width(col));
    }
    m_grid->setRowHeightPx(1, LocoGrid::RowHeight);
    m_grid->setRowData(1, -1);
    m_grid->fitHeaderFont();
}

void LokdatenFrm::Form_Activate()
{
    if (m_loco.LocoGridLoaded != 0)
        return;
    rebuildGrid();
}

void LokdatenFrm::rebuildGrid()
{
    Busy = true;
    NameEditActive = true;
    // An open name edit belongs to the grid that is going away.
    hideNameEdit();
    ++m_gridGeneration;
    ++m_rebuilds;
    m_grid->setUpdatesEnabled(false);
    start_tabelle();
    const std::vector<int> slots = LocoGridSlots(m_loco.table);
    m_grid->setRows(int(slots.size()) + 2);
    for (size_t n = 0; n < slots.size(); ++n)
        fillLine(int(n) + 1, LocoGridLineOf(m_loco.table, slots[n]));
    const int entryLine = int(slots.size()) + 1;
    m_grid->setRowData(entryLine, -1);
    m_grid->setRowHeightPx(entryLine, LocoGrid::RowHeight);
    m_grid->setUpdatesEnabled(true);

    m_grid->selectCell(1, 1);
    m_grid->scrollToTop();
    m_ctx.EditRow = 0;
    m_ctx.EditCol = 0;
    NameEditActive = false;
    m_loco.LocoGridLoaded = 1;
    m_grid->setFocus();
    m_inpText->hide();
    pause(0.1);
    Busy = false;
}

void LokdatenFrm::LokdatenGrid_Click()
{
    if (SkipNextClick) {
        SkipNextClick = false;
        return;
    }
    if (Busy)
        return;
    if (SaveRecordPending) {
        SaveRecordPending = false;
        save_daten_satz(addressValue(m_grid->Row()));
        return;
    }
    change_data_frm();
    edit_namen();
    change_fkt_sym();
    change_maxspeed();
}

void LokdatenFrm::LokdatenGrid_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (Busy)
        return;
    switch (key) {
    case Qt::Key_Delete:
        if (m_grid->Col() == LocoGrid::NameCol)
            del_datensatz();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        change_data_frm();
        change_fkt_sym();
        change_maxspeed();
        break;
    case Qt::Key_Tab: {
        const GridCell at{m_grid->Row(), m_grid->Col()};
        const GridCell to = (modifiers & Qt::ShiftModifier) ? TabBackward(at, m_grid->Rows(), m_grid->Cols())
                                                            : TabForward(at, m_grid->Rows(), m_grid->Cols());
        m_grid->selectCell(to.row, to.col);
        break;
    }
    default:
        break;
    }
}

void LokdatenFrm::LokdatenGrid_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers)
{
    if (Busy)
        return;
    // A line clicked to be saved is not offered for deletion on the way.
    if (SaveRecordPending)
        return;
    if (button == Qt::LeftButton && m_grid->Row() > 0 && m_grid->Col() == 1 && m_grid->ColSel() == m_grid->Cols() - 1)
        del_datensatz();
}

void LokdatenFrm::LokdatenGrid_EnterCell()
{
    if (Busy || m_loco.LocoGridLoaded == 0 || NameEditActive)
        return;
    NameEditActive = true;
    edit_namen();
    NameEditActive = false;
}

void LokdatenFrm::LokdatenGrid_Scroll()
{
    if (m_inpText->isVisible() && m_ctx.EditRow > 0 && m_ctx.EditCol > 0) {
        commitNameEdit();
        m_ctx.EditRow = 0;
        m_ctx.EditCol = 0;
    }
}

void LokdatenFrm::Form_Resize()
{
    if (isMinimized())
        return;
    // Maximising: the second click of a double click on the title bar lands in the grid.
    if (const QScreen* s = screen()) {
        const QRect avail = s->availableGeometry();
        const QRect frame = frameGeometry();
        if (isMaximized() || (frame.width() >= avail.width() && frame.height() >= avail.height()))
            SkipNextClick = true;
    }
    LokdatenGrid_Scroll();
}

// --- the name edit ---

void LokdatenFrm::hideNameEdit()
{
    const bool hadFocus = m_inpText->hasFocus();
    m_inpText->hide();
    if (hadFocus)
        m_grid->setFocus();
}

void LokdatenFrm::commitNameEdit()
{
    const int row = m_ctx.EditRow;
    // The validator lets nothing else through; whatever came in another way shows as '?'.
    const QString text = StorableName(m_inpText->text());
    if (row >= 1 && row < m_grid->Rows())
        m_grid->setTextMatrix(row, LocoGrid::NameCol, text);
    hideNameEdit();
    if (row >= 1 && row < m_grid->Rows())
        save_data_from_grid(row);
}

void LokdatenFrm::PlaceEditBox()
{
    const int row = m_grid->Row();
    const QRect cell = m_grid->cellRect(row, LocoGrid::NameCol);
    const QRect area = m_grid->cellArea();
    int left = cell.left();
    int width = cell.width();
    if (left + width > area.right() + 1)
        width = area.right() + 1 - left;
    if (left < area.left()) {
        width -= area.left() - left;
        left = area.left();
    }
    m_inpText->setText(m_grid->TextMatrix(row, LocoGrid::NameCol));
    m_inpText->setFont(m_grid->font());
    const QRect gridAt = m_grid->geometry();
    m_inpText->setGeometry(gridAt.left() + left, gridAt.top() + cell.top(), std::max(width, 0), cell.height());
}

void LokdatenFrm::edit_namen()
{
    if (!m_grid->singleCellSelected())
        return;
    const int row = m_grid->Row();
    if (!(row >= 1 && m_grid->Col() == LocoGrid::NameCol)) {
        if (m_inpText->isVisible())
            commitNameEdit();
        return;
    }
    if (m_inpText->isVisible() && m_ctx.EditRow != row && m_ctx.EditRow != 0)
        commitNameEdit();

    PlaceEditBox();
    m_inpText->show();
    m_inpText->raise();
    m_inpText->setFocus();
    m_ctx.EditRow = row;
    m_ctx.EditCol = LocoGrid::NameCol;

    if (addressValue(row) >= 1)
        return;
    // A new locomotive: its address first.
    for (;;) {
        const std::optional<QString> answer = input(QStringLiteral("Lokadresse:"), QStringLiteral("Neuer Datensatz"),
                                                    QStringLiteral(" "));
        m_grid->setTextMatrix(row, LocoGrid::AddressCol, answer.value_or(QString()));
        int a = 0;
        switch (CheckNewAddress(answer, otherAddresses(row), a)) {
        case NewAddress::Cancelled:
            m_grid->setTextMatrix(row, LocoGrid::AddressCol, QStringLiteral("-"));
            return;
        case NewAddress::Invalid:
            message(InvalidAddressText(), MsgButtons::Ok, MsgIcon::Critical, kAchtung);
            continue;
        case NewAddress::Duplicate:
            message(DuplicateAddressText(), MsgButtons::Ok, MsgIcon::Critical, kAchtung);
            continue;
        case NewAddress::Accepted:
            m_grid->setTextMatrix(row, LocoGrid::AddressCol, QString::number(a));
            save_data_from_grid(row);
            if (!hasEmptyEntryLine()) {
                m_grid->addRow();
                const int entryLine = m_grid->Rows() - 1;
                m_grid->setRowData(entryLine, -1);
                m_grid->setRowHeightPx(entryLine, LocoGrid::RowHeight);
            }
            return;
        }
    }
}

bool LokdatenFrm::InpText_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool back = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
        const int editRow = m_ctx.EditRow;
        // Tab leaves the name as stored: the box goes away before the grid moves, so that
        // entering the next cell does not take its text.
        hideNameEdit();
        m_grid->setCol(m_grid->Col() + (back ? -1 : 1));
        if (editRow >= 1 && editRow < m_grid->Rows())
            save_data_from_grid(editRow);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commitNameEdit();
        return true;
    case Qt::Key_Up:
        if (m_grid->Row() > 1) {
            commitNameEdit();
            m_grid->setRow(m_grid->Row() - 1);
        }
        return true;
    case Qt::Key_Down:
        if (m_grid->Row() < m_grid->Rows() - 1) {
            commitNameEdit();
            m_grid->setRow(m_grid->Row() + 1);
        }
        return true;
    default:
        return false;
    }
}

void LokdatenFrm::save_data_from_grid(int row)
{
    const int keepRow = m_grid->Row();
    const int keepCol = m_grid->Col();
    Busy = true;
    LocoTable& table = m_loco.table;
    const int slot = m_grid->RowData(row);
    const int a = addressValue(row);
    const QString name = m_grid->TextMatrix(row, LocoGrid::NameCol);
    if (slot == -1) {
        // A line without a valid address gets no record: it could be neither sent nor deleted.
        if (LocoTable::isValidAddress(a)) {
            if (const std::optional<int> j = table.firstReusableSlot()) {
                table.createRecord(*j, a, name);
                m_grid->setRowHeightPx(row, LocoGrid::RowHeight);
                m_grid->setTextMatrix(row, LocoGrid::SpeedCol, QString::number(table.maxSpeed(*j)));
                for (int f = 0; f < LocoTable::FunctionCount; ++f)
                    showSymbol(row, LocoGrid::columnOfFunction(f), 0);
                m_grid->setRowData(row, *j);
            } else {
                message(TableFullText(), MsgButtons::Ok, MsgIcon::Critical, kAchtung);
            }
        }
    } else if (slot >= 0 && slot < LocoTable::SlotCount) {
        NameEditActive = true;
        // The line's address goes in too: a record that came with address 0 (from a
        // single-record file) gets the one typed for it.
        bool addressChanged = false;
        if (LocoTable::isValidAddress(a) && a != table.address(slot)) {
            table.setAddress(slot, a);
            addressChanged = true;
        }
        const bool nameChanged = table.renameRecord(slot, name);
        if (addressChanged && !nameChanged)
            table.markEdited(slot);
        NameEditActive = false;
    }
    if (m_grid->Row() != keepRow || m_grid->Col() != keepCol)
        m_grid->selectCell(keepRow, keepCol);
    pause(0.1);
    Busy = false;
}

// --- deleting ---

void LokdatenFrm::del_datensatz()
{
    const int row = m_grid->Row();
    const int a = addressValue(row);
    if (a == 0)
        return;
    Busy = true;
    if (message(QStringLiteral("     Datensatz löschen?"), MsgButtons::YesNo, MsgIcon::None,
                QStringLiteral("Lokdatensätze"))
        == MsgAnswer::Yes) {
        // A name being typed into the deleted line goes with it.
        if (m_inpText->isVisible() && m_ctx.EditRow == row) {
            hideNameEdit();
            m_ctx.EditRow = 0;
            m_ctx.EditCol = 0;
        }
        // The line's own record, even when another slot carries the same address.
        const int slot = m_grid->RowData(row);
        if (slot >= 0 && slot < LocoTable::SlotCount && m_loco.table.address(slot) == a)
            m_loco.table.deleteRecord(slot);
        else
            del_lokdata(a);
        for (int col = LocoGrid::NameCol; col < m_grid->Cols(); ++col) {
            m_grid->setCellPicture(row, col, QPixmap());
            m_grid->setTextMatrix(row, col, QString());
        }
        m_grid->setTextMatrix(row, LocoGrid::AddressCol, QStringLiteral("-"));
        m_grid->setTextMatrix(row, LocoGrid::FormatCol, QString());
        m_grid->setRowData(row, -1);
        m_grid->setCol(0);
    }
    pause(0.1);
    Busy = false;
}

void LokdatenFrm::del_lokdata(int address)
{
    if (const std::optional<int> slot = m_loco.table.findSlotByAddress(address))
        m_loco.table.deleteRecord(*slot);
    else
        message(QStringLiteral("Datensatz nicht gefunden!"), MsgButtons::Ok, MsgIcon::Critical, kAchtung);
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

template <class Dialog>
void LokdatenFrm::waitForAnswer(Dialog* dialog, const std::function<bool()>& answered)
{
    // The dialog is not modal: the editor stays usable and this operation sleeps in the event
    // loop until the dialog answers (its buttons, its close box) or the program ends.
    m_waitingDialog = dialog;
    Q_EMIT columnDialogShown(dialog);
    if (!answered()) {
        QEventLoop loop;
        connect(dialog, &Dialog::answered, &loop, &QEventLoop::quit);
        loop.exec();
    }
    m_waitingDialog = nullptr;
    if (!answered())
        dialog->hide();
}

void LokdatenFrm::raiseWaitingDialog()
{
    if (m_waitingDialog) {
        m_waitingDialog->raise();
        m_waitingDialog->activateWindow();
    }
}

void LokdatenFrm::cancelColumnDialogs()
{
    if (m_waitingDialog)
        m_waitingDialog->reject();
}

void LokdatenFrm::change_data_frm()
{
    const int row = m_grid->Row();
    const int col = m_grid->Col();
    if (!m_grid->singleCellSelected() || row < 1 || m_grid->RowData(row) == -1 || col != LocoGrid::FormatCol)
        return;
    // One column dialog at a time: a second click brings the open one to the front.
    if (m_waitingDialog) {
        raiseWaitingDialog();
        return;
    }
    const int slot = m_grid->RowData(row);
    const int generation = m_gridGeneration;
    LokDatFormatFrm* dialog = ensureFormatDialog();
    dialog->showFor(FormatTextToIndex(m_grid->TextMatrix(row, col)).value_or(0));
    waitForAnswer(dialog, [dialog] { return dialog->FormatDialogResult > -1; });

    Busy = true;
    // The answer counts only for the line it was asked for (a read or load meanwhile rebuilt
    // the grid, or the line was deleted).
    if (sameLine(row, slot, generation)) {
        m_grid->selectCell(row, col);
        const int index = dialog->FormatIndex;
        if (dialog->FormatDialogResult == 1 && index >= 0 && index < LocoFormatCount) {
            LocoTable& table = m_loco.table;
            const std::optional<int> code = m_loco.formats.LocoFormatCodes[size_t(index)];
            const std::optional<int> param = m_loco.formats.LocoFormatParams[size_t(index)];
            if (table.cell(slot, LocoTable::FormatCode) != code || table.cell(slot, LocoTable::FormatParam) != param) {
                table.set(slot, LocoTable::FormatCode, code);
                table.set(slot, LocoTable::FormatParam, param);
                m_grid->setTextMatrix(row, col, FormatCodeToText(code));
                table.set(slot, LocoTable::FormatPending, 1);
            }
        }
    }
    pause(0.1);
    Busy = false;
}

void LokdatenFrm::change_fkt_sym()
{
    if (m_grid->RowSel() != m_grid->Row())
        return;
    const int row = m_grid->Row();
    const int col = m_grid->Col();
    const int colSel = m_grid->ColSel();
    // Only function cells of a line with a record; a selection that reaches into the other
    // columns is no range of functions.
    if (row < 1 || m_grid->RowData(row) < 0 || !LocoGrid::isFunctionColumn(col) || !LocoGrid::isFunctionColumn(colSel))
        return;
    if (m_waitingDialog) {
        raiseWaitingDialog();
        return;
    }
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

    const int slot = m_grid->RowData(row);
    const int generation = m_gridGeneration;
    LocoTable& table = m_loco.table;
    LokFktSymFrm* dialog = ensureSymbolDialog();
    dialog->showFor(table.symbol(slot, LocoGrid::functionOfColumn(col)));
    waitForAnswer(dialog, [dialog] { return dialog->SymbolResult != -1; });

    Busy = true;
    if (sameLine(row, slot, generation)) {
        m_grid->selectCell(row, col);
        // Abbrechen leaves every function as it was, in a range too.
        if (!dialog->Cancelled && dialog->SymbolResult != -1) {
            const int symbol = dialog->SymbolResult;
            bool changed = false;
            const auto store = [&](int c) {
                const int f = LocoGrid::functionOfColumn(c);
                if (table.cell(slot, LocoTable::symbolColumn(f)) != symbol)
                    changed = true;
                table.set(slot, LocoTable::symbolColumn(f), symbol);
                showSymbol(row, c, symbol);
            };
            store(col);
            if (range)
                for (int f = first; f <= last; ++f) {
                    m_grid->setCol(LocoGrid::columnOfFunction(f));
                    store(LocoGrid::columnOfFunction(f));
                }
            if (changed)
                table.markEdited(slot);
        }
    }
    pause(0.1);
    Busy = false;
}

void LokdatenFrm::change_maxspeed()
{
    const int row = m_grid->Row();
    if (!m_grid->singleCellSelected() || row <= 0 || m_grid->Col() != LocoGrid::SpeedCol || m_grid->RowData(row) == -1)
        return;
    if (m_waitingDialog) {
        raiseWaitingDialog();
        return;
    }
    const int col = m_grid->Col();
    const int slot = m_grid->RowData(row);
    const int generation = m_gridGeneration;
    LocoTable& table = m_loco.table;
    LokmaxSpeedFrm* dialog = ensureSpeedDialog();
    dialog->showFor(table.value(slot, LocoTable::MaxSpeedHalf));
    waitForAnswer(dialog, [dialog] { return dialog->SpeedDialogResult > -1; });

    Busy = true;
    if (sameLine(row, slot, generation)) {
        m_grid->selectCell(row, col);
        if (dialog->SpeedDialogResult == 1 && table.value(slot, LocoTable::MaxSpeedHalf) != dialog->SpeedValue) {
            table.set(slot, LocoTable::MaxSpeedHalf, dialog->SpeedValue);
            m_grid->setTextMatrix(row, col, QString::number(dialog->SpeedValue * 2));
            table.markEdited(slot);
        }
    }
    pause(0.1);
    Busy = false;
}

// --- menus ---

void LokdatenFrm::LadenMenu_Click()
{
    Busy = true;
    LocoFileContext files = fileContext();
    if (LadenMenu(files) == AfterFileOp::RebuildGrid) {
        m_loco.LocoGridLoaded = 0;
        Form_Activate();
    }
    Busy = false;
}

void LokdatenFrm::SpeichernMenu_Click()
{
    // The file holds what the grid shows: a name being typed goes in first.
    if (m_inpText->isVisible())
        commitNameEdit();
    Busy = true;
    LocoFileContext files = fileContext();
    SpeichernMenu(files);
    Busy = false;
}

void LokdatenFrm::ClrTabMenu_Click()
{
    Busy = true;
    ClrTabMenu(m_loco.table);
    ++m_gridGeneration;
    hideNameEdit();
    start_tabelle();
    m_inpText->hide();
    m_grid->selectCell(1, 1);
    m_ctx.EditRow = 0;
    m_ctx.EditCol = 0;
    NameEditActive = false;
    m_loco.LocoGridLoaded = 1;
    m_grid->setFocus();
    Busy = false;
}

void LokdatenFrm::DS_LadenMenu_Click()
{
    Busy = true;
    LocoFileContext files = fileContext();
    if (DS_LadenMenu(files) == AfterFileOp::RebuildGrid) {
        m_loco.LocoGridLoaded = 0;
        Form_Activate();
    }
    Busy = false;
}

void LokdatenFrm::DS_SpeichernMenu_Click()
{
    if (message(QStringLiteral("Klicken Sie den Datensatz an, der gespeichert werden soll!"), MsgButtons::OkCancel,
                MsgIcon::None, QStringLiteral("einen Datensatz speichern"))
        == MsgAnswer::Ok)
        SaveRecordPending = true;
}

bool LokdatenFrm::save_daten_satz(int address)
{
    LocoFileContext files = fileContext();
    return kx2::save_daten_satz(files, address);
}

void LokdatenFrm::AbbrechenMenu_Click()
{
    if (m_transferRunning)
        return;
    cancelColumnDialogs();
    hide();
    Q_EMIT closedToMainWindow();
    m_loco.LocoGridLoaded = 0;
}

void LokdatenFrm::runTransfer(const std::function<void()>& transfer)
{
    m_transferRunning = true;
    m_dateiMenu->menuAction()->setEnabled(false);
    m_kxMenu->menuAction()->setEnabled(false);
    transfer();
    m_dateiMenu->menuAction()->setEnabled(true);
    m_kxMenu->menuAction()->setEnabled(true);
    m_transferRunning = false;
}

void LokdatenFrm::ReadfromKX2Menu_Click()
{
    if (m_transferRunning)
        return;
    // The grid shows a table that the read is replacing: it takes no edits meanwhile.
    Busy = true;
    runTransfer([this] { LocoTransfer(m_ctx, m_loco.table).ReadLocoDatabase(); });
    m_loco.LocoGridLoaded = 0;
    Form_Activate();
    Busy = false;
}

void LokdatenFrm::SendToKX2Menu_Click()
{
    if (m_transferRunning)
        return;
    if (m_inpText->isVisible())
        commitNameEdit();
    const int row = m_grid->Row();
    if (row >= 1 && addressValue(row) > 0)
        save_data_from_grid(row);
    runTransfer([this] { LocoTransfer(m_ctx, m_loco.table).SendLocoDatabase(); });
}

// --- window events ---

bool LokdatenFrm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(e);
}

void LokdatenFrm::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    Form_Resize();
}

void LokdatenFrm::closeEvent(QCloseEvent* e)
{
    // The close box returns to the main window like "Abbrechen"; the program ends only with
    // the main window. While a transfer runs the window stays.
    e->ignore();
    AbbrechenMenu_Click();
}

bool LokdatenFrm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_inpText && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && InpText_KeyDown(k->key(), k->modifiers()))
            return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

} // namespace kx2
