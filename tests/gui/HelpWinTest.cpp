#include "ShellWindowTest.h"

#include "shell/gui/HelpWin.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>

using namespace kx2;

namespace {

class HelpWinTest : public ShellWindowTest {
protected:
    HelpWin& open()
    {
        if (!win)
            start();
        find<QAction>("HilfeMenu")->trigger();
        return *win->helpWin();
    }
    static QStringList entries(HelpWin& help)
    {
        QStringList out;
        for (int i = 0; i < help.helpTxt()->count(); ++i)
            out << help.helpTxt()->item(i)->text();
        return out;
    }
};

} // namespace

TEST_F(HelpWinTest, ThreeLinesGiveThreeEntriesInFileOrder)
{
    writeProgramFile(QStringLiteral("konf/hilfe.txt"), "Erste Zeile\r\n  zweite mit Blanks\r\nDritte: \xC3\xBC\r\n");
    HelpWin& help = open();
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Hilfe"));
    EXPECT_EQ(help.helpTxt()->objectName(), QStringLiteral("HelpTxt"));
    EXPECT_EQ(help.okButton()->objectName(), QStringLiteral("OKButton"));
    EXPECT_EQ(help.okButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(help.helpTxt()->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(entries(help), (QStringList{QStringLiteral("Erste Zeile"), QStringLiteral("  zweite mit Blanks"),
                                          QStringLiteral("Dritte: ü")}));
}

TEST_F(HelpWinTest, EmptyFileGivesAnEmptyList)
{
    writeProgramFile(QStringLiteral("konf/hilfe.txt"), QByteArray());
    EXPECT_EQ(open().helpTxt()->count(), 0);
}

TEST_F(HelpWinTest, MissingFileSaysSoInTheList)
{
    HelpWin& help = open();
    ASSERT_EQ(help.helpTxt()->count(), 1);
    EXPECT_EQ(help.helpTxt()->item(0)->text(), QStringLiteral("Die Hilfedatei konf/hilfe.txt wurde nicht gefunden."));
}

TEST_F(HelpWinTest, FileNameCaseDoesNotMatter)
{
    writeProgramFile(QStringLiteral("Konf/Hilfe.TXT"), "eins\n");
    EXPECT_EQ(entries(open()), QStringList{QStringLiteral("eins")});
}

TEST_F(HelpWinTest, OkHidesAndKeepsTheListCloseButtonRereadsTheFile)
{
    writeProgramFile(QStringLiteral("konf/hilfe.txt"), "alt\r\n");
    HelpWin& help = open();
    EXPECT_TRUE(help.isVisible());
    help.okButton()->click();
    EXPECT_FALSE(help.isVisible());

    writeProgramFile(QStringLiteral("konf/hilfe.txt"), "neu\r\nzwei\r\n");
    HelpWin& shownAgain = open();
    EXPECT_EQ(&shownAgain, &help);
    EXPECT_EQ(entries(shownAgain), QStringList{QStringLiteral("alt")});

    shownAgain.close();
    EXPECT_FALSE(shownAgain.isVisible());
    EXPECT_EQ(entries(open()), (QStringList{QStringLiteral("neu"), QStringLiteral("zwei")}));
}
