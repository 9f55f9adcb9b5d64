#include "shell/Language.h"
#include "support/MarkingTranslator.h"
#include "support/SimRig.h"

#include "loco/LocoCsv.h"
#include "loco/LocoFiles.h"
#include "loco/LocoTable.h"
#include "routes/RouteCommand.h"
#include "routes/RouteCsv.h"
#include "routes/RouteFiles.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace kx2 {
namespace {

TEST(LanguageChoice, CommandLineBeforeTheUsersChoiceBeforeTheSystem)
{
    const struct {
        const char* commandLine;
        const char* userChoice;
        QStringList system;
        Language expected;
    } cases[] = {
        {"", "", {"C"}, Language::German},
        {"", "", {}, Language::German},
        {"", "", {"de-DE", "de"}, Language::German},
        {"", "", {"fr-FR", "en-US"}, Language::German},
        {"", "", {"en-US", "en"}, Language::English},
        {"", "", {"en"}, Language::English},
        {"", "", {"en_GB"}, Language::English},
        {"", "", {"eng"}, Language::German},
        {"", "en", {"C"}, Language::English},
        {"", "de", {"en-US"}, Language::German},
        {"", "fr", {"en-US"}, Language::English},
        {"en", "", {"C"}, Language::English},
        {"EN", "de", {"de-DE"}, Language::English},
        {"de", "en", {"en-US"}, Language::German},
        {"xx", "", {"en-US"}, Language::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseLanguage(QString::fromLatin1(c.commandLine), QString::fromLatin1(c.userChoice), c.system),
                  c.expected)
            << c.commandLine << " / " << c.userChoice << " / " << c.system.join(QLatin1Char(',')).toStdString();
}

} // namespace
} // namespace kx2

namespace kx2 {

// Whatever the windows speak, what goes to the command station stays the station's German: its
// display during a transfer and the record bytes.
TEST(LanguageData, TheStationsDisplayStaysGerman)
{
    test::MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    test::SimRig rig;
    rig.station.seedLocomotives(2);
    QStringList shown;
    rig.bus.setMonitor([&rig, &shown](const QByteArray&) {
        if (!rig.station.displayText().isEmpty() && !shown.contains(rig.station.displayText()))
            shown << rig.station.displayText();
    });
    EXPECT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    QCoreApplication::removeTranslator(&marking);
    EXPECT_EQ(shown, QStringList{QStringLiteral("Datenbank lesen")});
}

// A count takes the singular or the plural of the language in use, from the build's konf/.
TEST(LanguageData, CountsSpeakInSingularAndPlural)
{
    const QString folder = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral(".."));
    const struct {
        Language language;
        int n;
        const char* records;
    } cases[] = {{Language::German, 1, "1 Lokomotive"}, {Language::German, 0, "0 Lokomotiven"},
                 {Language::English, 1, "1 locomotive"}, {Language::English, 2, "2 locomotives"}};
    for (const auto& c : cases) {
        Translations translations;
        ASSERT_TRUE(translations.install(c.language, folder));
        EXPECT_EQ(LocoTable::Subject.countedText(c.n), QString::fromUtf8(c.records));
    }
}

// Each line: a route entry (code; start entry 1, command 0) or a locomotive data format (-1), its German and English
// text. Windows show the language in use, a format's text finds its option; CSV and files stay German.
TEST(LanguageData, NumbersReadInTheLanguageInUseFilesStayGerman)
{
    const QString folder = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral(".."));
    RouteTables routes;
    routes.RouteData[3] = {0, 1239, 51, 644, 10254, 85};
    LocoTable loco;
    LocoFormatTables formats;
    int loaded = 1;
    LocoData data{loco, formats, loaded};
    loco.createRecord(0, 3, QStringLiteral("V 200"));
    loco.set(0, LocoTable::FormatCode, 64);
    const struct { int code; int start; const char* german; const char* english; } rows[] = {
        {0, 1, "leer", "empty"}, {8, 1, "angehängt", "appended"}, {9, 1, "Autostart", "Autostart"}, {50003, 0, "Lok 3", "Loco 3"},
        {1239, 1, "RM.Adr.123belegt", "Cont.123 occ."}, {2028, 1, "RM.Adr.202frei", "Cont.202 free"}, {0, 0, "-", "-"},
        {51, 0, "Mag.Art.5grün", "Acc.5 green"}, {120, 0, "Mag.Art.12rot", "Acc.12 red"}, {85, 0, "Pause 4s", "Pause 4 s"},
        {2022, 0, "RM.Adr.202frei", "Cont.202 free"}, {53, 0, "RM.Adr.5belegt", "Cont.5 occ."}, {4, 0, "Lok Halt", "Loco stop"},
        {1237, 0, "UnterFS:3", "Sub-route 3"}, {644, 0, "Geschw.50%", "Speed 50%"}, {14, 0, "Lok Nothalt", "Loco E-stop"},
        {10244, 0, "Fahrtr.vorw.", "Dir. forward"}, {10254, 0, "Fahrtr.rückw.", "Dir. reverse"}, {20644, 0, "Fkt. f0 ", "Fn. f0 "},
        {10264, 0, "Fahrtr.wenden", "Dir. turn"}, {30874, 0, "Fkt. f5 f6 f7 f8 ", "Fn. f5 f6 f7 f8 "},
        {20484, 0, "Fkt. aus (F0-4)", "Fn. off (F0-4)"}, {30724, 0, "Fkt. aus (F5-8)", "Fn. off (F5-8)"},
        {64, -1, "Motorola alt", "Motorola old"}, {65, -1, "Motorola neu", "Motorola new"}, {80, -1, "DCC 14", "DCC 14"},
        {82, -1, "DCC 28", "DCC 28"}, {83, -1, "DCC 128", "DCC 128"}, {72, -1, "Selectrix", "Selectrix"}};
    QByteArray files[2];
    for (const Language language : {Language::German, Language::English}) {
        Translations translations;
        ASSERT_TRUE(translations.install(language, folder));
        for (const auto& r : rows) {
            const auto text = [&](Wording w) { return r.start < 0 ? FormatCodeToText(r.code, w) : routeEntryText(routes, r.code, r.start == 1, w); };
            EXPECT_EQ(text(Wording::Shown), QString::fromUtf8(language == Language::English ? r.english : r.german));
            EXPECT_EQ(text(Wording::Station), QString::fromUtf8(r.german));
            const std::optional<int> option = FormatTextToIndex(text(Wording::Shown));
            EXPECT_TRUE(r.start >= 0 || (option && kLocoFormats[size_t(*option)].code == r.code)) << r.german;
        }
        files[int(language)] = writeCsv(locoCsv(data)) + writeCsv(routeCsv(routes)) + locoTableFile(loco, {}).data() + routeTableFile(routes, {}).data();
    }
    EXPECT_EQ(QString::fromLatin1(files[1]).toStdString(), QString::fromLatin1(files[0]).toStdString());
}

} // namespace kx2
