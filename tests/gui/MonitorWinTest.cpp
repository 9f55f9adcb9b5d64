// The LocoNet-Monitor from the main window's Info menu: the idle bus with the port the monitor
// opened, a read that takes the port over, the opcode filter, saving and emptying the list.
#include "AppRig.h"

#include "link/gui/MonitorWin.h"
#include "link/MessageFramer.h"
#include "shell/Cp1252.h"

#include <QAction>
#include <QPushButton>

using namespace kx2;
using namespace kx2::test;

TEST(MonitorWin, WatchesTheIdleBusGivesThePortToAReadAndSavesWhatItShows)
{
    AppRig rig;
    rig.station.seedLocomotives(2);
    rig.win.findChild<QAction*>(QStringLiteral("MonitorMenu"))->trigger();
    MonitorWin& monitor = rig.windows.monitorWin();
    EXPECT_TRUE(monitor.isVisible());
    monitor.PortBut_Click();
    EXPECT_TRUE(rig.ctx.iface.idleOpen());
    EXPECT_EQ(monitor.portBut()->text(), QStringLiteral("Port schließen"));

    // Another device reports a sensor while no transfer runs.
    rig.bus.injectRaw(MessageFramer::withChecksum(QByteArray("\xB2\x05\x70", 3)));
    rig.clock.yieldNow();
    monitor.refresh();
    EXPECT_TRUE(monitor.shownText().contains(QStringLiteral("  empfangen  B2 05 70 38  Rückmelder 12: belegt")))
        << monitor.shownText().toStdString();

    // The read closes the lent port and sets the interface up itself; the monitor sees it all.
    rig.windows.LokDaten_But_Click();
    EXPECT_TRUE(rig.windows.lokdatenFrmCreated());
    EXPECT_FALSE(rig.ctx.iface.idleOpen());
    monitor.refresh();
    EXPECT_EQ(monitor.portBut()->text(), QStringLiteral("Port öffnen"));
    EXPECT_TRUE(monitor.shownText().contains(QStringLiteral("  gesendet   ED 1F 08 ")));
    EXPECT_TRUE(monitor.shownText().contains(QStringLiteral("Datenbank: Bootloader starten, Schritt 1")));
    EXPECT_TRUE(monitor.shownText().contains(QStringLiteral("  empfangen  B4 6D 7F 59  Quittung auf 0xED: Code 0x7F")));

    monitor.setFilterText(QStringLiteral("B2"));
    EXPECT_EQ(monitor.shownText().count(QLatin1Char('\n')), 0) << "the sensor report alone";
    const QString path = rig.dir.filePath(QStringLiteral("bus.txt"));
    rig.files.chooseNext(path);
    monitor.Speichern_Click();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), toCp1252(monitor.shownText() + QStringLiteral("\r\n")));

    monitor.Leeren_Click();
    EXPECT_TRUE(monitor.shownText().isEmpty());
}
