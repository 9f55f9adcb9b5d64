#include "shell/gui/GridEditor.h"

#include "shell/GridEditing.h"
#include "shell/gui/ColumnDialog.h"
#include "shell/gui/FlexGrid.h"

#include <QAction>
#include <QDate>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QValidator>

#include <algorithm>

namespace kx2 {

namespace {

// The form's measures are in twips: 1440 an inch, 15 a pixel at 96 pixels an inch.
constexpr int TwipsPerPixel = 15;
constexpr int FormLeast = 2000;
constexpr int GridLeft = 100;
constexpr int GridTop = 100;
constexpr int GridRightRoom = 350;
constexpr int AddressFrameGap = 100;
// The form's outer measures counted its borders and, in height, its title and menu bars too;
// the area under the menu bar that the grid lives in has none of them.
constexpr int FrameWidthTwips = 140;
constexpr int FrameHeightTwips = 890;
// QLineEdit's own limit.
constexpr int NoNameLimit = 32767;

// The device menu's captions come from the brand: the menu takes its first letter as access key,
// its items the last word ("lesen", "senden").
QString menuAccessKey(const QString& caption)
{
    return QStringLiteral("&") + caption;
}

QString itemAccessKey(const QString& caption)
{
    const int lastWord = int(caption.lastIndexOf(QLatin1Char(' '))) + 1;
    return caption.left(lastWord) + QLatin1Char('&') + caption.mid(lastWord);
}

int pixels(int twips)
{
    return (twips * 2 + TwipsPerPixel) / (2 * TwipsPerPixel);
}

// Names are stored in cp1252: a character it lacks is refused as it is typed or pasted.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return IsStorableName(input) ? Acceptable : Invalid; }
};

} // namespace

GridEditor::GridEditor(const EditorServices& services, const GridEditorDesign& design, int& gridLoaded,
                       QWidget* parent)
    : QMainWindow(parent)
    , EditRow(services.EditRow)
    , EditCol(services.EditCol)
    , GridLoaded(gridLoaded)
    , m_services(services)
    , m_bottomMargin(design.bottomMargin)
{
    setObjectName(QString::fromLatin1(design.formName));
    setWindowTitle(design.caption);

    auto* area = new QWidget(this);
    setCentralWidget(area);
    area->installEventFilter(this);
    m_grid = new FlexGrid(area);
    m_grid->setObjectName(QString::fromLatin1(design.gridName));
    m_grid->setFixedCols(design.fixedCols);
    m_grid->setFrozenCols(design.frozenCols);

    m_inpText = new QLineEdit(area);
    m_inpText->setObjectName(QStringLiteral("InpText"));
    m_inpText->setValidator(new NameValidator(m_inpText));
    m_inpText->hide();
    m_inpText->installEventFilter(this);
    m_roomLabel = new QLabel(area);
    m_roomLabel->setObjectName(QStringLiteral("InpTextRoom"));
    m_roomLabel->setAutoFillBackground(true);
    m_roomLabel->hide();
    connect(m_inpText, &QLineEdit::textChanged, this, [this] { showNameRoom(); });

    connect(m_grid, &FlexGrid::Click, this, &GridEditor::Grid_Click);
    connect(m_grid, &FlexGrid::KeyDown, this, &GridEditor::Grid_KeyDown);
    connect(m_grid, &FlexGrid::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint) {
                Grid_MouseDown(button, modifiers);
            });
    connect(m_grid, &FlexGrid::EnterCell, this, &GridEditor::Grid_EnterCell);
    connect(m_grid, &FlexGrid::Scroll, this, &GridEditor::Grid_Scroll);

    const int least = (FormLeast + TwipsPerPixel - 1) / TwipsPerPixel;
    setMinimumSize(least, least);
}

GridEditor::~GridEditor() = default;

// --- menus ---

