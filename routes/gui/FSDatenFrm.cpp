#include "routes/gui/FSDatenFrm.h"

#include "records/DatabaseContext.h"
#include "records/NameLines.h"
#include "records/ReadKeepingTables.h"
#include "routes/RouteChanges.h"
#include "routes/RouteCommand.h"
#include "routes/RouteCommands.h"
#include "routes/RouteCsv.h"
#include "routes/RoutePrint.h"
#include "routes/RouteEdits.h"
#include "routes/RouteFiles.h"
#include "routes/RouteTables.h"
#include "routes/RouteTransfer.h"
#include "routes/gui/FSEingabeFrm.h"
#include "editor/gui/FlexGrid.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>

namespace kx2 {

CsvTable FSDatenFrm::csvTable()
{
    return routeCsv(m_routes);
}

PrintTable FSDatenFrm::printTable(const std::vector<int>& routes)
{
    return routePrintTable(m_routes, routes, printSource(QString()));
}

bool FSDatenFrm::recordInUse(int route) const
{
    return m_routes.routeInUse(route);
}

namespace {

constexpr int kRowHeight = 20;
constexpr int kNrWidth = 40;
constexpr int kColWidth = 100;
constexpr int kRoutes = RouteTables::RouteCount;

GridEditorDesign fSDatenDesign()
{
    // One fixed header row; the route number scrolls with the rest, and nothing sits under the
    // grid.
    const int noFixedColumn = 0;
    const int bottomMargin = 1100;
    // The number and the names stay in view beside the commands.
    const int frozenThroughNames = FSDatenFrm::Line2Col + 1;
    return GridEditorDesign{"FSDatenFrm", routeEditorCaption(), "FSdatenGrid", noFixedColumn, bottomMargin, frozenThroughNames};
}

QString header(int col)
{
    switch (col) {
    case FSDatenFrm::NrCol:
        return QCoreApplication::translate("GridHeading", "Nr.");
    case FSDatenFrm::Line1Col:
        return QCoreApplication::translate("GridHeading", "Name Zeile1");
    case FSDatenFrm::Line2Col:
        return QCoreApplication::translate("GridHeading", "Name Zeile2");
    case FSDatenFrm::StartCol:
        return QCoreApplication::translate("GridHeading", "FS-Start");
    default:
        return QCoreApplication::translate("GridHeading", "Befehl%1").arg(col - FSDatenFrm::StartCol);
    }
}

} // namespace

FSDatenFrm::FSDatenFrm(DatabaseContext& ctx, RouteTables& routes, int& gridLoaded, const DeviceMenuCaptions& captions,
                       QWidget* parent)
    : GridEditor(ctx.editorServices(), fSDatenDesign(), gridLoaded, parent)
    , m_ctx(ctx)
    , m_routes(routes)
{
    buildMenus(
        {{"LadenMenu", QCoreApplication::translate("FSDatenFrm", "&laden"), [this] { LadenMenu_Click(); }},
         {"SpeichernMenu", QCoreApplication::translate("FSDatenFrm", "&speichern"), [this] { SpeichernMenu_Click(); }},
         {"ClrTabMenu", QCoreApplication::translate("FSDatenFrm", "alle Daten in der &Tabelle  löschen"),
          [this] { ClrTabMenu_Click(); }}},
        captions);
    start_tabelle();
    trackChanges(std::make_unique<RouteChanges>(m_routes));
    history().setWholeTableStep([this](const QString& text, const std::function<void()>& edit) {
        return std::make_unique<RouteEditCommand>(m_routes, text, edit);
    });
    grid()->setSortCols({NrCol, Line1Col, Line2Col});
    // The number, the names, the start and the first six commands; the grid scrolls to the rest.
    resize(1080, 620);
}

FSDatenFrm::~FSDatenFrm() = default;

// --- the grid ---

void FSDatenFrm::start_tabelle()
{
    layOutGrid(Cols, kRowHeight, header, [](int col) { return col == NrCol ? kNrWidth : kColWidth; });
}

void FSDatenFrm::fillGrid()
{
    grid()->setRows(kRoutes + 1);
    for (int r = 1; r <= kRoutes; ++r) {
        grid()->setRowHeightPx(r, grid()->scaled(kRowHeight));
        grid()->setRowData(r, r);
        grid()->setTextMatrix(r, NrCol, QString::number(r));
        fillLine(r, r);
    }
}

void FSDatenFrm::fillLine(int row, int route)
{
    grid()->setTextMatrix(row, Line1Col, ReadFSname(1, route));
    grid()->setTextMatrix(row, Line2Col, ReadFSname(2, route));
    for (int j = 1; j <= RouteTables::EntryCount; ++j)
        grid()->setTextMatrix(row, j + 2, FS_Befehl_to_Text(route, j));
}

std::vector<int> FSDatenFrm::showRecords(const std::vector<int>& routes, StepWay)
{
    const std::vector<int> lines = linesOf(routes);
    for (const int row : lines)
        fillLine(row, grid()->RowData(row));
    showEveryCall();
    return lines;
}

void FSDatenFrm::showEveryCall()
{
    // Only the cells that now read differently are touched.
    for (int line = 1; line < grid()->Rows(); ++line)
        if (const int r = routeOfLine(line))
            for (int j = 1; j <= RouteTables::EntryCount; ++j)
                if (const QString text = FS_Befehl_to_Text(r, j); grid()->TextMatrix(line, j + 2) != text)
                    grid()->setTextMatrix(line, j + 2, text);
}

int FSDatenFrm::routeOfLine(int row) const
{
    if (row < 1 || row >= grid()->Rows())
        return 0;
    const int r = grid()->RowData(row);
    return r >= 1 && r <= kRoutes ? r : 0;
}

QString FSDatenFrm::ReadFSname(int line, int route) const
{
    return m_routes.ReadFSname(line, route);
}

QString FSDatenFrm::FS_Befehl_to_Text(int route, int entry) const
{
    return kx2::FS_Befehl_to_Text(m_routes, route, entry, Wording::Shown);
}

void FSDatenFrm::Clear_FSDaten(int route)
{
    clearRoute(m_routes, route);
}

bool FSDatenFrm::isNameCell(int row, int col) const
{
    return routeOfLine(row) > 0 && (col == Line1Col || col == Line2Col);
}

int FSDatenFrm::nameRoom(int row, int col) const
{
    // Line 1, the 13 and line 2 share bytes 4..27.
    const int other = col == Line1Col ? Line2Col : Line1Col;
    return std::max(0, NameLines::MaxChars - int(grid()->TextMatrix(row, other).size()));
}

int FSDatenFrm::nameCapacity(int, int) const
{
    return NameLines::MaxChars;
}

void FSDatenFrm::save_data_from_grid(int row)
{
    const int r = routeOfLine(row);
    if (r > 0)
        history().push(
            std::make_unique<RouteNameCommand>(m_routes, r, grid()->TextMatrix(row, Line1Col), grid()->TextMatrix(row, Line2Col)));
}

// --- events ---

void FSDatenFrm::gridClick()
{
    edit_namen();
    change_fs_daten();
}

void FSDatenFrm::gridKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        change_fs_daten();
}

