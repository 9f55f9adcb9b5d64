// What the shared grid machinery does beyond the locomotive editor: grids without a fixed
// column, an editor with the address frame under its grid, and the accessory symbol chooser.
#include "accessory/gui/MagSymFrm.h"
#include "shell/gui/FlexGrid.h"
#include "shell/gui/GridEditor.h"
#include "shell/gui/PictureCache.h"
#include "support/FakeDialogs.h"
#include "support/FakeFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

QPoint cellCentre(FlexGrid& g, int row, int col)
{
    return g.visualRect(g.model()->index(row - 1, col - g.FixedCols())).center();
}

// Laid out as the accessory editor: no fixed column, names in columns 1 and 2.
class RangeEditor : public GridEditor {
public:
    RangeEditor(const EditorServices& services, int& loaded, int bottomMargin)
        : GridEditor(services, {"RangeFrm", QStringLiteral("Bereich"), "RangeGrid", 0, bottomMargin}, loaded)
    {
        buildMenus({}, {});
        frame = new QWidget(formArea());
        frame->resize(150, 40);
        setAddressFrame(frame);
        start_tabelle();
        resize(600, 400);
    }
    void start_tabelle() override
    {
        grid()->setRows(1);
        grid()->setCols(4);
    }
    void save_data_from_grid(int row) override { saved.push_back(row); }

    QWidget* frame;
    std::vector<int> saved;

protected:
    void fillGrid() override
    {
        grid()->setRows(4);
        for (int row = 1; row < 4; ++row)
            grid()->setTextMatrix(row, 0, QString::number(row));
    }
    bool isNameCell(int row, int col) const override { return row >= 1 && (col == 1 || col == 2); }
    void gridClick() override { edit_namen(); }
    void nameBoxTab(bool) override {}
    bool readDatabase() override { return true; }
    bool sendDatabase() override { return false; }
};

struct EditorRig {
    explicit EditorRig(int bottomMargin = 1800) : editor(services, loaded, bottomMargin) {}
    FakeDialogs dialogs;
    FakeFileDialog files;
    int editRow = 0;
    int editCol = 0;
    int loaded = 0;
    EditorServices services{dialogs, files, [](double) {}, editRow, editCol};
    RangeEditor editor;
};

} // namespace

TEST(FlexGridColumns, NumberedAlikeWithAndWithoutTheFixedColumn)
{
    const struct {
        int fixedCols;
        int lineStartsAt; // where selecting a whole line puts the current column
        bool column0Selectable;
    } modes[] = {{1, 1, false}, {0, 0, true}};
    for (const auto& m : modes) {
        SCOPED_TRACE(m.fixedCols);
        FlexGrid g;
        g.setFixedCols(m.fixedCols);
        g.setRows(3);
        g.setCols(4);
        for (int col = 0; col < 4; ++col) {
            g.setTextMatrix(0, col, QStringLiteral("H%1").arg(col));
            g.setTextMatrix(1, col, QStringLiteral("T%1").arg(col));
            g.setColWidth(col, 30 + col);
        }
        g.show();
        ASSERT_EQ(g.Cols(), 4);
        for (int col = 0; col < 4; ++col) {
            EXPECT_EQ(g.TextMatrix(0, col), QStringLiteral("H%1").arg(col));
            EXPECT_EQ(g.TextMatrix(1, col), QStringLiteral("T%1").arg(col));
            EXPECT_EQ(g.ColWidth(col), 30 + col);
        }
        EXPECT_EQ(g.verticalHeader()->isVisible(), !m.column0Selectable);
        g.selectLine(2);
        EXPECT_EQ(g.Col(), m.lineStartsAt);
        EXPECT_EQ(g.ColSel(), 3);
        g.selectCell(2, 0);
        EXPECT_EQ(g.Col(), 0);
        EXPECT_EQ(g.selectionModel()->selectedIndexes().size(), m.column0Selectable ? 1 : 0);
        g.setCellPicture(1, 0, QPixmap(8, 8));
        EXPECT_EQ(g.CellPicture(1, 0).isNull(), !m.column0Selectable);
    }
}

TEST(FlexGridColumns, WithoutTheFixedColumnAClickEntersColumnZero)
{
    FlexGrid g;
    g.setFixedCols(0);
    g.setRows(3);
    g.setCols(3);
    g.show();
    QSignalSpy entered(&g, &FlexGrid::EnterCell);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, cellCentre(g, 2, 0));
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 0);
    EXPECT_TRUE(g.singleCellSelected());
    EXPECT_EQ(entered.count(), 1);
}

