// The main window: start-up and end with the settings file, its data buttons and menus.
#include "ShellWindowTest.h"

#include "shell/gui/HelpWin.h"
#include "shell/gui/OptWin.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <vector>

using namespace kx2;

using MainWinTest = ShellWindowTest;

TEST_F(MainWinTest, StartsFromTheSettingsFileAndWritesItWhenClosed)
{
    EXPECT_EQ(start(QStringLiteral("MRV")).windowTitle(), QStringLiteral(" Kordavinex II - Tool"));
    EXPECT_EQ(win->deviceMenuCaptions(EditorKind::Loco).menu, QStringLiteral("Kordavinex"));
    start();
    EXPECT_EQ(std::pair(find<QLabel>("ComPortNrTxt")->text(), find<QLabel>("BdRtTxt")->text()), std::pair(QString("3"), QString("115200")));
    EXPECT_EQ(settingsBytes(), QByteArray("<missing>"));
    win->show();
    win->close();
    EXPECT_EQ(settingsBytes(), QByteArray("3\r\n115200\r\n\"\"\r\n"));
    EXPECT_EQ(quits, 1);

    // Beenden too; the last file name is offered for this run only.
    writeProgramFile(QStringLiteral("KX2_DF.INF"), "\"/dev/ttyUSB0\"\r\n19200\r\n\"C:\\alt.ISD\"\r\n");
    start();
    EXPECT_EQ(std::pair(find<QLabel>("ComPortNrTxt")->text(), find<QLabel>("BdRtTxt")->text()), std::pair(QString("/dev/ttyUSB0"), QString("19200")));
    EXPECT_EQ(settings.LastFileName, QStringLiteral("C:\\alt.ISD"));
    win->show();
    find<QAction>("ende_menu")->trigger();
    EXPECT_EQ(std::pair(quits, win->isVisible()), std::pair(2, false));
    EXPECT_EQ(settingsBytes(), QByteArray("\"/dev/ttyUSB0\"\r\n19200\r\n\"\"\r\n"));
    EXPECT_TRUE(dialogs.calls.empty());
}

// The data buttons, the address boxes and the Datei menu rest while a transfer or the options
// dialog runs; the count box and the Info menu do not. The route button waits for the routes.
TEST_F(MainWinTest, DisableAndEnableCoverButtonsAddressBoxesAndDateiMenu)
{
    start();
    const auto enabled = [this] {
        std::vector<bool> on;
        for (const char* name : {"LokDaten_But", "MagDatenBut", "RckmDatenBut", "FSDatenBut"})
            on.push_back(find<QPushButton>(name)->isEnabled());
        for (const char* name : {"MagAdrStartTxt", "MagAdrEndTxt", "RmAdrStartTxt", "RmAdrEndTxt", "LokDatAnzTxt"})
            on.push_back(find<QLineEdit>(name)->isEnabled());
        on.push_back(find<QMenu>("Datei_menu")->menuAction()->isEnabled());
        on.push_back(find<QMenu>("InfoMenu")->menuAction()->isEnabled());
        return on;
    };
    win->DisableMainControls();
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, false, false, false, false, false, true, false, true}));
    win->EnableMainControls();
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, false, true, true, true, true, true, true, true}));
    EXPECT_FALSE(find<QPushButton>("FSDatenBut")->toolTip().isEmpty());
    win->setRoutesAvailable(true);
    EXPECT_TRUE(find<QPushButton>("FSDatenBut")->isEnabled());

    // The line after a transfer, however long, leaves the window as it was.
    win->show();
    const QSize before = win->size();
    const QSize least = win->minimumSizeHint();
    win->showTransferDone(QStringLiteral("20 Lokomotiven, 2048 Magnetartikel, 4096 Rückmelder und 80 Fahrstraßen "
                                         "gesendet und geprüft, 17:20"));
    QCoreApplication::processEvents();
    EXPECT_EQ(win->size(), before);
    EXPECT_EQ(win->minimumSizeHint(), least);
}

// Each line: what is typed into a pair of boxes, and the range the button hands on (none: refused
// with the message naming the valid range, the boxes back at the range in use).
TEST_F(MainWinTest, DataButtonsHandOnOnlyRangesTheirDatabaseHas)
{
    start();
    std::vector<AddressRange> mag, rm;
    int lok = 0;
    QObject::connect(win.get(), &MainWin::magDatenRequested, [&](AddressRange r) { mag.push_back(r); });
    QObject::connect(win.get(), &MainWin::rckmDatenRequested, [&](AddressRange r) { rm.push_back(r); });
    QObject::connect(win.get(), &MainWin::lokDatenRequested, [&] { ++lok; });
    const struct {
        bool accessories;
        const char* from;
        const char* to;
        std::optional<AddressRange> handed;
    } cases[] = {
        {true, " 33", "48 ", AddressRange{33, 48}},    {true, "1", "12abc", std::nullopt}, {true, "20", "10", std::nullopt},
        {true, "2040", "2049", std::nullopt},           {true, "2048", "2048", AddressRange{2048, 2048}},
        {false, "4090", "4096", AddressRange{4090, 4096}}, {false, "0", "16", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + ".." + c.to);
        std::vector<AddressRange>& handed = c.accessories ? mag : rm;
        auto* from = find<QLineEdit>(c.accessories ? "MagAdrStartTxt" : "RmAdrStartTxt");
        auto* to = find<QLineEdit>(c.accessories ? "MagAdrEndTxt" : "RmAdrEndTxt");
        const QString inUse = from->text() + ".." + to->text();
        const size_t before = handed.size();
        dialogs.clear();
        from->setText(QString::fromUtf8(c.from));
        to->setText(QString::fromUtf8(c.to));
        find<QPushButton>(c.accessories ? "MagDatenBut" : "RckmDatenBut")->click();
        EXPECT_EQ(handed.size(), before + (c.handed ? 1 : 0));
        if (c.handed) {
            EXPECT_EQ(handed.back(), *c.handed);
            EXPECT_TRUE(dialogs.calls.empty());
        } else {
            ASSERT_EQ(dialogs.messageCount(), 1);
            EXPECT_TRUE(dialogs.last().text.contains(c.accessories ? "1 bis 2048" : "1 bis 4096"));
            EXPECT_EQ(from->text() + ".." + to->text(), inUse);
        }
    }
    find<QPushButton>("LokDaten_But")->click();
    EXPECT_EQ(lok, 1);
}

// Program information is a plain OK box under the brand's title; help and options open without
// blocking, the options resting the main window's controls.
TEST_F(MainWinTest, TheInfoAndOptionMenusOpenTheirWindows)
{
    start();
    win->show();
    find<QAction>("ProgInfoMenu")->trigger();
    ASSERT_EQ(dialogs.messageCount(), 1);
    EXPECT_EQ(std::tuple(dialogs.last().title, dialogs.last().icon, dialogs.last().buttons), std::tuple(QString("TQ7 - Tool"), MsgIcon::None, MsgButtons::Ok));
    EXPECT_TRUE(dialogs.last().text.contains(QStringLiteral("\r                           TQ7 - Tool     \r")));
    EXPECT_EQ(win->helpWin(), nullptr);
    find<QAction>("HilfeMenu")->trigger();
    find<QAction>("Opt_menu")->trigger();
    for (QWidget* d : {static_cast<QWidget*>(win->helpWin()), static_cast<QWidget*>(win->optWin())})
        EXPECT_TRUE(d->isVisible() && !d->isModal());
    EXPECT_FALSE(find<QPushButton>("LokDaten_But")->isEnabled());
}
