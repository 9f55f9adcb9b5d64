// Every editor's edits can be undone and redone from its "Bearbeiten" menu: undone, the table is
// as read (bytes, status, marks) and nothing is asked on leaving; redone, it is as edited.
#include "AppRig.h"

#include "accessory/gui/MagDatenFrm.h"
#include "feedback/gui/RMDatenFrm.h"
#include "routes/gui/FSDatenFrm.h"

#include <QAction>
#include <QFile>

using namespace kx2;
using kx2::test::AppRig;

namespace {

// Every cell of every row of a table, the routes' entries and flags included.
void cellsOf(const RecordTable& t, std::vector<int32_t>& out)
{
    std::vector<int32_t> row;
    for (int r = 0; r < t.rows(); ++r) {
        t.copyRow(r, row);
        out.insert(out.end(), row.begin(), row.end());
    }
}

std::vector<int32_t> imageOf(AppRig& r, int kind)
{
    std::vector<int32_t> out;
    const RecordTable* tables[] = {&r.ctx.loco, &r.ctx.accessories, &r.ctx.feedback, &r.ctx.routes.RouteNames};
    cellsOf(*tables[kind], out);
    for (int route = 0; kind == 3 && route < RouteTables::Rows; ++route)
        for (int j = 0; j <= RouteTables::EntryCount; ++j)
            out.push_back(r.ctx.routes.RouteData[size_t(route)][size_t(j)] * 2 + r.ctx.routes.RouteDataChanged[size_t(route)][size_t(j)]);
    return out;
}

GridEditor& open(AppRig& r, int kind)
{
    switch (kind) {
    case 0: r.station.seedLocomotives(3); r.windows.LokDaten_But_Click(); return r.windows.lokdatenFrm();
    case 1: r.station.seedAccessories(16); r.windows.MagDatenBut_Click({1, 16}); return r.windows.magDatenFrm();
    case 2: r.station.seedFeedback(16); r.windows.RckmDatenBut_Click({1, 16}); return r.windows.rmDatenFrm();
    default: r.station.seedRoutes(5); r.windows.FSDatenBut_Click(); return r.windows.fsDatenFrm();
    }
}

// The texts of the grid's lines from..to (to 0: the last).
QStringList shown(GridEditor& e, int from = 1, int to = 0)
{
    QStringList texts;
    for (int row = from; row <= (to ? to : e.grid()->Rows() - 1); ++row)
        for (int col = 0; col < e.grid()->Cols(); ++col)
            texts.append(e.grid()->TextMatrix(row, col));
    return texts;
}

void rename(GridEditor& e, int col, int row = 1)
{
    e.grid()->setTextMatrix(row, col, QStringLiteral("Neu"));
    e.save_data_from_grid(row);
}

void blank(GridEditor& e)
{
    e.menuItem(QStringLiteral("ClrTabMenu"))->trigger();
}

// The accessories exported, the second one renamed in the file, the file taken back.
void importCsv(AppRig& r, GridEditor& e)
{
    const QString path = r.dir.filePath(QStringLiteral("tabelle.csv"));
    r.files.chooseNext(path);
    e.menuItem(QStringLiteral("CsvExportMenu"))->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray csv = file.readAll().replace("Weiche 2", "Weiche Z");
    file.resize(0);
    file.write(csv);
    file.close();
    r.files.chooseNext(path);
    e.menuItem(QStringLiteral("CsvImportMenu"))->trigger();
}

} // namespace

