#include "records/IsdFile.h"

#include "shell/Cp1252.h"
#include "shell/FileErrors.h"
#include "shell/InputFile.h"
#include "shell/ShownCell.h"
#include "shell/UserDialogs.h"

#include <QDir>
#include <QSaveFile>
#include <limits>
#include <QCoreApplication>

namespace kx2 {

QString isdWrongFormatDetail(const QString& expected, const QString& found)
{
    return QCoreApplication::translate("IsdFile", "Erwartet: \"%1\", gefunden: \"%2\"").arg(expected, shownCell(found));
}

QString isdFileLine(const QString& path)
{
    return QCoreApplication::translate("IsdFile", "Datei: ") + QDir::toNativeSeparators(path);
}

void showIsdError(UserDialogs& dialogs, IsdError error, const QString& detail, const QString& path)
{
    switch (error) {
    case IsdError::None:
        return;
    case IsdError::WrongHeader:
        // A second line says which kind of file was wanted and which one was chosen.
        dialogs.messageBox(detail.isEmpty() ? isdWrongFormatText() : isdWrongFormatText() + QChar(13) + detail,
                           MsgButtons::Ok, MsgIcon::Critical, isdErrorTitle());
        return;
    case IsdError::Open:
    case IsdError::Read:
        // Where and why, so that the file can be mended.
    {
        QString text = isdOpenErrorText();
        if (!detail.isEmpty())
            text += QChar(13) + detail;
        if (!path.isEmpty())
            text += QChar(13) + isdFileLine(path);
        dialogs.messageBox(text, MsgButtons::Ok, MsgIcon::Critical, isdErrorTitle());
    }
        return;
    }
}

// --- writing ---

IsdWriter::IsdWriter(const QString& header)
{
    m_data.reserve(256 * 1024);
    writeText(header);
}

void IsdWriter::line(const QByteArray& bytes)
{
    m_data.append(bytes);
    m_data.append("\r\n", 2);
    ++m_lines;
}

void IsdWriter::writeCell(std::optional<int> value)
{
    if (value)
        writeNumber(*value);
    else
        writeEmpty();
}

void IsdWriter::writeNumber(long long value)
{
    line(QByteArray::number(value));
}

void IsdWriter::writeText(const QString& text)
{
    // The file form has no escape for a double quote inside a text; it would end the text
    // early when read back, so it is stored as an apostrophe.
    QString t = text;
    t.replace(QLatin1Char('"'), QLatin1Char('\''));
    line('"' + toCp1252(t) + '"');
}

void IsdWriter::writeEmpty()
{
    line(QByteArray());
}

QString IsdWriter::checkWritable(const QString& path)
{
    // The same way saveTo goes, stopped before anything replaces the file.
    if (QString refused = saveTargetRefusal(path); !refused.isEmpty())
        return saveFailureText(path, refused);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailureText(path, fileErrorWords(path, failureOf(file), FileAccess::Write));
    file.cancelWriting();
    return QString();
}

QString IsdWriter::saveTo(const QString& path) const
{
    const QString why = saveFileWhole(path, m_data);
    return why.isEmpty() ? QString() : saveFailureText(path, why);
}

// --- reading ---

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArray trimBlanks(const QByteArray& line)
{
    int b = 0;
    int e = int(line.size());
    while (b < e && isBlank(line[b]))
        ++b;
    while (e > b && isBlank(line[e - 1]))
        --e;
    return line.mid(b, e - b);
}

QString textOf(const QByteArray& line)
{
    const QByteArray t = trimBlanks(line);
    if (t.startsWith('"')) {
        const int close = int(t.indexOf('"', 1));
        return fromCp1252(close < 0 ? t.mid(1) : t.mid(1, close - 1));
    }
    return fromCp1252(t);
}

} // namespace

