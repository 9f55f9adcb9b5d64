#pragma once
#include "shell/Language.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace kx2 {

// Where the shipped table lives under the program folder; a user's own copy of the file
// (lokfunktionen.txt) in the folder of the settings file is read instead when it is there.
inline const QString FunctionKeywordsFile = QStringLiteral("konf/lokfunktionen.txt");

// Which words name which locomotive function symbol (1..79), in German and in English: how the
// labels of a locomotive list (JMRI's function labels, Rocrail's function texts) become the
// symbols of f0..f28, and how a symbol becomes a label again. The first word of each language is
// the symbol's label in that language.
class FunctionKeywords {
public:
    // The symbol a label names: a word of the table equal to the whole label (any case, blanks
    // collapsed), else the longest word that stands in the label as a word of its own ("Licht
    // vorne" -> "Licht"); nullopt when no word fits. A word listed twice names the symbol it
    // stands with first.
    std::optional<int> symbolOf(const QString& label) const;
    // The symbol's first word in `language`; "" when the table has none.
    QString labelOf(int symbol, Language language) const;
    bool empty() const { return m_words.empty(); }

    // One line of the table: "2; Licht allgemein, Beleuchtung; General light, Lighting".
    void add(int symbol, const QStringList& german, const QStringList& english);

private:
    struct Word {
        QString folded;
        int symbol;
    };
    std::vector<Word> m_words; // in file order
    std::map<int, QString> m_labels[2]; // German, English
};

struct FunctionKeywordsRead {
    FunctionKeywords table;
    QString error; // "Zeile 7: ..." in German; "" when read
    bool ok() const { return error.isEmpty(); }
};

// The table's text (UTF-8, or cp1252 as an editor on Windows may save it): one line per symbol,
// "number; German words; English words", the words separated by commas; lines starting with '#'
// and empty lines say nothing. A symbol outside 1..79 or a line without words is refused.
FunctionKeywordsRead readFunctionKeywords(const QByteArray& bytes);

// The user's copy in `userFolder` when there is one, else FunctionKeywordsFile under `konfBase`.
// An error names the file.
FunctionKeywordsRead loadFunctionKeywords(const QString& konfBase, const QString& userFolder);

} // namespace kx2
