#include "shell/SettingsFile.h"

#include "shell/Cp1252.h"
#include "shell/InputFile.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QCoreApplication>

namespace kx2 {

namespace {

bool isPlainDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// One value of a line in delimited-text form. A quoted text runs from the first to the last
// double quote of the line, so a text that itself holds a quote survives a round trip.
struct Field {
    QString text;
    bool quoted = false;
};

Field readField(const QString& line)
{
    Field f;
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('"'))) {
        f.quoted = true;
        const qsizetype close = t.lastIndexOf(QLatin1Char('"'));
        f.text = close > 0 ? t.mid(1, close - 1) : t.mid(1);
        return f;
    }
    const qsizetype comma = t.indexOf(QLatin1Char(','));
    f.text = (comma >= 0 ? t.left(comma) : t).trimmed();
    return f;
}

QString quoted(QString text)
{
    // A line break would split the line; the file has no way to hold one.
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool writeFile(const QString& path, const QByteArray& bytes, QString& error)
{
    // Written beside the old file and renamed over it, so a failed write never leaves a
    // half-written settings file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    // The three lines sit in the write buffer until it is flushed, and a flush that fails inside
    // commit() goes unnoticed (an empty file would replace the old one): flush on its own.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

void setDefaultSettings(Settings& settings)
{
    const Settings defaults;
    settings.ComPortNumber = defaults.ComPortNumber;
    settings.ComPortIsText = defaults.ComPortIsText;
    settings.BaudRate = defaults.BaudRate;
    settings.LastFileName = defaults.LastFileName;
}

SettingsFile::SettingsFile(const QString& programFolder, const QString& fallbackFolder)
    : m_programFolder(programFolder)
    , m_fallbackFolder(fallbackFolder)
{
}

QString SettingsFile::fallbackFilePath() const
{
    if (m_fallbackFolder.isEmpty())
        return QString();
    return QDir(m_fallbackFolder).filePath(FileName);
}

QString SettingsFile::existingProgramFile() const
{
    // A file copied from Windows may have its name in another case.
    return findInProgramFolder(m_programFolder, FileName);
}

QString SettingsFile::programFileTarget() const
{
    const QString existing = existingProgramFile();
    return existing.isEmpty() ? QDir(m_programFolder).filePath(FileName) : existing;
}

bool SettingsFile::programLocationWritable() const
{
    const QFileInfo file(programFileTarget());
    if (file.exists())
        return file.isFile() && file.isWritable();
    const QFileInfo folder(m_programFolder);
    return folder.isDir() && folder.isWritable();
}

QString SettingsFile::fileToRead() const
{
    const QString program = existingProgramFile();
    const QString fallback = fallbackFilePath();
    const bool haveFallback = !fallback.isEmpty() && QFileInfo(fallback).isFile();
    if (program.isEmpty())
        return haveFallback ? fallback : QString();
    if (!haveFallback)
        return program;
    // Both exist only when removing the fallback after a later write to the program folder
    // failed, or someone copied files around: take the one the last run wrote.
    if (!programLocationWritable())
        return fallback;
    return QFileInfo(fallback).lastModified() > QFileInfo(program).lastModified() ? fallback : program;
}

QByteArray SettingsFile::format(const Settings& settings)
{
    QString text;
    if (settings.ComPortIsText || !isPlainDigits(settings.ComPortNumber))
        text += quoted(settings.ComPortNumber);
    else
        text += settings.ComPortNumber;
    text += QStringLiteral("\r\n");
    text += QString::number(settings.BaudRate) + QStringLiteral("\r\n");
    // The last file name is offered for one run only.
    text += QStringLiteral("\"\"\r\n");
    return toCp1252(text);
}

bool SettingsFile::parse(const QByteArray& bytes, Settings& settings)
{
    QString text = fromCp1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();  // the break that ends the last line
    if (lines.size() < 3)
        return false;

    const Field port = readField(lines[0]);
    if (!port.quoted && port.text.isEmpty())
        return false;

    const Field baud = readField(lines[1]);
    if (!isPlainDigits(baud.text))
        return false;
    bool ok = false;
    const int baudRate = baud.text.toInt(&ok);
    if (!ok || baudRate <= 0)
        return false;

    const Field last = readField(lines[2]);

    settings.ComPortNumber = port.text;
    settings.ComPortIsText = port.quoted;
    settings.BaudRate = baudRate;
    settings.LastFileName = last.text;
    return true;
}

SettingsFile::ReadStatus SettingsFile::ReadSettings(Settings& settings) const
{
    setDefaultSettings(settings);
    const QString path = fileToRead();
    if (path.isEmpty())
        return ReadStatus::Missing;
    const InputFileBytes in = readInputFile(path);
    if (!in.ok() || !parse(in.bytes, settings))
        return ReadStatus::Unreadable;
    return ReadStatus::Read;
}

SettingsFile::WriteResult SettingsFile::WriteSettings(const Settings& settings)
{
    WriteResult result;
    const QByteArray bytes = format(settings);
    const QString target = programFileTarget();
    QString error;
    // An installed program's settings folder is the user's configuration folder, made on first use.
    QDir().mkpath(m_programFolder);
    if (writeFile(target, bytes, error)) {
        result.written = true;
        result.path = target;
        // A copy in the configuration folder would shadow these values in a later run whose
        // program folder is read-only again.
        const QString fallback = fallbackFilePath();
        if (!fallback.isEmpty() && QFileInfo::exists(fallback))
            QFile::remove(fallback);
        return result;
    }

    const QString fallback = fallbackFilePath();
    if (!fallback.isEmpty()) {
        const bool usedBefore = QFileInfo::exists(fallback);
        QString fallbackError;
        if (QDir().mkpath(m_fallbackFolder) && writeFile(fallback, bytes, fallbackError)) {
            result.written = true;
            result.path = fallback;
            if (!usedBefore)
                result.notice
                    = QCoreApplication::translate("SettingsFile", "Die Einstellungen können nicht im Programmordner\r")
                    + QDir::toNativeSeparators(m_programFolder)
                    + QCoreApplication::translate("SettingsFile", "\rgespeichert werden. Sie stehen jetzt in\r")
                    + QDir::toNativeSeparators(fallback)
                    + QCoreApplication::translate("SettingsFile", "\rund werden beim nächsten Start von dort gelesen.");
            return result;
        }
        if (!fallbackError.isEmpty())
            error += QStringLiteral("\r") + QDir::toNativeSeparators(fallback) + QStringLiteral(": ") + fallbackError;
        else
            error += QStringLiteral("\r") + QDir::toNativeSeparators(m_fallbackFolder)
                + QCoreApplication::translate("SettingsFile", ": Ordner kann nicht angelegt werden");
    }
    result.path = target;
    result.notice = QCoreApplication::translate(
                        "SettingsFile", "Die Einstellungen (ComPort und Baudrate) konnten nicht gespeichert werden.\r")
        + QDir::toNativeSeparators(target) + QStringLiteral(": ") + error;
    return result;
}

} // namespace kx2
