#pragma once
#include <QByteArray>
#include <QString>

namespace kx2 {

// The most a file the program reads may hold. The largest real one is a locomotive table of about
// 42 000 lines, a few hundred KB; a whole feedback table of 4096 addresses about 143 000 lines. A
// file beyond this is no file of the program, and reading on would only fill the memory.
inline constexpr qint64 MaxInputFileBytes = 64 * 1024 * 1024;

// Why `path` is not read, decided before it is opened (opening a pipe for reading waits for a
// writer that may never come; a device such as /dev/zero never ends): "" for a plain file, or a
// link to one, of at most `maxBytes`, and for a path that does not exist (opening it says so).
// Else in German: "ist ein Ordner", "keine gewöhnliche Datei, sondern ein Gerät, eine Leitung oder
// ein Socket", "Datei zu groß: mehr als 64 MiB".
QString inputFileRefusal(const QString& path, qint64 maxBytes = MaxInputFileBytes);

struct InputFileBytes {
    QByteArray bytes;
    QString error; // inputFileRefusal or fileErrorWords; "" when read
    bool ok() const { return error.isEmpty(); }
};

// A file the user names, whole: refused as above, else read a piece at a time, so that a file that
// grows after the check stops at `maxBytes` as well and memory follows what is really there.
InputFileBytes readInputFile(const QString& path, qint64 maxBytes = MaxInputFileBytes);

} // namespace kx2
