// The data-format, function-symbol and maximum-speed dialogs, opened from the editor's grid.
#include "LokdatenRig.h"

#include "loco/LocoGridModel.h"
#include "loco/gui/LokDatFormatFrm.h"
#include "loco/gui/LokFktSymFrm.h"
#include "loco/gui/LokmaxSpeedFrm.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

using namespace kx2;
using kx2::test::LokdatenRig;
using kx2::test::putLoco;

namespace {

void seedTwo(LokdatenRig& rig)
{
    putLoco(rig.ctx.loco, 0, 3, QStringLiteral("BR 03"), 40);
    putLoco(rig.ctx.loco, 1, 38, QStringLiteral("Köf II"), 30);
}

// Double-clicks the line of `symbol` in the symbol dialog's grid.
void chooseSymbol(QDialog* dialog, int symbol)
{
    auto* frm = qobject_cast<LokFktSymFrm*>(dialog);
    ASSERT_NE(frm, nullptr);
    FlexGrid* grid = frm->LokFktSymGrid();
    const QModelIndex index = grid->model()->index(symbol, 0);
    grid->scrollTo(index);
    const QPoint at = grid->visualRect(index).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

// --- data format ---

TEST(LokdatenFormatDialog, ChangesDcc28ToDcc128AndMarksTheFormatPending)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    int shownIndex = -1;
    rig.whenDialogShown([&](QDialog* dialog) {
        auto* frm = qobject_cast<LokDatFormatFrm*>(dialog);
        ASSERT_NE(frm, nullptr);
        EXPECT_EQ(frm->windowTitle(), QStringLiteral("Lokdatenformat"));
        EXPECT_TRUE(frm->isVisible());
        EXPECT_FALSE(frm->isModal());
        shownIndex = frm->FormatIndex;
        EXPECT_TRUE(frm->LokdataFrmOpt(3)->isChecked());
        EXPECT_EQ(frm->LokdataFrmOpt(0)->text(), QStringLiteral("Motorala alt"));
        QTest::mouseClick(frm->LokdataFrmOpt(4), Qt::LeftButton);
        QTest::mouseClick(frm->OKButton(), Qt::LeftButton);
    });
    rig.click(2, 1);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(shownIndex, 3);
    const LocoTable& t = rig.ctx.loco;
    EXPECT_EQ(t.value(1, LocoTable::FormatCode), 83);
    EXPECT_EQ(t.value(1, LocoTable::FormatParam), 81);
    EXPECT_EQ(t.value(1, LocoTable::FormatPending), 1);
    EXPECT_EQ(t.status(1), LocoTable::StatusUnchanged);
    EXPECT_EQ(rig.grid()->TextMatrix(2, 1), QStringLiteral("DCC 128"));
    EXPECT_FALSE(rig.frm.formatDialog()->isVisible());
    EXPECT_EQ(rig.frm.formatDialog()->FormatDialogResult, 1);
    EXPECT_EQ(rig.grid()->Row(), 2);
    EXPECT_EQ(rig.grid()->Col(), 1);
    EXPECT_FALSE(rig.frm.Busy);
}

TEST(LokdatenFormatDialog, TheSameFormatAgainChangesNothing)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    rig.whenDialogShown([](QDialog* dialog) {
        QTest::mouseClick(qobject_cast<LokDatFormatFrm*>(dialog)->OKButton(), Qt::LeftButton);
    });
    rig.click(1, 1);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::FormatCode), 82);
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::FormatParam), 17);
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::FormatPending), 0);
    EXPECT_EQ(rig.grid()->TextMatrix(1, 1), QStringLiteral("DCC 28"));
}

TEST(LokdatenFormatDialog, AnUnknownFormatOffersTheFirstOption)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.ctx.loco.clear(0, LocoTable::FormatCode);
    rig.open();
    EXPECT_EQ(rig.grid()->TextMatrix(1, 1), QString());
    rig.whenDialogShown([](QDialog* dialog) {
        auto* frm = qobject_cast<LokDatFormatFrm*>(dialog);
        EXPECT_EQ(frm->FormatIndex, 0);
        EXPECT_TRUE(frm->LokdataFrmOpt(0)->isChecked());
        QTest::mouseClick(frm->OKButton(), Qt::LeftButton);
    });
    rig.click(1, 1);
    // Choosing "Motorola alt" for a slot without a format is a change.
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::FormatCode), 64);
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::FormatParam), 2);
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::FormatPending), 1);
    EXPECT_EQ(rig.grid()->TextMatrix(1, 1), QStringLiteral("Motorola alt"));
}

