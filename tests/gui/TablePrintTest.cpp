// A database's table on PDF pages: needs fonts, so it runs among the window tests.
#include "editor/TablePrint.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;

// Each line: records and function columns like the locomotives' or the accessories', and the bounds
// of the page count. Read back as text, every address and name stands whole on its line.
TEST(TablePrint, PdfHoldsEveryAddressAndNameUnbrokenOnABoundedNumberOfPages)
{
    const struct {
        int records, functions, fewest, most;
    } rows[] = {{500, 29, 24, 60}, {2048, 2, 40, 70}, {0, 29, 1, 3}};
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QTemporaryDir dir;
    for (const auto& r : rows) {
        PrintTable table{QStringLiteral("Lokdaten"), QStringLiteral("12345"), QStringLiteral("07.12.2026"),
                         {QStringLiteral("Adresse"), QStringLiteral("Name")}, {}};
        for (int f = 0; f < r.functions; ++f)
            table.titles << QStringLiteral("f%1").arg(f);
        for (int i = 0; i < r.records; ++i)
            table.rows.push_back(QStringList{QString::number(9000 + i), QStringLiteral("Dampflok Baureihe %1").arg(i)}
                                 + QStringList(r.functions, QStringLiteral("128")));
        const QString path = dir.filePath(QStringLiteral("t%1.pdf").arg(r.records));
        int pages = 0;
        EXPECT_EQ(writeTablePdf(path, table, &pages), QString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), pages);
        EXPECT_TRUE(pages >= r.fewest && pages <= r.most) << r.records << ": " << pages;
        if (pdftotext.isEmpty())
            continue; // poppler-utils not installed: the text cannot be checked
        QProcess text;
        text.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(30000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(words.contains(QStringLiteral("Lokdaten - Zentrale 12345 - 07.12.2026")));
        EXPECT_TRUE(words.contains(QStringLiteral("Seite %1 von %1").arg(pages)));
        for (int i = 0; i < r.records; ++i)
            EXPECT_TRUE(words.contains(QRegularExpression(QStringLiteral("%1 +Dampflok Baureihe %2\\b").arg(9000 + i).arg(i))));
    }
}