void GridEditor::buildMenus(const std::vector<EditorMenuItem>& fileItems, const DeviceMenuCaptions& captions)
{
    const auto addItem = [this](QMenu* menu, const EditorMenuItem& item) {
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(QString::fromLatin1(item.name));
        connect(action, &QAction::triggered, this, item.action);
    };
    m_dateiMenu = menuBar()->addMenu(QStringLiteral("&Datei"));
    m_dateiMenu->setObjectName(QStringLiteral("DateiMenu"));
    for (const EditorMenuItem& item : fileItems)
        addItem(m_dateiMenu, item);
    addItem(m_dateiMenu, {"CsvExportMenu", QStringLiteral("Als &CSV exportieren..."), [this] { CsvExportMenu_Click(); }});
    addItem(m_dateiMenu, {"CsvImportMenu", QStringLiteral("CSV &importieren..."), [this] { CsvImportMenu_Click(); }});
    addItem(m_dateiMenu, {"DruckenMenu", QStringLiteral("D&rucken..."), [this] { DruckenMenu_Click(); }});
    addItem(m_dateiMenu, {"PdfMenu", QStringLiteral("Als &PDF speichern..."), [this] { PdfMenu_Click(); }});
    addItem(m_dateiMenu, {"AbbrechenMenu", QStringLiteral("&Abbrechen"), [this] { AbbrechenMenu_Click(); }});

    const auto orDesign = [](const QString& brand, const char* design) {
        return brand.isEmpty() ? QString::fromUtf8(design) : brand;
    };
    m_kxMenu = menuBar()->addMenu(menuAccessKey(orDesign(captions.menu, "Kordavinex")));
    m_kxMenu->setObjectName(QStringLiteral("KXMenu"));
    addItem(m_kxMenu, {"ReadfromKX2Menu", itemAccessKey(orDesign(captions.readItem, "Daten aus der KX lesen")),
                       [this] { ReadfromKX2Menu_Click(); }});
    addItem(m_kxMenu, {"SendToKX2Menu", itemAccessKey(orDesign(captions.sendItem, "Daten zur KX senden")),
                       [this] { SendToKX2Menu_Click(); }});
}

QAction* GridEditor::menuItem(const QString& name) const
{
    for (QMenu* menu : {m_dateiMenu, m_kxMenu})
        if (menu)
            for (QAction* action : menu->actions())
                if (action->objectName() == name)
                    return action;
    return nullptr;
}

void GridEditor::AbbrechenMenu_Click()
{
    if (m_transferRunning || !mayDiscardChanges())
        return;
    // Left with the user's consent: nothing of it is asked for again at the program's end.
    markTableUnchanged();
    cancelColumnDialogs();
    hide();
    Q_EMIT closedToMainWindow();
    GridLoaded = 0;
}

void GridEditor::runTransfer(const std::function<void()>& transfer)
{
    m_transferRunning = true;
    m_dateiMenu->menuAction()->setEnabled(false);
    m_kxMenu->menuAction()->setEnabled(false);
    transfer();
    m_dateiMenu->menuAction()->setEnabled(true);
    m_kxMenu->menuAction()->setEnabled(true);
    m_transferRunning = false;
}

void GridEditor::ReadfromKX2Menu_Click()
{
    if (m_transferRunning || !mayDiscardChanges())
        return;
    // The grid shows a table that the read is replacing: it takes no edits meanwhile.
    Busy = true;
    bool read = false;
    runTransfer([this, &read] { read = readDatabase(); });
    if (read) {
        markTableUnchanged();
        GridLoaded = 0;
        Form_Activate();
    }
    Busy = false;
}

void GridEditor::SendToKX2Menu_Click()
{
    if (m_transferRunning)
        return;
    if (m_inpText->isVisible())
        commitNameEdit();
    const int row = m_grid->Row();
    if (row >= 1 && CellValue(m_grid->TextMatrix(row, 0)) > 0)
        save_data_from_grid(row);
    bool sent = false;
    runTransfer([this, &sent] { sent = sendDatabase(); });
    if (sent)
        markTableUnchanged();
    m_grid->refreshMarks();
}

void GridEditor::fileLoad(const std::function<bool()>& load, LoadKind kind)
{
    if (kind == LoadKind::ReplacesTable && !mayDiscardChanges())
        return;
    Busy = true;
    if (load()) {
        // A table loaded whole is what its file holds: nothing of it is at risk.
        if (kind == LoadKind::ReplacesTable)
            markTableUnchanged();
        GridLoaded = 0;
        Form_Activate();
    }
    // A load that stopped part-way leaves the grid as it was but the table changed.
    m_grid->refreshMarks();
    Busy = false;
}