TEST(LokdatenFormatDialog, EnterOnTheFormatCellOpensItToo)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    rig.grid()->selectCell(1, 1);
    rig.whenDialogShown([](QDialog* dialog) { dialog->reject(); });
    rig.gridKey(Qt::Key_Return);
    EXPECT_EQ(rig.dialogsAnswered, 1);
}

TEST(LokdatenFormatDialog, ClosedByTheWindowButtonLeavesTheFormat)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    rig.whenDialogShown([](QDialog* dialog) {
        auto* frm = qobject_cast<LokDatFormatFrm*>(dialog);
        frm->LokdataFrmOpt(5)->setChecked(true);
        frm->close();
    });
    rig.click(1, 1);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(rig.frm.formatDialog()->FormatDialogResult, 0);
    EXPECT_FALSE(rig.frm.formatDialog()->isVisible());
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::FormatCode), 82);
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::FormatPending), 0);
    EXPECT_FALSE(rig.frm.Busy);
}

TEST(LokdatenFormatDialog, NotOnTheEntryLine)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    rig.click(3, 1);
    EXPECT_EQ(rig.frm.formatDialog(), nullptr);
}

// --- function symbols ---

TEST(LokdatenSymbolDialog, ChoosingASymbolStoresItAndMarksTheRecordChanged)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    const int f5 = LocoGrid::columnOfFunction(5);
    const int before = rig.ctx.loco.symbol(0, 5);
    ASSERT_NE(before, 12);
    rig.whenDialogShown([&](QDialog* dialog) {
        auto* frm = qobject_cast<LokFktSymFrm*>(dialog);
        ASSERT_NE(frm, nullptr);
        EXPECT_EQ(frm->windowTitle(), QStringLiteral("Lok Fkt.-Symbole"));
        EXPECT_EQ(frm->SymbolValue, before);
        // The current symbol is selected.
        EXPECT_EQ(frm->LokFktSymGrid()->Row(), before + 1);
        EXPECT_EQ(frm->LokFktSymGrid()->Col(), 1);
        chooseSymbol(dialog, 12);
    });
    rig.click(1, f5);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(rig.ctx.loco.symbol(0, 5), 12);
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusChanged);
    EXPECT_FALSE(rig.grid()->CellPicture(1, f5).isNull());
    EXPECT_EQ(rig.grid()->TextMatrix(1, f5), QString());
    EXPECT_FALSE(rig.frm.symbolDialog()->isVisible());
}

TEST(LokdatenSymbolDialog, SymbolZeroShowsTheNoSymbolTextAndEnterChooses)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    const int f1 = LocoGrid::columnOfFunction(1);
    rig.whenDialogShown([](QDialog* dialog) {
        auto* frm = qobject_cast<LokFktSymFrm*>(dialog);
        FlexGrid* g = frm->LokFktSymGrid();
        EXPECT_EQ(g->TextMatrix(0, 0), QStringLiteral("F-Nr."));
        EXPECT_EQ(g->TextMatrix(0, 1), QStringLiteral("Sym."));
        EXPECT_EQ(g->TextMatrix(1, 0), QStringLiteral("-"));
        EXPECT_EQ(g->TextMatrix(1, 1), QStringLiteral("Fkt. nicht anz."));
        EXPECT_EQ(g->TextMatrix(80, 0), QStringLiteral("79"));
        EXPECT_FALSE(g->CellPicture(80, 1).isNull());
        EXPECT_EQ(g->Rows(), 81);
        EXPECT_EQ(g->RowHeightPx(5), 39);
        EXPECT_EQ(g->ColWidth(1), 39);
        g->selectCell(1, 1);
        QTest::keyClick(g, Qt::Key_Return);
    });
    rig.click(1, f1);
    EXPECT_EQ(rig.ctx.loco.symbol(0, 1), 0);
    EXPECT_TRUE(rig.grid()->CellPicture(1, f1).isNull());
    EXPECT_EQ(rig.grid()->TextMatrix(1, f1), QStringLiteral("Fkt. nicht anz."));
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusChanged);
}

