// The locomotive editor in front of a person: clicks and keys on the real grid and name box.
#include "LokdatenRig.h"

#include "loco/LocoGridModel.h"
#include "editor/gui/PictureCache.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>

using namespace kx2;
using kx2::test::LokdatenRig;
using kx2::test::putLoco;
using Kind = kx2::FakeDialogs::Kind;

namespace {

// Three locomotives in slots 0, 1 and 5; slot 3 deleted, so it is not shown.
void seedThree(LokdatenRig& rig)
{
    putLoco(rig.ctx.loco, 0, 3, QStringLiteral("BR 03"));
    putLoco(rig.ctx.loco, 1, 38, QStringLiteral("Köf II"));
    putLoco(rig.ctx.loco, 3, 50, QStringLiteral("weg"));
    rig.ctx.loco.deleteRecord(3);
    putLoco(rig.ctx.loco, 5, 75, QStringLiteral("E 94"));
    rig.open();
}

QStringList column(FlexGrid* g, int col)
{
    QStringList texts;
    for (int row = 1; row < g->Rows(); ++row)
        texts << g->TextMatrix(row, col);
    return texts;
}

} // namespace

// One line per slot in use, in slot order, then the empty entry line; a function cell shows the
// picture of symbols 1..79 without text and "Fkt. nicht anz." without picture otherwise. After a
// rebuild the current cell is line 1, column 1, and nothing is being edited.
TEST(LokdatenGrid, ShowsEveryRecordInSlotOrderAndAnEmptyEntryLine)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.ctx.loco.set(0, LocoTable::symbolColumn(2), 80);
    rig.ctx.loco.set(0, LocoTable::symbolColumn(3), 255);
    rig.ctx.loco.set(0, LocoTable::symbolColumn(5), 79);
    rig.ctx.loco.set(5, LocoTable::FormatCode, 83);
    rig.ctx.LocoGridLoaded = 0;
    rig.frm.Form_Activate();
    FlexGrid* g = rig.grid();
    EXPECT_EQ(column(g, 0), (QStringList{"3", "38", "75", ""}));
    EXPECT_EQ(column(g, 1), (QStringList{"DCC 28", "DCC 28", "DCC 128", ""}));
    EXPECT_EQ(column(g, 2), (QStringList{"BR 03", "Köf II", "E 94", ""}));
    EXPECT_EQ(column(g, 3), (QStringList{"80", "80", "80", ""}));
    EXPECT_EQ(std::vector<int>({g->RowData(1), g->RowData(2), g->RowData(3), g->RowData(4)}), std::vector<int>({0, 1, 5, -1}));
    for (const auto& [f, picture] : {std::pair(1, true), std::pair(2, false), std::pair(3, false), std::pair(4, false), std::pair(5, true)}) {
        const int col = LocoGrid::columnOfFunction(f);
        EXPECT_EQ(g->CellPicture(1, col).isNull(), !picture) << f;
        EXPECT_EQ(g->TextMatrix(1, col), picture ? QString() : QStringLiteral("Fkt. nicht anz.")) << f;
    }
    EXPECT_EQ(g->RowHeightPx(1), 41) << "room for the pictures";
    EXPECT_EQ(std::pair(g->Row(), g->Col()), std::pair(1, 1));
    EXPECT_TRUE(g->singleCellSelected());
    EXPECT_EQ(std::tuple(rig.ctx.LocoGridLoaded, rig.ctx.EditRow, rig.inp()->isVisible(), rig.frm.Busy(), rig.frm.NameEditActive()),
              std::tuple(1, 0, false, false, false));

    // Activation rebuilds only while the grid is not loaded.
    const int builds = rig.frm.rebuildCount();
    rig.ctx.loco.WriteLokname(0, QStringLiteral("anders"));
    rig.frm.Form_Activate();
    EXPECT_EQ(std::pair(rig.frm.rebuildCount(), g->TextMatrix(1, 2)), std::pair(builds, QStringLiteral("BR 03")));
    rig.ctx.LocoGridLoaded = 0;
    rig.frm.Form_Activate();
    EXPECT_EQ(std::pair(rig.frm.rebuildCount(), g->TextMatrix(1, 2)), std::pair(builds + 1, QStringLiteral("anders")));
}

