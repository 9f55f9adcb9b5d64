#pragma once
#include <QByteArray>
#include <QString>

namespace kx2 {

enum class FileAccess { Read, Write };

// Why `path` could not be read or written, in German: the system's reason where it is known
// ("Datenträger voll", "ist ein Ordner", "keine Berechtigung zum Schreiben", "Datenträger
// schreibgeschützt"), else what can be seen from outside (a folder that is missing), else a
// general text with the system's own in brackets. `systemText` is QFileDevice::errorString():
// Qt gives the C library's text there, which the words are matched against. On Windows the
// system's text is already in the user's language and is kept.
QString fileErrorWords(const QString& path, const QString& systemText, FileAccess access);

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
