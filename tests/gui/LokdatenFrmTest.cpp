// The locomotive editor in front of a person: clicks and keys on the real grid and name box.
#include "LokdatenRig.h"

#include "loco/LocoGridModel.h"
#include "shell/gui/PictureCache.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
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
}

} // namespace

TEST(LokdatenGridBuild, ShowsEveryRecordInSlotOrderAndAnEmptyEntryLine)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.ctx.loco.set(5, LocoTable::FormatCode, 83);
    rig.open();
    FlexGrid* g = rig.grid();

    EXPECT_EQ(rig.frm.windowTitle(), QStringLiteral("Lok-Datensätze:"));
    ASSERT_EQ(g->Rows(), 5);
    ASSERT_EQ(g->Cols(), 33);
    EXPECT_EQ(g->TextMatrix(0, 0), QStringLiteral("Adr."));
    EXPECT_EQ(g->TextMatrix(0, 3), QStringLiteral("max.Geschw."));
    EXPECT_EQ(g->TextMatrix(0, 32), QStringLiteral("f28"));
    EXPECT_EQ(g->ColWidth(0), 40);
    EXPECT_EQ(g->ColWidth(2), 200);
    EXPECT_EQ(g->ColWidth(17), 41);
    EXPECT_EQ(g->RowHeightPx(1), 41);

    EXPECT_EQ(g->TextMatrix(1, 0), QStringLiteral("3"));
    EXPECT_EQ(g->TextMatrix(1, 1), QStringLiteral("DCC 28"));
    EXPECT_EQ(g->TextMatrix(1, 2), QStringLiteral("BR 03"));
    EXPECT_EQ(g->TextMatrix(1, 3), QStringLiteral("80"));
    EXPECT_EQ(g->TextMatrix(2, 2), QStringLiteral("Köf II"));
    EXPECT_EQ(g->TextMatrix(3, 0), QStringLiteral("75"));
    EXPECT_EQ(g->TextMatrix(3, 1), QStringLiteral("DCC 128"));
    EXPECT_EQ(g->RowData(1), 0);
    EXPECT_EQ(g->RowData(2), 1);
    EXPECT_EQ(g->RowData(3), 5);
    EXPECT_EQ(g->RowData(4), -1);
    EXPECT_EQ(g->TextMatrix(4, 0), QString());
    EXPECT_EQ(g->TextMatrix(4, 2), QString());

    // Function cells: the picture without text, or the text without picture.
    const int f1 = LocoGrid::columnOfFunction(1);
    const int f4 = LocoGrid::columnOfFunction(4);
    EXPECT_FALSE(g->CellPicture(1, f1).isNull());
    EXPECT_EQ(g->TextMatrix(1, f1), QString());
    EXPECT_TRUE(g->CellPicture(1, f4).isNull());
    EXPECT_EQ(g->TextMatrix(1, f4), QStringLiteral("Fkt. nicht anz."));

    // After the rebuild: current cell row 1, column 1; nothing being edited.
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_TRUE(g->singleCellSelected());
    EXPECT_EQ(rig.ctx.LocoGridLoaded, 1);
    EXPECT_EQ(rig.ctx.EditRow, 0);
    EXPECT_FALSE(rig.inp()->isVisible());
    EXPECT_FALSE(rig.frm.Busy);
    EXPECT_FALSE(rig.frm.NameEditActive);
}

TEST(LokdatenGridBuild, ActivationRebuildsOnlyWhenTheGridIsNotLoaded)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    const int builds = rig.frm.rebuildCount();
    rig.ctx.loco.WriteLokname(0, QStringLiteral("anders"));
    rig.frm.Form_Activate();
    EXPECT_EQ(rig.frm.rebuildCount(), builds);
    EXPECT_EQ(rig.grid()->TextMatrix(1, 2), QStringLiteral("BR 03"));
    rig.ctx.LocoGridLoaded = 0;
    rig.frm.Form_Activate();
    EXPECT_EQ(rig.frm.rebuildCount(), builds + 1);
    EXPECT_EQ(rig.grid()->TextMatrix(1, 2), QStringLiteral("anders"));
}

