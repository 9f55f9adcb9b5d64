// The options dialog: the interface kind chooses the baud rates it allows.
#include "ShellWindowTest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
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
    static std::vector<bool> enabledRates(OptWin& opt)
    {
        std::vector<bool> on;
        for (int i = 0; i < 4; ++i)
            on.push_back(opt.bdrtOpt(i)->isEnabled());
        return on;
    }
};

} // namespace

// Each line: clicks after opening on the USB interface with 115200 ("I0".."I2" an interface,
// "B0".."B3" 9600, 16666, 19200, 115200), and the rate selected and the rates enabled then. The
// command station port allows 9600 and 19200 (16666 and 115200 become 19200), the LocoNet
// interface 16666 to 115200 (9600 becomes 115200), the USB interface only 115200.
TEST_F(OptWinTest, TheInterfaceChoosesTheRatesItAllows)
{
    const struct {
        std::vector<const char*> clicks;
        int rate;
        std::vector<bool> enabled;
    } rows[] = {
        {{}, 3, {false, false, false, true}},
        {{"I0"}, 2, {true, false, true, false}},
        {{"I1"}, 3, {false, true, true, true}},
        {{"I1", "B1", "I0"}, 2, {true, false, true, false}},
        {{"I0", "B0", "I1"}, 3, {false, true, true, true}},
        {{"I1", "B1", "I1"}, 1, {false, true, true, true}},
        {{"I1", "B1", "I2"}, 3, {false, false, false, true}},
    };
    for (const auto& row : rows) {
        OptWin& opt = open();
        for (const char* click : row.clicks)
            (click[0] == 'I' ? opt.upDevOpt(click[1] - '0') : opt.bdrtOpt(click[1] - '0'))->click();
        EXPECT_EQ(opt.selectedBdrt(), row.rate) << row.clicks.size();
        EXPECT_EQ(enabledRates(opt), row.enabled) << row.clicks.size();
        opt.close();
    }
}

// O.K. takes interface, rate and the port as typed, shows them on the main window and rests no
// more; the next showing starts from them; the port goes to the settings file quoted. The window
// button changes nothing.
TEST_F(OptWinTest, OkTakesTheChoicesOverTheWindowButtonDoesNot)
{
    OptWin& opt = open();
    EXPECT_EQ(std::tuple(opt.selectedUpDev(), opt.comPortTxt()->currentText()), std::tuple(2, QString("3")));
    EXPECT_FALSE(find<QMenu>("Datei_menu")->menuAction()->isEnabled());
    EXPECT_EQ(opt.comPortTxt()->itemText(opt.comPortTxt()->count() - 1), QStringLiteral("SIM"));
    opt.upDevOpt(0)->click();
    opt.comPortTxt()->setEditText(QStringLiteral("9"));
    opt.close();
    EXPECT_EQ(std::tuple(settings.UseLocoNetInterface, settings.UseUsbInterface, settings.BaudRate, settings.ComPortNumber),
              std::tuple(true, true, 115200, QString("3")));
    EXPECT_TRUE(find<QPushButton>("LokDaten_But")->isEnabled());

    // The last column: the check after sending, which the settings file does not keep.
    const struct {
        int device, rate;
        const char* port;
        bool loconet, usb;
        int baud;
        bool check;
    } rows[] = {{1, 1, "2", true, false, 16666, false}, {0, 2, " /dev/ttyACM0 ", false, false, 19200, true},
                {2, 3, "tcp:192.168.0.20:1234", true, true, 115200, true}, {2, 3, "4", true, true, 115200, false}};
    for (const auto& row : rows) {
        OptWin& again = open();
        again.upDevOpt(row.device)->click();
        again.bdrtOpt(row.rate)->click();
        again.comPortTxt()->setEditText(QString::fromLatin1(row.port));
        again.pruefenChk()->setChecked(row.check);
        again.okBut()->click();
        EXPECT_EQ(std::tuple(settings.UseLocoNetInterface, settings.UseUsbInterface, settings.BaudRate, settings.ComPortNumber,
                             settings.VerifyAfterSend),
                  std::tuple(row.loconet, row.usb, row.baud, QString::fromLatin1(row.port), row.check));
        EXPECT_FALSE(again.isVisible());
        EXPECT_TRUE(find<QPushButton>("MagDatenBut")->isEnabled());
        EXPECT_EQ(std::pair(find<QLabel>("BdRtTxt")->text(), find<QLabel>("ComPortNrTxt")->text()),
                  std::pair(QString::number(row.baud), QString::fromLatin1(row.port)));
        OptWin& shown = open();
        EXPECT_EQ(std::tuple(shown.selectedUpDev(), shown.selectedBdrt(), shown.comPortTxt()->currentText(), shown.pruefenChk()->isChecked()),
                  std::tuple(row.device, row.rate, QString::fromLatin1(row.port), row.check));
        shown.close();
    }
    win->close();
    EXPECT_EQ(settingsBytes(), QByteArray("\"4\"\r\n115200\r\n\"\"\r\n"));
}

