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

// The grid's texts as shown, then as a grid built anew from the table shows them.
std::pair<QStringList, QStringList> shownAndRebuilt(GridEditor& e)
{
    std::pair<QStringList, QStringList> texts;
    for (QStringList* t : {&texts.first, &texts.second}) {
        for (int row = 1; row < e.grid()->Rows(); ++row)
            for (int col = 0; col < e.grid()->Cols(); ++col)
                t->append(e.grid()->TextMatrix(row, col));
        e.GridLoaded = 0;
        e.Form_Activate();
    }
    return texts;
}

void rename(GridEditor& e, int col)
{
    e.grid()->setTextMatrix(1, col, QStringLiteral("Neu"));
    e.save_data_from_grid(1);
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
// step's name, the line whose mark it changes (0: none; a grid shown anew has no deleted lines).
TEST(EditHistory, EveryEditorUndoesAndRedoesItsEdits)
{
    const struct {
        int kind;
        std::function<void(AppRig&, GridEditor&)> edit;
        const char* step;
        int line;
    } rows[] = {
        {0, [](AppRig&, GridEditor& e) { rename(e, 2); }, "Name von Lok 1", 1},
        {0, [](AppRig&, GridEditor& e) { static_cast<LokdatenFrm&>(e).del_lokdata(1); }, "Lok 1 gelöscht", 0},
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

        row.edit(rig, e);
        const std::vector<int32_t> edited = imageOf(rig, row.kind);
        const RecordMark mark = e.lineMark(row.line);
        EXPECT_NE(edited, read);
        EXPECT_EQ(undo->text(), QStringLiteral("&Rückgängig: ") + QString::fromUtf8(row.step));
        EXPECT_EQ(row.line > 0, mark != RecordMark::None);

        // Only the lines the step changed are drawn anew: the current cell stays, unless
        // blanked locomotives come back as lines and the grid is shown anew.
        e.grid()->selectCell(2, 1);
        undo->trigger();
        EXPECT_EQ(e.grid()->Row(), row.kind == 0 && QString::fromUtf8(row.step) == "alle löschen" ? 1 : 2);
        const auto undone = shownAndRebuilt(e);
        EXPECT_EQ(undone.first, undone.second);
        EXPECT_EQ(imageOf(rig, row.kind), read);
        EXPECT_EQ(e.lineMark(row.line), RecordMark::None);
        EXPECT_FALSE(e.holdsUnsavedChanges());
        EXPECT_EQ(redo->text(), QStringLiteral("&Wiederholen: ") + QString::fromUtf8(row.step));
        EXPECT_FALSE(undo->isEnabled());

        redo->trigger();
        const auto redone = shownAndRebuilt(e);
        EXPECT_EQ(redone.first, redone.second);
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