TEST(LokdatenGridBuild, SymbolEightyAndAboveShowTheNoSymbolText)
{
    LokdatenRig rig;
    putLoco(rig.ctx.loco, 0, 3, QStringLiteral("BR 03"));
    rig.ctx.loco.set(0, LocoTable::symbolColumn(2), 80);
    rig.ctx.loco.set(0, LocoTable::symbolColumn(3), 255);
    rig.ctx.loco.set(0, LocoTable::symbolColumn(5), 79);
    rig.open();
    for (int f : {2, 3}) {
        const int col = LocoGrid::columnOfFunction(f);
        EXPECT_TRUE(rig.grid()->CellPicture(1, col).isNull()) << f;
        EXPECT_EQ(rig.grid()->TextMatrix(1, col), QStringLiteral("Fkt. nicht anz.")) << f;
    }
    EXPECT_FALSE(rig.grid()->CellPicture(1, LocoGrid::columnOfFunction(5)).isNull());
}

TEST(LokdatenGridBuild, AFullTableBuildsAndEachPictureIsReadOnce)
{
    LokdatenRig rig;
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        putLoco(rig.ctx.loco, i, i + 1, QStringLiteral("Lok %1").arg(i));
    rig.open();
    EXPECT_EQ(rig.grid()->Rows(), 502);
    EXPECT_EQ(rig.grid()->TextMatrix(500, 0), QStringLiteral("500"));
    EXPECT_LE(rig.frm.pictures().filesRead(), 79);
    const int read = rig.frm.pictures().filesRead();
    rig.ctx.LocoGridLoaded = 0;
    rig.frm.Form_Activate();
    EXPECT_EQ(rig.frm.pictures().filesRead(), read);
}

TEST(LokdatenGridBuild, MissingPicturesLeaveTheCellsEmptyAndStopNothing)
{
    test::SimRig sim;
    LokdatenFrm frm(sim.ctx.database, sim.ctx.locoData, QStringLiteral("/nonexistent/kx2"), DeviceMenuCaptions{});
    sim.ctx.loco.markAllForDeviceRead();
    putLoco(sim.ctx.loco, 0, 3, QStringLiteral("BR 03"));
    sim.ctx.LocoGridLoaded = 0;
    frm.show();
    frm.Form_Activate();
    const int f1 = LocoGrid::columnOfFunction(1);
    EXPECT_EQ(frm.LokdatenGrid()->Rows(), 3);
    EXPECT_TRUE(frm.LokdatenGrid()->CellPicture(1, f1).isNull());
    EXPECT_EQ(frm.LokdatenGrid()->TextMatrix(1, f1), QString());
    EXPECT_EQ(frm.LokdatenGrid()->TextMatrix(1, 2), QStringLiteral("BR 03"));
    // Without a brand the device menu keeps its design.
    EXPECT_EQ(frm.KXMenu()->title().remove(QLatin1Char('&')), QStringLiteral("Kordavinex"));
    EXPECT_EQ(frm.menuItem(QStringLiteral("ReadfromKX2Menu"))->text().remove(QLatin1Char('&')), QStringLiteral("Daten aus der KX lesen"));
    EXPECT_EQ(frm.menuItem(QStringLiteral("SendToKX2Menu"))->text().remove(QLatin1Char('&')), QStringLiteral("Daten zur KX senden"));
}

TEST(LokdatenMenus, CaptionsAndObjectNames)
{
    LokdatenRig rig;
    EXPECT_EQ(rig.frm.DateiMenu()->title().remove(QLatin1Char('&')), QStringLiteral("Datei"));
    EXPECT_EQ(rig.frm.DateiMenu()->objectName(), QStringLiteral("DateiMenu"));
    const std::pair<const char*, const char*> items[] = {
        {"LadenMenu", "alle Datensätze laden"},
        {"SpeichernMenu", "alle Datensätze speichern"},
        {"ClrTabMenu", "alle Daten in der Tabelle  löschen"},
        {"DS_LadenMenu", "einen Datensatz laden"},
        {"DS_SpeichernMenu", "einen Datensatz speichern"},
        {"AbbrechenMenu", "Abbrechen"},
        {"ReadfromKX2Menu", "Daten aus der TQ7 lesen"},
        {"SendToKX2Menu", "Daten zur TQ7 senden"},
    };
    for (const auto& [name, caption] : items) {
        QAction* action = rig.frm.menuItem(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text().remove(QLatin1Char('&')), QString::fromUtf8(caption)) << name;
    }
    EXPECT_EQ(rig.frm.KXMenu()->title().remove(QLatin1Char('&')), QStringLiteral("TQ7"));
    EXPECT_EQ(rig.frm.KXMenu()->objectName(), QStringLiteral("KXMenu"));
}

