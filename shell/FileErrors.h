#pragma once
#include <QByteArray>
#include <QString>

class QFileDevice;

namespace kx2 {

enum class FileAccess { Read, Write };

// What the system said of a file call that failed: its code in the C library's numbering (0 when
// it gave none, lastSystemError) and its text (QFileDevice::errorString(), in whatever language
// Qt's catalogue speaks).
struct SystemFailure {
    int code = 0;
    QString text;
};

// The failure of the call on `file` that has just failed. Taken before anything else is done with
// the file, which could change the system's last code.
SystemFailure failureOf(const QFileDevice& file);

// Why `path` could not be read or written, in German: the system's reason where its code is
// known ("Datenträger voll", "ist ein Ordner", "keine Berechtigung zum Schreiben", "Datenträger
// schreibgeschützt"), else what can be seen from outside (a folder that is missing), else a
// general text with the system's own in brackets. The code decides, never the text: Qt words
// the text in the language of its catalogue. On Windows the system's text is already in the
// user's language and is kept.
QString fileErrorWords(const QString& path, const SystemFailure& failure, FileAccess access);

// Writes every byte of `bytes` into the open `file` (at `path`) and flushes it: "" or why not
// (fileErrorWords). The writing step of saveFileWhole.
QString writeWhole(QFileDevice& file, const QString& path, const QByteArray& bytes);

// Why `path` may not be saved to before anything is written: a folder or a device there (a
// save would put a file in its place; as root even /dev/full) is refused; "" otherwise.
QString saveTargetRefusal(const QString& path);

// Writes `bytes` to `path` in one piece: a temporary file beside it takes the place of the old
// file only once every byte reached the disk, so a failure leaves the old file as it was and
// nothing beside it. Returns "" or saveTargetRefusal or fileErrorWords.
QString saveFileWhole(const QString& path, const QByteArray& bytes);

// How a failed save is told: "Fehler beim Speichern des Files", the file and why, each on a line
// of its own (table files, backups); or the file after a colon on the first line, why (when
// known) under it (the editors' CSV and PDF).
enum class SaveFailureLayout { Lines, AfterColon };
QString saveFailureText(const QString& path, const QString& why, SaveFailureLayout layout = SaveFailureLayout::Lines);

} // namespace kx2
