// The progress window of a transfer: its count and bar while a read runs against the simulated
// command station, "Abbrechen", closing it while a transfer runs, and the main window's close
// during a transfer.
#include "AppRig.h"

#include "link/gui/ComWin.h"
#include "shell/gui/OptWin.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

using namespace kx2;
using namespace kx2::test;

namespace {

// The program's windows over the simulated station with the real progress window: the port
// hands what it receives to the context built last.
struct WindowRig {
    WindowRig()
    {
        ctx.settings.ComPortNumber = QStringLiteral("SIM");
        comWin.setDialogs(&base.dialogs);
        win.setQuitHandler([this] { ++quits; });
    }
    AppRig base;
    ComWin comWin;
    AppContext ctx{Platform{base.clock, base.port, base.portIo, base.dialogs, base.files, comWin, base.controls}};
    MainWin win{ctx.settings, base.settingsFile, base.dialogs, base.dir.path(), QStringLiteral("ZP1")};
    AppWindows windows{ctx, win, buildFolder()};
    int quits = 0;

    // Runs `act` once, after `messages` messages went over the bus during the transfer.
    void during(int messages, std::function<void()> act)
    {
        auto seen = std::make_shared<int>(0);
        base.bus.setMonitor([seen, messages, act](const QByteArray&) {
            if (++*seen == messages)
                act();
        });
    }
};

} // namespace

TEST(TransferWindow, ShowsTheCountWithItsBarAndAbbrechenEndsTheRead)
{
    WindowRig rig;
    rig.base.station.seedLocomotives(5);
    rig.win.show();
    QString countWhileRunning;
    int barMaximum = 0;
    QPoint offCentre;
    rig.during(200, [&] {
        offCentre = rig.comWin.frameGeometry().center() - rig.win.frameGeometry().center();
        countWhileRunning = rig.comWin.countText();
        barMaximum = rig.comWin.bar()->maximum();
        EXPECT_TRUE(rig.comWin.bar()->isVisible());
        EXPECT_TRUE(rig.comWin.abbrechenBut()->isEnabled());
        rig.comWin.abbrechenBut()->click();
    });
    rig.base.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::No}; // the records read so far do not stay
    rig.windows.LokDaten_But_Click();

    EXPECT_TRUE(countWhileRunning.startsWith(QStringLiteral("Lokdatensatz "))) << countWhileRunning.toStdString();
    EXPECT_TRUE(countWhileRunning.contains(QStringLiteral(" von 500"))) << countWhileRunning.toStdString();
    EXPECT_EQ(barMaximum, 100) << "the bar counts the whole transfer in percent";
    EXPECT_LE(offCentre.manhattanLength(), 4) << "opens centred over the window that started it";
    EXPECT_FALSE(rig.windows.lokdatenFrmCreated()) << "a cancelled read opens no editor";
    EXPECT_TRUE(rig.win.isVisible());
    EXPECT_FALSE(rig.comWin.isVisible());
    EXPECT_FALSE(rig.comWin.transferRunning());
}

