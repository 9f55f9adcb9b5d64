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

// Each line: where a window was when a run ended; the next start opens it there, place and size
// as they were, or on the primary screen when that place is off every screen.
TEST(WindowPlaces, AWindowOpensWhereItWasOrOnThePrimaryScreenWhenLost)
{
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QPoint at : {QPoint(60, 50), QPoint(primary.right() + 4000, 50), QPoint(40, -3000)}) {
        QTemporaryDir dir;
        RememberedPlaces places(dir.filePath(QStringLiteral("orte.ini")));
        QRect was;
        for (const bool again : {false, true}) {
            QWidget window;
            window.setObjectName(QStringLiteral("Fenster"));
            WindowPlaces keeper(places);
            keeper.keep(&window);
            if (!again)
                window.setGeometry(QRect(at, QSize(320, 200)));
            window.show();
            QCoreApplication::processEvents();
            EXPECT_TRUE(!again || (primary.contains(at) ? window.geometry() == was : primary.contains(window.geometry())));
            was = window.geometry();
            keeper.rememberAll();
        }
    }
}

// Each line: how a window's first file dialog comes (an editor's "laden" after a read) and the kind
// its folder is kept as. With nothing remembered it opens in the data folder, never in the working
// folder; a folder remembered for its kind wins.
TEST(FileDialogFolders, TheFirstDialogOpensInTheDataFolderUnlessAFolderIsRemembered)
{
    const std::pair<const char*, std::function<void(AppWindows&)>> rows[] = {
        {"ISD/LokdatenFrm", [](AppWindows& w) { w.LokDaten_But_Click(); }},
        {"ISD/MagDatenFrm", [](AppWindows& w) { w.MagDatenBut_Click({1, 4}); }},
        {"ISD/RMDatenFrm", [](AppWindows& w) { w.RckmDatenBut_Click({1, 4}); }},
        {"ISD/FSDatenFrm", [](AppWindows& w) { w.FSDatenBut_Click(); }},
        {"Sicherung", [](AppWindows& w) { w.backupStation(); }},
        {"Sicherung", [](AppWindows& w) { w.restoreStation(); }},
    };
    for (const auto& row : rows)
        for (const bool remembered : {false, true}) {
            AppRig rig;
            const QString kind = QString::fromLatin1(row.first);
            const QString folder = rig.dir.filePath(remembered ? QStringLiteral("gemerkt") : QStringLiteral("Daten"));
            if (remembered && QDir().mkpath(folder))
                rig.places.setFolder(kind, folder);
            row.second(rig.windows);
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible() && window->objectName() == kind.section(QLatin1Char('/'), 1))
                    window->findChild<QAction*>(QStringLiteral("LadenMenu"))->trigger();
            const FakeFileDialog::Call& first = rig.files.calls.at(0);
            EXPECT_EQ(first.folder ? first.initialName : folderOfPath(first.initialName), folder) << row.first << remembered;
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
