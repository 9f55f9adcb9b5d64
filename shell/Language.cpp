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

std::optional<Language> languageFromCode(const QString& code)
{
    if (code.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0)
        return Language::German;
    if (code.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
        return Language::English;
    return std::nullopt;
}

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("de");
}

Language chooseLanguage(const QString& commandLine, const QString& userChoice, const QStringList& systemUiLanguages)
{
    if (const auto given = languageFromCode(commandLine))
        return *given;
    if (const auto chosen = languageFromCode(userChoice))
        return *chosen;
    // "en", "en-US", "en_GB"; the C locale names itself "C".
    if (!systemUiLanguages.isEmpty()) {
        const QString first = systemUiLanguages.first();
        if (first.size() >= 2 && languageFromCode(first.left(2)) == Language::English
            && (first.size() == 2 || first[2] == QLatin1Char('-') || first[2] == QLatin1Char('_')))
            return Language::English;
    }
    return Language::German;
}

QString storedLanguageChoice()
{
    return userStore()->value(LanguageKey).toString();
}

void storeLanguageChoice(const QString& code)
{
    const std::unique_ptr<QSettings> store = userStore();
    if (code.isEmpty())
        store->remove(LanguageKey);
    else
        store->setValue(LanguageKey, code);
}

Language languageInUse()
{
    return languageFromCode(QCoreApplication::translate("Language", "de")).value_or(Language::German);
}

QString worded(Wording wording, const char* context, const char* source)
{
    return wording == Wording::Shown ? QCoreApplication::translate(context, source) : QString::fromUtf8(source);
}

Language languageOfThisRun(const QString& commandLine)
{
    return chooseLanguage(commandLine, storedLanguageChoice(), QLocale::system().uiLanguages());
}

bool Translations::install(Language language, const QString& programFolder)
{
    const QString code = languageCode(language);
    if (m_qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    const QString file = findInProgramFolder(programFolder, QStringLiteral("konf/kx2tool_%1.qm").arg(code));
    if (file.isEmpty() || !m_program.load(file))
        // German without its counts' forms is still German.
        return language == Language::German;
    QCoreApplication::installTranslator(&m_program);
    return true;
}

} // namespace kx2