IsdError IsdReader::open(const QString& path)
{
    InputFileBytes in = readInputFile(path);
    if (!in.ok()) {
        m_error = IsdError::Open;
        m_detail = in.error;
        return m_error;
    }
    m_bytes = std::move(in.bytes);
    // A file saved as UTF-8 by an editor: its mark would only be echoed as "ï»¿" in the message,
    // and every character beyond ASCII would read wrongly.
    if (m_bytes.startsWith(QByteArrayLiteral("\xEF\xBB\xBF"))) {
        m_error = IsdError::Open;
        m_detail = QCoreApplication::translate(
            "IsdFile",
            "Die Datei beginnt mit einer UTF-8-Kennung (BOM); erwartet wird eine ISD-Datei in "
            "Windows-Zeichen (cp1252)");
        return m_error;
    }
    QByteArray first;
    if (!nextLine(first)) {
        // An empty file cannot even be told apart by its header.
        m_error = IsdError::Open;
        m_detail = QCoreApplication::translate("IsdFile", "die Datei ist leer");
        return m_error;
    }
    m_header = textOf(first);
    return m_error;
}

IsdError IsdReader::open(const QString& path, const QString& expectedHeader)
{
    if (open(path) != IsdError::None)
        return m_error;
    if (m_header != expectedHeader) {
        m_error = IsdError::WrongHeader;
        m_detail = isdWrongFormatDetail(expectedHeader, m_header);
    }
    return m_error;
}

bool IsdReader::nextLine(QByteArray& line)
{
    while (m_pending.empty()) {
        if (m_at >= m_bytes.size())
            return false;
        qsizetype end = m_bytes.indexOf('\n', m_at);
        if (end < 0)
            end = m_bytes.size();
        const QByteArray raw = m_bytes.mid(m_at, end - m_at);
        m_at = end + 1;
        // A CR ends a line of its own unless an LF follows it; the piece after a CR that ends
        // the raw line is no line.
        QList<QByteArray> parts = raw.split('\r');
        if (raw.endsWith('\r'))
            parts.removeLast();
        for (QByteArray& p : parts)
            m_pending.push_back(std::move(p));
    }
    line = std::move(m_pending.front());
    m_pending.pop_front();
    ++m_lineNo;
    return true;
}

void IsdReader::failAt(const QString& reason)
{
    m_error = IsdError::Read;
    m_detail = QCoreApplication::translate("IsdFile", "Zeile %1: %2").arg(m_lineNo).arg(reason);
}

void IsdReader::fail(const QString& detail, int line)
{
    m_error = IsdError::Read;
    m_detail = QCoreApplication::translate("IsdFile", "Zeile %1: %2").arg(line > 0 ? line : m_lineNo).arg(detail);
}

bool IsdReader::cellLine(QByteArray& line)
{
    if (m_error != IsdError::None)
        return false;
    if (nextLine(line))
        return true;
    m_error = IsdError::Read;
    m_detail = QCoreApplication::translate("IsdFile", "Datei endet nach Zeile %1").arg(m_lineNo);
    return false;
}

bool IsdReader::readCell(std::optional<int>& value)
{
    QByteArray line;
    if (!cellLine(line))
        return false;
    const QByteArray t = trimBlanks(line);
    if (t.isEmpty()) {
        value.reset();
        return true;
    }
    int i = 0;
    const bool negative = t[0] == '-';
    if (negative)
        ++i;
    if (i == int(t.size())) {
        failAt(QCoreApplication::translate("IsdFile", "keine Zahl"));
        return false;
    }
    long long v = 0;
    for (; i < int(t.size()); ++i) {
        const char c = t[i];
        if (c < '0' || c > '9') {
            failAt(QCoreApplication::translate("IsdFile", "keine Zahl"));
            return false;
        }
        v = v * 10 + (c - '0');
        if (v > (long long)std::numeric_limits<int>::max() + 1) {
            failAt(QCoreApplication::translate("IsdFile", "Zahl zu groß"));
            return false;
        }
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) {
        failAt(QCoreApplication::translate("IsdFile", "Zahl zu groß"));
        return false;
    }
    value = int(v);
    return true;
}

bool IsdReader::readText(QString& text)
{
    QByteArray line;
    if (!cellLine(line))
        return false;
    text = textOf(line);
    return true;
}

} // namespace kx2
