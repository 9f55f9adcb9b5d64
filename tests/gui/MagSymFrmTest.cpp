// The accessory symbol chooser that the accessory and feedback editors share.
#include "AppRig.h"

#include "accessory/gui/MagDatenFrm.h"
#include "records/gui/MagSymFrm.h"
#include "shell/gui/PictureCache.h"

#include <QPushButton>

using namespace kx2;
using namespace kx2::test;

namespace {

QPoint cellCentre(FlexGrid& g, int row, int col)
{
    return g.visualRect(g.model()->index(row - 1, col - g.FixedCols())).center();
}

} // namespace

// Each line: the symbol the chooser is shown for and the line it offers: any preset outside 1..26
// offers the nearest symbol; Abbrechen hands the preset back unchanged.
TEST(MagSymFrm, OffersALineOfTheListWhateverThePresetAndCancelHandsThePresetBack)
{
    PictureCache pictures(buildFolder());
    MagSymFrm frm(pictures, {});
    FlexGrid* g = frm.MagSymGrid();
    EXPECT_EQ(std::tuple(g->Rows(), g->Cols(), g->TextMatrix(26, 0), g->CellPicture(26, 1).isNull()), std::tuple(27, 2, QString("26"), false));
    EXPECT_EQ(std::tuple(g->ColWidth(0), g->ColWidth(1), g->RowHeightPx(26)), std::tuple(30, 80, 27));
    const std::pair<int, int> presets[] = {{-4, 1}, {0, 1}, {1, 1}, {13, 13}, {26, 26}, {27, 26}, {253, 26}};
    for (const auto& [preset, line] : presets) {
        SCOPED_TRACE(preset);
        frm.showFor(preset);
        EXPECT_EQ(std::tuple(frm.MagSymbolResult, g->Row(), g->Col()), std::tuple(-1, line, 1));
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
    EXPECT_EQ(std::pair(frm.MagSymbolResult, frm.Cancelled), std::pair(5, false));
    frm.showFor(3);
    g->scrollTo(g->model()->index(19, 0));
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, cellCentre(*g, 20, 1));
    EXPECT_EQ(frm.MagSymbolResult, 20);
}