TEST(LokdatenGrid, AFullTableBuildsEachPictureIsReadOnceAndMissingOnesStopNothing)
{
    LokdatenRig rig;
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        putLoco(rig.ctx.loco, i, i + 1, QStringLiteral("Lok %1").arg(i));
    rig.open();
    EXPECT_EQ(std::pair(rig.grid()->Rows(), rig.grid()->TextMatrix(500, 0)), std::pair(502, QStringLiteral("500")));
    const int read = rig.frm.pictures().filesRead();
    EXPECT_LE(read, 79);
    rig.ctx.LocoGridLoaded = 0;
    rig.frm.Form_Activate();
    EXPECT_EQ(rig.frm.pictures().filesRead(), read);

    LokdatenFrm nowhere(rig.ctx.database, rig.ctx.locoData, QStringLiteral("/nonexistent/kx2"), DeviceMenuCaptions{});
    rig.ctx.LocoGridLoaded = 0;
    nowhere.show();
    nowhere.Form_Activate();
    const int f1 = LocoGrid::columnOfFunction(1);
    EXPECT_TRUE(nowhere.LokdatenGrid()->CellPicture(1, f1).isNull());
    EXPECT_EQ(nowhere.LokdatenGrid()->TextMatrix(1, f1), QString());
    EXPECT_EQ(nowhere.LokdatenGrid()->TextMatrix(1, 2), QStringLiteral("Lok 0"));
}

