// A database's table on PDF pages: needs fonts, so it runs among the window tests.
#include "shell/TablePrint.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

// A table like the locomotives' (address, name, format, speed, f0..f28) or the accessories'.
PrintTable sampleTable(int records, int functions)
{
    PrintTable table;
    table.caption = QStringLiteral("Lokdaten");
    table.serial = QStringLiteral("12345");
    table.date = QStringLiteral("07.12.2026");
    table.titles << QStringLiteral("Adresse") << QStringLiteral("Name") << QStringLiteral("Datenformat");
    for (int f = 0; f < functions; ++f)
        table.titles << QStringLiteral("f%1").arg(f);
    for (int r = 0; r < records; ++r) {
        QStringList cells{QString::number(9000 + r), QStringLiteral("Dampflok Baureihe %1").arg(r), QStringLiteral("DCC 128")};
        for (int f = 0; f < functions; ++f)
            cells << QString::number(100 + f);
        table.rows.push_back(cells);
    }
    return table;
}

} // namespace

// Each line: records, function columns, and the bounds of the page count.
TEST(TablePrint, PdfHoldsEveryRecordOnABoundedNumberOfPagesAsTheRoutineCountsThem)
{
    const struct {
        int records, functions, fewest, most;
    } rows[] = {
        {500, 29, 24, 60}, // locomotives: address and name again on each column group
        {2048, 2, 40, 70}, // accessories: one group as wide as the page
        {0, 29, 1, 3},     // titles only
    };
    QTemporaryDir dir;
    for (const auto& r : rows) {
        const QString path = dir.filePath(QStringLiteral("t%1.pdf").arg(r.records));
        int pages = 0;
        EXPECT_EQ(WriteTablePdf(path, sampleTable(r.records, r.functions), &pages), QString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString pdf = QString::fromLatin1(file.readAll());
        EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), pages) << r.records;
        EXPECT_GE(pages, r.fewest) << r.records;
        EXPECT_LE(pages, r.most) << r.records;
    }
}

// Read back as text, every address and name of 500 locomotives stands whole on its line.
TEST(TablePrint, AddressesAndNamesAreNeverBroken)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF's text cannot be checked";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lok.pdf"));
    ASSERT_EQ(WriteTablePdf(path, sampleTable(500, 29)), QString());
    QProcess text;
    text.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* line : {"Lokdaten - Zentrale 12345 - 07.12.2026", "Seite 1 von "})
        EXPECT_TRUE(words.contains(QString::fromUtf8(line))) << line;
    for (int r = 0; r < 500; ++r)
        EXPECT_TRUE(words.contains(QRegularExpression(QStringLiteral("%1 +Dampflok Baureihe %2\\b").arg(9000 + r).arg(r)))) << r;
}
