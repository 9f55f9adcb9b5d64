// Sorting and searching an editor's grid, on the simulated command station: only what is shown
// changes, never the slots or what a send writes. (The order and the matches themselves:
// SortOrderTest, GridSearchTest.)
#include "LokdatenRig.h"

#include "editor/gui/SearchBar.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QToolBar>

using namespace kx2;
using namespace kx2::test;

namespace {

// A click on a column's heading; the address heading is the corner over the fixed column.
void clickHeading(FlexGrid* grid, int col)
{
    if (col < grid->FixedCols()) {
        QTest::mouseClick(grid->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly).value(0), Qt::LeftButton);
        return;
    }
    QHeaderView* heads = grid->horizontalHeader();
    const int s = col - grid->FixedCols();
    QTest::mouseClick(heads->viewport(), Qt::LeftButton, {},
                      QPoint(heads->sectionViewportPosition(s) + heads->sectionSize(s) / 2, heads->height() / 2));
}

QStringList shownNames(FlexGrid* grid)
{
    QStringList names;
    for (int row = 1; row < grid->Rows(); ++row)
        names << grid->TextMatrix(row, 2);
    return names;
}

struct SortedRig : LokdatenRig {
    SortedRig()
    {
        station.seedLocomotives(5); // addresses 1, 38, 75, 112, 149; speeds rising with them
        open();
        frm.menuItem(QStringLiteral("ReadfromKX2Menu"))->trigger();
    }
};

} // namespace

// Each line: the headings clicked and the names shown. Then "Köf II" (slot 1) is renamed where
// it is shown, and the send puts on the bus what it puts there from the unsorted grid.
TEST(GridSort, AHeadingSortsWhatIsShownAndAnEditGoesToItsSlot)
{
    const QString B = QStringLiteral("BR 01 Dampflok"), K = QStringLiteral("Köf II"), E = QStringLiteral("E 94 Krokodil"),
                  V = QStringLiteral("V 200"), I = QStringLiteral("ICE 3 Triebkopf");
    const std::pair<std::vector<int>, QStringList> rows[] = {
        {{}, {B, K, E, V, I}},     {{2}, {B, E, I, K, V}},     {{2, 2}, {V, K, I, E, B}},
        {{2, 2, 2}, {B, K, E, V, I}}, {{0, 0}, {I, V, E, K, B}}, {{3}, {B, K, E, V, I}},
    };
    QList<QByteArray> unsortedSend;
    for (const auto& [headings, names] : rows) {
        SortedRig rig;
        for (int col : headings)
            clickHeading(rig.grid(), col);
        EXPECT_EQ(shownNames(rig.grid()), names + QStringList{QString()}) << headings.size();

        rig.click(int(names.indexOf(K)) + 1, 2);
        rig.typeName(QStringLiteral("Köf III"));
        rig.nameKey(Qt::Key_Return);
        EXPECT_EQ(rig.ctx.loco.ReadLokname(1), QStringLiteral("Köf III"));
        for (int slot = 0; slot < 5; ++slot)
            EXPECT_EQ(rig.ctx.loco.status(slot), slot == 1 ? LocoTable::StatusChanged : LocoTable::StatusUnchanged) << slot;

        QList<QByteArray> sent;
        rig.bus.setMonitor([&sent](const QByteArray& m) { sent << m; });
        rig.dialogs.answerNext(MsgAnswer::Yes);
        rig.frm.menuItem(QStringLiteral("SendToKX2Menu"))->trigger();
        rig.bus.setMonitor({});
        if (headings.empty())
            unsortedSend = sent;
        EXPECT_EQ(sent, unsortedSend) << headings.size();
        EXPECT_EQ(rig.ctx.loco.status(1), LocoTable::StatusUnchanged);
    }
}

// The sorted column's heading fits in what the header's arrow leaves of its section; the others
// keep the header's font.
TEST(GridSort, TheSortedHeadingFitsBesideItsArrow)
{
    SortedRig rig;
    QHeaderView* heads = rig.grid()->horizontalHeader();
    for (int col : {3, 2}) {
        SCOPED_TRACE(col);
        clickHeading(rig.grid(), col);
        const int s = col - rig.grid()->FixedCols();
        QStyleOptionHeader opt;
        opt.initFrom(heads);
        opt.state |= QStyle::State_Horizontal;
        opt.sortIndicator = heads->sortIndicatorOrder() == Qt::AscendingOrder ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
        opt.rect = QRect(0, 0, heads->sectionSize(s), heads->height());
        const QVariant own = heads->model()->headerData(s, Qt::Horizontal, Qt::FontRole);
        const QFont font = own.isValid() ? own.value<QFont>() : heads->font();
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(rig.grid()->TextMatrix(0, col)),
                  heads->style()->subElementRect(QStyle::SE_HeaderLabel, &opt, heads).width());
        EXPECT_FALSE(heads->model()->headerData(3 - s, Qt::Horizontal, Qt::FontRole).isValid());
    }
}

TEST(EditorSearch, TheSearchLineFindsAsTypedGoesOnWithF3AndSaysNichtGefunden)
{
    SortedRig rig;
    rig.frm.menuItem(QStringLiteral("SuchenMenu"))->trigger();
    SearchBar* bar = rig.frm.searchBar();
    ASSERT_TRUE(bar->isVisibleTo(&rig.frm));
    typeText(bar->SuchText(), QStringLiteral("k"));
    EXPECT_EQ(std::pair(rig.grid()->Row(), rig.grid()->Col()), std::pair(1, 2)) << "BR 01 Dampflok";
    typeText(bar->SuchText(), QStringLiteral("r"));
    EXPECT_EQ(std::pair(rig.grid()->Row(), rig.grid()->Col()), std::pair(3, 2)) << "E 94 Krokodil";
    EXPECT_FALSE(rig.inp()->isVisible());
    rig.frm.menuItem(QStringLiteral("WeiterSuchenMenu"))->trigger();
    EXPECT_EQ(rig.grid()->Row(), 3) << "the only match stays";
    typeText(bar->SuchText(), QStringLiteral("x"));
    EXPECT_EQ(bar->SuchStatus()->text(), QStringLiteral("nicht gefunden"));
    QTest::keyClick(bar->SuchText(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisibleTo(&rig.frm));
}