// --- names ---

TEST(LokdatenNames, EnterStoresTypedNameTabDoesNot)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    LocoTable& t = rig.ctx.loco;

    rig.click(2, 2);
    ASSERT_TRUE(rig.inp()->isVisible());
    EXPECT_EQ(rig.inp()->text(), QStringLiteral("Köf II"));
    EXPECT_EQ(rig.ctx.EditRow, 2);
    EXPECT_EQ(rig.ctx.EditCol, 2);
    rig.typeName(QStringLiteral("Köf III"));
    rig.nameKey(Qt::Key_Tab);
    EXPECT_FALSE(rig.inp()->isVisible());
    EXPECT_EQ(t.ReadLokname(1), QStringLiteral("Köf II"));
    EXPECT_EQ(t.status(1), LocoTable::StatusUnchanged);
    EXPECT_EQ(rig.grid()->TextMatrix(2, 2), QStringLiteral("Köf II"));
    EXPECT_EQ(rig.grid()->Col(), 3);
    // Shift+Tab goes back to the data format, without storing either.
    rig.click(2, 2);
    rig.typeName(QStringLiteral("Köf IV"));
    rig.nameKey(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(rig.inp()->isVisible());
    EXPECT_EQ(rig.grid()->Col(), 1);
    EXPECT_EQ(t.ReadLokname(1), QStringLiteral("Köf II"));
    EXPECT_EQ(t.status(1), LocoTable::StatusUnchanged);

    rig.click(2, 2);
    ASSERT_TRUE(rig.inp()->isVisible());
    rig.typeName(QStringLiteral("Köf III"));
    rig.nameKey(Qt::Key_Return);
    EXPECT_FALSE(rig.inp()->isVisible());
    EXPECT_EQ(t.ReadLokname(1), QStringLiteral("Köf III"));
    EXPECT_EQ(t.status(1), LocoTable::StatusChanged);
    EXPECT_EQ(rig.grid()->TextMatrix(2, 2), QStringLiteral("Köf III"));

    // A new record keeps status 2 when its name is stored.
    t.setStatus(5, LocoTable::StatusNew);
    rig.click(3, 2);
    rig.typeName(QStringLiteral("E 94 neu"));
    rig.nameKey(Qt::Key_Enter);
    EXPECT_EQ(t.ReadLokname(5), QStringLiteral("E 94 neu"));
    EXPECT_EQ(t.status(5), LocoTable::StatusNew);
    EXPECT_TRUE(rig.dialogs.calls.empty());
}

TEST(LokdatenNames, SameNameAgainLeavesTheStatus)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.click(1, 2);
    rig.nameKey(Qt::Key_Return);
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusUnchanged);
}

TEST(LokdatenNames, ThirtyCharactersTypedKeepTheTwentyThreeTheRecordStores)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    const QString thirty = QStringLiteral("Dampflok Baureihe 01 Nr 118 XY");
    ASSERT_EQ(thirty.size(), 30);
    rig.click(1, 2);
    rig.typeName(thirty);
    rig.nameKey(Qt::Key_Return);
    EXPECT_EQ(rig.grid()->TextMatrix(1, 2), thirty.left(23));
    EXPECT_EQ(rig.ctx.loco.ReadLokname(0), thirty.left(23));
    EXPECT_EQ(rig.ctx.loco.value(0, 27), 0);
    rig.ctx.LocoGridLoaded = 0;
    rig.frm.Form_Activate();
    EXPECT_EQ(rig.grid()->TextMatrix(1, 2), thirty.left(23));
}

TEST(LokdatenNames, CharactersCp1252LacksAreRefusedAsTheyAreTyped)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.click(1, 2);
    rig.typeName(QStringLiteral("Ω"));
    EXPECT_EQ(rig.inp()->text(), QString());
    kx2::test::typeText(rig.inp(), QStringLiteral("Köf €Ω5"));
    EXPECT_EQ(rig.inp()->text(), QStringLiteral("Köf €5"));
    // Text that comes in past the validator is stored visibly, not as garbage.
    rig.inp()->setText(QStringLiteral("Ωmega"));
    rig.nameKey(Qt::Key_Return);
    EXPECT_EQ(rig.grid()->TextMatrix(1, 2), QStringLiteral("?mega"));
    EXPECT_EQ(rig.ctx.loco.ReadLokname(0), QStringLiteral("?mega"));
}