// Each line: a key pressed (or what else happens) while a name is typed into line 2, whether the
// name is stored, where the current cell goes and whether the name box is open afterwards. Enter
// stores, Tab and Shift+Tab move on without storing; Up and Down store and move the edit; a click
// elsewhere, scrolling and resizing store and close it. EditRow names the line of the last edit
// until scrolling or resizing ends it.
TEST(LokdatenNames, EveryWayOutOfTheNameEditButEscapeStoresTheName)
{
    const struct {
        const char* what;
        std::function<void(LokdatenRig&)> leave;
        bool stored;
        int row, col;
        bool boxOpen;
        int editRow;
    } cases[] = {
        {"Enter", [](LokdatenRig& r) { r.nameKey(Qt::Key_Return); }, true, 2, 2, false, 2},
        {"Enter of the keypad", [](LokdatenRig& r) { r.nameKey(Qt::Key_Enter); }, true, 2, 2, false, 2},
        {"Tab", [](LokdatenRig& r) { r.nameKey(Qt::Key_Tab); }, true, 2, 3, false, 2},
        {"Shift+Tab", [](LokdatenRig& r) { r.nameKey(Qt::Key_Backtab, Qt::ShiftModifier); }, true, 2, 1, false, 2},
        {"Escape", [](LokdatenRig& r) { r.nameKey(Qt::Key_Escape); }, false, 2, 2, false, 2},
        {"Up", [](LokdatenRig& r) { r.nameKey(Qt::Key_Up); }, true, 1, 2, true, 1},
        {"Down", [](LokdatenRig& r) { r.nameKey(Qt::Key_Down); }, true, 3, 2, true, 3},
        {"a click on another name", [](LokdatenRig& r) { r.click(3, 2); }, true, 3, 2, true, 3},
        {"another cell", [](LokdatenRig& r) { r.grid()->selectCell(1, 1); }, true, 1, 1, false, 2},
        {"scrolling", [](LokdatenRig& r) { r.grid()->horizontalScrollBar()->setValue(r.grid()->horizontalScrollBar()->maximum()); },
         true, 2, 2, false, 0},
        {"a resize", [](LokdatenRig& r) { r.frm.resize(r.frm.width() - 30, r.frm.height() - 20); QCoreApplication::processEvents(); },
         true, 2, 2, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LokdatenRig rig;
        seedThree(rig);
        rig.click(2, 2);
        ASSERT_TRUE(rig.inp()->isVisible());
        EXPECT_EQ(std::tuple(rig.inp()->text(), rig.ctx.EditRow, rig.ctx.EditCol), std::tuple(QString("Köf II"), 2, 2));
        rig.typeName(QStringLiteral("Köf III"));
        c.leave(rig);
        EXPECT_EQ(rig.ctx.loco.ReadLokname(1), c.stored ? "Köf III" : "Köf II");
        EXPECT_EQ(rig.ctx.loco.status(1), c.stored ? LocoTable::StatusChanged : LocoTable::StatusUnchanged);
        EXPECT_EQ(rig.grid()->TextMatrix(2, 2), rig.ctx.loco.ReadLokname(1));
        EXPECT_EQ(std::pair(rig.grid()->Row(), rig.grid()->Col()), std::pair(c.row, c.col));
        EXPECT_EQ(rig.inp()->isVisible(), c.boxOpen);
        EXPECT_EQ(rig.ctx.EditRow, c.editRow);
        if (c.boxOpen) {
            EXPECT_EQ(rig.inp()->text(), rig.grid()->TextMatrix(c.row, 2));
        }
        EXPECT_TRUE(rig.dialogs.calls.empty());
    }
}

// Of thirty characters typed the box takes the 23 the record stores; a character cp1252
// lacks is refused as it is typed, and text that comes in past that is stored visibly.
TEST(LokdatenNames, WhatIsStoredOfATypedName)
{
    LokdatenRig rig;
    seedThree(rig);
    const QString thirty = QStringLiteral("Dampflok Baureihe 01 Nr 118 XY");
    rig.click(1, 2);
    rig.typeName(thirty);
    rig.nameKey(Qt::Key_Return);
    EXPECT_EQ(std::pair(rig.grid()->TextMatrix(1, 2), rig.ctx.loco.ReadLokname(0)), std::pair(thirty.left(23), thirty.left(23)));
    rig.ctx.LocoGridLoaded = 0;
    rig.frm.Form_Activate();
    EXPECT_EQ(rig.grid()->TextMatrix(1, 2), thirty.left(23));

    rig.click(1, 2);
    rig.typeName(QStringLiteral("Ω"));
    EXPECT_EQ(rig.inp()->text(), QString());
    kx2::test::typeText(rig.inp(), QStringLiteral("Köf €Ω5"));
    EXPECT_EQ(rig.inp()->text(), QStringLiteral("Köf €5"));
    rig.inp()->setText(QStringLiteral("Ωmega"));
    rig.nameKey(Qt::Key_Return);
    EXPECT_EQ(std::pair(rig.grid()->TextMatrix(1, 2), rig.ctx.loco.ReadLokname(0)), std::pair(QString("?mega"), QString("?mega")));
}

// Each line: the answers to the address question of the entry line (nullopt: cancelled), the
// messages shown between them ("U" invalid, "V" present), and the line afterwards: its address
// cell and the slot it holds (-1: none). While a refusal is shown the address cell holds the answer.
TEST(LokdatenNewLoco, TheAddressIsAskedUntilItIsValidAndFreeOrCancelled)
{
    const struct {
        const char* what;
        std::vector<std::optional<QString>> answers;
        QString messages;
        const char* cell;
        int slot;
    } cases[] = {
        {"a free address", {"4711"}, "", "4711", 2},
        {"0, 10000 and a taken one, then cancelled", {"0", "10000", "38", std::nullopt}, "UUV", "-", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LokdatenRig rig;
        seedThree(rig);
        QStringList cells;
        rig.dialogs.onCall = [&](const FakeDialogs::Call& call) {
            if (call.kind == Kind::Message)
                cells << rig.grid()->TextMatrix(4, 0);
        };
        for (const auto& a : c.answers)
            rig.dialogs.inputNext(a);
        rig.click(4, 2);
        QString messages;
        for (const auto& call : rig.dialogs.calls) {
            if (call.kind == Kind::Input) {
                EXPECT_EQ(std::tuple(call.text, call.title, call.defaultText),
                          std::tuple(QString("Lokadresse:"), QString("Neuer Datensatz"), QString(" ")));
                continue;
            }
            EXPECT_EQ(std::tuple(call.title, call.icon, call.buttons), std::tuple(QString("Achtung!"), MsgIcon::Critical, MsgButtons::Ok));
            messages += call.text == "          Lokadresse ungültig!\nBitte eine andere Lokadresse eingeben." ? 'U'
                        : call.text == "       Lokadresse schon vorhanden!\nBitte eine andere Lokadresse eingeben." ? 'V' : '?';
        }
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(cells.join(','), c.slot < 0 ? "0,10000,38" : "");
        EXPECT_EQ(std::pair(rig.grid()->TextMatrix(4, 0), rig.grid()->RowData(4)), std::pair(QString(c.cell), c.slot));
        EXPECT_EQ(rig.ctx.loco.status(3), LocoTable::StatusDeleted) << "the first free slot is 2, before the deleted 3";
        // The name box stays open on the line; with an address the name goes into the new record.
        ASSERT_TRUE(rig.inp()->isVisible());
        kx2::test::typeText(rig.inp(), QStringLiteral("V 60"));
        rig.nameKey(Qt::Key_Return);
        EXPECT_EQ(rig.grid()->TextMatrix(4, 2), QStringLiteral("V 60"));
        if (c.slot < 0) {
            EXPECT_EQ(rig.grid()->Rows(), 5);
            EXPECT_EQ(rig.grid()->RowData(4), -1) << "a name without an address makes no record";
            continue;
        }
        const LocoTable& t = rig.ctx.loco;
        EXPECT_EQ(std::tuple(t.status(2), t.address(2), t.ReadLokname(2), t.maxSpeed(2)), std::tuple(2, 4711, QString("V 60"), 80));
        EXPECT_EQ(std::pair(rig.grid()->TextMatrix(4, 3), rig.grid()->TextMatrix(4, LocoGrid::columnOfFunction(28))),
                  std::pair(QString("80"), QString("Fkt. nicht anz.")));
        EXPECT_EQ(std::pair(rig.grid()->Rows(), rig.grid()->RowData(5)), std::pair(6, -1)) << "a new entry line";
    }
}

// A record that came with address 0 gets the address typed for it (it is not deleted, and no
// second slot is taken); a full table refuses a new one with its message.
TEST(LokdatenNewLoco, AnAddressZeroIsReplacedAndAFullTableRefuses)
{
    LokdatenRig rig;
    putLoco(rig.ctx.loco, 7, 0, QStringLiteral("ohne"));
    seedThree(rig);
    ASSERT_EQ(std::pair(rig.grid()->RowData(4), rig.grid()->TextMatrix(4, 0)), std::pair(7, QString("0")));
    rig.clickAddress(4);
    EXPECT_TRUE(rig.dialogs.calls.empty()) << "nothing to delete on a line whose address is 0";
    rig.dialogs.inputNext(QStringLiteral("77"));
    rig.click(4, 2);
    EXPECT_EQ(std::tuple(rig.ctx.loco.address(7), rig.ctx.loco.status(7), rig.grid()->RowData(4), rig.ctx.loco.status(2)),
              std::tuple(77, 1, 7, 255));

    LokdatenRig full;
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        putLoco(full.ctx.loco, i, i + 1, QStringLiteral("L%1").arg(i));
    full.open();
    full.dialogs.inputNext(QStringLiteral("4711"));
    full.click(501, 2);
    ASSERT_EQ(full.dialogs.messageCount(), 1);
    EXPECT_EQ(std::tuple(full.dialogs.last().text, full.dialogs.last().icon, full.dialogs.last().title),
              std::tuple(QStringLiteral("Kein leerer Datensatz mehr vorhanden!") + QChar(13) + "Die Lokdaten können nicht gespeichert werden!",
                         MsgIcon::Critical, QString("Achtung!")));
    EXPECT_EQ(std::pair(full.grid()->RowData(501), full.grid()->TextMatrix(501, 0)), std::pair(-1, QString("4711")));
    EXPECT_FALSE(full.ctx.loco.findSlotByAddress(4711));
}

// Each line: how a line is asked to be deleted, and the answer. While asked, the line is the
// current one and in view (scrolled away from: the key). No changes nothing; Yes erases the
// line's own record (two share address 38), blanks the line with "-" and leaves column 0.
TEST(LokdatenDelete, DeleteInTheNameColumnOrAClickOnTheAddressAsksFirst)
{
    const struct {
        const char* what;
        std::function<void(LokdatenRig&)> ask;
        MsgAnswer answer;
    } cases[] = {
        {"Delete in the name column, No", [](LokdatenRig& r) { r.grid()->selectCell(2, 2); r.nameKey(Qt::Key_Return); r.grid()->scrollToBottom(); r.gridKey(Qt::Key_Delete); }, MsgAnswer::No},
        {"Delete in the name column, Yes", [](LokdatenRig& r) { r.grid()->selectCell(2, 2); r.nameKey(Qt::Key_Return); r.grid()->scrollToBottom(); r.gridKey(Qt::Key_Delete); }, MsgAnswer::Yes},
        {"a click on the address, No", [](LokdatenRig& r) { r.clickAddress(2); }, MsgAnswer::No},
        {"a click on the address, Yes", [](LokdatenRig& r) { r.clickAddress(2); }, MsgAnswer::Yes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LokdatenRig rig;
        putLoco(rig.ctx.loco, 0, 38, QStringLiteral("erste"));
        putLoco(rig.ctx.loco, 1, 38, QStringLiteral("zweite"));
        for (int slot = 2; slot < 40; ++slot)
            putLoco(rig.ctx.loco, slot, 100 + slot, QStringLiteral("weitere"));
        rig.open();
        rig.dialogs.answerNext(c.answer);
        std::pair<int, bool> asked;
        rig.dialogs.onCall = [&rig, &asked](const FakeDialogs::Call&) { asked = {rig.grid()->Row(), kx2::test::inView(rig.grid(), 2)}; };
        c.ask(rig);
        EXPECT_EQ(asked, std::pair(2, true));
        ASSERT_EQ(rig.dialogs.messageCount(), 1);
        EXPECT_EQ(std::tuple(rig.dialogs.last().text, rig.dialogs.last().title, rig.dialogs.last().buttons),
                  std::tuple(QString("     Datensatz löschen?"), QString("Lokdatensätze"), MsgButtons::YesNo));
        const bool yes = c.answer == MsgAnswer::Yes;
        EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusUnchanged);
        EXPECT_EQ(rig.ctx.loco.status(1), yes ? LocoTable::StatusDeleted : LocoTable::StatusUnchanged);
        EXPECT_EQ(rig.grid()->TextMatrix(2, 0), yes ? "-" : "38");
        EXPECT_EQ(rig.grid()->TextMatrix(2, 2), yes ? "" : "zweite");
        EXPECT_EQ(rig.grid()->RowData(2), yes ? -1 : 1);
        if (yes) {
            EXPECT_EQ(rig.ctx.loco.value(1, 79), 255);
            EXPECT_TRUE(rig.grid()->CellPicture(2, LocoGrid::columnOfFunction(1)).isNull());
        }
    }
}

// Delete elsewhere and a click on the entry line's address ask nothing; del_lokdata reports an
// address that is not there; an emptied line takes the next new locomotive.
TEST(LokdatenDelete, OnlyALineWithARecordIsOfferedAndAnEmptiedLineIsReused)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.grid()->selectCell(1, 3);
    rig.gridKey(Qt::Key_Delete);
    rig.clickAddress(4);
    EXPECT_EQ(rig.dialogs.messageCount(), 0);
    rig.frm.del_lokdata(999);
    ASSERT_EQ(rig.dialogs.messageCount(), 1);
    EXPECT_EQ(std::pair(rig.dialogs.last().text, rig.dialogs.last().title), std::pair(QString("Datensatz nicht gefunden!"), QString("Achtung!")));
    rig.ctx.LocoGridLoaded = 0;
    rig.frm.Form_Activate();
    rig.dialogs.answerNext(MsgAnswer::Yes);
    rig.clickAddress(2);
    rig.dialogs.inputNext(QStringLiteral("76"));
    rig.click(2, 2);
    EXPECT_EQ(std::pair(rig.grid()->TextMatrix(2, 0), rig.grid()->RowData(2)), std::pair(QString("76"), 1));
    EXPECT_EQ(rig.ctx.loco.status(1), LocoTable::StatusNew);
}

TEST(LokdatenKeys, TabWrapsArrowsMoveAndABusyOrJustMaximisedGridIgnoresItsEvents)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.grid()->selectCell(1, 30);
    for (const auto& [key, mods, row, col] : {std::tuple(Qt::Key_Tab, Qt::NoModifier, 1, 31), std::tuple(Qt::Key_Tab, Qt::NoModifier, 2, 1),
                                              std::tuple(Qt::Key_Tab, Qt::ShiftModifier, 1, 1), std::tuple(Qt::Key_Down, Qt::NoModifier, 2, 1),
                                              std::tuple(Qt::Key_Right, Qt::NoModifier, 2, 2)}) {
        rig.gridKey(key, mods);
        EXPECT_EQ(std::pair(rig.grid()->Row(), rig.grid()->Col()), std::pair(row, col)) << key;
    }
    EXPECT_TRUE(rig.inp()->isVisible()) << "the name column opens the name edit";
    rig.nameKey(Qt::Key_Return);

    {
        const GridEditor::BusyScope busy(rig.frm);
        rig.grid()->selectCell(1, 2);
        rig.gridKey(Qt::Key_Delete);
        rig.clickAddress(1);
        rig.click(1, 3);
        EXPECT_FALSE(rig.inp()->isVisible());
        EXPECT_TRUE(rig.dialogs.calls.empty());
        EXPECT_EQ(rig.dialogsAnswered, 0);
    }

    const QRect screen = rig.frm.screen()->availableGeometry();
    rig.frm.resize(screen.width() + 50, screen.height() + 50);
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.frm.SkipNextClick());
    rig.click(1, 3);
    EXPECT_FALSE(rig.frm.SkipNextClick());
    EXPECT_EQ(rig.frm.speedDialog(), nullptr) << "the click after maximising does nothing";
}

