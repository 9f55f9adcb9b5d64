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

// Each line: a path asked for under prog/ and the file found ("": none). Case does not matter, an
// exact name wins, a file named like a folder on the way is no folder, and no path leaves prog/.
TEST(ProgramFolder, FindsFilesWhateverTheCaseAndNeverOutsideTheFolder)
{
    QTemporaryDir dir;
    const QString prog = dir.filePath(QStringLiteral("prog"));
    for (const char* file : {"konf/fkt_symbole/s3.bmp", "Doku/hilfe.txt", "doku/hilfe.txt", "sym", "SYM/s1.bmp"})
        put(QDir(prog).filePath(QString::fromLatin1(file)), "x");
    put(dir.filePath(QStringLiteral("geheim.txt")), "x");
    const std::pair<const char*, const char*> rows[] = {
        {"Konf/Fkt_Symbole/S3.bmp", "konf/fkt_symbole/s3.bmp"}, {"\\Konf\\Fkt_Symbole\\S3.BMP", "konf/fkt_symbole/s3.bmp"},
        {"Konf/Fkt_Symbole/S4.bmp", ""},  {"Konf/Mag_Symbole/S3.bmp", ""},
        {"doku/hilfe.txt", "doku/hilfe.txt"}, {"Doku/hilfe.txt", "Doku/hilfe.txt"}, {"sym/s1.bmp", "SYM/s1.bmp"},
        {"../geheim.txt", ""}, {"./../geheim.txt", ""}, {"", ""}};
    for (const auto& [asked, found] : rows)
        EXPECT_EQ(findInProgramFolder(prog, QString::fromLatin1(asked)), *found ? QDir(prog).filePath(QString::fromLatin1(found)) : QString())
            << asked;
}

// Each line: the help file's bytes and its entries: one per line in file order, UTF-8 or else
// cp1252, a byte-order mark dropped.
TEST(HelpText, OneEntryPerLineInFileOrder)
{
    const std::pair<QByteArray, QStringList> rows[] = {
        {"eins\r\nzwei\r\ndrei\r\n", {"eins", "zwei", "drei"}},
        {"eins\nzwei\ndrei", {"eins", "zwei", "drei"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {"Fahrstra\xC3\x9F" "en\r\n", {QStringLiteral("Fahrstraßen")}},
        {"Fahrstra\xDF" "en \x80\r\n", {QStringLiteral("Fahrstraßen €")}},
        {"\xEF\xBB\xBFHilfe\r\n", {"Hilfe"}},
    };
    for (const auto& [bytes, lines] : rows)
        EXPECT_EQ(helpLines(bytes), lines) << bytes.toStdString();
    QTemporaryDir dir;
    const QStringList missing = readHelpFile(dir.path());
    ASSERT_EQ(missing.size(), 1);
    EXPECT_TRUE(missing[0].contains(QStringLiteral("nicht gefunden")));
    put(dir.filePath(QStringLiteral("KONF/Hilfe.TXT")), "eins\r\nzwei\r\n");
    EXPECT_EQ(readHelpFile(dir.path()), (QStringList{"eins", "zwei"}));
}

// Each line: help lines, the program's name, the lines shown.
TEST(HelpText, NamesTheProgramAsItsWindowsDo)
{
    const std::tuple<QStringList, QString, QStringList> rows[] = {
        {{"%PROGRAMM%: Hilfe", "="}, "Kordavinex II - Tool", {"Kordavinex II - Tool: Hilfe", QString(27, '=')}},
        {{"%PROGRAMM%", "", "=="}, "X", {"X", "", "=="}}, {{"ohne Namen", "==="}, "X", {"ohne Namen", "==="}}};
    for (const auto& [lines, name, shown] : rows)
        EXPECT_EQ(nameProgramInHelp(lines, name), shown) << name.toStdString();
}

// Each line: the files under the program folder, and what the start's message says is missing.
TEST(ProgramFolder, StartSaysOnceWhatItMissesAndWhereItLooked)
{
    const std::pair<QStringList, QString> rows[] = {
        {{"konf/FKT_SYMBOLE/S1.bmp", "konf/Mag_Symbole/S1.bmp", "konf/hilfe.txt"}, ""},
        {{"konf/fkt_symbole/s1.bmp"}, "Konf/Mag_Symbole (Magnetartikel- und Rückmeldersymbole)\rkonf/hilfe.txt (Hilfetext)"}};
    for (const auto& [files, missing] : rows) {
        QTemporaryDir dir;
        for (const QString& f : files)
            put(dir.filePath(f), "x");
        EXPECT_EQ(missingProgramFilesText(dir.path()),
                  missing.isEmpty() ? QString() : "Nicht gefunden:\r" + missing + "\rGesucht im Ordner: " + QDir::toNativeSeparators(dir.path()));
    }
}
