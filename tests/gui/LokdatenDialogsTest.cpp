// The data-format, function-symbol and maximum-speed dialogs, opened from the editor's grid.
#include "LokdatenRig.h"

#include "loco/LocoGridModel.h"
#include "loco/gui/LokDatFormatFrm.h"
#include "loco/gui/LokFktSymFrm.h"
#include "loco/gui/LokmaxSpeedFrm.h"

#include <QApplication>
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

// Double-clicks the cell of `symbol` in the symbol dialog's grid.
void chooseSymbol(QDialog* dialog, int symbol)
{
    auto* chooser = qobject_cast<LokFktSymFrm*>(dialog);
    FlexGrid* grid = chooser->LokFktSymGrid();
    const auto [row, col] = chooser->cellOf(symbol);
    const QModelIndex index = grid->model()->index(row - 1, col - grid->FixedCols());
    grid->scrollTo(index);
    const QPoint at = grid->visualRect(index).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

LokDatFormatFrm* format(QDialog* d) { return qobject_cast<LokDatFormatFrm*>(d); }
// Escape pressed in the dialog, the window in front.
void escape(QDialog* d)
{
    QApplication::setActiveWindow(d);
    QTest::keyClick(d, Qt::Key_Escape);
}
LokFktSymFrm* symbols(QDialog* d) { return qobject_cast<LokFktSymFrm*>(d); }
LokmaxSpeedFrm* speed(QDialog* d) { return qobject_cast<LokmaxSpeedFrm*>(d); }

} // namespace

