// What the program remembers between runs, and the keys of the editors' menus.
#include "AppRig.h"

#include "shell/RememberedPlaces.h"
#include "shell/gui/WindowPlaces.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QMenu>

using namespace kx2;
using namespace kx2::test;

// A first run leaves the windows at a size, the ranges and the check after sending changed; a
// second start over the same store (never the user's own) shows them so again.
TEST(WindowPlaces, ASecondStartRestoresSizesRangesAndTheCheckAfterSending)
{
    QTemporaryDir dir;
    const QString store = dir.filePath(QStringLiteral("orte.ini"));
    {
        RememberedPlaces places(store);
        AppRig first;
        first.windows.rememberIn(places);
        first.win.show();
        first.win.resize(640, 420);
        LokdatenFrm& editor = first.windows.lokdatenFrm();
        editor.show();
        editor.resize(900, 520);
        QCoreApplication::processEvents();
        first.ctx.accessoryRange = AddressRange{5, 40};
        first.ctx.feedbackRange = AddressRange{100, 300};
        first.ctx.settings.VerifyAfterSend = !first.ctx.settings.VerifyAfterSend;
    }
    RememberedPlaces places(store);
    AppRig second;
    const bool verifyAtStart = second.ctx.settings.VerifyAfterSend;
    second.windows.rememberIn(places);
    EXPECT_EQ(second.win.size(), QSize(640, 420));
    EXPECT_EQ(second.windows.lokdatenFrm().size(), QSize(900, 520));
    EXPECT_EQ(std::pair(second.ctx.accessoryRange, second.ctx.feedbackRange), std::pair(AddressRange{5, 40}, AddressRange{100, 300}));
    QStringList boxes;
    for (const char* name : {"MagAdrStartTxt", "MagAdrEndTxt", "RmAdrStartTxt", "RmAdrEndTxt"})
        boxes << second.win.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    EXPECT_EQ(boxes, (QStringList{"5", "40", "100", "300"}));
    EXPECT_EQ(second.ctx.settings.VerifyAfterSend, !verifyAtStart);
}

// Each line: where a window was when a run ended, and whether the next start opens it there (place
// and size as they were) or, lost off every screen, on the primary screen.
TEST(WindowPlaces, AWindowOpensWhereItWasOrOnThePrimaryScreenWhenLost)
{
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        QPoint at;
        bool kept;
    } rows[] = {{QPoint(60, 50), true}, {QPoint(primary.right() + 4000, 50), false}, {QPoint(40, -3000), false}};
    for (const auto& row : rows) {
        QTemporaryDir dir;
        RememberedPlaces places(dir.filePath(QStringLiteral("orte.ini")));
        QRect was;
        {
            QWidget first;
            first.setObjectName(QStringLiteral("Fenster"));
            WindowPlaces keeper(places);
            keeper.keep(&first);
            first.setGeometry(QRect(row.at, QSize(320, 200)));
            first.show();
            QCoreApplication::processEvents();
            was = first.geometry();
            keeper.rememberAll();
        }
        QWidget second;
        second.setObjectName(QStringLiteral("Fenster"));
        WindowPlaces(places).keep(&second);
        second.show();
        QCoreApplication::processEvents();
        if (row.kept)
            EXPECT_EQ(second.geometry(), was);
        else
            EXPECT_TRUE(primary.contains(second.geometry())) << row.at.y();
    }
}

// Each line: a menu item of the locomotive editor and the key beside it; every item says what it does.
TEST(EditorKeys, TheMenusShowTheirKeysAndTips)
{
    AppRig rig;
    LokdatenFrm& editor = rig.windows.lokdatenFrm();
    const std::pair<const char*, QKeySequence> rows[] = {
        {"LadenMenu", QKeySequence(Qt::CTRL | Qt::Key_O)},     {"SpeichernMenu", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"DruckenMenu", QKeySequence(Qt::CTRL | Qt::Key_P)},   {"ReadfromKX2Menu", QKeySequence(Qt::Key_F5)},
        {"AbbrechenMenu", QKeySequence(Qt::CTRL | Qt::Key_W)}, {"SendToKX2Menu", QKeySequence()},
    };
    for (const auto& [name, key] : rows)
        EXPECT_EQ(editor.menuItem(QString::fromLatin1(name))->shortcut(), key) << name;
    for (QAction* item : editor.DateiMenu()->actions())
        EXPECT_FALSE(item->isSeparator() || item->statusTip().isEmpty()) << item->objectName().toStdString();
}

// Escape in the open name box gives up the typed name and leaves the editor open; the next one
// closes the editor like "Abbrechen". Each heading tells what its column holds.
TEST(EditorKeys, EscapeClosesTheEditorUnlessTheNameBoxIsOpen)
{
    AppRig rig;
    rig.station.seedLocomotives(2);
    rig.win.show();
    rig.windows.LokDaten_But_Click();
    LokdatenFrm& editor = rig.windows.lokdatenFrm();
    ASSERT_TRUE(editor.isVisible());
    for (int col = 0; col < editor.LokdatenGrid()->columnCount(); ++col)
        EXPECT_FALSE(editor.LokdatenGrid()->horizontalHeaderItem(col)->toolTip().isEmpty()) << col;
    QApplication::setActiveWindow(&editor);
    clickCell(editor.LokdatenGrid(), 1, 2);
    ASSERT_TRUE(editor.InpText()->isVisible());
    retype(editor.InpText(), QStringLiteral("Neu"));
    QTest::keyClick(editor.InpText(), Qt::Key_Escape);
    EXPECT_EQ(std::pair(editor.isVisible(), editor.InpText()->isVisible()), std::pair(true, false));
    EXPECT_EQ(editor.LokdatenGrid()->TextMatrix(1, 2), QStringLiteral("BR 01 Dampflok"));
    QTest::keyClick(editor.LokdatenGrid(), Qt::Key_Escape);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(rig.win.isVisible());
}
