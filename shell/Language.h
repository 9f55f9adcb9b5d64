#pragma once
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <optional>

namespace kx2 {

// The language of every text a person reads. The texts in the code are German; English comes
// from the translation konf/kx2tool_en.qm. Data (display texts, names, files) stays German.
enum class Language { German, English };

// "de" or "en" (any case); nothing for anything else, the empty text included.
std::optional<Language> languageFromCode(const QString& code);
QString languageCode(Language language);

// The language of a run: the command line's --lang, else the user's own choice, else English when
// the system's first interface language is English, else German (a system without a language,
// the C locale, stays German). An empty or unknown command line or choice counts as not given.
Language chooseLanguage(const QString& commandLine, const QString& userChoice, const QStringList& systemUiLanguages);

// The user's own choice, kept per user beside the remembered places (not in the settings file):
// "de", "en" or "" for the system's language.
QString storedLanguageChoice();
void storeLanguageChoice(const QString& code);

// The language the installed translation speaks: its English names itself "en".
Language languageInUse();

// The words of a text the program makes of a number (a data format's name, a route entry): the
// station's own German, as its files, CSV tables and display keep them, or the language in use,
// for windows, printouts and the terminal.
enum class Wording { Station, Shown };
// `source`, a German text marked for translation in `context`, in that wording.
QString worded(Wording wording, const char* context, const char* source);

// chooseLanguage with the stored choice and the system's interface languages.
Language languageOfThisRun(const QString& commandLine);

// The translators of a run: the program's own and Qt's (its file dialog, standard buttons and
// context menus). Lives as long as the application.
class Translations {
public:
    // Installs the translations of `language` into the application: ours from konf/ under
    // `programFolder` (German only for the singular and plural of texts with a count), Qt's own
    // from Qt's translations folder ("qtbase_de", "qtbase_en"). Returns false when the English
    // is not found (the texts stay German; without the German file a count stays in the plural).
    bool install(Language language, const QString& programFolder);

private:
    QTranslator m_program;
    QTranslator m_qt;
};

} // namespace kx2
