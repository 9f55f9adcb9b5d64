#include "ShellWindowTest.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace kx2;

namespace {

class OptWinTest : public ShellWindowTest {
protected:
    OptWin& open()
    {
        if (!win)
            start();
        win->show();
        find<QAction>("Opt_menu")->trigger();
        return *win->optWin();
    }
    std::vector<bool> enabledRates(OptWin& opt) const
    {
        std::vector<bool> on;
        for (int i = 0; i < 4; ++i)
            on.push_back(opt.bdrtOpt(i)->isEnabled());
        return on;
    }
    void closeByWindowButton(OptWin& opt) { opt.close(); }
};

} // namespace

TEST_F(OptWinTest, ControlsCarryTheirCaptions)
{
    OptWin& opt = open();
    EXPECT_EQ(opt.windowTitle(), QStringLiteral("Optionen"));
    QStringList frames;
    for (QGroupBox* g : opt.findChildren<QGroupBox*>())
        frames << g->title();
    EXPECT_TRUE(frames.contains(QStringLiteral("Update über ")));
    EXPECT_TRUE(frames.contains(QStringLiteral("Baurate:")));
    EXPECT_TRUE(frames.contains(QStringLiteral("ComPort:")));
    EXPECT_EQ(opt.upDevOpt(0)->text(), QStringLiteral("Quarnellis/Kordavinex"));
    EXPECT_EQ(opt.upDevOpt(1)->text(), QStringLiteral("Mervenholt 58230 - LocoNet Interface"));
    EXPECT_EQ(opt.upDevOpt(2)->text(), QStringLiteral("Mervenholt 58240 - LocoNet USB Interface"));
    const char* rates[] = {"9600", "16666", "19200", "115200"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(opt.bdrtOpt(i)->text(), QString::fromLatin1(rates[i]));
    EXPECT_EQ(opt.okBut()->text(), QStringLiteral("O.K."));
    EXPECT_EQ(opt.okBut()->objectName(), QStringLiteral("OK_But"));
    EXPECT_EQ(opt.comPortTxt()->objectName(), QStringLiteral("ComPortTxT"));
    EXPECT_TRUE(opt.comPortTxt()->isEditable());
    bool haveNummer = false;
    for (QLabel* l : opt.findChildren<QLabel*>())
        haveNummer = haveNummer || l->text() == QStringLiteral("Nummer:");
    EXPECT_TRUE(haveNummer);
}

TEST_F(OptWinTest, OpensOnUsbWith115200AsTheOnlyRate)
{
    OptWin& opt = open();
    EXPECT_EQ(opt.selectedUpDev(), 2);
    EXPECT_EQ(opt.selectedBdrt(), 3);
    EXPECT_EQ(enabledRates(opt), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(opt.comPortTxt()->currentText(), QStringLiteral("3"));
    EXPECT_FALSE(opt.isModal());
    // The main window's controls rest while the dialog is shown.
    EXPECT_FALSE(find<QPushButton>("MagDatenBut")->isEnabled());
    EXPECT_FALSE(find<QMenu>("Datei_menu")->menuAction()->isEnabled());
}

TEST_F(OptWinTest, OffersPresentPortsAndTheSimulator)
{
    OptWin& opt = open();
    QComboBox* box = opt.comPortTxt();
    ASSERT_GE(box->count(), 1);
    EXPECT_EQ(box->itemText(box->count() - 1), QStringLiteral("SIM"));
}

TEST_F(OptWinTest, CommandStationPortForces19200)
{
    OptWin& opt = open();
    opt.upDevOpt(0)->click();
    EXPECT_EQ(opt.selectedUpDev(), 0);
    EXPECT_EQ(opt.selectedBdrt(), 2);
    EXPECT_EQ(enabledRates(opt), (std::vector<bool>{true, false, true, false}));

    // 16666 chosen under the LocoNet interface is moved to 19200 as well.
    opt.upDevOpt(1)->click();
    EXPECT_EQ(enabledRates(opt), (std::vector<bool>{false, true, true, true}));
    EXPECT_EQ(opt.selectedBdrt(), 2);
    opt.bdrtOpt(1)->click();
    opt.upDevOpt(0)->click();
    EXPECT_EQ(opt.selectedBdrt(), 2);
}

TEST_F(OptWinTest, LocoNetInterfaceMoves9600To115200AndUsbAlwaysTakes115200)
{
    OptWin& opt = open();
    opt.upDevOpt(0)->click();
    opt.bdrtOpt(0)->click();
    EXPECT_EQ(opt.selectedBdrt(), 0);
    opt.upDevOpt(1)->click();
    EXPECT_EQ(opt.selectedBdrt(), 3);

    opt.bdrtOpt(1)->click();
    opt.upDevOpt(1)->click();  // a rate the kind allows stays
    EXPECT_EQ(opt.selectedBdrt(), 1);
    opt.upDevOpt(2)->click();
    EXPECT_EQ(opt.selectedBdrt(), 3);
    EXPECT_EQ(enabledRates(opt), (std::vector<bool>{false, false, false, true}));
}

TEST_F(OptWinTest, OkTakesInterfaceRateAndTypedPortOver)
{
    OptWin& opt = open();
    opt.upDevOpt(1)->click();
    opt.bdrtOpt(1)->click();
    opt.comPortTxt()->setEditText(QStringLiteral("2"));
    opt.okBut()->click();
    EXPECT_TRUE(settings.UseLocoNetInterface);
    EXPECT_FALSE(settings.UseUsbInterface);
    EXPECT_EQ(settings.BaudRate, 16666);
    EXPECT_EQ(settings.ComPortNumber, QStringLiteral("2"));
    EXPECT_FALSE(opt.isVisible());
    EXPECT_TRUE(find<QPushButton>("MagDatenBut")->isEnabled());
    EXPECT_EQ(find<QLabel>("BdRtTxt")->text(), QStringLiteral("16666"));

    // The command station port clears both flags.
    OptWin& again = open();
    EXPECT_EQ(again.selectedUpDev(), 1);
    EXPECT_EQ(again.selectedBdrt(), 1);
    again.upDevOpt(0)->click();
    again.okBut()->click();
    EXPECT_FALSE(settings.UseLocoNetInterface);
    EXPECT_FALSE(settings.UseUsbInterface);
    EXPECT_EQ(settings.BaudRate, 19200);
    EXPECT_EQ(open().selectedUpDev(), 0);
}

TEST_F(OptWinTest, TypedPortShowsOnMainWindowAndIsSavedQuoted)
{
    OptWin& opt = open();
    opt.comPortTxt()->setEditText(QStringLiteral("4"));
    opt.okBut()->click();
    EXPECT_EQ(find<QLabel>("ComPortNrTxt")->text(), QStringLiteral("4"));
    win->close();
    EXPECT_EQ(settingsBytes(), QByteArray("\"4\"\r\n115200\r\n\"\"\r\n"));
}

TEST_F(OptWinTest, AnyTypedTextIsKeptAsTyped)
{
    OptWin& opt = open();
    opt.comPortTxt()->setEditText(QStringLiteral(" /dev/ttyACM0 "));
    opt.okBut()->click();
    EXPECT_EQ(settings.ComPortNumber, QStringLiteral(" /dev/ttyACM0 "));
    EXPECT_EQ(open().comPortTxt()->currentText(), QStringLiteral(" /dev/ttyACM0 "));
}

TEST_F(OptWinTest, UnknownRateLeavesAllUnselectedAndOkKeepsIt)
{
    writeProgramFile(QStringLiteral("KX2_DF.INF"), "3\r\n57600\r\n\"\"\r\n");
    OptWin& opt = open();
    EXPECT_EQ(opt.selectedUpDev(), 2);
    EXPECT_EQ(opt.selectedBdrt(), -1);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(opt.bdrtOpt(i)->isChecked());
    opt.okBut()->click();
    EXPECT_EQ(settings.BaudRate, 57600);
    EXPECT_EQ(find<QLabel>("BdRtTxt")->text(), QStringLiteral("57600"));
}

TEST_F(OptWinTest, WindowButtonChangesNothingAndReenablesTheMainWindow)
{
    OptWin& opt = open();
    opt.upDevOpt(0)->click();
    opt.comPortTxt()->setEditText(QStringLiteral("9"));
    closeByWindowButton(opt);
    EXPECT_TRUE(settings.UseLocoNetInterface);
    EXPECT_TRUE(settings.UseUsbInterface);
    EXPECT_EQ(settings.BaudRate, 115200);
    EXPECT_EQ(settings.ComPortNumber, QStringLiteral("3"));
    EXPECT_TRUE(find<QPushButton>("LokDaten_But")->isEnabled());
    EXPECT_TRUE(find<QMenu>("Datei_menu")->menuAction()->isEnabled());

    // The next showing starts from the settings again.
    OptWin& again = open();
    EXPECT_EQ(again.selectedUpDev(), 2);
    EXPECT_EQ(again.comPortTxt()->currentText(), QStringLiteral("3"));
}
