#include "shell/CsvTable.h"

#include "shell/Cp1252.h"
#include "shell/FileErrors.h"

#include <QDir>
#include <QFile>
#include <map>

namespace kx2 {

namespace {

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

QString quotedCell(const QString& cell)
{
    if (!cell.contains(QLatin1Char(';')) && !cell.contains(QLatin1Char('"')) && cell.trimmed() == cell)
        return cell;
    QString q = cell;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// The cells of one line; nullopt when a quote is left open.
std::optional<QStringList> splitLine(const QString& line)
{
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line[i + 1] == QLatin1Char('"'))
                cell += c, ++i;
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                cell += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(';')) {
            cells << cell;
            cell.clear();
        } else {
            cell += c;
        }
    }
    if (quoted)
        return std::nullopt;
    cells << cell;
    return cells;
}

QString lineError(int line, const QString& why)
{
    return QStringLiteral("Zeile %1: %2").arg(line).arg(why);
}

} // namespace

QByteArray WriteCsv(const CsvTable& table)
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

CsvImport ReadCsv(const CsvTable& table, const QByteArray& data)
{
    QByteArray bytes = data.startsWith(kBom) ? data.mid(kBom.size()) : data;
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        return {0, QStringLiteral("keine UTF-8-Datei")};
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.first().trimmed().isEmpty())
        return {0, lineError(1, QStringLiteral("die Kopfzeile fehlt"))};

    // Header cell index -> column of the table; -1 for the key.
    const std::optional<QStringList> header = splitLine(lines.first());
    if (!header)
        return {0, lineError(1, QStringLiteral("Anführungszeichen nicht geschlossen"))};
    std::vector<int> columnAt;
    int keyAt = -1;
    for (int i = 0; i < header->size(); ++i) {
        const QString title = (*header)[i].trimmed();
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
            return {0, lineError(1, QStringLiteral("unbekannte Spalte \"%1\"").arg(title))};
        columnAt.push_back(found);
    }
    if (keyAt < 0)
        return {0, lineError(1, QStringLiteral("die Spalte \"%1\" fehlt").arg(table.keyTitle))};

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
    for (int n = 1; n < lines.size(); ++n) {
        const int lineNo = n + 1;
        if (lines[n].trimmed().isEmpty())
            continue;
        const std::optional<QStringList> cells = splitLine(lines[n]);
        if (!cells)
            return {0, lineError(lineNo, QStringLiteral("Anführungszeichen nicht geschlossen"))};
        if (cells->size() != int(columnAt.size()))
            return {0, lineError(lineNo, QStringLiteral("%1 Felder statt %2").arg(cells->size()).arg(columnAt.size()))};
        const QString key = (*cells)[keyAt].trimmed();
        const std::optional<int> row = table.rowOf(key);
        if (!row)
            return {0, lineError(lineNo, QStringLiteral("%1 %2 ist nicht in der Tabelle").arg(table.keyTitle, key))};
        if (const auto [it, fresh] = seen.emplace(*row, lineNo); !fresh)
            return {0, lineError(lineNo, QStringLiteral("%1 %2 steht schon in Zeile %3").arg(table.keyTitle, key).arg(it->second))};
        for (int i = 0; i < cells->size(); ++i) {
            const int c = columnAt[size_t(i)];
            if (c < 0)
                continue;
            const CsvColumn& column = table.columns[size_t(c)];
            const QString& cell = (*cells)[i];
            if (cell == column.text(*row))
                continue;
            // A column without a check is written only: an edit there would be lost unsaid.
            if (!column.check)
                return {0, lineError(lineNo, QStringLiteral("%1: wird nicht eingelesen, nur %2 (\"%3\" statt \"%4\")")
                                                 .arg(column.title, readTitles.join(QStringLiteral(", ")), cell,
                                                      column.text(*row)))};
            if (const QString why = column.check(cell); !why.isEmpty())
                return {0, lineError(lineNo, QStringLiteral("%1: %2").arg(column.title, why))};
            changes.push_back({*row, c, cell});
        }
        if (table.checkRow) {
            const auto cellOf = [&](int column) {
                for (int i = 0; i < cells->size(); ++i)
                    if (columnAt[size_t(i)] == column)
                        return (*cells)[i];
                return table.columns[size_t(column)].text(*row);
            };
            if (const QString why = table.checkRow(cellOf); !why.isEmpty())
                return {0, lineError(lineNo, why)};
        }
    }
    std::map<int, bool> changed;
    for (const Change& ch : changes) {
        table.columns[size_t(ch.column)].apply(ch.row, ch.cell);
        changed[ch.row] = true;
    }
    return {int(changed.size()), QString()};
}

QString SaveCsvFile(const CsvTable& table, const QString& path)
{
    const QString why = SaveFileWhole(path, WriteCsv(table));
    return why.isEmpty() ? QString() : QDir::toNativeSeparators(path) + QChar(13) + why;
}

CsvImport LoadCsvFile(const CsvTable& table, const QString& path)
{
    // The file on a line of its own, then why it was not taken, as a failed save says it.
    const auto failed = [&path](const QString& why) {
        return CsvImport{0, QDir::toNativeSeparators(path) + QChar(13) + why};
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(FileErrorWords(path, file.errorString(), FileAccess::Read));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failed(FileErrorWords(path, file.errorString(), FileAccess::Read));
    const CsvImport taken = ReadCsv(table, data);
    return taken.ok() ? taken : failed(taken.error);
}

namespace csv {

QString checkNumber(const QString& cell, int first, int last, int* value)
{
    bool ok = false;
    const int v = cell.trimmed().toInt(&ok);
    if (!ok || v < first || v > last)
        return QStringLiteral("\"%1\" ist keine Zahl von %2 bis %3").arg(cell).arg(first).arg(last);
    if (value)
        *value = v;
    return {};
}

QString checkName(const QString& cell, int maxChars)
{
    if (cell.size() > maxChars)
        return QStringLiteral("\"%1\" ist länger als %2 Zeichen").arg(cell).arg(maxChars);
    for (const QChar c : cell)
        if (cp1252Code(c) < 32)
            return QStringLiteral("\"%1\": das Zeichen '%2' kann die Zentrale nicht speichern").arg(cell, QString(c));
    return {};
}

std::function<QString(const std::function<QString(int)>&)> checkNameLines(int first, int maxChars)
{
    return [first, maxChars](const std::function<QString(int)>& cellOf) {
        const int length = int(cellOf(first).size() + cellOf(first + 1).size());
        return length > maxChars ? QStringLiteral("die beiden Namenszeilen haben zusammen %1 Zeichen, Platz ist für %2")
                                       .arg(length)
                                       .arg(maxChars)
                                 : QString();
    };
}

} // namespace csv

} // namespace kx2
