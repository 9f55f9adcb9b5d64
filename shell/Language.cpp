#include "shell/Language.h"

#include "shell/ProgramFolder.h"
#include "shell/RememberedPlaces.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>

namespace kx2 {

namespace {
const QString LanguageKey = QStringLiteral("Sprache");
} // namespace

std::optional<Language> LanguageFromCode(const QString& code)
{
    if (code.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0)
        return Language::German;
    if (code.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
        return Language::English;
    return std::nullopt;
}

QString LanguageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("de");
}

Language ChooseLanguage(const QString& commandLine, const QString& userChoice, const QStringList& systemUiLanguages)
{
    if (const auto given = LanguageFromCode(commandLine))
        return *given;
    if (const auto chosen = LanguageFromCode(userChoice))
        return *chosen;
    // "en", "en-US", "en_GB"; the C locale names itself "C".
    if (!systemUiLanguages.isEmpty()) {
        const QString first = systemUiLanguages.first();
        if (first.size() >= 2 && LanguageFromCode(first.left(2)) == Language::English
            && (first.size() == 2 || first[2] == QLatin1Char('-') || first[2] == QLatin1Char('_')))
            return Language::English;
    }
    return Language::German;
}

QString StoredLanguageChoice()
{
    return UserStore()->value(LanguageKey).toString();
}

void StoreLanguageChoice(const QString& code)
{
    const std::unique_ptr<QSettings> store = UserStore();
    if (code.isEmpty())
        store->remove(LanguageKey);
    else
        store->setValue(LanguageKey, code);
}

Language LanguageInUse()
{
    return LanguageFromCode(QCoreApplication::translate("Language", "de")).value_or(Language::German);
}

Language LanguageOfThisRun(const QString& commandLine)
{
    return ChooseLanguage(commandLine, StoredLanguageChoice(), QLocale::system().uiLanguages());
}

bool Translations::install(Language language, const QString& programFolder)
{
    const QString code = LanguageCode(language);
    if (m_qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    if (language == Language::German)
        return true;
    const QString file = findInProgramFolder(programFolder, QStringLiteral("konf/kx2tool_%1.qm").arg(code));
    if (file.isEmpty() || !m_program.load(file))
        return false;
    QCoreApplication::installTranslator(&m_program);
    return true;
}

} // namespace kx2
