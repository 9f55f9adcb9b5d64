#include "ShellWindowTest.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <vector>

using namespace kx2;

using MainWinTest = ShellWindowTest;

TEST_F(MainWinTest, ControlsCarryTheirNamesAndDesignedTexts)
{
    start();
    const std::pair<const char*, const char*> buttons[] = {
        {"LokDaten_But", "Lokdaten"}, {"MagDatenBut", "Mag.Art.daten"},
        {"RckmDatenBut", "Rückmelderdaten"}, {"FSDatenBut", "Fahrstraßen"}};
    for (const auto& [name, text] : buttons) {
        auto* b = find<QPushButton>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), QString::fromUtf8(text));
    }
    const std::pair<const char*, const char*> boxes[] = {
        {"MagAdrStartTxt", "1"}, {"MagAdrEndTxt", "16"}, {"RmAdrStartTxt", "1"},
        {"RmAdrEndTxt", "16"}, {"LokDatAnzTxt", "5"}};
    for (const auto& [name, text] : boxes) {
        auto* box = find<QLineEdit>(name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->text(), QString::fromLatin1(text));
    }
    QStringList labels;
    for (QLabel* l : win->findChildren<QLabel*>())
        labels << l->text();
    for (const char* text : {"von Adr.:", "bis Adr.:", "Anzahl:", "ComPort Nr.:", "Baudrate:"})
        EXPECT_TRUE(labels.contains(QString::fromLatin1(text))) << text;
    EXPECT_EQ(labels.count(QStringLiteral("von Adr.:")), 2);
    EXPECT_EQ(labels.count(QStringLiteral("bis Adr.:")), 2);

    const std::pair<const char*, const char*> menus[] = {{"Datei_menu", "Datei"}, {"InfoMenu", "Info"}};
    for (const auto& [name, text] : menus) {
        auto* m = find<QMenu>(name);
        ASSERT_NE(m, nullptr) << name;
        EXPECT_EQ(m->title(), QString::fromLatin1(text));
    }
    const std::pair<const char*, const char*> actions[] = {
        {"Opt_menu", "Optionen"}, {"ende_menu", "Beenden"}, {"HilfeMenu", "Hilfe"}, {"ProgInfoMenu", "Progamminfo"}};
    for (const auto& [name, text] : actions) {
        auto* a = find<QAction>(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), QString::fromLatin1(text));
    }
    EXPECT_EQ(find<QMenu>("Datei_menu")->actions().size(), 2);
    EXPECT_EQ(find<QMenu>("InfoMenu")->actions().size(), 2);
}

TEST_F(MainWinTest, CaptionFollowsTheBrand)
{
    EXPECT_EQ(start(QStringLiteral("ZP1")).windowTitle(), QStringLiteral(" TQ7 - Tool"));
    EXPECT_EQ(start(QStringLiteral("MRV")).windowTitle(), QStringLiteral(" Kordavinex II - Tool"));
    EXPECT_EQ(win->deviceMenuCaptions(EditorKind::Loco).menu, QStringLiteral("Kordavinex"));
}

