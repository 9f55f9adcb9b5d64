#include "shell/RememberedPlaces.h"
#include "shell/RememberingFileDialog.h"
#include "support/FakeFileDialog.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;

// Each line: a remembered place and where it opens on one 1920x1040 screen (and a second one
// right of it): kept while its title bar can be taken, else centred and no larger than the screen.
TEST(RememberedPlaces, APlaceOffEveryScreenComesBackOntoTheFirst)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)};
    const struct {
        QRect place, opened;
    } rows[] = {
        {QRect(100, 80, 800, 600), QRect(100, 80, 800, 600)},
        {QRect(2500, 100, 600, 400), QRect(2500, 100, 600, 400)},
        {QRect(3090, 100, 600, 400), QRect(3090, 100, 600, 400)},
        {QRect(3190, 100, 600, 400), QRect(660, 320, 600, 400)},
        {QRect(5000, 100, 600, 400), QRect(660, 320, 600, 400)},
        {QRect(100, -200, 600, 400), QRect(660, 320, 600, 400)},
        {QRect(-4000, 0, 2500, 1200), QRect(0, 0, 1920, 1040)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(keptOnScreen(row.place, screens), row.opened) << row.place.x();
}

// Each line: the window in front, the filter asked with and the name offered; the folder chosen
// last for that kind (else the data folder) replaces the offered folder, and every choice is kept:
// the ISD files of each window apart, CSV and PDF across all windows.
TEST(RememberedPlaces, FileDialogsOpenInTheLastFolderOfTheirKind)
{
    QTemporaryDir dir;
    for (const char* sub : {"lok", "mag", "csv"})
        QDir(dir.path()).mkpath(QString::fromLatin1(sub));
    const QString d = dir.path() + QLatin1Char('/');
    RememberedPlaces places(dir.filePath(QStringLiteral("orte.ini")));
    FakeFileDialog shown;
    RememberingFileDialog files(shown, places, d + QStringLiteral("daten"));
    const QString isd = QStringLiteral("KX2 Datenflash (*.ISD)|*.ISD|");
    const QString csv = QStringLiteral("CSV-Datei (*.csv)|*.csv|");
    const struct {
        const char* window;
        const QString& filter;
        const char* offered;
        QString initial, chosen;
    } rows[] = {
        {"LokdatenFrm", isd, "/p/alt.ISD", d + QStringLiteral("daten/alt.ISD"), d + QStringLiteral("lok/a.ISD")},
        {"LokdatenFrm", isd, "/p/alt.ISD", d + QStringLiteral("lok/alt.ISD"), QString()},
        {"MagDatenFrm", isd, "", d + QStringLiteral("daten/"), d + QStringLiteral("mag/m.ISD")},
        {"MagDatenFrm", isd, "", d + QStringLiteral("mag/"), QString()},
        {"LokdatenFrm", csv, "", d + QStringLiteral("daten/"), d + QStringLiteral("csv/t.csv")},
        {"RMDatenFrm", csv, "t.csv", d + QStringLiteral("csv/t.csv"), QString()},
        {"LokdatenFrm", isd, "", d + QStringLiteral("lok/"), QString()},
    };
    for (const auto& row : rows) {
        files.setWindow(QString::fromLatin1(row.window));
        shown.chooseNext(row.chosen);
        EXPECT_EQ(files.openFileName(QStringLiteral("t"), QString::fromLatin1(row.offered), row.filter), row.chosen);
        EXPECT_EQ(shown.calls.back().initialName, row.initial) << row.window;
    }
}