// Each line: a cell of slot 1 (line 2; format DCC 28, symbol of f5 and f2 from the seed, speed
// byte 30), what the user does in the dialog it opens (after looking at what it shows), and what
// the slot holds afterwards: its format code, parameter and pending flag, the symbol, the speed
// byte, its status, and the cell's text. A dialog shows without blocking the editor, is hidden
// after its answer, and the current cell stays.
TEST(LokdatenColumnDialogs, EachAnswerChangesOnlyWhatItChose)
{
    const int f5 = LocoGrid::columnOfFunction(5);
    const struct {
        const char* what;
        int col;
        int symbolBefore, speedBefore;
        std::function<void(QDialog*)> answer;
        int code, param, pending, symbol, speedByte, status;
        const char* cell;
    } cases[] = {
        {"format: DCC 128", 1, -1, 30, [](QDialog* d) {
             EXPECT_EQ(std::pair(format(d)->FormatIndex, format(d)->LokdataFrmOpt(3)->isChecked()), std::pair(3, true));
             QTest::mouseClick(format(d)->LokdataFrmOpt(4), Qt::LeftButton);
             QTest::mouseClick(format(d)->OKButton(), Qt::LeftButton);
         }, 83, 81, 1, -1, 30, 0, "DCC 128"},
        {"format: closed by the window button", 1, -1, 30, [](QDialog* d) { format(d)->LokdataFrmOpt(5)->setChecked(true); d->close(); },
         82, 17, 0, -1, 30, 0, "DCC 28"},
        {"symbol: 12", f5, 9, 30, [](QDialog* d) {
             EXPECT_EQ(std::tuple(symbols(d)->SymbolValue, symbols(d)->LokFktSymGrid()->Row(), symbols(d)->LokFktSymGrid()->Col()),
                       std::tuple(9, 2, 2)) << "the current symbol is chosen";
             chooseSymbol(d, 12);
         }, 82, 17, 0, 12, 30, 1, ""},
        {"symbol: none, with Enter", f5, 9, 30, [](QDialog* d) {
             FlexGrid* g = symbols(d)->LokFktSymGrid();
             EXPECT_EQ(std::tuple(g->Rows(), g->TextMatrix(1, 0), g->TextMatrix(1, 1), g->TextMatrix(10, 0), g->CellPicture(10, 8).isNull()),
                       std::tuple(11, QString("-"), QString("Fkt. nicht anz."), QString("72"), false));
             g->selectCell(1, 1);
             QTest::keyClick(g, Qt::Key_Return);
         }, 82, 17, 0, 0, 30, 1, "Fkt. nicht anz."},
        {"symbol: abbrechen", f5, 9, 30, [](QDialog* d) { QTest::mouseClick(symbols(d)->AbbrechenButton(), Qt::LeftButton); },
         82, 17, 0, 9, 30, 0, ""},
        {"symbol: closed by the window button", f5, 9, 30, [](QDialog* d) { d->close(); EXPECT_TRUE(symbols(d)->Cancelled); },
         82, 17, 0, 9, 30, 0, ""},
        {"symbol: a byte beyond the list; Enter with nothing chosen does not answer", f5, 200, 30, [](QDialog* d) {
             EXPECT_EQ(std::tuple(symbols(d)->SymbolValue, symbols(d)->LokFktSymGrid()->Col(), symbols(d)->OKButton()->isEnabled()),
                       std::tuple(200, 0, false));
             QTest::keyClick(symbols(d)->LokFktSymGrid(), Qt::Key_Return);
             EXPECT_EQ(symbols(d)->SymbolResult, -1);
             QTest::mouseClick(symbols(d)->AbbrechenButton(), Qt::LeftButton);
         }, 82, 17, 0, 200, 30, 0, "Fkt. nicht anz."},
        {"speed: cancel", 3, -1, 30, [](QDialog* d) {
             EXPECT_EQ(std::pair(speed(d)->SpeedSlider()->value(), speed(d)->SpeedAusg()->text()), std::pair(30, QString("60")));
             speed(d)->SpeedSlider()->setValue(70);
             EXPECT_EQ(speed(d)->SpeedAusg()->text(), QStringLiteral("140"));
             QTest::mouseClick(speed(d)->CancelButton(), Qt::LeftButton);
         }, 82, 17, 0, -1, 30, 0, "60"},
        {"speed: 140", 3, -1, 30, [](QDialog* d) {
             speed(d)->SpeedSlider()->setValue(70);
             QTest::mouseClick(speed(d)->OKButton(), Qt::LeftButton);
         }, 82, 17, 0, -1, 70, 1, "140"},
        {"speed: a byte beyond the slider's 0..255", 3, -1, 300, [](QDialog* d) {
             EXPECT_EQ(std::tuple(speed(d)->SpeedSlider()->minimum(), speed(d)->SpeedSlider()->maximum(), speed(d)->SpeedSlider()->value(),
                                  speed(d)->SpeedAusg()->text()),
                       std::tuple(0, 255, 255, QString("510")));
             d->close();
         }, 82, 17, 0, -1, 300, 0, "600"},
        // Escape in each dialog answers as its Abbrechen or close box does.
        {"format: Escape", 1, -1, 30, [](QDialog* d) { format(d)->LokdataFrmOpt(5)->setChecked(true); escape(d); }, 82, 17, 0, -1, 30, 0, "DCC 28"},
        {"symbol: Escape", f5, 9, 30, [](QDialog* d) { escape(d); }, 82, 17, 0, 9, 30, 0, ""},
        {"speed: Escape", 3, -1, 30, [](QDialog* d) { speed(d)->SpeedSlider()->setValue(70); escape(d); }, 82, 17, 0, -1, 30, 0, "60"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LokdatenRig rig;
        seedTwo(rig);
        if (c.symbolBefore >= 0)
            rig.ctx.loco.set(1, LocoTable::symbolColumn(5), c.symbolBefore);
        rig.ctx.loco.set(1, LocoTable::MaxSpeedHalf, c.speedBefore);
        rig.open();
        QDialog* shown = nullptr;
        rig.whenDialogShown([&](QDialog* dialog) {
            shown = dialog;
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_FALSE(dialog->isModal());
            c.answer(dialog);
        });
        rig.click(2, c.col);
        ASSERT_EQ(rig.dialogsAnswered, 1);
        const LocoTable& t = rig.ctx.loco;
        EXPECT_EQ(std::tuple(t.value(1, LocoTable::FormatCode), t.value(1, LocoTable::FormatParam), t.value(1, LocoTable::FormatPending)),
                  std::tuple(c.code, c.param, c.pending));
        if (c.symbol >= 0) {
            EXPECT_EQ(t.symbol(1, 5), c.symbol);
            EXPECT_EQ(rig.grid()->CellPicture(2, f5).isNull(), c.symbol == 0 || c.symbol >= 80);
        }
        EXPECT_EQ(std::pair(t.value(1, LocoTable::MaxSpeedHalf), t.status(1)), std::pair(c.speedByte, c.status));
        EXPECT_EQ(rig.grid()->TextMatrix(2, c.col), QString::fromUtf8(c.cell));
        EXPECT_FALSE(shown->isVisible());
        EXPECT_EQ(std::pair(rig.grid()->Row(), rig.grid()->Col()), std::pair(2, c.col));
        EXPECT_FALSE(rig.frm.Busy());
    }
}

// Each line: the option chosen in the data-format dialog, and the code and value stored and the
// text shown: the six data formats of the locomotive record.
TEST(LokdatenColumnDialogs, EachDataFormatStoresItsCodeAndValue)
{
    const std::tuple<int, int, int, const char*> rows[] = {{0, 64, 2, "Motorola alt"}, {1, 65, 20, "Motorola neu"}, {2, 80, 1, "DCC 14"},
                                                          {3, 82, 17, "DCC 28"},      {4, 83, 81, "DCC 128"},     {5, 72, 0, "Selectrix"}};
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    for (const auto& [option, code, param, text] : rows) {
        rig.whenDialogShown([option = option](QDialog* d) {
            QTest::mouseClick(format(d)->LokdataFrmOpt(option), Qt::LeftButton);
            QTest::mouseClick(format(d)->OKButton(), Qt::LeftButton);
        });
        rig.click(1, 1);
        EXPECT_EQ(std::tuple(rig.ctx.loco.value(0, LocoTable::FormatCode), rig.ctx.loco.value(0, LocoTable::FormatParam),
                             rig.grid()->TextMatrix(1, 1)),
                  std::tuple(code, param, QString::fromLatin1(text)));
    }
}

// A slot without a format offers the first option, and taking it is a change; Enter on a format
// cell opens the dialog too; the entry line has none.
TEST(LokdatenColumnDialogs, AnUnknownFormatOffersTheFirstOptionAndEnterOpensTheDialog)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.ctx.loco.clear(0, LocoTable::FormatCode);
    rig.open();
    EXPECT_EQ(rig.grid()->TextMatrix(1, 1), QString());
    rig.grid()->selectCell(1, 1);
    rig.whenDialogShown([](QDialog* d) {
        EXPECT_EQ(std::pair(format(d)->FormatIndex, format(d)->LokdataFrmOpt(0)->isChecked()), std::pair(0, true));
        QTest::mouseClick(format(d)->OKButton(), Qt::LeftButton);
    });
    rig.gridKey(Qt::Key_Return);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(std::tuple(rig.ctx.loco.value(0, LocoTable::FormatCode), rig.ctx.loco.value(0, LocoTable::FormatParam),
                         rig.ctx.loco.value(0, LocoTable::FormatPending), rig.grid()->TextMatrix(1, 1)),
              std::tuple(64, 2, 1, QString("Motorola alt")));
    rig.click(3, 1);
    EXPECT_EQ(rig.dialogsAnswered, 1) << "not on the entry line";
}

