// Each database's printout as the editors and "kx2ctl show --pdf" make it, read from the simulated
// station: needs fonts, so it runs among the window tests.
#include "app/StationDatabases.h"
#include "support/SimRig.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace kx2;

// Each line: the database, whether the whole range is printed, the pages, and what each record
// in use shows on its line of the text read back (the whole range is counted only), from a
// station with 60 locomotives, 40 accessories of 1..2048, 40 feedback contacts of 1..512, 6 routes.
TEST(TablePrint, EachDatabasePrintsItsRecordsInUseWholeOnFewPages)
{
    test::SimRig rig;
    rig.station.seedLocomotives(60), rig.station.seedAccessories(40), rig.station.seedFeedback(40), rig.station.seedRoutes(6);
    rig.ctx.accessoryRange = {1, 2048};
    rig.ctx.feedbackRange = {1, 512};
    for (const StationDatabase& db : stationDatabases())
        ASSERT_EQ(db.read(rig.ctx).result, 0) << db.word;
    const LocoTable& loco = rig.ctx.loco;
    const struct {
        const char* word;
        bool whole;
        int pages;
        std::function<QString(int n)> record; // the line of record n, counted from 0
        int records;
    } rows[] = {
        {"loco", false, 4, [&loco](int i) {
             return QStringLiteral("\\b%1 +\\S.* %2\\b").arg(loco.address(i)).arg(QRegularExpression::escape(loco.ReadLokname(i)));
         }, 60},
        {"acc", false, 1, [](int a) { return QStringLiteral("\\b%1 +\\S+ +Weiche %1 +Bf Süd").arg(a + 1); }, 40},
        {"acc", true, 19, nullptr, 0},
        {"fb", false, 1, [](int a) { return QStringLiteral("\\b%1 +Gleis %1 +Einfahrt").arg(a + 1); }, 40},
        {"fb", true, 5, nullptr, 0},
        {"routes", false, 1, [](int r) { return QStringLiteral("Fahrstraße %1\\b").arg(r + 1); }, 6},
        {"routes", true, 4, nullptr, 0},
    };
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QTemporaryDir dir;
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.word) + (r.whole ? " whole" : ""));
        const PrintTable table = findStationDatabase(QLatin1String(r.word))->print(rig.ctx, {QStringLiteral("12345"), {}}, r.whole);
        const QString path = dir.filePath(QStringLiteral("t.pdf"));
        int pages = 0;
        EXPECT_EQ(writeTablePdf(path, table, &pages), QString());
        EXPECT_EQ(pages, r.pages);
        if (pdftotext.isEmpty())
            continue; // poppler-utils not installed: the text cannot be checked
        QProcess text;
        text.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(30000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_EQ(words.count(QStringLiteral(" - Zentrale 12345 - ")), pages);
        EXPECT_TRUE(words.contains(QStringLiteral("Seite %1 von %1").arg(pages)));
        for (int i = 0; i < r.records; ++i)
            EXPECT_TRUE(words.contains(QRegularExpression(r.record(i)))) << r.record(i).toStdString();
    }
}