TEST_F(MainWinTest, WithoutSettingsFileShowsPort3And115200AndClosingCreatesIt)
{
    start();
    EXPECT_EQ(find<QLabel>("ComPortNrTxt")->text(), QStringLiteral("3"));
    EXPECT_EQ(find<QLabel>("BdRtTxt")->text(), QStringLiteral("115200"));
    EXPECT_EQ(settingsBytes(), QByteArray("<missing>"));
    win->show();
    win->close();
    EXPECT_EQ(settingsBytes(), QByteArray("3\r\n115200\r\n\"\"\r\n"));
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(MainWinTest, BeendenSavesAndEndsTheProgram)
{
    writeProgramFile(QStringLiteral("KX2_DF.INF"), "\"/dev/ttyUSB0\"\r\n19200\r\n\"C:\\alt.ISD\"\r\n");
    start();
    EXPECT_EQ(find<QLabel>("ComPortNrTxt")->text(), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(find<QLabel>("BdRtTxt")->text(), QStringLiteral("19200"));
    EXPECT_EQ(settings.LastFileName, QStringLiteral("C:\\alt.ISD"));
    win->show();
    find<QAction>("ende_menu")->trigger();
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(settingsBytes(), QByteArray("\"/dev/ttyUSB0\"\r\n19200\r\n\"\"\r\n"));
}

TEST_F(MainWinTest, SettingsThatCannotGoToTheProgramFolderAreNotLostSilently)
{
    // A plain file where the program folder should be: nothing can be written there.
    programFolder = m_dir.filePath(QStringLiteral("blocked"));
    {
        QFile f(programFolder);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    start();
    win->close();
    ASSERT_EQ(dialogs.messageCount(), 1);
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Information);
    EXPECT_TRUE(dialogs.last().text.contains(QStringLiteral("Programmordner")));
    EXPECT_TRUE(QFile::exists(QDir(configFolder).filePath(QStringLiteral("KX2_DF.INF"))));
    EXPECT_EQ(quits, 1);
}

TEST_F(MainWinTest, DisableAndEnableCoverButtonsAddressBoxesAndDateiMenu)
{
    start();
    win->DisableMainControls();
    for (const char* name : {"LokDaten_But", "MagDatenBut", "RckmDatenBut", "FSDatenBut"})
        EXPECT_FALSE(find<QPushButton>(name)->isEnabled()) << name;
    for (const char* name : {"MagAdrStartTxt", "MagAdrEndTxt", "RmAdrStartTxt", "RmAdrEndTxt"})
        EXPECT_FALSE(find<QLineEdit>(name)->isEnabled()) << name;
    EXPECT_FALSE(find<QMenu>("Datei_menu")->menuAction()->isEnabled());
    // Neither the count box nor the Info menu belongs to them.
    EXPECT_TRUE(find<QLineEdit>("LokDatAnzTxt")->isEnabled());
    EXPECT_TRUE(find<QMenu>("InfoMenu")->menuAction()->isEnabled());

    win->EnableMainControls();
    for (const char* name : {"LokDaten_But", "MagDatenBut", "RckmDatenBut", "FSDatenBut"})
        EXPECT_TRUE(find<QPushButton>(name)->isEnabled()) << name;
    for (const char* name : {"MagAdrStartTxt", "MagAdrEndTxt", "RmAdrStartTxt", "RmAdrEndTxt"})
        EXPECT_TRUE(find<QLineEdit>(name)->isEnabled()) << name;
    EXPECT_TRUE(find<QMenu>("Datei_menu")->menuAction()->isEnabled());
}

TEST_F(MainWinTest, DataButtonsHandTheLeadingNumbersOfTheBoxesOn)
{
    start();
    std::vector<std::pair<int, int>> mag, rm;
    int lok = 0, fs = 0;
    QObject::connect(win.get(), &MainWin::magDatenRequested, [&](int a, int b) { mag.emplace_back(a, b); });
    QObject::connect(win.get(), &MainWin::rckmDatenRequested, [&](int a, int b) { rm.emplace_back(a, b); });
    QObject::connect(win.get(), &MainWin::lokDatenRequested, [&] { ++lok; });
    QObject::connect(win.get(), &MainWin::fsDatenRequested, [&] { ++fs; });

    find<QLineEdit>("MagAdrStartTxt")->setText(QStringLiteral("12abc"));
    find<QLineEdit>("MagAdrEndTxt")->setText(QStringLiteral("abc"));
    find<QPushButton>("MagDatenBut")->click();
    ASSERT_EQ(mag.size(), 1u);
    EXPECT_EQ(mag[0], std::make_pair(12, 0));
    EXPECT_EQ(win->AccessoryFirstAddress, 12);
    EXPECT_EQ(win->AccessoryLastAddress, 0);

    find<QLineEdit>("RmAdrStartTxt")->setText(QStringLiteral(" 33"));
    find<QLineEdit>("RmAdrEndTxt")->setText(QStringLiteral("48 Ende"));
    find<QPushButton>("RckmDatenBut")->click();
    ASSERT_EQ(rm.size(), 1u);
    EXPECT_EQ(rm[0], std::make_pair(33, 48));
    EXPECT_EQ(win->FeedbackFirstAddress, 33);
    EXPECT_EQ(win->FeedbackLastAddress, 48);
    // The accessory range stays as it was.
    EXPECT_EQ(win->AccessoryFirstAddress, 12);

    find<QPushButton>("LokDaten_But")->click();
    find<QPushButton>("FSDatenBut")->click();
    EXPECT_EQ(lok, 1);
    EXPECT_EQ(fs, 1);
    EXPECT_EQ(mag.size(), 1u);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(MainWinTest, ProgramInfoIsAPlainOkBoxWithTheBrandTitle)
{
    start();
    find<QAction>("ProgInfoMenu")->trigger();
    ASSERT_EQ(dialogs.messageCount(), 1);
    const FakeDialogs::Call& call = dialogs.last();
    EXPECT_EQ(call.title, QStringLiteral("TQ7 - Tool"));
    EXPECT_EQ(call.icon, MsgIcon::None);
    EXPECT_EQ(call.buttons, MsgButtons::Ok);
    EXPECT_TRUE(call.text.startsWith(QStringLiteral("             Mervenholt Digital")));
    EXPECT_TRUE(call.text.contains(QStringLiteral("\r                           TQ7 - Tool     \r")));
}

TEST_F(MainWinTest, HelpAndOptionsOpenWithoutBlocking)
{
    start();
    win->show();
    EXPECT_EQ(win->helpWin(), nullptr);
    find<QAction>("HilfeMenu")->trigger();
    ASSERT_NE(win->helpWin(), nullptr);
    EXPECT_TRUE(win->helpWin()->isVisible());
    EXPECT_FALSE(win->helpWin()->isModal());

    find<QAction>("Opt_menu")->trigger();
    ASSERT_NE(win->optWin(), nullptr);
    EXPECT_TRUE(win->optWin()->isVisible());
    EXPECT_FALSE(win->optWin()->isModal());
    EXPECT_FALSE(find<QPushButton>("LokDaten_But")->isEnabled());
}