// A selection from f3 left to f1 asks whether to set functions 1 to 3 alike, opens the dialog on
// the cell where it started and sets all three; No or a cancelled dialog changes nothing, and a
// selection that reaches beyond the function columns or over two lines is no range.
TEST(LokdatenSymbolRange, ASelectionOfFunctionsIsSetAlikeAfterAQuestion)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    const int f1 = LocoGrid::columnOfFunction(1), f3 = LocoGrid::columnOfFunction(3);
    const std::array<int, 3> before{rig.ctx.loco.symbol(0, 1), rig.ctx.loco.symbol(0, 2), rig.ctx.loco.symbol(0, 3)};
    rig.dialogs.answerNext(MsgAnswer::No);
    rig.drag(1, f1, 1, f3);
    rig.whenDialogShown([](QDialog* d) { d->close(); });
    rig.drag(1, f1, 1, f3);
    rig.drag(1, 3, 1, f1);
    rig.drag(1, f1, 2, f1);
    EXPECT_EQ(std::pair(rig.dialogs.messageCount(), rig.dialogsAnswered), std::pair(2, 1));
    for (int f = 1; f <= 3; ++f)
        EXPECT_EQ(rig.ctx.loco.symbol(0, f), before[size_t(f - 1)]) << f;
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusUnchanged);

    int offered = -1;
    rig.whenDialogShown([&](QDialog* d) {
        offered = symbols(d)->SymbolValue;
        chooseSymbol(d, 7);
    });
    rig.drag(1, f3, 1, f1);
    EXPECT_EQ(std::tuple(rig.dialogs.last().text, rig.dialogs.last().buttons, rig.dialogs.last().title),
              std::tuple(QString("Sollen die Funktionen 1 bis 3 auf identische Symbole gesetzt werden?"), MsgButtons::YesNo, QString()));
    EXPECT_EQ(offered, before[2]);
    for (int f = 1; f <= 3; ++f)
        EXPECT_EQ(rig.ctx.loco.symbol(0, f), 7) << f;
    EXPECT_NE(rig.ctx.loco.symbol(0, 4), 7);
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusChanged);
    for (int col = f1; col <= f3; ++col)
        EXPECT_FALSE(rig.grid()->CellPicture(1, col).isNull());
}

