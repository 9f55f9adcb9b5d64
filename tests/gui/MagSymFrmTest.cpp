// The accessory symbol chooser that the accessory and feedback editors share.
#include "AppRig.h"

#include "accessory/gui/MagDatenFrm.h"
#include "editor/gui/MagSymFrm.h"
#include "editor/gui/PictureCache.h"

#include <QLabel>
#include <QPushButton>

using namespace kx2;
using namespace kx2::test;

namespace {

QPoint cellCentre(FlexGrid& g, int row, int col)
{
    return g.visualRect(g.model()->index(row - 1, col - g.FixedCols())).center();
}

} // namespace

// Each line: the symbol the chooser is shown for and the cell it offers (six symbols a line): any
// preset outside 1..26 offers the nearest symbol; Abbrechen hands the preset back unchanged.
TEST(MagSymFrm, OffersACellOfTheListWhateverThePresetAndCancelHandsThePresetBack)
{
    PictureCache pictures(buildFolder());
    MagSymFrm frm(pictures, {});
    FlexGrid* g = frm.MagSymGrid();
    EXPECT_EQ(std::tuple(g->Rows(), g->Cols(), g->TextMatrix(5, 0), g->CellPicture(5, 2).isNull()), std::tuple(6, 7, QString("25"), false));
    EXPECT_EQ(std::tuple(g->ColWidth(0), g->ColWidth(1), g->RowHeightPx(5)), std::tuple(30, 80, 27));
    EXPECT_EQ(g->item(4, 1)->toolTip(), QStringLiteral("Symbol 26: Motor / Antrieb"));
    const struct {
        int preset, row, col;
    } presets[] = {{-4, 1, 1}, {0, 1, 1}, {1, 1, 1}, {13, 3, 1}, {26, 5, 2}, {27, 5, 2}, {253, 5, 2}};
    for (const auto& p : presets) {
        SCOPED_TRACE(p.preset);
        frm.showFor(p.preset);
        EXPECT_EQ(std::tuple(frm.MagSymbolResult, g->Row(), g->Col()), std::tuple(-1, p.row, p.col));
        QTest::mouseClick(frm.AbbrechenButton(), Qt::LeftButton);
        EXPECT_EQ(frm.MagSymbolResult, p.preset);
        EXPECT_FALSE(frm.isVisible());
    }
}

TEST(MagSymFrm, EnterOrADoubleClickChoosesTheLinesSymbolAndAMissingPictureShowsNone)
{
    PictureCache nowhere(QStringLiteral("/nonexistent/kx2"));
    MagSymFrm frm(nowhere, {});
    FlexGrid* g = frm.MagSymGrid();
    EXPECT_TRUE(g->CellPicture(1, 5).isNull());
    frm.showFor(3);
    g->selectCell(1, 5);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(std::pair(frm.MagSymbolResult, frm.Cancelled), std::pair(5, false));
    frm.showFor(3);
    g->scrollTo(g->model()->index(3, 1));
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, cellCentre(*g, 4, 2));
    EXPECT_EQ(frm.MagSymbolResult, 20);
}

// Each line: what is done after the chooser opens on symbol 3 and a single click on symbol 20,
// and the answer (-1: none yet). The click alone only marks; OK takes the marked symbol, Abbrechen
// the preset.
TEST(MagSymFrm, AClickOnlyMarksOkTakesTheMarkedSymbolAbbrechenThePreset)
{
    PictureCache pictures(buildFolder());
    MagSymFrm frm(pictures, {});
    const struct {
        const char* what;
        QPushButton* (MagSymFrm::*button)() const;
        int result;
    } cases[] = {{"click alone", nullptr, -1}, {"OK", &MagSymFrm::OKButton, 20}, {"abbrechen", &MagSymFrm::AbbrechenButton, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frm.showFor(3);
        EXPECT_EQ(std::pair(frm.OKButton()->isEnabled(), frm.HintLbl()->isVisible()), std::pair(true, true));
        QTest::mouseClick(frm.MagSymGrid()->viewport(), Qt::LeftButton, {}, cellCentre(*frm.MagSymGrid(), 4, 2));
        if (c.button)
            QTest::mouseClick((frm.*c.button)(), Qt::LeftButton);
        EXPECT_EQ(std::pair(frm.MagSymbolResult, frm.isVisible()), std::pair(c.result, c.result == -1));
        frm.hide();
    }
}