TEST(LokdatenWindow, AbbrechenAndTheCloseBoxReturnToTheMainWindow)
{
    LokdatenRig rig;
    seedThree(rig);
    int back = 0;
    QObject::connect(&rig.frm, &LokdatenFrm::closedToMainWindow, [&] { ++back; });
    rig.frm.menuItem(QStringLiteral("AbbrechenMenu"))->trigger();
    EXPECT_EQ(std::tuple(rig.frm.isVisible(), rig.ctx.LocoGridLoaded, back), std::tuple(false, 0, 1));
    rig.open();
    rig.frm.close();
    EXPECT_EQ(std::pair(rig.frm.isVisible(), back), std::pair(false, 2));
}

// While a read started from the editor runs, its menus are shut and its grid busy; a second read
// asked for meanwhile does not start; afterwards the grid is rebuilt. A send with nothing changed
// asks nothing.
TEST(LokdatenDevice, AReadFromTheEditorShutsItsMenusMeanwhileAndRebuilds)
{
    LokdatenRig rig;
    rig.station.seedLocomotives(3);
    rig.open();
    const int builds = rig.frm.rebuildCount();
    bool menusOpen = false, gridBusy = false;
    int messages = 0;
    rig.bus.setMonitor([&](const QByteArray&) {
        menusOpen = menusOpen || rig.frm.KXMenu()->menuAction()->isEnabled() || rig.frm.DateiMenu()->menuAction()->isEnabled();
        gridBusy = rig.frm.Busy();
        if (++messages == 50)
            rig.frm.ReadfromKX2Menu_Click();
    });
    rig.frm.menuItem(QStringLiteral("ReadfromKX2Menu"))->trigger();
    rig.bus.setMonitor({});
    EXPECT_GT(messages, 500);
    EXPECT_LT(messages, 3000) << "one read";
    EXPECT_FALSE(menusOpen);
    EXPECT_TRUE(gridBusy);
    EXPECT_EQ(rig.frm.rebuildCount(), builds + 1);
    EXPECT_TRUE(rig.frm.KXMenu()->menuAction()->isEnabled() && rig.frm.DateiMenu()->menuAction()->isEnabled());
    EXPECT_FALSE(rig.frm.Busy());
    EXPECT_EQ(std::pair(rig.grid()->Rows(), rig.grid()->TextMatrix(2, 2)), std::pair(5, QStringLiteral("Köf II")));

    const int requests = rig.station.requestCount();
    rig.frm.menuItem(QStringLiteral("SendToKX2Menu"))->trigger();
    EXPECT_TRUE(rig.dialogs.calls.empty());
    EXPECT_EQ(rig.station.requestCount(), requests);
}
