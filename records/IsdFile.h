#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <deque>
#include <optional>
#include <QCoreApplication>

namespace kx2 {

class UserDialogs;

// The ISD data files of every database share one form: cp1252 text, CRLF line ends, line 1
// the file type as a quoted text, then one value per line: a whole number in decimal
// (a minus sign when negative), a text in double quotes, or an empty line for a cell that
// holds no value. Each file type has a fixed number of values; anything after them is ignored.

// The file type headers.
inline QString isdHeaderLocoTable() { return QStringLiteral("KX2-Lokdaten Version 1.0"); }
inline QString isdHeaderLocoRecord() { return QStringLiteral("KX2-Lokdatensatz Version 1.0"); }
inline QString isdHeaderAccessory() { return QStringLiteral("KX2-Magnetartikeldaten Version 1.0"); }
inline QString isdHeaderFeedback() { return QStringLiteral("KX2-Rückmelderdaten Version 1.0"); }
inline QString isdHeaderRoutes() { return QStringLiteral("KX2-Fahrstraßendaten Version 1.0"); }

// The texts a load shows when the file is not usable (critical icon, title "Fehler").
inline QString isdErrorTitle()
{
    return QCoreApplication::translate("IsdFile", "Fehler");
}
inline QString isdWrongFormatText()
{
    return QCoreApplication::translate("IsdFile", "Falsches Fileformat");
}
inline QString isdOpenErrorText()
{
    return QCoreApplication::translate("IsdFile", "Fehler beim Öffnen des Files");
}

enum class IsdError {
    None,
    Open,        // the file cannot be opened, holds no line at all or starts with a UTF-8 mark
    WrongHeader, // line 1 is not the expected file type
    Read,        // too few values, or a value that is not what its place needs
};

// The second line under "Falsches Fileformat": the file type wanted and the one line 1 holds.
QString isdWrongFormatDetail(const QString& expected, const QString& found);
// "Falsches Fileformat" (and `detail` on a second line) for a wrong header, "Fehler beim Öffnen des Files" for the others
// (with `detail`, the reader's where and why, and the file, each on a line of its own); nothing
// for IsdError::None.
void showIsdError(UserDialogs& dialogs, IsdError error, const QString& detail = QString(),
                  const QString& path = QString());
// The line that names the file of a failure: "Datei: " and the path as the system writes it.
QString isdFileLine(const QString& path);

// How a load ended: None, or the error and the reader's where and why.
struct IsdLoadResult {
    IsdError error = IsdError::None;
    QString detail;
    bool ok() const { return error == IsdError::None; }
};

// Collects a file in memory and stores it in one piece.
class IsdWriter {
public:
    explicit IsdWriter(const QString& header);

    void writeCell(std::optional<int> value);
    void writeNumber(long long value);
    void writeText(const QString& text);
    void writeEmpty();

    int lineCount() const { return m_lines; }
    const QByteArray& data() const { return m_data; }

    // Writes to a temporary file beside `path` that replaces it only once it is complete, so
    // a failed save leaves the previous file as it was. Returns "" or the error text to show.
    QString saveTo(const QString& path) const;
    // Whether saveTo could write `path`, without touching it: "" or the error text to show.
    static QString checkWritable(const QString& path);

private:
    void line(const QByteArray& bytes);
    QByteArray m_data;
    int m_lines = 0;
};

// Reads values one after the other.
//
// Tolerances (files written by other editors or moved between systems):
// - a line may end in CRLF, LF alone or CR alone; the last line may lack its line end;
// - blanks and tabs around a value are ignored, and a line of blanks counts as an empty line;
// - a text may also be written without quotes (then the whole trimmed line is the text).
// Not accepted where a number belongs: a quoted number, a fraction, a second value on the same
// line, digits followed by letters, a number beyond the integer range. Those are read errors.
class IsdReader {
public:
    IsdReader() = default;
    IsdReader(const IsdReader&) = delete;
    IsdReader& operator=(const IsdReader&) = delete;

    // Reads the file (a plain file of at most MaxInputFileBytes, see readInputFile) and its first
    // value as text (header()).
    IsdError open(const QString& path);
    // The same, and the header must equal `expectedHeader` exactly (case-sensitive).
    IsdError open(const QString& path, const QString& expectedHeader);
    QString header() const { return m_header; }

    // A whole number, or nullopt for an empty line. False (and error() = Read) at the end of
    // the file or for anything else.
    bool readCell(std::optional<int>& value);
    // A text value; an empty line gives "".
    bool readText(QString& text);

    // Lets the caller refuse a value that was read but does not fit its place: at `line`, or
    // at the line read last.
    void fail(const QString& detail, int line = 0);

    IsdError error() const { return m_error; }
    // Where and why reading stopped, e.g. "Zeile 12: keine Zahl".
    QString errorDetail() const { return m_detail; }
    // The number of the last line handed out (1 = the header).
    int lineNumber() const { return m_lineNo; }

private:
    bool nextLine(QByteArray& line);
    // The line of the next cell; false after an earlier failure or at the end of the file.
    bool cellLine(QByteArray& line);
    void failAt(const QString& reason);

    QByteArray m_bytes; // the whole file, read at open
    qsizetype m_at = 0; // where the next raw line starts
    std::deque<QByteArray> m_pending;
    QString m_header;
    IsdError m_error = IsdError::None;
    QString m_detail;
    int m_lineNo = 0;
};

} // namespace kx2