TEST(LokdatenNames, UpAndDownCommitAndMoveTheEdit)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.click(2, 2);
    rig.typeName(QStringLiteral("oben"));
    rig.nameKey(Qt::Key_Up);
    EXPECT_EQ(rig.ctx.loco.ReadLokname(1), QStringLiteral("oben"));
    EXPECT_EQ(rig.grid()->Row(), 1);
    ASSERT_TRUE(rig.inp()->isVisible());
    EXPECT_EQ(rig.ctx.EditRow, 1);
    EXPECT_EQ(rig.inp()->text(), QStringLiteral("BR 03"));
    // Up on the first line does nothing.
    rig.nameKey(Qt::Key_Up);
    EXPECT_EQ(rig.grid()->Row(), 1);
    EXPECT_TRUE(rig.inp()->isVisible());
    rig.typeName(QStringLiteral("unten"));
    rig.nameKey(Qt::Key_Down);
    EXPECT_EQ(rig.ctx.loco.ReadLokname(0), QStringLiteral("unten"));
    EXPECT_EQ(rig.grid()->Row(), 2);
    EXPECT_EQ(rig.ctx.EditRow, 2);
}

TEST(LokdatenNames, ClickingAnotherCellCommitsTheEdit)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.click(1, 2);
    rig.typeName(QStringLiteral("BR 03 neu"));
    rig.click(3, 2);
    EXPECT_EQ(rig.ctx.loco.ReadLokname(0), QStringLiteral("BR 03 neu"));
    EXPECT_EQ(rig.grid()->TextMatrix(1, 2), QStringLiteral("BR 03 neu"));
    EXPECT_EQ(rig.ctx.EditRow, 3);
    EXPECT_EQ(rig.inp()->text(), QStringLiteral("E 94"));
    // A cell outside the name column commits too.
    rig.typeName(QStringLiteral("E 94 alt"));
    rig.grid()->selectCell(2, 1);
    EXPECT_FALSE(rig.inp()->isVisible());
    EXPECT_EQ(rig.ctx.loco.ReadLokname(5), QStringLiteral("E 94 alt"));
}

TEST(LokdatenNames, ScrollingCommitsTheEdit)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.click(2, 2);
    rig.typeName(QStringLiteral("gescrollt"));
    rig.grid()->horizontalScrollBar()->setValue(rig.grid()->horizontalScrollBar()->maximum());
    EXPECT_FALSE(rig.inp()->isVisible());
    EXPECT_EQ(rig.ctx.loco.ReadLokname(1), QStringLiteral("gescrollt"));
    EXPECT_EQ(rig.ctx.EditRow, 0);
    EXPECT_EQ(rig.ctx.EditCol, 0);
}

// --- new locomotives ---

TEST(LokdatenNewLoco, AddressIsAskedThenTheRecordIsCreatedAndANewEntryLineAdded)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.dialogs.inputNext(QStringLiteral("4711"));
    rig.click(4, 2);

    ASSERT_EQ(rig.dialogs.calls.size(), 1u);
    const FakeDialogs::Call& ask = rig.dialogs.calls[0];
    EXPECT_EQ(ask.kind, Kind::Input);
    EXPECT_EQ(ask.text, QStringLiteral("Lokadresse:"));
    EXPECT_EQ(ask.title, QStringLiteral("Neuer Datensatz"));
    EXPECT_EQ(ask.defaultText, QStringLiteral(" "));

    // The first free slot (255 or 240): slot 2, before the deleted slot 3.
    LocoTable& t = rig.ctx.loco;
    EXPECT_EQ(rig.grid()->RowData(4), 2);
    EXPECT_EQ(t.status(2), LocoTable::StatusNew);
    EXPECT_EQ(t.address(2), 4711);
    EXPECT_EQ(t.value(2, LocoTable::MaxSpeedHalf), 40);
    EXPECT_EQ(t.status(3), LocoTable::StatusDeleted);
    EXPECT_EQ(rig.grid()->TextMatrix(4, 0), QStringLiteral("4711"));
    EXPECT_EQ(rig.grid()->TextMatrix(4, 3), QStringLiteral("80"));
    EXPECT_EQ(rig.grid()->TextMatrix(4, LocoGrid::columnOfFunction(0)), QStringLiteral("Fkt. nicht anz."));
    EXPECT_EQ(rig.grid()->TextMatrix(4, LocoGrid::columnOfFunction(28)), QStringLiteral("Fkt. nicht anz."));
    ASSERT_EQ(rig.grid()->Rows(), 6);
    EXPECT_EQ(rig.grid()->RowData(5), -1);

    // The name edit stayed open on the new line; the name goes in with Enter.
    ASSERT_TRUE(rig.inp()->isVisible());
    EXPECT_EQ(rig.ctx.EditRow, 4);
    kx2::test::typeText(rig.inp(), QStringLiteral("V 60"));
    rig.nameKey(Qt::Key_Return);
    EXPECT_EQ(t.ReadLokname(2), QStringLiteral("V 60"));
    EXPECT_EQ(t.status(2), LocoTable::StatusNew);
    EXPECT_EQ(rig.dialogs.calls.size(), 1u);
}