TEST(GridEditorWithoutFixedColumn, StartsOnRowOneColumnOneAndEditsANameWhereItLies)
{
    EditorRig rig;
    rig.editor.show();
    rig.editor.Form_Activate();
    FlexGrid* g = rig.editor.grid();
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_FALSE(rig.editor.InpText()->isVisible());
    EXPECT_EQ(rig.loaded, 1);

    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cellCentre(*g, 2, 0));
    EXPECT_EQ(g->Col(), 0);
    EXPECT_FALSE(rig.editor.InpText()->isVisible());
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cellCentre(*g, 3, 2));
    ASSERT_TRUE(rig.editor.InpText()->isVisible());
    EXPECT_EQ(rig.editRow, 3);
    EXPECT_EQ(rig.editCol, 2);
    EXPECT_EQ(rig.editor.InpText()->geometry().topLeft(), g->geometry().topLeft() + g->cellRect(3, 2).topLeft());
    QTest::keyClicks(rig.editor.InpText(), QStringLiteral("Weiche"));
    QTest::keyClick(rig.editor.InpText(), Qt::Key_Return);
    EXPECT_EQ(g->TextMatrix(3, 2), QStringLiteral("Weiche"));
    EXPECT_EQ(rig.editor.saved, std::vector<int>{3});
}

TEST(GridEditorResize, GridKeepsItsMarginsAndTheAddressFrameSitsUnderItRightAligned)
{
    // The grid's bottom margin in twips and in pixels of the area under the menu bar.
    const std::pair<int, int> margins[] = {{1100, 14}, {1800, 61}};
    for (const auto& [twips, pixels] : margins) {
        SCOPED_TRACE(twips);
        EditorRig rig(twips);
        rig.editor.show();
        const QSize area = rig.editor.centralWidget()->size();
        const QRect grid = rig.editor.grid()->geometry();
        EXPECT_EQ(grid, QRect(7, 7, area.width() - 14, area.height() - pixels));
        EXPECT_EQ(rig.editor.frame->geometry().right(), grid.right());
        EXPECT_EQ(rig.editor.frame->geometry().top(), grid.bottom() + 1 + 7);
    }
}

TEST(MagSymFrm, OffersALineOfTheListWhateverThePresetAndCancelHandsThePresetBack)
{
    PictureCache pictures(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    MagSymFrm frm(pictures, {});
    FlexGrid* g = frm.MagSymGrid();
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Mag.Fkt.-Symbole"));
    EXPECT_EQ(g->Rows(), 27);
    EXPECT_EQ(g->Cols(), 2);
    EXPECT_EQ(g->TextMatrix(0, 0), QStringLiteral("S-Nr."));
    EXPECT_EQ(g->TextMatrix(0, 1), QStringLiteral("Symbol"));
    EXPECT_EQ(g->ColWidth(0), 30);
    EXPECT_EQ(g->ColWidth(1), 80);
    EXPECT_EQ(g->RowHeightPx(26), 27);
    EXPECT_EQ(g->TextMatrix(26, 0), QStringLiteral("26"));
    EXPECT_FALSE(g->CellPicture(26, 1).isNull());
    EXPECT_EQ(frm.AbbrechenButton()->text(), QStringLiteral("abbrechen"));

    const std::pair<int, int> presets[] = {{-4, 1}, {0, 1}, {1, 1}, {13, 13}, {26, 26}, {27, 26}, {253, 26}};
    for (const auto& [preset, line] : presets) {
        SCOPED_TRACE(preset);
        frm.showFor(preset);
        EXPECT_EQ(frm.MagSymbolResult, -1);
        EXPECT_EQ(g->Row(), line);
        EXPECT_EQ(g->Col(), 1);
        QTest::mouseClick(frm.AbbrechenButton(), Qt::LeftButton);
        EXPECT_EQ(frm.MagSymbolResult, preset);
        EXPECT_FALSE(frm.isVisible());
    }
}

TEST(MagSymFrm, EnterOrADoubleClickChoosesTheLinesSymbolAndAMissingPictureShowsNone)
{
    PictureCache nowhere(QStringLiteral("/nonexistent/kx2"));
    MagSymFrm frm(nowhere, {});
    FlexGrid* g = frm.MagSymGrid();
    EXPECT_TRUE(g->CellPicture(5, 1).isNull());
    frm.showFor(3);
    g->selectCell(5, 1);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(frm.MagSymbolResult, 5);
    EXPECT_FALSE(frm.Cancelled);

    frm.showFor(3);
    g->scrollTo(g->model()->index(19, 0));
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, cellCentre(*g, 20, 1));
    EXPECT_EQ(frm.MagSymbolResult, 20);
}