void GridEditor::fileSave(const std::function<bool()>& save)
{
    // The file holds what the grid shows: a name being typed goes in first.
    if (m_inpText->isVisible())
        commitNameEdit();
    Busy = true;
    if (save())
        markTableUnchanged();
    Busy = false;
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

void GridEditor::markTableUnchanged()
{
    if (m_changes)
        m_changes->settle();
    m_grid->refreshMarks();
}

bool GridEditor::mayDiscardChanges()
{
    if (m_inpText->isVisible())
        commitNameEdit();
    if (!holdsUnsavedChanges())
        return true;
    return ask(Question::DiscardChanges, UnsavedChanges::QuestionText(), MsgButtons::YesNo, MsgIcon::Exclamation,
               windowTitle())
           == MsgAnswer::Yes;
}

RecordMark GridEditor::lineMark(int row) const
{
    if (!m_changes || row < 1 || row >= m_grid->Rows())
        return RecordMark::None;
    return m_changes->mark(recordOfLine(row));
}

int GridEditor::recordOfLine(int) const
{
    return -1;
}

// --- CSV and print ---

namespace {
const QString kCsvFilter = QStringLiteral("CSV-Datei (*.csv)|*.csv|");
} // namespace

void GridEditor::CsvExportMenu_Click()
{
    fileSave([this] {
        const QString path =
            m_services.files.saveFileName(QStringLiteral("Als CSV exportieren..."), windowTitle().remove(QLatin1Char(':')) + QStringLiteral(".csv"), kCsvFilter);
        if (path.isEmpty())
            return false;
        if (const QString error = SaveCsvFile(csvTable(), path); !error.isEmpty())
            message(QStringLiteral("Fehler beim Speichern des Files: ") + error, MsgButtons::Ok, MsgIcon::Critical, QString());
        // A CSV is no copy of the table to load again: what was changed is still neither sent
        // nor saved.
        return false;
    });
}

void GridEditor::CsvImportMenu_Click()
{
    if (m_inpText->isVisible())
        commitNameEdit();
    fileLoad([this] {
        const QString path = m_services.files.openFileName(QStringLiteral("CSV importieren..."), QString(), kCsvFilter);
        if (path.isEmpty())
            return false;
        const CsvImport taken = LoadCsvFile(csvTable(), path);
        if (!taken.ok()) {
            message(QStringLiteral("Die CSV-Datei wurde nicht übernommen, nichts geändert:") + QChar(13) + taken.error,
                    MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("CSV importieren"));
            return false;
        }
        message(QStringLiteral("%1 Datensätze geändert; sie werden beim nächsten Senden geschrieben.").arg(taken.changedRecords),
                MsgButtons::Ok, MsgIcon::Information, QStringLiteral("CSV importieren"));
        return taken.changedRecords > 0;
    }, LoadKind::AddsToTable);
}

void GridEditor::printGrid(QPrinter& printer)
{
    QTextDocument doc;
    const QString serial = m_services.stationSerial ? m_services.stationSerial() : QString();
    QString html = QStringLiteral("<h3>%1</h3><p>Zentrale %2, %3</p>")
                       .arg(windowTitle().toHtmlEscaped(), serial.isEmpty() ? QStringLiteral("unbekannt") : serial,
                            QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" style=\"font-size:6pt\">");
    for (int r = 0; r < m_grid->Rows(); ++r) {
        // The line for a new record stays off the paper.
        bool empty = r > 0;
        for (int c = 0; c < m_grid->Cols() && empty; ++c)
            empty = m_grid->TextMatrix(r, c).isEmpty() && m_grid->CellPicture(r, c).isNull();
        if (empty)
            continue;
        html += QStringLiteral("<tr>");
        for (int c = 0; c < m_grid->Cols(); ++c) {
            const QPixmap picture = r > 0 ? m_grid->CellPicture(r, c) : QPixmap();
            QString cell;
            if (!picture.isNull()) {
                const QString name = QStringLiteral("bild-%1-%2").arg(r).arg(c);
                doc.addResource(QTextDocument::ImageResource, QUrl(name), picture.toImage());
                cell = QStringLiteral("<img src=\"%1\" height=\"16\">").arg(name);
            } else {
                cell = m_grid->TextMatrix(r, c).toHtmlEscaped();
            }
            html += (r == 0 ? QStringLiteral("<th nowrap>") : QStringLiteral("<td nowrap>")) + cell
                    + (r == 0 ? QStringLiteral("</th>") : QStringLiteral("</td>"));
        }
        html += QStringLiteral("</tr>");
    }
    doc.setHtml(html + QStringLiteral("</table>"));
    doc.print(&printer);
}

QString GridEditor::savePdf(const QString& path)
{
    if (m_inpText->isVisible())
        commitNameEdit();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    printGrid(printer);
    return QFileInfo(path).size() > 0 ? QString() : QStringLiteral("Fehler beim Speichern des Files: ") + path;
}

void GridEditor::PdfMenu_Click()
{
    const QString path = m_services.files.saveFileName(QStringLiteral("Als PDF speichern..."),
                                                       windowTitle().remove(QLatin1Char(':')) + QStringLiteral(".pdf"),
                                                       QStringLiteral("PDF-Datei (*.pdf)|*.pdf|"));
    if (path.isEmpty())
        return;
    if (const QString error = savePdf(path); !error.isEmpty())
        message(error, MsgButtons::Ok, MsgIcon::Critical, QString());
}

void GridEditor::DruckenMenu_Click()
{
    if (m_inpText->isVisible())
        commitNameEdit();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() == QDialog::Accepted)
        printGrid(printer);
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

void GridEditor::pause(double seconds)
{
    m_services.pause(seconds);
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
    Busy = true;
    ++m_rebuilds;
    showTable();
    pause(0.1);
    Busy = false;
}

void GridEditor::showTable()
{
    NameEditActive = true;
    // An open name edit and a waiting column dialog belong to the grid that is going away.
    hideNameEdit();
    ++m_gridGeneration;
    m_grid->setUpdatesEnabled(false);
    start_tabelle();
    fillGrid();
    m_grid->setUpdatesEnabled(true);

    m_grid->selectCell(1, 1);
    m_grid->scrollToTop();
    EditRow = 0;
    EditCol = 0;
    NameEditActive = false;
    GridLoaded = 1;
    m_grid->setFocus();
    m_inpText->hide();
}

void GridEditor::Grid_Click()
{
    if (SkipNextClick) {
        SkipNextClick = false;
        return;
    }
    if (Busy)
        return;
    gridClick();
}

void GridEditor::Grid_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (Busy)
        return;
    if (key != Qt::Key_Tab) {
        gridKeyDown(key, modifiers);
        return;
    }
    const GridCell at{m_grid->Row(), m_grid->Col()};
    const GridCell to = (modifiers & Qt::ShiftModifier) ? TabBackward(at, m_grid->Rows(), m_grid->Cols())
                                                        : TabForward(at, m_grid->Rows(), m_grid->Cols());
    m_grid->selectCell(to.row, to.col);
}