TEST(LokdatenNewLoco, ZeroTooLargeAndDuplicateAreRefusedAndAskedAgainCancelPutsDash)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    QStringList addressCells;
    rig.dialogs.onCall = [&](const FakeDialogs::Call& call) {
        if (call.kind == Kind::Message)
            addressCells << rig.grid()->TextMatrix(4, 0);
    };
    rig.dialogs.inputNext(QStringLiteral("0"));
    rig.dialogs.inputNext(QStringLiteral("10000"));
    rig.dialogs.inputNext(QStringLiteral("38"));
    rig.dialogs.inputNext(std::nullopt);
    rig.click(4, 2);

    const auto& calls = rig.dialogs.calls;
    ASSERT_EQ(calls.size(), 7u);
    const QString invalid = QStringLiteral("          Lokadresse ungültig!Bitte eine andere Lokadresse eingeben.");
    const QString present = QStringLiteral("       Lokadresse schon vorhanden!Bitte eine andere Lokadresse eingeben.");
    EXPECT_EQ(calls[0].kind, Kind::Input);
    EXPECT_EQ(calls[1].text, invalid);
    EXPECT_EQ(calls[1].icon, MsgIcon::Critical);
    EXPECT_EQ(calls[1].title, QStringLiteral("Achtung!"));
    EXPECT_EQ(calls[1].buttons, MsgButtons::Ok);
    EXPECT_EQ(calls[2].kind, Kind::Input);
    EXPECT_EQ(calls[3].text, invalid);
    EXPECT_EQ(calls[4].kind, Kind::Input);
    EXPECT_EQ(calls[5].text, present);
    EXPECT_EQ(calls[5].title, QStringLiteral("Achtung!"));
    EXPECT_EQ(calls[6].kind, Kind::Input);
    // While a refusal is shown the address cell holds the answer.
    EXPECT_EQ(addressCells, (QStringList{QStringLiteral("0"), QStringLiteral("10000"), QStringLiteral("38")}));

    EXPECT_EQ(rig.grid()->TextMatrix(4, 0), QStringLiteral("-"));
    EXPECT_EQ(rig.grid()->RowData(4), -1);
    EXPECT_EQ(rig.ctx.loco.status(3), LocoTable::StatusDeleted);
    EXPECT_EQ(rig.grid()->Rows(), 5);
    // The name edit stays open; without an address its name makes no record.
    EXPECT_TRUE(rig.inp()->isVisible());
    kx2::test::typeText(rig.inp(), QStringLiteral("ohne Adresse"));
    rig.nameKey(Qt::Key_Return);
    EXPECT_EQ(rig.grid()->RowData(4), -1);
    EXPECT_EQ(rig.ctx.loco.status(3), LocoTable::StatusDeleted);
    EXPECT_EQ(rig.grid()->TextMatrix(4, 2), QStringLiteral("ohne Adresse"));
}

