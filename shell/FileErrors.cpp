#include "shell/FileErrors.h"

#include "shell/SystemError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace kx2 {

namespace {

QString knownWords(int code, FileAccess access)
{
    const bool write = access == FileAccess::Write;
    const struct {
        int code;
        const char* words;
    } known[] = {
        {ENOSPC, QT_TRANSLATE_NOOP("FileErrors", "Datenträger voll")},
#ifdef EDQUOT
        {EDQUOT, QT_TRANSLATE_NOOP("FileErrors", "Speicherkontingent auf dem Datenträger erschöpft")},
#endif
        {EROFS, QT_TRANSLATE_NOOP("FileErrors", "Datenträger schreibgeschützt")},
        {EISDIR, QT_TRANSLATE_NOOP("FileErrors", "ist ein Ordner")},
        {ENOTDIR, QT_TRANSLATE_NOOP("FileErrors", "ein Teil des Pfads ist kein Ordner")},
        {EFBIG, QT_TRANSLATE_NOOP("FileErrors", "Datei zu groß")},
        {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileErrors", "Dateiname zu lang")},
        {EIO, QT_TRANSLATE_NOOP("FileErrors", "Ein-/Ausgabefehler des Datenträgers")},
        {EMFILE, QT_TRANSLATE_NOOP("FileErrors", "zu viele offene Dateien")},
        {EBUSY, QT_TRANSLATE_NOOP("FileErrors", "Datei oder Datenträger belegt")},
        {EACCES,
         write ? QT_TRANSLATE_NOOP("FileErrors", "keine Berechtigung zum Schreiben")
               : QT_TRANSLATE_NOOP("FileErrors", "keine Berechtigung zum Lesen")},
        {EPERM,
         write ? QT_TRANSLATE_NOOP("FileErrors", "keine Berechtigung zum Schreiben")
               : QT_TRANSLATE_NOOP("FileErrors", "keine Berechtigung zum Lesen")},
        {ENOENT,
         write ? QT_TRANSLATE_NOOP("FileErrors", "Ordner nicht vorhanden")
               : QT_TRANSLATE_NOOP("FileErrors", "Datei nicht vorhanden")},
    };
    for (const auto& k : known)
        if (code != 0 && code == k.code)
            return QCoreApplication::translate("FileErrors", k.words);
    return {};
}

// What can be seen of the place itself when the system's text says nothing known.
QString seenWords(const QString& path, FileAccess access)
{
    const QFileInfo file(path);
    if (file.isDir())
        return QCoreApplication::translate("FileErrors", "ist ein Ordner");
    if (access == FileAccess::Read) {
        if (!file.exists())
            return QCoreApplication::translate("FileErrors", "Datei nicht vorhanden");
        return file.isReadable() ? QString()
                                 : QCoreApplication::translate("FileErrors", "keine Berechtigung zum Lesen");
    }
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return QCoreApplication::translate("FileErrors", "Ordner nicht vorhanden");
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return QCoreApplication::translate("FileErrors", "keine Berechtigung zum Schreiben");
    return {};
}

bool saysNothing(const QString& systemText)
{
    return systemText.trimmed().isEmpty() || systemText == QLatin1String("Unknown error")
           || systemText == QCoreApplication::translate("QIODevice", "Unknown error");
}

} // namespace

SystemFailure failureOf(const QFileDevice& file)
{
    const int code = lastSystemError();
    // A call that failed without the system (Qt's own refusal) leaves an older code behind.
    return {file.error() == QFileDevice::NoError ? 0 : code, file.errorString()};
}

QString fileErrorWords(const QString& path, const SystemFailure& failure, FileAccess access)
{
    if (QString words = knownWords(failure.code, access); !words.isEmpty())
        return words;
    const QString& systemText = failure.text;
    if (QString words = seenWords(path, access); !words.isEmpty())
        return words;
    if (saysNothing(systemText))
        return QCoreApplication::translate("FileErrors", "Fehler des Systems ohne nähere Angabe");
#ifdef Q_OS_WIN
    return systemText;
#else
    return QCoreApplication::translate("FileErrors", "Fehler des Systems (%1)").arg(systemText);
#endif
}

QString saveTargetRefusal(const QString& path)
{
    const QFileInfo target(path);
    if (!target.exists() || target.isFile())
        return {};
    return target.isDir() ? QCoreApplication::translate("FileErrors", "ist ein Ordner")
                          : QCoreApplication::translate("FileErrors", "keine gewöhnliche Datei (ein Gerät oder eine Leitung)");
}

QString writeWhole(QFileDevice& file, const QString& path, const QByteArray& bytes)
{
    // A disk that fills up takes a short write without a reason; the next write gives it.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return fileErrorWords(path, failureOf(file), FileAccess::Write);
        done += n;
    }
    // A file smaller than the write buffer only reaches the disk when the buffer is flushed, and
    // a flush that fails inside QSaveFile::commit() goes unnoticed: on a full disk commit() would
    // put an empty file in place of the old one and report success. So the flush is its own step.
    if (!file.flush())
        return fileErrorWords(path, failureOf(file), FileAccess::Write);
    return {};
}

QString saveFileWhole(const QString& path, const QByteArray& bytes)
{
    if (QString refused = saveTargetRefusal(path); !refused.isEmpty())
        return refused;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileErrorWords(path, failureOf(file), FileAccess::Write);
    if (QString why = writeWhole(file, path, bytes); !why.isEmpty()) {
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return fileErrorWords(path, failureOf(file), FileAccess::Write);
    return {};
}

QString saveFailureText(const QString& path, const QString& why, SaveFailureLayout layout)
{
    const QString head = QCoreApplication::translate("FileErrors", "Fehler beim Speichern des Files");
    const QString file = QDir::toNativeSeparators(path);
    if (layout == SaveFailureLayout::AfterColon)
        return head + QStringLiteral(": ") + file + (why.isEmpty() ? QString() : QChar(13) + why);
    return head + QChar(13) + file + QChar(13) + why;
}

} // namespace kx2