TEST(TransferWindow, ClosingAWindowDuringATransferAsksAndNothingGoesOnUnseen)
{
    const struct {
        const char* name;
        bool mainWindow;     // the main window's close, else the progress window's
        MsgAnswer answer;
        bool cancelled;
        int quits;           // the program ends after the transfer
    } cases[] = {
        {"progress window, keep going", false, MsgAnswer::No, false, 0},
        {"progress window, cancel", false, MsgAnswer::Yes, true, 0},
        {"main window, keep going", true, MsgAnswer::No, false, 0},
        {"main window, cancel and end", true, MsgAnswer::Yes, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WindowRig rig;
        rig.base.station.seedLocomotives(5);
        rig.win.show();
        bool stayed = false;
        rig.during(100, [&] {
            rig.base.dialogs.answers = {c.answer, MsgAnswer::Ok, MsgAnswer::No}; // a cancelled read's records go
            if (c.mainWindow)
                rig.win.close();
            else
                rig.comWin.close();
            stayed = rig.comWin.isVisible() && rig.win.isVisible();
        });
        rig.windows.LokDaten_But_Click();
        QCoreApplication::processEvents();

        EXPECT_TRUE(stayed) << "the windows stay while the transfer runs";
        EXPECT_EQ(rig.base.dialogs.calls.front().title, QStringLiteral("Übertragung abbrechen"));
        EXPECT_EQ(rig.windows.lokdatenFrmCreated(), !c.cancelled);
        EXPECT_EQ(rig.quits, c.quits);
        EXPECT_FALSE(rig.base.station.accessOpen());
    }
}

// "Sicherung der Zentrale anlegen": one progress window stays up from the first read to the
// last, its title naming the database; Abbrechen in the second ends the whole run, nothing saved.
TEST(TransferWindow, StationBackupKeepsOneWindowAndAbbrechenEndsTheRun)
{
    WindowRig rig;
    rig.win.show();
    const QString folder = rig.base.dir.filePath(QStringLiteral("sicherung"));
    rig.base.files.chooseNext(folder);
    struct HideCount : QObject {
        int hides = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            hides += e->type() == QEvent::Hide;
            return false;
        }
    } hideCount;
    rig.comWin.installEventFilter(&hideCount);
    bool cancelled = false;
    rig.base.bus.setMonitor([&](const QByteArray&) {
        if (!cancelled && rig.comWin.windowTitle().contains(QStringLiteral("2 von 4: Magnetartikel"))) {
            cancelled = true;
            rig.comWin.abbrechenBut()->click();
        }
    });
    rig.win.findChild<QAction*>(QStringLiteral("Sicherung_menu"))->trigger();
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(hideCount.hides, 1) << "hidden once, at the end of the run";
    EXPECT_FALSE(rig.comWin.isVisible());
    EXPECT_FALSE(rig.comWin.transferRunning());
    EXPECT_TRUE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_EQ(rig.base.dialogs.calls.back().text, QStringLiteral("Sicherung abgebrochen, nichts gespeichert."));
}

// Counts that come faster than four a second are not each painted, and a burst ends painted with
// its last.
TEST(TransferWindow, ABurstOfCountsEndsPaintedWithItsLast)
{
    struct PaintLog : QObject {
        QStringList painted;
        bool eventFilter(QObject* label, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                painted << static_cast<QLabel*>(label)->text();
            return false;
        }
    } log;
    ComWin comWin;
    comWin.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&comWin));
    comWin.findChild<QLabel*>(QStringLiteral("ComZahl"))->installEventFilter(&log);
    for (int done = 1; done <= 20; ++done)
        comWin.setCount({QStringLiteral("Lokdatensatz"), done, 20});
    QElapsedTimer timer;
    timer.start();
    while (!log.painted.contains(QStringLiteral("Lokdatensatz 20 von 20")) && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(log.painted.value(log.painted.size() - 1), QStringLiteral("Lokdatensatz 20 von 20"));
    EXPECT_LT(log.painted.size(), 10);
}

// The button says "Abbrechen" while the transfer runs and "Schließen" once it is done, beside
// " fertig!"; the bar stands all the while.
TEST(TransferWindow, TheButtonSaysSchliessenOnceTheTransferIsDone)
{
    WindowRig rig;
    rig.base.station.seedLocomotives(2);
    rig.win.show();
    QStringList seen;  // "step | button", each pair once, while the window shows
    bool barLeft = false;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (!rig.comWin.isVisible())
            return;
        barLeft = barLeft || !rig.comWin.bar()->isVisible();
        const QString pair = rig.comWin.text() + QStringLiteral(" | ") + rig.comWin.abbrechenBut()->text();
        if (!seen.contains(pair))
            seen << pair;
    });
    look.start(0);
    rig.windows.LokDaten_But_Click();
    EXPECT_FALSE(barLeft);
    EXPECT_TRUE(seen.contains(QStringLiteral(" Lokdatensatz 1 lesen | Abbrechen")));
    EXPECT_EQ(seen.last(), QStringLiteral(" fertig! | Schließen"));
    EXPECT_EQ(seen.filter(QStringLiteral("Schließen")).size(), 1);
}