void GridEditor::gridKeyDown(int, Qt::KeyboardModifiers) {}

void GridEditor::Grid_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (Busy)
        return;
    gridMouseDown(button, modifiers);
}

void GridEditor::gridMouseDown(Qt::MouseButton, Qt::KeyboardModifiers) {}

void GridEditor::Grid_EnterCell()
{
    if (Busy || GridLoaded == 0 || NameEditActive)
        return;
    NameEditActive = true;
    edit_namen();
    NameEditActive = false;
}

void GridEditor::Grid_Scroll()
{
    if (m_inpText->isVisible() && EditRow > 0 && EditCol > 0) {
        commitNameEdit();
        EditRow = 0;
        EditCol = 0;
    }
}

// --- the name edit ---

void GridEditor::edit_namen()
{
    openNameEdit();
}

bool GridEditor::openNameEdit()
{
    if (!m_grid->singleCellSelected())
        return false;
    const int row = m_grid->Row();
    const int col = m_grid->Col();
    if (!isNameCell(row, col)) {
        if (m_inpText->isVisible())
            commitNameEdit();
        return false;
    }
    if (m_inpText->isVisible() && (EditRow != row || EditCol != col) && EditRow > 0 && EditCol > 0)
        commitNameEdit();

    // Set before the text: a longer one is cut to what can be stored.
    const int room = nameRoom(row, col);
    m_inpText->setMaxLength(room >= 0 ? room : NoNameLimit);
    PlaceEditBox();
    m_inpText->show();
    m_inpText->raise();
    m_inpText->setFocus();
    EditRow = row;
    EditCol = col;
    showNameRoom();
    return true;
}

int GridEditor::nameRoom(int, int) const
{
    return -1;
}

int GridEditor::nameCapacity(int, int) const
{
    return -1;
}

void GridEditor::showNameRoom()
{
    const int capacity = m_inpText->isVisible() ? nameCapacity(EditRow, EditCol) : -1;
    if (capacity < 0) {
        m_roomLabel->hide();
        return;
    }
    // The other name line of the area takes what the box may not.
    const int used = int(m_inpText->text().size()) + capacity - m_inpText->maxLength();
    m_roomLabel->setText(QStringLiteral("%1 von %2 Zeichen").arg(used).arg(capacity));
    m_roomLabel->adjustSize();
    const QRect box = m_inpText->geometry();
    const QWidget* area = m_roomLabel->parentWidget();
    // Beside the box where the window has room, else under it.
    if (box.right() + 4 + m_roomLabel->width() <= area->width())
        m_roomLabel->move(box.right() + 4, box.top() + (box.height() - m_roomLabel->height()) / 2);
    else
        m_roomLabel->move(std::max(0, box.right() + 1 - m_roomLabel->width()), box.bottom() + 1);
    m_roomLabel->show();
    m_roomLabel->raise();
}