TEST(LokdatenNewLoco, ARecordWithAddressZeroGetsTheAddressTypedForIt)
{
    LokdatenRig rig;
    seedThree(rig);
    // As a single-record file may bring it.
    putLoco(rig.ctx.loco, 7, 0, QStringLiteral("ohne"));
    rig.open();
    ASSERT_EQ(rig.grid()->RowData(4), 7);
    EXPECT_EQ(rig.grid()->TextMatrix(4, 0), QStringLiteral("0"));
    // Nothing to delete on a line whose address is 0.
    rig.clickAddress(4);
    EXPECT_EQ(rig.dialogs.calls.size(), 0u);

    rig.dialogs.inputNext(QStringLiteral("77"));
    rig.click(4, 2);
    EXPECT_EQ(rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(rig.ctx.loco.address(7), 77);
    EXPECT_EQ(rig.ctx.loco.status(7), LocoTable::StatusChanged);
    EXPECT_EQ(rig.ctx.loco.ReadLokname(7), QStringLiteral("ohne"));
    EXPECT_EQ(rig.grid()->RowData(4), 7);
    // The slot was not taken twice.
    EXPECT_EQ(rig.ctx.loco.status(2), LocoTable::StatusEmpty);
}

TEST(LokdatenNewLoco, AFullTableRefusesTheRecordWithTheExactMessage)
{
    LokdatenRig rig;
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        putLoco(rig.ctx.loco, i, i + 1, QStringLiteral("L%1").arg(i));
    rig.open();
    const int entry = rig.grid()->Rows() - 1;
    ASSERT_EQ(entry, 501);
    rig.dialogs.inputNext(QStringLiteral("4711"));
    rig.click(entry, 2);

    const auto messages = rig.dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("Kein leerer Datensatz mehr vorhanden!") + QChar(13)
                  + QStringLiteral("Die Lokdaten können nicht gespeichert werden!"));
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(messages[0].title, QStringLiteral("Achtung!"));
    // The line keeps its texts but has no record.
    EXPECT_EQ(rig.grid()->RowData(entry), -1);
    EXPECT_EQ(rig.grid()->TextMatrix(entry, 0), QStringLiteral("4711"));
    EXPECT_FALSE(rig.ctx.loco.findSlotByAddress(4711).has_value());
}

// --- deleting ---

TEST(LokdatenDelete, DeleteInTheNameColumnAsksAndNoChangesNothing)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.grid()->selectCell(2, 2);
    rig.nameKey(Qt::Key_Return); // the edit that entering the cell opened
    rig.dialogs.answerNext(MsgAnswer::No);
    rig.gridKey(Qt::Key_Delete);
    ASSERT_EQ(rig.dialogs.messageCount(), 1);
    const FakeDialogs::Call q = rig.dialogs.messages()[0]; // a copy: messages() returns a new list
    EXPECT_EQ(q.text, QStringLiteral("     Datensatz löschen?"));
    EXPECT_EQ(q.title, QStringLiteral("Lokdatensätze"));
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_EQ(rig.ctx.loco.status(1), LocoTable::StatusUnchanged);
    EXPECT_EQ(rig.grid()->TextMatrix(2, 0), QStringLiteral("38"));
    EXPECT_EQ(rig.grid()->RowData(2), 1);

    rig.dialogs.answerNext(MsgAnswer::Yes);
    rig.gridKey(Qt::Key_Delete);
    EXPECT_EQ(rig.ctx.loco.status(1), LocoTable::StatusDeleted);
    for (int c = 0; c < LocoTable::RecordBytes; ++c)
        ASSERT_EQ(rig.ctx.loco.value(1, c), 255) << c;
    EXPECT_EQ(rig.grid()->TextMatrix(2, 0), QStringLiteral("-"));
    EXPECT_EQ(rig.grid()->TextMatrix(2, 1), QString());
    EXPECT_EQ(rig.grid()->TextMatrix(2, 2), QString());
    EXPECT_EQ(rig.grid()->TextMatrix(2, LocoGrid::columnOfFunction(0)), QString());
    EXPECT_TRUE(rig.grid()->CellPicture(2, LocoGrid::columnOfFunction(1)).isNull());
    EXPECT_EQ(rig.grid()->RowData(2), -1);
    EXPECT_EQ(rig.grid()->Col(), 0);
    // Delete elsewhere does nothing.
    rig.grid()->selectCell(1, 3);
    rig.gridKey(Qt::Key_Delete);
    EXPECT_EQ(rig.dialogs.messageCount(), 2);
}

