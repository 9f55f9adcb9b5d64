// Nothing lost without asking: every editor asks before a read, a load, a blanking, leaving it
// (a CSV export saves nothing) or ending the program would drop changes neither sent nor saved;
// Nein keeps them. Changed, new and deleted lines are marked until sent. Destructive questions
// default to Nein.
#include "AppRig.h"

#include "accessory/AccessoryTable.h"
#include "accessory/gui/MagDatenFrm.h"
#include "feedback/gui/RMDatenFrm.h"
#include "routes/gui/FSDatenFrm.h"
#include "shell/gui/QtUserDialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace kx2;
using kx2::test::AppRig;

namespace {

// An editor opened from the main window after a read of the simulated station, and the grid
// column of its first name line.
struct OpenedEditor {
    const char* name;
    int nameCol;
    GridEditor& (*open)(AppRig&);
    int unreachedLine = 0; // a line with a name that a read stopped 20 requests in does not reach
};

const OpenedEditor kKinds[] = {
    {"loco", 2,
     [](AppRig& r) -> GridEditor& {
         r.station.seedLocomotives(3);
         r.windows.LokDaten_But_Click();
         return r.windows.lokdatenFrm();
     }},
    {"accessories", 2,
     [](AppRig& r) -> GridEditor& {
         r.station.seedAccessories(16);
         r.windows.MagDatenBut_Click({1, 16});
         return r.windows.magDatenFrm();
     }, 16},
    {"feedback", 1,
     [](AppRig& r) -> GridEditor& {
         r.station.seedFeedback(16);
         r.windows.RckmDatenBut_Click({1, 16});
         return r.windows.rmDatenFrm();
     }, 16},
    {"routes", 1,
     [](AppRig& r) -> GridEditor& {
         r.station.seedRoutes(5);
         r.windows.FSDatenBut_Click();
         return r.windows.fsDatenFrm();
     }, 5},
};

// The ways a table can be dropped.
struct DropPath {
    const char* name;
    void (*run)(AppRig&, GridEditor&);
};

const DropPath kPaths[] = {
    {"read", [](AppRig&, GridEditor& e) { e.menuItem(QStringLiteral("ReadfromKX2Menu"))->trigger(); }},
    {"load", [](AppRig&, GridEditor& e) { e.menuItem(QStringLiteral("LadenMenu"))->trigger(); }},
    {"blank", [](AppRig&, GridEditor& e) { e.menuItem(QStringLiteral("ClrTabMenu"))->trigger(); }},
    {"close", [](AppRig&, GridEditor& e) { e.menuItem(QStringLiteral("AbbrechenMenu"))->trigger(); }},
    {"end", [](AppRig& r, GridEditor&) { r.win.close(); }},
    {"backup", [](AppRig& r, GridEditor&) { r.win.findChild<QAction*>(QStringLiteral("Sicherung_menu"))->trigger(); }},
    // A CSV is no copy of the table to load again: leaving after one still asks.
    {"close after CSV export",
     [](AppRig& r, GridEditor& e) {
         QTemporaryDir dir;
         r.files.chooseNext(dir.filePath(QStringLiteral("tabelle.csv")));
         e.menuItem(QStringLiteral("CsvExportMenu"))->trigger();
         EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("tabelle.csv"))));
         r.files.calls.clear();
         e.menuItem(QStringLiteral("AbbrechenMenu"))->trigger();
     }},
};

// A name typed into the first line and stored.
void rename(GridEditor& e, int nameCol)
{
    e.grid()->setTextMatrix(1, nameCol, QStringLiteral("Neu"));
    e.save_data_from_grid(1);
}

} // namespace

TEST(UnsavedChanges, EveryPathAsksAndNeinKeepsTheTable)
{
    for (const OpenedEditor& kind : kKinds)
        for (const DropPath& path : kPaths) {
            SCOPED_TRACE(std::string(kind.name) + " " + path.name);
            AppRig rig;
            bool ended = false;
            rig.win.setQuitHandler([&ended] { ended = true; });
            GridEditor& e = kind.open(rig);
            ASSERT_TRUE(e.isVisible());
            rename(e, kind.nameCol);
            ASSERT_TRUE(e.holdsUnsavedChanges());
            const int builds = e.rebuildCount();
            rig.dialogs.clear();
            rig.dialogs.answerNext(MsgAnswer::No);

            path.run(rig, e);

            ASSERT_EQ(rig.dialogs.messageCount(), 1);
            const FakeDialogs::Call asked = rig.dialogs.messages()[0];
            EXPECT_EQ(asked.text, QStringLiteral("Die Tabelle enthält Änderungen, die weder gesendet noch "
                                                 "gespeichert sind. Trotzdem fortfahren?"));
            EXPECT_EQ(asked.question, Question::DiscardChanges);
            EXPECT_EQ(asked.buttons, MsgButtons::YesNo);
            EXPECT_EQ(asked.defaultButton, MsgAnswer::No);
            EXPECT_EQ(asked.title, e.windowTitle());
            // Nothing went on: no file asked for, no read, the editor still open with the change.
            EXPECT_TRUE(rig.files.calls.empty());
            EXPECT_EQ(e.rebuildCount(), builds);
            EXPECT_TRUE(e.isVisible());
            EXPECT_FALSE(ended);
            EXPECT_EQ(e.grid()->TextMatrix(1, kind.nameCol), QStringLiteral("Neu"));
            EXPECT_TRUE(e.holdsUnsavedChanges());
            EXPECT_EQ(e.lineMark(1), RecordMark::Changed);
        }
}