TEST(LokdatenSymbolDialog, AbbrechenForOneCellChangesNothing)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    const int before = rig.ctx.loco.symbol(1, 2);
    rig.whenDialogShown([](QDialog* dialog) {
        QTest::mouseClick(qobject_cast<LokFktSymFrm*>(dialog)->AbbrechenButton(), Qt::LeftButton);
    });
    rig.click(2, LocoGrid::columnOfFunction(2));
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(rig.frm.symbolDialog()->SymbolResult, before);
    EXPECT_EQ(rig.ctx.loco.symbol(1, 2), before);
    EXPECT_EQ(rig.ctx.loco.status(1), LocoTable::StatusUnchanged);
}

TEST(LokdatenSymbolDialog, RangeFromF3LeftToF1AsksOneToThreeAndSetsAll)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    const int f1 = LocoGrid::columnOfFunction(1);
    const int f3 = LocoGrid::columnOfFunction(3);
    const int f3Before = rig.ctx.loco.symbol(0, 3);
    int offered = -1;
    rig.whenDialogShown([&](QDialog* dialog) {
        // The dialog opens on the cell where the selection started.
        offered = qobject_cast<LokFktSymFrm*>(dialog)->SymbolValue;
        chooseSymbol(dialog, 7);
    });
    rig.drag(1, f3, 1, f1);
    ASSERT_EQ(rig.dialogs.messageCount(), 1);
    const FakeDialogs::Call q = rig.dialogs.messages()[0]; // a copy: messages() returns a new list
    EXPECT_EQ(q.text, QStringLiteral("Sollen die Funktionen 1 bis 3 auf identische Symbole gesetzt werden?"));
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_EQ(q.title, QString());
    EXPECT_EQ(offered, f3Before);
    for (int f = 1; f <= 3; ++f)
        EXPECT_EQ(rig.ctx.loco.symbol(0, f), 7) << f;
    EXPECT_NE(rig.ctx.loco.symbol(0, 4), 7);
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusChanged);
    for (int col = f1; col <= f3; ++col)
        EXPECT_FALSE(rig.grid()->CellPicture(1, col).isNull());
}

TEST(LokdatenSymbolDialog, RangeAnsweredNoOrCancelledChangesNothing)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    const int f1 = LocoGrid::columnOfFunction(1);
    const int f3 = LocoGrid::columnOfFunction(3);
    const std::array<int, 3> before{rig.ctx.loco.symbol(0, 1), rig.ctx.loco.symbol(0, 2), rig.ctx.loco.symbol(0, 3)};
    rig.dialogs.answerNext(MsgAnswer::No);
    rig.drag(1, f1, 1, f3);
    EXPECT_EQ(rig.dialogs.messageCount(), 1);
    EXPECT_EQ(rig.frm.symbolDialog(), nullptr);

    rig.whenDialogShown([](QDialog* dialog) { dialog->close(); });
    rig.drag(1, f1, 1, f3);
    EXPECT_EQ(rig.dialogs.messageCount(), 2);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    for (int f = 1; f <= 3; ++f)
        EXPECT_EQ(rig.ctx.loco.symbol(0, f), before[size_t(f - 1)]) << f;
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusUnchanged);
}

TEST(LokdatenSymbolDialog, ASelectionReachingIntoOtherColumnsIsNoRange)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    rig.drag(1, 3, 1, LocoGrid::columnOfFunction(1));
    EXPECT_EQ(rig.dialogs.messageCount(), 0);
    EXPECT_EQ(rig.frm.symbolDialog(), nullptr);
    rig.drag(1, LocoGrid::columnOfFunction(1), 2, LocoGrid::columnOfFunction(1));
    EXPECT_EQ(rig.dialogs.messageCount(), 0);
}