void FSDatenFrm::nameBoxTab(bool back)
{
    // Entering the other name cell opens the box there.
    grid()->setCol(grid()->Col() + (back ? -1 : 1));
    if (!isNameCell(grid()->Row(), grid()->Col()))
        grid()->setFocus();
}

// --- the entries ---

void FSDatenFrm::change_fs_daten()
{
    const int row = grid()->Row();
    const int col = grid()->Col();
    const int r = routeOfLine(row);
    if (!grid()->singleCellSelected() || col < StartCol || r == 0 || columnDialogOpen())
        return;
    const int j = col - 2;
    if (!m_dialog)
        m_dialog = new FSEingabeFrm(m_routes, services().dialogs, this);
    FSEingabeFrm* dialog = m_dialog;
    runColumnDialog(
        dialog, [&] { dialog->showFor(r, j, m_routes.RouteData[size_t(r)][size_t(j)]); },
        [&] {
            if (dialog->Cancelled)
                return;
            const int answer = dialog->EditedCommand;
            if (deletesRoute(j, answer)
                && ask(Question::DeleteRoute, deleteRouteQuestion(), MsgButtons::YesNo, MsgIcon::Critical,
                       QCoreApplication::translate("FSDatenFrm", "Achtung!"))
                       != MsgAnswer::Yes)
                return;
            auto step = std::make_unique<RouteEntryCommand>(m_routes, r, j, answer);
            const ChangedEntries changed = step->shown;
            history().push(std::move(step));
            showEntries(row, r, changed);
        });
}

void FSDatenFrm::showEntries(int row, int route, const ChangedEntries& entries)
{
    if (entries.empty())
        return;
    if (entries.first == RouteTables::StartEntry)
        return showEveryCall();
    for (int j = entries.first; j <= entries.last; ++j)
        grid()->setTextMatrix(row, j + 2, FS_Befehl_to_Text(route, j));
}

// --- menus ---

void FSDatenFrm::LadenMenu_Click()
{
    fileLoad([this] { return loadRouteFile(m_ctx, m_routes); });
}

void FSDatenFrm::SpeichernMenu_Click()
{
    fileSave([this] { return saveRouteFile(m_ctx, m_routes); });
}

void FSDatenFrm::ClrTabMenu_Click()
{
    // The cleared routes are not to be sent, and the device keeps them: nothing is at risk.
    blankTable([this] {
        for (int r = 1; r <= kRoutes; ++r)
            Clear_FSDaten(r);
    });
}

bool FSDatenFrm::readDatabase()
{
    return readKeepingTables(m_ctx, [this] { return RouteTransfer(m_ctx, m_routes).ReadRoutes(); }, m_routes)
        .opensEditor();
}

bool FSDatenFrm::sendDatabase()
{
    const SendOutcome sent = RouteTransfer(m_ctx, m_routes).SendRoutes();
    return sent == SendOutcome::Sent || sent == SendOutcome::NothingPending;
}

std::vector<int> FSDatenFrm::searchCols() const
{
    // The route texts are searched too: the start and the commands.
    std::vector<int> cols;
    for (int col = 0; col < grid()->Cols(); ++col)
        cols.push_back(col);
    return cols;
}

int FSDatenFrm::recordOfLine(int row) const
{
    const int r = routeOfLine(row);
    return r > 0 ? r : -1;
}

} // namespace kx2