// A read from the editor or the main window that fails or is cancelled part-way: Nein to keeping what
// it read puts the table back with its changes and undo step; Ja keeps it as a read would.
TEST(UnsavedChanges, AReadThatStopsEarlyPutsTheTableBackUnlessKept)
{
    const struct {
        const char* name;
        bool fromMainWindow, cancel;
        MsgAnswer keep;
    } ways[] = {
        {"editor, failed, put back", false, false, MsgAnswer::No},
        {"editor, cancelled, put back", false, true, MsgAnswer::No},
        {"editor, failed, kept", false, false, MsgAnswer::Yes},
        {"main window, failed, put back", true, false, MsgAnswer::No},
        {"main window, cancelled, kept", true, true, MsgAnswer::Yes},
    };
    for (const OpenedEditor& kind : kKinds)
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(kind.name) + " " + way.name);
            AppRig rig;
            GridEditor& e = kind.open(rig);
            const QString read = e.grid()->TextMatrix(1, kind.nameCol);
            rename(e, kind.nameCol);
            rig.dialogs.clear();
            rig.dialogs.answerNext(MsgAnswer::Yes); // the change given up
            if (way.fromMainWindow)
                e.menuItem(QStringLiteral("AbbrechenMenu"))->trigger();
            rig.dialogs.answerNext(MsgAnswer::Ok);  // the box of the failure or the cancel
            rig.dialogs.answerNext(way.keep);
            // Twenty requests into the read, some records are in.
            int requests = 0;
            rig.bus.setMonitor([&](const QByteArray& m) {
                if (static_cast<unsigned char>(m[0]) == 0xED && ++requests == 20)
                    way.cancel ? void(rig.progress.cancel = true) : void(rig.station.faults().noAnswerEvery = 1);
            });
            way.fromMainWindow ? void(kind.open(rig)) : e.menuItem(QStringLiteral("ReadfromKX2Menu"))->trigger();

            ASSERT_EQ(rig.dialogs.messageCount(), 3);
            EXPECT_EQ(rig.dialogs.messages()[2].question, Question::KeepRecordsRead);
            const bool kept = way.keep == MsgAnswer::Yes;
            EXPECT_EQ(e.isVisible(), kept || !way.fromMainWindow);
            e.GridLoaded = 0; // the grid as the table now holds it
            e.Form_Activate();
            EXPECT_EQ(e.grid()->TextMatrix(1, kind.nameCol), kept ? read : QStringLiteral("Neu"));
            EXPECT_EQ(e.holdsUnsavedChanges(), !kept && !way.fromMainWindow);
            EXPECT_EQ(e.history().stack().canUndo(), !kept && !way.fromMainWindow);
            EXPECT_EQ(kind.unreachedLine && e.grid()->TextMatrix(kind.unreachedLine, kind.nameCol).isEmpty(),
                      kept && kind.unreachedLine) << "nothing of the earlier table where a kept read did not reach";
        }
}

// After a save, a send or a Ja nothing is left to ask about: the editor closes without a word
// and the program may end. A saved line stays marked, since the next send still writes it, and
// so do the lines of the file loaded again.
TEST(UnsavedChanges, ASaveASendOrJaLeavesNothingToAskAbout)
{
    for (const OpenedEditor& kind : kKinds)
        for (const char* way : {"SpeichernMenu", "SendToKX2Menu", "Ja"}) {
            SCOPED_TRACE(std::string(kind.name) + " " + way);
            AppRig rig;
            QTemporaryDir dir;
            GridEditor& e = kind.open(rig);
            rename(e, kind.nameCol);
            rig.files.chooseNext(dir.filePath(QStringLiteral("tabelle.ISD")));
            rig.dialogs.clear();
            if (QByteArray(way) == "Ja") {
                rig.dialogs.answerNext(MsgAnswer::Yes);
            } else {
                e.menuItem(QString::fromLatin1(way))->trigger();
                EXPECT_FALSE(e.holdsUnsavedChanges());
                const bool saved = QByteArray(way) == "SpeichernMenu";
                EXPECT_EQ(e.lineMark(1), saved ? RecordMark::Changed : RecordMark::None);
                if (saved) {
                    rig.files.chooseNext(dir.filePath(QStringLiteral("tabelle.ISD")));
                    e.menuItem(QStringLiteral("LadenMenu"))->trigger();
                    EXPECT_EQ(e.lineMark(1), RecordMark::Changed) << "loaded, to be sent";
                }
            }
            const int asked = rig.dialogs.messageCount();
            e.menuItem(QStringLiteral("AbbrechenMenu"))->trigger();
            EXPECT_EQ(rig.dialogs.messageCount(), asked + (QByteArray(way) == "Ja" ? 1 : 0));
            EXPECT_FALSE(e.isVisible());
            EXPECT_TRUE(rig.windows.mayEndProgram());
        }
}