// Each line: the editor (0 locomotives, 1 accessories, 2 feedback, 3 routes), the edit, the
// step's name, the line whose mark it changes (0: none; the first line it changes is line 1).
TEST(EditHistory, EveryEditorUndoesAndRedoesItsEdits)
{
    const struct {
        int kind;
        std::function<void(AppRig&, GridEditor&)> edit;
        const char* step;
        int line;
    } rows[] = {
        {0, [](AppRig&, GridEditor& e) { rename(e, 2); }, "Name von Lok 1", 1},
        {0, [](AppRig&, GridEditor& e) { e.grid()->selectCell(1, 2); static_cast<LokdatenFrm&>(e).del_datensatz(); }, "Lok 1 gelöscht", 1},
        {0, [](AppRig&, GridEditor& e) { blank(e); }, "alle löschen", 0},
        {1, [](AppRig&, GridEditor& e) { rename(e, 2); }, "Name von Magnetartikel 1", 1},
        {1, [](AppRig&, GridEditor& e) { e.grid()->selectCell(1, MagDatenFrm::FormatCol); static_cast<MagDatenFrm&>(e).change_data_frm(); },
         "Datenformat von Magnetartikel 1", 1},
        {1, importCsv, "CSV-Import", 2},
        {2, [](AppRig&, GridEditor& e) { rename(e, 1); }, "Name von Rückmelder 1", 1},
        {2, [](AppRig&, GridEditor& e) { blank(e); }, "alle löschen", 0},
        {3, [](AppRig&, GridEditor& e) { rename(e, 1); }, "Name von Fahrstraße 1", 1},
        {3, [](AppRig&, GridEditor& e) { blank(e); }, "alle löschen", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.kind) + " " + row.step);
        AppRig rig;
        GridEditor& e = open(rig, row.kind);
        QAction* undo = e.menuItem(QStringLiteral("RueckgaengigMenu"));
        QAction* redo = e.menuItem(QStringLiteral("WiederholenMenu"));
        ASSERT_TRUE(undo && redo);
        EXPECT_FALSE(undo->isEnabled());
        const std::vector<int32_t> read = imageOf(rig, row.kind);
        const QStringList asRead = shown(e);

        row.edit(rig, e);
        const QStringList asEdited = shown(e);
        const std::vector<int32_t> edited = imageOf(rig, row.kind);
        const RecordMark mark = e.lineMark(row.line);
        EXPECT_NE(edited, read);
        EXPECT_EQ(undo->text(), QStringLiteral("&Rückgängig: ") + QString::fromUtf8(row.step));
        EXPECT_EQ(row.line > 0, mark != RecordMark::None);

        // The grid shows again what it showed, and the first line the step changed is current.
        e.grid()->selectCell(3, 1);
        undo->trigger();
        EXPECT_EQ(e.grid()->Row(), std::max(row.line, 1));
        EXPECT_EQ(shown(e), asRead);
        EXPECT_EQ(imageOf(rig, row.kind), read);
        EXPECT_EQ(e.lineMark(row.line), RecordMark::None);
        EXPECT_FALSE(e.holdsUnsavedChanges());
        EXPECT_EQ(redo->text(), QStringLiteral("&Wiederholen: ") + QString::fromUtf8(row.step));
        EXPECT_FALSE(undo->isEnabled());

        redo->trigger();
        EXPECT_EQ(shown(e), asEdited);
        EXPECT_EQ(imageOf(rig, row.kind), edited);
        EXPECT_EQ(e.lineMark(row.line), mark);

        // Undone again, the editor closes without a question.
        undo->trigger();
        rig.dialogs.clear();
        e.menuItem(QStringLiteral("AbbrechenMenu"))->trigger();
        EXPECT_EQ(rig.dialogs.messageCount(), 0);
        EXPECT_FALSE(e.isVisible());
    }
}

// A long grid sorted by name, edited far down, scrolled back to its top: an undo and a redo each
// make the edited line current and bring it into view where it stands, and draw no other line
// anew. Each line: the editor (0 locomotives, 1 accessories), the edit on line Rows - fromBottom.
TEST(EditHistory, UndoAndRedoHappenInViewOfALongSortedGrid)
{
    const std::tuple<int, int, std::function<void(AppRig&, GridEditor&, int)>> rows[] = {
        {0, 3, [](AppRig&, GridEditor& e, int line) { rename(e, 2, line); }},
        {0, 4, [](AppRig&, GridEditor& e, int line) { e.grid()->selectCell(line, 2); static_cast<LokdatenFrm&>(e).del_datensatz(); }},
        {0, 1, [](AppRig& r, GridEditor& e, int line) { r.dialogs.inputNext(QStringLiteral("4321")); e.grid()->selectCell(line, 2); }},
        {1, 2, [](AppRig&, GridEditor& e, int line) { rename(e, 2, line); }},
    };
    for (const auto& [kind, fromBottom, edit] : rows) {
        AppRig rig;
        rig.station.seedLocomotives(60);
        rig.station.seedAccessories(64);
        kind == 0 ? rig.windows.LokDaten_But_Click() : rig.windows.MagDatenBut_Click({1, 64});
        GridEditor& e = kind == 0 ? static_cast<GridEditor&>(rig.windows.lokdatenFrm()) : rig.windows.magDatenFrm();
        FlexGrid* g = e.grid();
        g->sortBy(2);
        const int line = g->Rows() - fromBottom;
        const QStringList before = shown(e, line, line);
        edit(rig, e, line);
        const std::pair<const char*, QStringList> steps[] = {{"RueckgaengigMenu", before}, {"WiederholenMenu", shown(e, line, line)}};
        QTableWidgetItem* other = g->item(0, 1);
        for (const auto& [step, shows] : steps) {
            g->selectCell(1, 1);
            g->scrollToTop();
            ASSERT_FALSE(kx2::test::inView(g, line));
            e.menuItem(QLatin1String(step))->trigger();
            EXPECT_EQ(std::tuple(g->Row(), kx2::test::inView(g, line), shown(e, line, line), g->item(0, 1)), std::tuple(line, true, shows, other)) << step;
        }
    }
}