TEST(LokdatenDelete, ClickOnTheAddressCellAsksAndNoChangesNothing)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.dialogs.answerNext(MsgAnswer::No);
    rig.clickAddress(3);
    ASSERT_EQ(rig.dialogs.messageCount(), 1);
    EXPECT_EQ(rig.dialogs.messages()[0].text, QStringLiteral("     Datensatz löschen?"));
    EXPECT_EQ(rig.grid()->Row(), 3);
    EXPECT_EQ(rig.grid()->Col(), 1);
    EXPECT_EQ(rig.grid()->ColSel(), 32);
    EXPECT_EQ(rig.ctx.loco.status(5), LocoTable::StatusUnchanged);
    EXPECT_EQ(rig.grid()->TextMatrix(3, 2), QStringLiteral("E 94"));

    rig.dialogs.answerNext(MsgAnswer::Yes);
    rig.clickAddress(3);
    EXPECT_EQ(rig.ctx.loco.status(5), LocoTable::StatusDeleted);
    EXPECT_EQ(rig.grid()->TextMatrix(3, 0), QStringLiteral("-"));
    // The emptied line is reused for a new locomotive.
    rig.dialogs.inputNext(QStringLiteral("76"));
    rig.click(3, 2);
    EXPECT_EQ(rig.grid()->TextMatrix(3, 0), QStringLiteral("76"));
    EXPECT_EQ(rig.grid()->RowData(3), 2); // the first slot with 255 or 240
    EXPECT_EQ(rig.ctx.loco.status(2), LocoTable::StatusNew);
}

TEST(LokdatenDelete, ALineWithoutAddressIsNotOfferedForDeletion)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.clickAddress(4);
    EXPECT_EQ(rig.dialogs.messageCount(), 0);
}

TEST(LokdatenDelete, DeletesTheLinesOwnRecordWhenTwoShareAnAddress)
{
    LokdatenRig rig;
    putLoco(rig.ctx.loco, 0, 38, QStringLiteral("erste"));
    putLoco(rig.ctx.loco, 1, 38, QStringLiteral("zweite"));
    rig.open();
    rig.dialogs.answerNext(MsgAnswer::Yes);
    rig.clickAddress(2);
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusUnchanged);
    EXPECT_EQ(rig.ctx.loco.status(1), LocoTable::StatusDeleted);
}

TEST(LokdatenDelete, DelLokdataReportsAnAddressThatIsNotThere)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.frm.del_lokdata(999);
    ASSERT_EQ(rig.dialogs.messageCount(), 1);
    EXPECT_EQ(rig.dialogs.messages()[0].text, QStringLiteral("Datensatz nicht gefunden!"));
    EXPECT_EQ(rig.dialogs.messages()[0].title, QStringLiteral("Achtung!"));
    rig.frm.del_lokdata(75);
    EXPECT_EQ(rig.ctx.loco.status(5), LocoTable::StatusDeleted);
}

// --- keys and clicks ---

TEST(LokdatenKeys, TabWrapsBeforeTheLastColumnShiftTabGoesBack)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.grid()->selectCell(1, 30);
    rig.gridKey(Qt::Key_Tab);
    EXPECT_EQ(rig.grid()->Row(), 1);
    EXPECT_EQ(rig.grid()->Col(), 31);
    rig.gridKey(Qt::Key_Tab);
    EXPECT_EQ(rig.grid()->Row(), 2);
    EXPECT_EQ(rig.grid()->Col(), 1);
    rig.gridKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(rig.grid()->Row(), 1);
    EXPECT_EQ(rig.grid()->Col(), 1);
    // Tab into the name column opens the name edit.
    rig.gridKey(Qt::Key_Tab);
    EXPECT_EQ(rig.grid()->Col(), 2);
    EXPECT_TRUE(rig.inp()->isVisible());
}

TEST(LokdatenKeys, ArrowsMoveTheCurrentCellAndEnterTheNameEdit)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.grid()->selectCell(1, 1);
    rig.gridKey(Qt::Key_Down);
    EXPECT_EQ(rig.grid()->Row(), 2);
    rig.gridKey(Qt::Key_Right);
    EXPECT_EQ(rig.grid()->Col(), 2);
    EXPECT_TRUE(rig.inp()->isVisible());
    EXPECT_EQ(rig.ctx.EditRow, 2);
}