TEST_F(OptWinTest, AnUnknownRateLeavesAllUnselectedAndOkKeepsIt)
{
    writeProgramFile(QStringLiteral("KX2_DF.INF"), "3\r\n57600\r\n\"\"\r\n");
    OptWin& opt = open();
    EXPECT_EQ(std::pair(opt.selectedUpDev(), opt.selectedBdrt()), std::pair(2, -1));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(opt.bdrtOpt(i)->isChecked());
    opt.okBut()->click();
    EXPECT_EQ(std::pair(settings.BaudRate, find<QLabel>("BdRtTxt")->text()), std::pair(57600, QString("57600")));
}

// Each line: how the user leaves after changing every choice; the settings, the main window and
// the next showing are as before, and the main window's controls work again.
TEST_F(OptWinTest, EscapeAndAbbrechenLeaveTheOptionsUnchanged)
{
    const struct {
        const char* way;
        std::function<void(OptWin&)> leave;
    } rows[] = {
        {"Abbrechen", [](OptWin& o) { QTest::mouseClick(o.abbrechenBut(), Qt::LeftButton); }},
        {"Escape", [](OptWin& o) { QTest::keyClick(&o, Qt::Key_Escape); }},
        {"Escape in the port box", [](OptWin& o) { QTest::keyClick(o.comPortTxt(), Qt::Key_Escape); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.way);
        OptWin& opt = open();
        const Settings before = settings;
        opt.upDevOpt(0)->click();
        opt.bdrtOpt(0)->click();
        opt.comPortTxt()->setEditText(QStringLiteral("7"));
        opt.pruefenChk()->setChecked(!before.VerifyAfterSend);
        row.leave(opt);
        EXPECT_FALSE(opt.isVisible());
        EXPECT_EQ(std::tuple(settings.UseLocoNetInterface, settings.UseUsbInterface, settings.BaudRate, settings.ComPortNumber,
                             settings.VerifyAfterSend),
                  std::tuple(before.UseLocoNetInterface, before.UseUsbInterface, before.BaudRate, before.ComPortNumber,
                             before.VerifyAfterSend));
        EXPECT_EQ(find<QLabel>("ComPortNrTxt")->text(), before.ComPortNumber);
        EXPECT_TRUE(find<QPushButton>("LokDaten_But")->isEnabled());
        OptWin& again = open();
        EXPECT_EQ(std::pair(again.comPortTxt()->currentText(), again.selectedUpDev()), std::pair(before.ComPortNumber, 2));
        again.close();
    }
}

// Each line: the languages chosen one after the other, starting from the one the dialog opened
// with (0 it, 1 the other), and whether the note on the next start shows then.
TEST_F(OptWinTest, ALanguageChangeSaysItTakesEffectAtTheNextStart)
{
    const struct {
        std::vector<int> choices;
        bool note;
    } rows[] = {
        {{}, false},
        {{1}, true},
        {{1, 0}, false},
    };
    for (const auto& row : rows) {
        OptWin& opt = open();
        const int opened = opt.spracheBox()->currentIndex();
        for (int choice : row.choices)
            opt.spracheBox()->setCurrentIndex(choice == 0 ? opened : 1 - opened);
        EXPECT_EQ(opt.spracheHinweis()->isVisibleTo(&opt), row.note) << row.choices.size();
        QTest::mouseClick(opt.abbrechenBut(), Qt::LeftButton);
    }
}