TEST(LokdatenSymbolDialog, ASymbolByteBeyondTheListDoesNotFail)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.ctx.loco.set(0, LocoTable::symbolColumn(1), 200);
    rig.open();
    rig.whenDialogShown([](QDialog* dialog) {
        auto* frm = qobject_cast<LokFktSymFrm*>(dialog);
        EXPECT_EQ(frm->SymbolValue, 200);
        // Nothing chosen: Enter does not answer.
        EXPECT_EQ(frm->LokFktSymGrid()->Col(), 0);
        QTest::keyClick(frm->LokFktSymGrid(), Qt::Key_Return);
        EXPECT_EQ(frm->SymbolResult, -1);
        QTest::mouseClick(frm->AbbrechenButton(), Qt::LeftButton);
    });
    rig.click(1, LocoGrid::columnOfFunction(1));
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(rig.ctx.loco.symbol(0, 1), 200);
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusUnchanged);
}

TEST(LokdatenSymbolDialog, ClosedByTheWindowButtonEndsTheWait)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    const int before = rig.ctx.loco.symbol(0, 2);
    rig.whenDialogShown([](QDialog* dialog) { dialog->close(); });
    rig.click(1, LocoGrid::columnOfFunction(2));
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_TRUE(rig.frm.symbolDialog()->Cancelled);
    EXPECT_FALSE(rig.frm.symbolDialog()->isVisible());
    EXPECT_EQ(rig.ctx.loco.symbol(0, 2), before);
    EXPECT_FALSE(rig.frm.Busy);
}

// --- maximum speed ---

TEST(LokdatenSpeedDialog, CancelLeavesTheByteOkStoresThePositionAndShowsTwice)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    rig.whenDialogShown([](QDialog* dialog) {
        auto* frm = qobject_cast<LokmaxSpeedFrm*>(dialog);
        ASSERT_NE(frm, nullptr);
        EXPECT_EQ(frm->windowTitle(), QStringLiteral("max. Lokgeschwindigkeit in der Fahrpultanzeige"));
        EXPECT_EQ(frm->SpeedSlider()->value(), 30);
        EXPECT_EQ(frm->SpeedAusg()->text(), QStringLiteral("60"));
        frm->SpeedSlider()->setValue(70);
        EXPECT_EQ(frm->SpeedAusg()->text(), QStringLiteral("140"));
        QTest::mouseClick(frm->CancelButton(), Qt::LeftButton);
    });
    rig.click(2, 3);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(rig.ctx.loco.value(1, LocoTable::MaxSpeedHalf), 30);
    EXPECT_EQ(rig.grid()->TextMatrix(2, 3), QStringLiteral("60"));
    EXPECT_EQ(rig.ctx.loco.status(1), LocoTable::StatusUnchanged);

    rig.whenDialogShown([](QDialog* dialog) {
        auto* frm = qobject_cast<LokmaxSpeedFrm*>(dialog);
        EXPECT_EQ(frm->SpeedSlider()->value(), 30);
        frm->SpeedSlider()->setValue(70);
        QTest::mouseClick(frm->OKButton(), Qt::LeftButton);
    });
    rig.click(2, 3);
    EXPECT_EQ(rig.dialogsAnswered, 2);
    EXPECT_EQ(rig.ctx.loco.value(1, LocoTable::MaxSpeedHalf), 70);
    EXPECT_EQ(rig.grid()->TextMatrix(2, 3), QStringLiteral("140"));
    EXPECT_EQ(rig.ctx.loco.status(1), LocoTable::StatusChanged);
}

TEST(LokdatenSpeedDialog, SliderCoversTheWholeByteAndAValueBeyondItDoesNotFail)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.ctx.loco.set(0, LocoTable::MaxSpeedHalf, 300);
    rig.open();
    rig.whenDialogShown([](QDialog* dialog) {
        auto* frm = qobject_cast<LokmaxSpeedFrm*>(dialog);
        EXPECT_EQ(frm->SpeedSlider()->minimum(), 0);
        EXPECT_EQ(frm->SpeedSlider()->maximum(), 255);
        EXPECT_EQ(frm->SpeedSlider()->value(), 255);
        EXPECT_EQ(frm->SpeedAusg()->text(), QStringLiteral("510"));
        frm->close();
    });
    rig.click(1, 3);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(rig.frm.speedDialog()->SpeedDialogResult, 0);
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::MaxSpeedHalf), 300);
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusUnchanged);
}

