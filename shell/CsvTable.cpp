#include "shell/CsvTable.h"

#include "shell/Cp1252.h"
#include "shell/ExactNumber.h"
#include "shell/InputFile.h"
#include "shell/ShownCell.h"

#include <QDir>
#include <algorithm>
#include <map>
#include <QCoreApplication>

namespace kx2 {

namespace {

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");
// What separates the two name lines of a name area in the record bytes.
constexpr char16_t NameSeparator = 13;

QString quotedCell(const QString& cell)
{
    const bool plain = !cell.contains(QLatin1Char(';')) && !cell.contains(QLatin1Char('"'))
                       && !cell.contains(QLatin1Char('\r')) && !cell.contains(QLatin1Char('\n')) && cell.trimmed() == cell;
    if (plain)
        return cell;
    QString q = cell;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// One row of the file and the line it starts on; a quoted cell may hold line ends, so the next
// row can start several lines further on.
struct CsvRow {
    int line;
    QStringList cells;
    bool blank() const { return cells.size() == 1 && cells.first().trimmed().isEmpty(); }
};

// The rows of a text, each line end (CRLF, LF or CR) outside quotes ending one. Inside quotes
// everything is the cell's, line ends as they are; "" is one quote. openQuoteLine: the line of the
// row whose quote is never closed, 0 when none is.
std::vector<CsvRow> splitRows(const QString& text, int& openQuoteLine)
{
    std::vector<CsvRow> rows;
    int line = 1;
    CsvRow row{1, {}};
    QString cell;
    bool quoted = false;
    const auto next = [&text](qsizetype i) { return i + 1 < text.size() ? text[i + 1] : QChar(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool lineEnd = c == QLatin1Char('\n') || (c == QLatin1Char('\r') && next(i) != QLatin1Char('\n'));
        if (quoted) {
            if (c == QLatin1Char('"') && next(i) == QLatin1Char('"'))
                cell += c, ++i;
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                cell += c;
            line += lineEnd ? 1 : 0;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(';')) {
            row.cells << cell;
            cell.clear();
        } else if (lineEnd) {
            row.cells << cell;
            cell.clear();
            rows.push_back(row);
            row = {++line, {}};
        } else if (c != QLatin1Char('\r')) {
            cell += c;
        }
    }
    openQuoteLine = quoted ? row.line : 0;
    if (!row.cells.isEmpty() || !cell.isEmpty()) {
        row.cells << cell;
        rows.push_back(row);
    }
    return rows;
}

QString lineError(int line, const QString& why)
{
    return QCoreApplication::translate("CsvTable", "Zeile %1: %2").arg(line).arg(why);
}

} // namespace

QByteArray writeCsv(const CsvTable& table)
{
    QStringList header{table.keyTitle};
    for (const CsvColumn& c : table.columns)
        header << quotedCell(c.title);
    QString text = header.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    for (int row : table.rows) {
        QStringList cells{quotedCell(table.key(row))};
        for (const CsvColumn& c : table.columns)
            cells << quotedCell(c.text(row));
        text += cells.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return kBom + text.toUtf8();
}

namespace {
// The file keeps the German titles whatever the language; a table whose header someone wrote in
// English is read as well. Any case, "f0".."f28" and numbers are the same in both.
QString germanTitle(const QString& title)
{
    static const struct {
        const char* english;
        const char* german;
    } titles[] = {
        {"address", "Adresse"},
        {"name", "Name"},
        {"name line1", "Name Zeile1"},
        {"name line2", "Name Zeile2"},
        {"symbol", "Symbol"},
        {"data format", "Datenformat"},
        {"maximum speed", "Höchstgeschwindigkeit"},
        {"route", "Fahrstraße"},
        {"route start", "FS-Start"},
    };
    const QString lower = title.toLower();
    for (const auto& t : titles)
        if (lower == QLatin1String(t.english))
            return QString::fromUtf8(t.german);
    if (lower.startsWith(QLatin1String("command ")))
        return QStringLiteral("Befehl ") + title.mid(8);
    return title;
}
} // namespace

CsvImport readCsv(const CsvTable& table, const QByteArray& data)
{
    const QString text = QString::fromUtf8(data.startsWith(kBom) ? data.mid(kBom.size()) : data);
    if (text.contains(QChar::ReplacementCharacter))
        return {0, QCoreApplication::translate("CsvTable", "keine UTF-8-Datei")};
    int openQuoteLine = 0;
    const std::vector<CsvRow> rows = splitRows(text, openQuoteLine);
    if (openQuoteLine > 0)
        return {
            0,
            lineError(openQuoteLine, QCoreApplication::translate("CsvTable", "Anführungszeichen nicht geschlossen"))};
    if (rows.empty() || rows.front().blank())
        return {0, lineError(1, QCoreApplication::translate("CsvTable", "die Kopfzeile fehlt"))};

    // Header cell index -> column of the table; -1 for the key.
    const QStringList& header = rows.front().cells;
    std::vector<int> columnAt;
    int keyAt = -1;
    for (int i = 0; i < header.size(); ++i) {
        const QString title = germanTitle(header[i].trimmed());
        if (title == table.keyTitle) {
            keyAt = i;
            columnAt.push_back(-1);
            continue;
        }
        int found = -2;
        for (size_t c = 0; c < table.columns.size(); ++c)
            if (table.columns[c].title == title)
                found = int(c);
        if (found == -2)
            return {0, lineError(1, QCoreApplication::translate("CsvTable", "unbekannte Spalte \"%1\"").arg(shownCell(title)))};
        columnAt.push_back(found);
    }
    if (keyAt < 0)
        return {0,
                lineError(1, QCoreApplication::translate("CsvTable", "die Spalte \"%1\" fehlt").arg(table.keyTitle))};

    QStringList readTitles;
    for (const CsvColumn& c : table.columns)
        if (c.check)
            readTitles << c.title;

    struct Change {
        int row;
        int column;
        QString cell;
    };
    std::vector<Change> changes;
    std::map<int, int> seen; // record -> line that named it
    for (size_t n = 1; n < rows.size(); ++n) {
        const int lineNo = rows[n].line;
        if (rows[n].blank())
            continue;
        const QStringList& cells = rows[n].cells;
        if (cells.size() != int(columnAt.size()))
            return {0,
                    lineError(lineNo,
                              QCoreApplication::translate("CsvTable", "%n Felder statt %1", nullptr,
                                                          int(cells.size()))
                                  .arg(columnAt.size()))};
        const QString key = cells[keyAt].trimmed();
        const std::optional<int> row = table.rowOf(key);
        if (!row)
            return {0,
                    lineError(lineNo,
                              QCoreApplication::translate("CsvTable", "%1 %2 ist nicht in der Tabelle")
                                  .arg(table.keyTitle, shownCell(key)))};
        if (const auto [it, fresh] = seen.emplace(*row, lineNo); !fresh)
            return {0,
                    lineError(lineNo,
                              QCoreApplication::translate("CsvTable", "%1 %2 steht schon in Zeile %3")
                                  .arg(table.keyTitle, shownCell(key))
                                  .arg(it->second))};
        for (int i = 0; i < cells.size(); ++i) {
            const int c = columnAt[size_t(i)];
            if (c < 0)
                continue;
            const CsvColumn& column = table.columns[size_t(c)];
            const QString& cell = cells[i];
            if (cell == column.text(*row))
                continue;
            // A column without a check is written only: an edit there would be lost unsaid.
            if (!column.check)
                return {
                    0,
                    lineError(lineNo,
                              QCoreApplication::translate("CsvTable",
                                                          "%1: wird nicht eingelesen, nur %2 (\"%3\" statt \"%4\")")
                                  .arg(column.title, readTitles.join(QStringLiteral(", ")), shownCell(cell),
                                       shownCell(column.text(*row))))};
            if (const QString why = column.check(cell); !why.isEmpty())
                return {0, lineError(lineNo, QStringLiteral("%1: %2").arg(column.title, why))};
            changes.push_back({*row, c, cell});
        }
        if (table.checkRow) {
            const auto cellOf = [&](int column) {
                for (int i = 0; i < cells.size(); ++i)
                    if (columnAt[size_t(i)] == column)
                        return cells[i];
                return table.columns[size_t(column)].text(*row);
            };
            if (const QString why = table.checkRow(cellOf); !why.isEmpty())
                return {0, lineError(lineNo, why)};
        }
    }
    // In the table's column order, whatever the file's: the first name line is stored before the
    // second, so that the second is never cut to the room the first's old text left it.
    std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) { return a.column < b.column; });
    std::map<int, bool> changed;
    for (const Change& ch : changes) {
        table.columns[size_t(ch.column)].apply(ch.row, ch.cell);
        changed[ch.row] = true;
    }
    return {int(changed.size()), QString()};
}

CsvImport loadCsvFile(const CsvTable& table, const QString& path)
{
    // The file on a line of its own, then why it was not taken, as a failed save says it.
    const auto failed = [&path](const QString& why) {
        return CsvImport{0, QDir::toNativeSeparators(path) + QChar(13) + why};
    };
    const InputFileBytes in = readInputFile(path);
    if (!in.ok())
        return failed(in.error);
    const CsvImport taken = readCsv(table, in.bytes);
    return taken.ok() ? taken : failed(taken.error);
}

namespace csv {

QString checkNumber(const QString& cell, int first, int last, int* value)
{
    const std::optional<long long> v = wholeNumber(cell);
    if (!v || *v < first || *v > last)
        return QCoreApplication::translate("CsvTable", "\"%1\" ist keine Zahl von %2 bis %3")
            .arg(shownCell(cell))
            .arg(first)
            .arg(last);
    if (value)
        *value = int(*v);
    return {};
}

QString checkName(const QString& cell, int maxChars)
{
    if (cell.size() > maxChars)
        return QCoreApplication::translate("CsvTable", "\"%1\" ist länger als %2 Zeichen").arg(shownCell(cell)).arg(maxChars);
    // Only what comes back from the record bytes as it went in: control characters a record
    // holds (line ends read from the station) do; a 0 would end the name, a character cp1252
    // lacks would become '?'.
    for (const QChar c : cell)
        if (c.unicode() == 0 || cp1252Char(uchar(toCp1252(QString(c)).at(0))) != c)
            return QCoreApplication::translate("CsvTable", "\"%1\": das Zeichen '%2' kann die Zentrale nicht speichern")
                .arg(shownCell(cell), QString(c));
    return {};
}

std::function<QString(const std::function<QString(int)>&)> checkNameLines(int first, int maxChars)
{
    return [first, maxChars](const std::function<QString(int)>& cellOf) {
        // A 13 ends line 1 and starts line 2: inside a line it would move the rest of it.
        if (cellOf(first).contains(QChar(NameSeparator)) || cellOf(first + 1).contains(QChar(NameSeparator)))
            return QCoreApplication::translate(
                "CsvTable", "ein Zeilenumbruch (CR) trennt die beiden Namenszeilen und kann in keiner stehen");
        const int length = int(cellOf(first).size() + cellOf(first + 1).size());
        return length > maxChars
            ? QCoreApplication::translate("CsvTable",
                                          "die beiden Namenszeilen haben zusammen %1 Zeichen, Platz ist für %2")
                  .arg(length)
                  .arg(maxChars)
            : QString();
    };
}

} // namespace csv

} // namespace kx2
