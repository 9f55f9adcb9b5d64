// Finding files under the program folder without regard to case, and reading the help text.
#include "shell/HelpText.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;

namespace {
void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(ProgramFolder, FindsFilesWhateverTheCase)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("konf/fkt_symbole/s3.bmp"));
    put(real, "BM");
    EXPECT_EQ(findInProgramFolder(dir.path(), QStringLiteral("Konf/Fkt_Symbole/S3.bmp")), real);
    EXPECT_EQ(findInProgramFolder(dir.path(), QStringLiteral("\\Konf\\Fkt_Symbole\\S3.BMP")), real);
    EXPECT_EQ(findInProgramFolder(dir.path(), QStringLiteral("konf/fkt_symbole/s3.bmp")), real);
    EXPECT_EQ(findInProgramFolder(dir.path(), QStringLiteral("Konf/Fkt_Symbole/S4.bmp")), QString());
    EXPECT_EQ(findInProgramFolder(dir.path(), QStringLiteral("Konf/Mag_Symbole/S3.bmp")), QString());
}

TEST(ProgramFolder, ExactNameWinsAndFoldersAreNotTakenForFiles)
{
    QTemporaryDir dir;
    put(dir.filePath(QStringLiteral("Konf/hilfe.txt")), "a");
    put(dir.filePath(QStringLiteral("konf/hilfe.txt")), "b");
    EXPECT_EQ(findInProgramFolder(dir.path(), QStringLiteral("konf/hilfe.txt")),
              dir.filePath(QStringLiteral("konf/hilfe.txt")));
    EXPECT_EQ(findInProgramFolder(dir.path(), QStringLiteral("Konf/hilfe.txt")),
              dir.filePath(QStringLiteral("Konf/hilfe.txt")));
    // A file named like a folder on the way does not count as that folder.
    put(dir.filePath(QStringLiteral("sym")), "x");
    put(dir.filePath(QStringLiteral("SYM/s1.bmp")), "y");
    EXPECT_EQ(findInProgramFolder(dir.path(), QStringLiteral("sym/s1.bmp")), dir.filePath(QStringLiteral("SYM/s1.bmp")));
}

TEST(ProgramFolder, PathsMayNotLeaveTheFolder)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("prog"));
    put(dir.filePath(QStringLiteral("geheim.txt")), "x");
    const QString prog = dir.filePath(QStringLiteral("prog"));
    EXPECT_EQ(findInProgramFolder(prog, QStringLiteral("../geheim.txt")), QString());
    EXPECT_EQ(findInProgramFolder(prog, QStringLiteral("./../geheim.txt")), QString());
    EXPECT_EQ(findInProgramFolder(prog, QString()), QString());
}

TEST(HelpText, ThreeLinesGiveThreeEntriesInOrder)
{
    EXPECT_EQ(HelpLines("eins\r\nzwei\r\ndrei\r\n"),
              (QStringList{QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")}));
    EXPECT_EQ(HelpLines("eins\nzwei\ndrei"),
              (QStringList{QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")}));
    EXPECT_EQ(HelpLines("a\r\n\r\nb\r\n"), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
}

TEST(HelpText, EmptyFileGivesNoEntries)
{
    EXPECT_TRUE(HelpLines(QByteArray()).isEmpty());
    EXPECT_EQ(HelpLines("\r\n"), QStringList{QString()});
}

TEST(HelpText, ReadsUtf8AndFallsBackToCp1252)
{
    EXPECT_EQ(HelpLines("Fahrstra\xC3\x9F" "en\r\n"), QStringList{QStringLiteral("Fahrstraßen")});
    EXPECT_EQ(HelpLines("Fahrstra\xDF" "en \x80\r\n"), QStringList{QStringLiteral("Fahrstraßen €")});
    EXPECT_EQ(HelpLines("\xEF\xBB\xBFHilfe\r\n"), QStringList{QStringLiteral("Hilfe")});
}

TEST(HelpText, MissingFileGivesOneLineSayingSo)
{
    QTemporaryDir dir;
    const QStringList lines = ReadHelpFile(dir.path());
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("nicht gefunden")));

    put(dir.filePath(QStringLiteral("KONF/Hilfe.TXT")), "eins\r\nzwei\r\n");
    EXPECT_EQ(ReadHelpFile(dir.path()), (QStringList{QStringLiteral("eins"), QStringLiteral("zwei")}));
}
