#include "loco/FunctionKeywords.h"

#include "loco/LocoGridModel.h"
#include "shell/HelpText.h"
#include "shell/InputFile.h"
#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kx2 {

namespace {

QString folded(const QString& text)
{
    return text.simplified().toCaseFolded();
}

// `word` at `at` in `text` with no letter or digit touching it on either side.
bool standsAlone(const QString& text, qsizetype at, qsizetype length)
{
    const auto wordChar = [&text](qsizetype i) { return i >= 0 && i < text.size() && text[i].isLetterOrNumber(); };
    return !wordChar(at - 1) && !wordChar(at + length);
}

QStringList wordList(const QString& field)
{
    QStringList list;
    for (const QString& w : field.split(QLatin1Char(',')))
        if (!w.trimmed().isEmpty())
            list << w.simplified();
    return list;
}

} // namespace

void FunctionKeywords::add(int symbol, const QStringList& german, const QStringList& english)
{
    for (const QStringList* list : {&german, &english})
        for (const QString& w : *list)
            m_words.push_back({folded(w), symbol});
    if (!german.isEmpty())
        m_labels[0].emplace(symbol, german.first());
    if (!english.isEmpty())
        m_labels[1].emplace(symbol, english.first());
}

std::optional<int> FunctionKeywords::symbolOf(const QString& label) const
{
    const QString text = folded(label);
    if (text.isEmpty())
        return std::nullopt;
    const Word* best = nullptr;
    for (const Word& w : m_words) {
        if (w.folded == text)
            return w.symbol;
        if (best && w.folded.size() <= best->folded.size())
            continue;
        for (qsizetype at = text.indexOf(w.folded); at >= 0; at = text.indexOf(w.folded, at + 1))
            if (standsAlone(text, at, w.folded.size())) {
                best = &w;
                break;
            }
    }
    return best ? std::optional<int>(best->symbol) : std::nullopt;
}

QString FunctionKeywords::labelOf(int symbol, Language language) const
{
    const auto& labels = m_labels[language == Language::English ? 1 : 0];
    const auto it = labels.find(symbol);
    return it == labels.end() ? QString() : it->second;
}

FunctionKeywordsRead readFunctionKeywords(const QByteArray& bytes)
{
    FunctionKeywordsRead read;
    const QStringList lines = helpLines(bytes);
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(';'));
        bool number = false;
        const int symbol = fields[0].trimmed().toInt(&number);
        const auto refuse = [&](const QString& why) {
            read.error = QCoreApplication::translate("FunctionKeywords", "Zeile %1: %2").arg(n + 1).arg(why);
            read.table = {};
        };
        if (!number || !symbolHasPicture(symbol)) {
            refuse(QCoreApplication::translate("FunctionKeywords", "\"%1\" ist keine Symbolnummer von 1 bis %2")
                       .arg(fields[0].trimmed())
                       .arg(SymbolCount - 1));
            return read;
        }
        const QStringList german = fields.size() > 1 ? wordList(fields[1]) : QStringList();
        const QStringList english = fields.size() > 2 ? wordList(fields[2]) : QStringList();
        if (fields.size() > 3 || (german.isEmpty() && english.isEmpty())) {
            refuse(QCoreApplication::translate("FunctionKeywords",
                                               "erwartet: Nummer; deutsche Wörter; englische Wörter"));
            return read;
        }
        read.table.add(symbol, german, english);
    }
    return read;
}

FunctionKeywordsRead loadFunctionKeywords(const QString& konfBase, const QString& userFolder)
{
    const QString own = QFileInfo(FunctionKeywordsFile).fileName();
    QString path = userFolder.isEmpty() ? QString() : findInProgramFolder(userFolder, own);
    if (path.isEmpty())
        path = findInProgramFolder(konfBase, FunctionKeywordsFile);
    if (path.isEmpty())
        return {{},
                QCoreApplication::translate("FunctionKeywords", "Die Tabelle der Lokfunktionen %1 wurde nicht gefunden.")
                    .arg(FunctionKeywordsFile)};
    const InputFileBytes in = readInputFile(path);
    FunctionKeywordsRead read = in.ok() ? readFunctionKeywords(in.bytes) : FunctionKeywordsRead{{}, in.error};
    if (!read.ok())
        read.error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + read.error;
    return read;
}

} // namespace kx2
