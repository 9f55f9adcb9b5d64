#include "shell/Language.h"

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
        EXPECT_EQ(ChooseLanguage(QString::fromLatin1(c.commandLine), QString::fromLatin1(c.userChoice), c.system),
                  c.expected)
            << c.commandLine << " / " << c.userChoice << " / " << c.system.join(QLatin1Char(',')).toStdString();
}

} // namespace
} // namespace kx2