TEST(LokdatenKeys, BusyGridIgnoresItsEvents)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.frm.Busy = true;
    rig.grid()->selectCell(2, 2);
    EXPECT_FALSE(rig.inp()->isVisible());
    rig.gridKey(Qt::Key_Delete);
    rig.clickAddress(1);
    rig.click(1, 3);
    EXPECT_EQ(rig.dialogs.calls.size(), 0u);
    EXPECT_EQ(rig.dialogsAnswered, 0);
    rig.frm.Busy = false;
}

TEST(LokdatenKeys, AfterMaximisingTheNextClickDoesNothing)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    const QRect screen = rig.frm.screen()->availableGeometry();
    rig.frm.resize(screen.width() + 50, screen.height() + 50);
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.frm.SkipNextClick);
    rig.click(1, 3);
    EXPECT_FALSE(rig.frm.SkipNextClick);
    EXPECT_EQ(rig.dialogsAnswered, 0);
    EXPECT_EQ(rig.frm.speedDialog(), nullptr);
    rig.frm.resize(700, 400);
}

TEST(LokdatenKeys, ResizeCommitsAnOpenNameEdit)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    rig.click(1, 2);
    rig.typeName(QStringLiteral("gross"));
    rig.frm.resize(rig.frm.width() - 30, rig.frm.height() - 20);
    QCoreApplication::processEvents();
    EXPECT_FALSE(rig.inp()->isVisible());
    EXPECT_EQ(rig.ctx.loco.ReadLokname(0), QStringLiteral("gross"));
}

TEST(LokdatenWindow, AbbrechenAndTheCloseBoxReturnToTheMainWindow)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.open();
    int back = 0;
    QObject::connect(&rig.frm, &LokdatenFrm::closedToMainWindow, [&] { ++back; });
    rig.frm.menuItem(QStringLiteral("AbbrechenMenu"))->trigger();
    EXPECT_FALSE(rig.frm.isVisible());
    EXPECT_EQ(rig.ctx.LocoGridLoaded, 0);
    EXPECT_EQ(back, 1);
    rig.open();
    rig.frm.close();
    EXPECT_FALSE(rig.frm.isVisible());
    EXPECT_EQ(back, 2);
}

// --- the device menu ---

TEST(LokdatenDevice, ReadingFromTheEditorShutsTheMenusMeanwhileAndRebuilds)
{
    LokdatenRig rig;
    rig.station.seedLocomotives(3);
    rig.open();
    ASSERT_EQ(rig.grid()->Rows(), 2);
    const int builds = rig.frm.rebuildCount();
    bool menusOpen = false;
    bool gridBusy = false;
    int messages = 0;
    rig.bus.setMonitor([&](const QByteArray&) {
        ++messages;
        menusOpen = menusOpen || rig.frm.KXMenu()->menuAction()->isEnabled()
                    || rig.frm.DateiMenu()->menuAction()->isEnabled();
        gridBusy = rig.frm.Busy;
        // A second read asked for meanwhile does not start.
        if (messages == 50)
            rig.frm.ReadfromKX2Menu_Click();
    });
    rig.frm.menuItem(QStringLiteral("ReadfromKX2Menu"))->trigger();
    rig.bus.setMonitor({});
    EXPECT_GT(messages, 500);
    EXPECT_FALSE(menusOpen);
    EXPECT_TRUE(gridBusy);
    EXPECT_EQ(rig.frm.rebuildCount(), builds + 1);
    EXPECT_TRUE(rig.frm.KXMenu()->menuAction()->isEnabled());
    EXPECT_TRUE(rig.frm.DateiMenu()->menuAction()->isEnabled());
    EXPECT_FALSE(rig.frm.Busy);
    EXPECT_EQ(rig.grid()->Rows(), 5);
    EXPECT_EQ(rig.grid()->TextMatrix(2, 2), QStringLiteral("Köf II"));
    EXPECT_EQ(rig.station.violations(), 0);
}

TEST(LokdatenDevice, SendingWithNothingChangedAsksNothing)
{
    LokdatenRig rig;
    seedThree(rig);
    rig.ctx.loco.setStatus(3, LocoTable::StatusEmpty);
    rig.open();
    rig.frm.menuItem(QStringLiteral("SendToKX2Menu"))->trigger();
    EXPECT_TRUE(rig.dialogs.calls.empty());
    EXPECT_EQ(rig.station.requestCount(), 0);
}