TEST(UnsavedChanges, TheLocomotiveMarkFollowsTheStatus)
{
    struct Case {
        int status;
        RecordMark mark;
    };
    const Case cases[] = {{LocoTable::StatusUnchanged, RecordMark::None},
                          {LocoTable::StatusChanged, RecordMark::Changed},
                          {LocoTable::StatusNew, RecordMark::New},
                          {LocoTable::StatusDeleted, RecordMark::Deleted}};
    AppRig rig;
    GridEditor& e = kKinds[0].open(rig);
    const int slot = e.grid()->RowData(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        rig.ctx.loco.setStatus(slot, c.status);
        EXPECT_EQ(e.lineMark(1), c.mark);
        EXPECT_EQ(e.grid()->rowMark(1), c.mark);
    }
    // A pending data format counts as changed.
    rig.ctx.loco.setStatus(slot, LocoTable::StatusUnchanged);
    rig.ctx.loco.set(slot, LocoTable::FormatPending, 1);
    EXPECT_EQ(e.lineMark(1), RecordMark::Changed);
    // Saved: no longer at risk, but still to be sent.
    e.markTableUnchanged();
    EXPECT_EQ(e.lineMark(1), RecordMark::Changed);
}

TEST(UnsavedChanges, ADeletedLocomotiveLineIsMarkedDeleted)
{
    AppRig rig;
    auto& e = static_cast<LokdatenFrm&>(kKinds[0].open(rig));
    e.grid()->selectCell(2, 2);
    e.del_datensatz();
    EXPECT_EQ(rig.dialogs.messages().back().question, Question::DeleteRecord);
    EXPECT_EQ(rig.dialogs.messages().back().defaultButton, MsgAnswer::No);
    EXPECT_EQ(e.grid()->RowData(2), -1);
    EXPECT_EQ(e.lineMark(2), RecordMark::Deleted);
    EXPECT_EQ(e.lineMark(1), RecordMark::None);
}

// A changed accessory format and a changed route command mark their lines as a changed name
// does (every editor's name mark: EveryPathAsksAndNeinKeepsTheTable).
TEST(UnsavedChanges, AFormatOrACommandMarksItsLine)
{
    AppRig rig;
    GridEditor& e = kKinds[1].open(rig);
    ASSERT_EQ(e.lineMark(3), RecordMark::None);
    rig.ctx.accessories.set(e.grid()->RowData(3), AccessoryTable::FormatStatus, 1);
    EXPECT_EQ(e.lineMark(3), RecordMark::Changed);
    GridEditor& routes = kKinds[3].open(rig);
    rig.ctx.routes.RouteDataChanged[2][5] = true;
    EXPECT_EQ(routes.lineMark(2), RecordMark::Changed);
}

TEST(UnsavedChanges, TheDestructiveQuestionsDefaultToNeinOnScreen)
{
    const Question destructive[] = {Question::ReplaceOtherStation, Question::DeleteRecord, Question::DeleteRoute,
                                    Question::DiscardChanges, Question::KeepRecordsRead};
    for (Question q : destructive) {
        EXPECT_EQ(defaultAnswer(q, MsgButtons::YesNo), MsgAnswer::No);
        QtUserDialogs dialogs;
        // The box is gone once answered: what Enter would press is taken while it stands.
        QString pressedByEnter;
        QTimer::singleShot(0, [&pressedByEnter] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (box->defaultButton())
                pressedByEnter = box->defaultButton()->text();
            box->button(QMessageBox::Yes)->click();
        });
        dialogs.ask(q, QStringLiteral("Frage?"), MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Titel"));
        EXPECT_EQ(pressedByEnter, QStringLiteral("Nein"));
    }
    EXPECT_EQ(defaultAnswer(Question::StoreChanges, MsgButtons::YesNo), MsgAnswer::Yes);
}
