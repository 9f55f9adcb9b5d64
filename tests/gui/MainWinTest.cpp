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
        EXPECT_EQ(m->title().remove(QLatin1Char('&')), QString::fromLatin1(text));
    }
    const std::pair<const char*, const char*> actions[] = {
        {"Opt_menu", "Optionen"}, {"ende_menu", "Beenden"}, {"HilfeMenu", "Hilfe"}, {"ProgInfoMenu", "Progamminfo"}};
    for (const auto& [name, text] : actions) {
        auto* a = find<QAction>(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text().remove(QLatin1Char('&')), QString::fromLatin1(text));
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
    for (const char* name : {"LokDaten_But", "MagDatenBut", "RckmDatenBut"})
        EXPECT_TRUE(find<QPushButton>(name)->isEnabled()) << name;
    EXPECT_FALSE(find<QPushButton>("FSDatenBut")->isEnabled()) << "no routes yet";
    EXPECT_FALSE(find<QPushButton>("FSDatenBut")->toolTip().isEmpty());
    win->setRoutesAvailable(true);
    EXPECT_TRUE(find<QPushButton>("FSDatenBut")->isEnabled());
    for (const char* name : {"MagAdrStartTxt", "MagAdrEndTxt", "RmAdrStartTxt", "RmAdrEndTxt"})
        EXPECT_TRUE(find<QLineEdit>(name)->isEnabled()) << name;
    EXPECT_TRUE(find<QMenu>("Datei_menu")->menuAction()->isEnabled());
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
        const char* button;
        const char* from;
        const char* to;
        std::optional<AddressRange> handed;
    } cases[] = {
        {"MagDatenBut", " 33", "48 Ende", AddressRange{33, 48}},
        {"MagDatenBut", "12abc", "abc", std::nullopt},
        {"MagDatenBut", "20", "10", std::nullopt},
        {"MagDatenBut", "2040", "2049", std::nullopt},
        {"MagDatenBut", "2048", "2048", AddressRange{2048, 2048}},
        {"RckmDatenBut", "4090", "4096", AddressRange{4090, 4096}},
        {"RckmDatenBut", "0", "16", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + c.from + ".." + c.to);
        const bool accessories = std::string(c.button) == "MagDatenBut";
        std::vector<AddressRange>& handed = accessories ? mag : rm;
        auto* from = find<QLineEdit>(accessories ? "MagAdrStartTxt" : "RmAdrStartTxt");
        auto* to = find<QLineEdit>(accessories ? "MagAdrEndTxt" : "RmAdrEndTxt");
        const QString inUse = from->text() + ".." + to->text();
        const size_t before = handed.size();
        dialogs.clear();
        from->setText(QString::fromUtf8(c.from));
        to->setText(QString::fromUtf8(c.to));
        find<QPushButton>(c.button)->click();
        if (c.handed) {
            ASSERT_EQ(handed.size(), before + 1);
            EXPECT_EQ(handed.back(), *c.handed);
            EXPECT_TRUE(dialogs.calls.empty());
        } else {
            EXPECT_EQ(handed.size(), before);
            ASSERT_EQ(dialogs.messageCount(), 1);
            EXPECT_TRUE(dialogs.last().text.contains(accessories ? "1 bis 2048" : "1 bis 4096"));
            EXPECT_EQ(from->text() + ".." + to->text(), inUse);
        }
    }
    find<QPushButton>("LokDaten_But")->click();
    EXPECT_EQ(lok, 1);
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