// A new locomotive still needs the new-record values when it is first written, whatever was
// changed on it before; an existing one becomes changed.
TEST(LokdatenColumnDialogs, ANewLocomotiveEditedThroughEitherDialogStaysNew)
{
    const int f2 = LocoGrid::columnOfFunction(2);
    const struct {
        const char* what;
        int col;
        std::function<void(QDialog*)> answer;
        const char* cellText;
    } cases[] = {
        {"speed", 3, [](QDialog* dialog) {
             auto* frm = qobject_cast<LokmaxSpeedFrm*>(dialog);
             EXPECT_EQ(frm->SpeedAusg()->text(), QStringLiteral("80"));
             frm->SpeedSlider()->setValue(60);
             QTest::mouseClick(frm->OKButton(), Qt::LeftButton);
         }, "120"},
        {"symbol", f2, [](QDialog* dialog) { chooseSymbol(dialog, 12); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LokdatenRig rig;
        seedTwo(rig);
        rig.open();
        rig.dialogs.inputNext(QStringLiteral("99"));
        rig.click(3, 2);
        const int slot = rig.grid()->RowData(3);
        ASSERT_GE(slot, 0);
        ASSERT_EQ(rig.ctx.loco.status(slot), LocoTable::StatusNew);
        rig.whenDialogShown(c.answer);
        rig.click(3, c.col);
        EXPECT_EQ(rig.ctx.loco.status(slot), LocoTable::StatusNew);
        EXPECT_EQ(rig.grid()->TextMatrix(3, c.col), QString::fromLatin1(c.cellText));
        rig.whenDialogShown(c.answer);
        rig.click(1, c.col);
        EXPECT_EQ(rig.ctx.loco.status(rig.grid()->RowData(1)), LocoTable::StatusChanged);
    }
}

// --- waiting ---

TEST(LokdatenDialogWait, TheEditorStaysUsableAndASecondDialogIsNotStacked)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    bool sawBusy = true;
    rig.whenDialogShown([&](QDialog* dialog) {
        sawBusy = rig.frm.Busy;
        // Meanwhile the name of the other line is edited in the grid.
        rig.click(2, 2);
        rig.typeName(QStringLiteral("während"));
        rig.nameKey(Qt::Key_Return);
        // Another speed cell only brings the open dialog forward.
        rig.click(2, 3);
        QTest::mouseClick(qobject_cast<LokmaxSpeedFrm*>(dialog)->CancelButton(), Qt::LeftButton);
    });
    rig.click(1, 3);
    EXPECT_FALSE(sawBusy);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(rig.ctx.loco.ReadLokname(1), QStringLiteral("während"));
    // The answer went to the line it was asked for.
    EXPECT_EQ(rig.grid()->Row(), 1);
    EXPECT_EQ(rig.grid()->Col(), 3);
}

TEST(LokdatenDialogWait, AnAnswerAfterTheGridWasRebuiltIsDropped)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    rig.whenDialogShown([&](QDialog* dialog) {
        // A table load meanwhile puts another locomotive on the first line.
        putLoco(rig.ctx.loco, 0, 5, QStringLiteral("andere"), 10);
        rig.ctx.LocoGridLoaded = 0;
        rig.frm.Form_Activate();
        auto* frm = qobject_cast<LokmaxSpeedFrm*>(dialog);
        frm->SpeedSlider()->setValue(99);
        QTest::mouseClick(frm->OKButton(), Qt::LeftButton);
    });
    rig.click(1, 3);
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::MaxSpeedHalf), 10);
    EXPECT_EQ(rig.grid()->TextMatrix(1, 3), QStringLiteral("20"));
}

TEST(LokdatenDialogWait, AbbrechenClosesAnOpenDialog)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    rig.whenDialogShown([&](QDialog*) { rig.frm.AbbrechenMenu_Click(); });
    rig.click(1, 3);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_FALSE(rig.frm.speedDialog()->isVisible());
    EXPECT_FALSE(rig.frm.isVisible());
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::MaxSpeedHalf), 40);
}