// While a dialog waits the editor stays usable and another speed cell only brings it forward;
// its answer goes to the line it was asked for, or nowhere once the grid was rebuilt meanwhile;
// Abbrechen closes it with the editor.
TEST(LokdatenDialogWait, TheEditorStaysUsableAndAnAnswerGoesOnlyWhereItWasAskedFor)
{
    LokdatenRig rig;
    seedTwo(rig);
    rig.open();
    bool sawBusy = true;
    rig.whenDialogShown([&](QDialog* d) {
        sawBusy = rig.frm.Busy();
        rig.click(2, 2);
        rig.typeName(QStringLiteral("während"));
        rig.nameKey(Qt::Key_Return);
        rig.click(2, 3);
        speed(d)->SpeedSlider()->setValue(50);
        QTest::mouseClick(speed(d)->OKButton(), Qt::LeftButton);
    });
    rig.click(1, 3);
    EXPECT_FALSE(sawBusy);
    EXPECT_EQ(rig.dialogsAnswered, 1);
    EXPECT_EQ(rig.ctx.loco.ReadLokname(1), QStringLiteral("während"));
    EXPECT_EQ(std::pair(rig.ctx.loco.value(0, LocoTable::MaxSpeedHalf), rig.ctx.loco.value(1, LocoTable::MaxSpeedHalf)), std::pair(50, 30));
    EXPECT_EQ(std::pair(rig.grid()->Row(), rig.grid()->Col()), std::pair(1, 3));

    rig.whenDialogShown([&](QDialog* d) {
        putLoco(rig.ctx.loco, 0, 5, QStringLiteral("andere"), 10);
        rig.ctx.LocoGridLoaded = 0;
        rig.frm.Form_Activate();
        speed(d)->SpeedSlider()->setValue(99);
        QTest::mouseClick(speed(d)->OKButton(), Qt::LeftButton);
    });
    rig.click(1, 3);
    EXPECT_EQ(std::pair(rig.ctx.loco.value(0, LocoTable::MaxSpeedHalf), rig.grid()->TextMatrix(1, 3)), std::pair(10, QString("20")));

    rig.whenDialogShown([&](QDialog*) { rig.frm.AbbrechenMenu_Click(); });
    rig.click(1, 3);
    EXPECT_FALSE(rig.frm.speedDialog()->isVisible());
    EXPECT_FALSE(rig.frm.isVisible());
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::MaxSpeedHalf), 10);
}