void GridEditor::PlaceEditBox()
{
    const int row = m_grid->Row();
    const int col = m_grid->Col();
    const QRect cell = m_grid->cellRect(row, col);
    const QRect area = m_grid->cellArea(col);
    int left = cell.left();
    int width = cell.width();
    if (left + width > area.right() + 1)
        width = area.right() + 1 - left;
    if (left < area.left()) {
        width -= area.left() - left;
        left = area.left();
    }
    m_inpText->setText(m_grid->TextMatrix(row, col));
    m_inpText->setFont(m_grid->font());
    const QRect gridAt = m_grid->geometry();
    m_inpText->setGeometry(gridAt.left() + left, gridAt.top() + cell.top(), std::max(width, 0), cell.height());
}

void GridEditor::hideNameEdit()
{
    const bool hadFocus = m_inpText->hasFocus();
    m_inpText->hide();
    if (hadFocus)
        m_grid->setFocus();
}

void GridEditor::commitNameEdit()
{
    const int row = EditRow;
    const bool onName = row >= 1 && row < m_grid->Rows() && isNameCell(row, EditCol);
    // The validator lets nothing else through; whatever came in another way shows as '?'.
    if (onName)
        m_grid->setTextMatrix(row, EditCol, StorableName(m_inpText->text()));
    hideNameEdit();
    if (onName)
        save_data_from_grid(row);
}

bool GridEditor::InpText_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // What was typed is kept, as Enter keeps it: moving on loses nothing.
        commitNameEdit();
        nameBoxTab(key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier));
        return true;
    case Qt::Key_Escape:
        // The name as it was: the cell still shows it, and nothing is stored.
        hideNameEdit();
        return true;
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

// --- column dialogs ---

bool GridEditor::columnDialogOpen()
{
    if (!m_waitingDialog)
        return false;
    m_waitingDialog->raise();
    m_waitingDialog->activateWindow();
    return true;
}

void GridEditor::runColumnDialog(ColumnDialog* dialog, const std::function<void()>& show,
                                 const std::function<bool()>& answered, const std::function<void()>& apply)
{
    const int row = m_grid->Row();
    const int col = m_grid->Col();
    const int rowData = m_grid->RowData(row);
    const int generation = m_gridGeneration;
    show();
    // The dialog is not modal: the editor stays usable and this operation sleeps in the event
    // loop until the dialog answers (its buttons, its close box) or the program ends.
    m_waitingDialog = dialog;
    Q_EMIT columnDialogShown(dialog);
    if (!answered()) {
        QEventLoop loop;
        connect(dialog, &ColumnDialog::answered, &loop, &QEventLoop::quit);
        loop.exec();
    }
    m_waitingDialog = nullptr;
    if (!answered())
        dialog->hide();

    Busy = true;
    // The answer counts only for the line it was asked for (a read or load meanwhile rebuilt
    // the grid, or the line was deleted).
    if (generation == m_gridGeneration && row >= 1 && row < m_grid->Rows() && m_grid->RowData(row) == rowData) {
        m_grid->selectCell(row, col);
        apply();
    }
    pause(0.1);
    Busy = false;
}

void GridEditor::cancelColumnDialogs()
{
    if (m_waitingDialog)
        m_waitingDialog->reject();
}

// --- the window ---

QWidget* GridEditor::formArea() const
{
    return centralWidget();
}

void GridEditor::setAddressFrame(QWidget* frame)
{
    m_addressFrame = frame;
    placeGrid();
}

void GridEditor::placeGrid()
{
    const QSize area = centralWidget()->size();
    const int formWidth = area.width() * TwipsPerPixel + FrameWidthTwips;
    const int formHeight = area.height() * TwipsPerPixel + FrameHeightTwips;
    const int width = std::max(0, formWidth - GridRightRoom);
    const int height = std::max(0, formHeight - m_bottomMargin);
    m_grid->setGeometry(pixels(GridLeft), pixels(GridTop), pixels(width), pixels(height));
    if (m_addressFrame) {
        const QRect at = m_grid->geometry();
        m_addressFrame->move(at.right() + 1 - m_addressFrame->width(), at.bottom() + 1 + pixels(AddressFrameGap));
    }
}

void GridEditor::Form_Resize()
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
    if (!e->spontaneous())
        markTableUnchanged();
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
        placeGrid();
    // However the box goes away, the room it showed goes with it.
    if (watched == m_inpText && e->type() == QEvent::Hide)
        m_roomLabel->hide();
    if (watched == m_inpText && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && InpText_KeyDown(k->key(), k->modifiers()))
            return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

} // namespace kx2
