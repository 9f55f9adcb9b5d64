// The help window: the help file's lines as a list, kept while the window is only hidden.
#include "ShellWindowTest.h"

#include "shell/gui/HelpWin.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>

using namespace kx2;

namespace {

QStringList entries(HelpWin& help)
{
    QStringList out;
    for (int i = 0; i < help.helpTxt()->count(); ++i)
        out << help.helpTxt()->item(i)->text();
    return out;
}

} // namespace

using HelpWinTest = ShellWindowTest;

// OK hides the window and keeps its list; the window button closes it, and the next showing reads
// the file again. A missing file says so in the list.
TEST_F(HelpWinTest, ShowsTheHelpFileAndReadsItAgainOnlyAfterTheWindowWasClosed)
{
    start();
    find<QAction>("HilfeMenu")->trigger();
    HelpWin& help = *win->helpWin();
    EXPECT_EQ(entries(help), QStringList{QStringLiteral("Die Hilfedatei konf/hilfe.txt wurde nicht gefunden.")});
    help.close();
    writeProgramFile(QStringLiteral("konf/hilfe.txt"), "Erste Zeile\r\n  zweite mit Blanks\r\nDritte: \xC3\xBC\r\n");
    find<QAction>("HilfeMenu")->trigger();
    EXPECT_EQ(entries(help), (QStringList{"Erste Zeile", "  zweite mit Blanks", QStringLiteral("Dritte: ü")}));
    EXPECT_EQ(help.helpTxt()->font().family(), QStringLiteral("Courier New"));
    help.okButton()->click();
    EXPECT_FALSE(help.isVisible());
    writeProgramFile(QStringLiteral("konf/hilfe.txt"), "neu\r\n");
    find<QAction>("HilfeMenu")->trigger();
    EXPECT_EQ(win->helpWin(), &help);
    EXPECT_EQ(entries(help).size(), 3);
    help.close();
    EXPECT_FALSE(help.isVisible());
    find<QAction>("HilfeMenu")->trigger();
    EXPECT_EQ(entries(*win->helpWin()), QStringList{QStringLiteral("neu")});
}
