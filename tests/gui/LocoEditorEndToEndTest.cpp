// From the main window to the command station and back: read, edit, send, read again, on the
// simulated command station and virtual time, through the real windows.
#include "AppRig.h"

#include "loco/LocoGridModel.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

using namespace kx2;
using namespace kx2::test;

namespace {

struct EndToEnd : AppRig {
    LokdatenFrm& editor() { return windows.lokdatenFrm(); }
    FlexGrid* grid() { return editor().LokdatenGrid(); }
    QStringList names()
    {
        QStringList n;
        for (int row = 1; row < grid()->Rows(); ++row)
            n << grid()->TextMatrix(row, 2);
        return n;
    }
};

} // namespace

TEST(LocoEditorEndToEnd, ReadEditSendAndReadAgainFromTheMainWindow)
{
    EndToEnd e;
    e.station.seedLocomotives(5);
    e.win.show();
    bool buttonOffDuringRead = false;
    auto* lokDaten = e.win.findChild<QPushButton*>(QStringLiteral("LokDaten_But"));
    ASSERT_NE(lokDaten, nullptr);
    e.controls.onDisable = [&] { buttonOffDuringRead = !lokDaten->isEnabled(); };

    QTest::mouseClick(lokDaten, Qt::LeftButton);

    ASSERT_TRUE(e.windows.lokdatenFrmCreated());
    LokdatenFrm& editor = e.editor();
    EXPECT_TRUE(buttonOffDuringRead);
    EXPECT_TRUE(lokDaten->isEnabled());
    EXPECT_TRUE(editor.isVisible());
    EXPECT_FALSE(e.win.isVisible());
    EXPECT_TRUE(e.progress.texts.contains(QStringLiteral(" fertig!")));
    EXPECT_FALSE(e.progress.visible);
    EXPECT_TRUE(e.dialogs.calls.empty());
    EXPECT_EQ(editor.KXMenu()->title().remove(QLatin1Char('&')), QStringLiteral("TQ7"));
    EXPECT_EQ(e.names(), (QStringList{QStringLiteral("BR 01 Dampflok"), QStringLiteral("Köf II"),
                                      QStringLiteral("E 94 Krokodil"), QStringLiteral("V 200"),
                                      QStringLiteral("ICE 3 Triebkopf"), QString()}));
    EXPECT_EQ(e.grid()->TextMatrix(2, 0), QStringLiteral("38"));

    // A new locomotive on the entry line.
    e.dialogs.inputNext(QStringLiteral("4711"));
    clickCell(e.grid(), 6, 2);
    retype(editor.InpText(), QStringLiteral("Neue Lok"));
    QTest::keyClick(editor.InpText(), Qt::Key_Return);
    // The third one goes.
    e.dialogs.answerNext(MsgAnswer::Yes);
    clickAddress(e.grid(), 3);
    EXPECT_EQ(e.grid()->TextMatrix(3, 0), QStringLiteral("-"));
    // The second one is renamed; the send takes the name still being typed.
    clickCell(e.grid(), 2, 2);
    retype(editor.InpText(), QStringLiteral("Köf III"));

    e.dialogs.clear();
    editor.menuItem(QStringLiteral("SendToKX2Menu"))->trigger();
    ASSERT_GE(e.dialogs.messageCount(), 1);
    EXPECT_EQ(e.dialogs.messages()[0].text,
              QStringLiteral("Sollen die geänderten Datensätze in der TQ7 gespeichert werden?"));
    EXPECT_EQ(e.dialogs.messageCount(), 1) << e.dialogs.messages().back().text.toStdString();
    EXPECT_FALSE(editor.InpText()->isVisible());
    EXPECT_TRUE(editor.menuItem(QStringLiteral("ReadfromKX2Menu"))->isEnabled());

    editor.menuItem(QStringLiteral("ReadfromKX2Menu"))->trigger();
    EXPECT_EQ(e.dialogs.messageCount(), 1);
    // The deleted one is gone from the device; the new one comes back as it was shown, 80 km/h.
    EXPECT_EQ(e.names(), (QStringList{QStringLiteral("BR 01 Dampflok"), QStringLiteral("Köf III"),
                                      QStringLiteral("V 200"), QStringLiteral("ICE 3 Triebkopf"),
                                      QStringLiteral("Neue Lok"), QString()}));
    EXPECT_EQ(e.ctx.loco.status(2), LocoTable::StatusEmpty);
    EXPECT_EQ(e.grid()->RowData(5), 5);
    EXPECT_EQ(e.grid()->TextMatrix(5, 0), QStringLiteral("4711"));
    EXPECT_EQ(e.grid()->TextMatrix(5, 3), QStringLiteral("80"));
    EXPECT_EQ(e.grid()->TextMatrix(5, LocoGrid::columnOfFunction(0)), QStringLiteral("Fkt. nicht anz."));
    EXPECT_EQ(e.ctx.loco.status(5), LocoTable::StatusUnchanged);
    EXPECT_EQ(e.station.violations(), 0) << e.station.violationLog().join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(e.station.accessOpen());
    EXPECT_FALSE(e.port.portOpen());

    editor.menuItem(QStringLiteral("AbbrechenMenu"))->trigger();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(e.win.isVisible());
    EXPECT_EQ(e.ctx.LocoGridLoaded, 0);
}

TEST(LocoEditorEndToEnd, AFailedReadKeepsTheMainWindow)
{
    EndToEnd e;
    e.station.faults().noAnswerEvery = 1;
    e.win.show();
    QTest::mouseClick(e.win.findChild<QPushButton*>(QStringLiteral("LokDaten_But")), Qt::LeftButton);
    ASSERT_EQ(e.dialogs.messageCount(), 1);
    EXPECT_EQ(e.dialogs.messages()[0].title, QStringLiteral("Fehler beim Lesen der Datenbank"));
    EXPECT_TRUE(e.win.isVisible());
    EXPECT_FALSE(e.windows.lokdatenFrmCreated() && e.editor().isVisible());
    EXPECT_TRUE(e.win.findChild<QPushButton*>(QStringLiteral("LokDaten_But"))->isEnabled());
}
