#include "shell/Language.h"
#include "support/MarkingTranslator.h"
#include "support/SimRig.h"

#include "loco/LocoTable.h"

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

} // namespace kx2
