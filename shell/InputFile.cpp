#include "shell/InputFile.h"

#include "shell/FileErrors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace kx2 {

namespace {

QString tooBig(qint64 maxBytes)
{
    return QCoreApplication::translate("InputFile", "Datei zu groß: mehr als %1")
        .arg(QLocale::c().formattedDataSize(maxBytes, 0));
}

} // namespace

QString inputFileRefusal(const QString& path, qint64 maxBytes)
{
    // QFileInfo follows links: a link is judged by what it leads to.
    const QFileInfo target(path);
    if (!target.exists())
        return {};
    if (target.isDir())
        return QCoreApplication::translate("FileErrors", "ist ein Ordner");
    if (!target.isFile())
        return QCoreApplication::translate("InputFile",
                                           "keine gewöhnliche Datei, sondern ein Gerät, eine Leitung oder ein Socket");
    return target.size() > maxBytes ? tooBig(maxBytes) : QString();
}

InputFileBytes readInputFile(const QString& path, qint64 maxBytes)
{
    if (QString refused = inputFileRefusal(path, maxBytes); !refused.isEmpty())
        return {{}, refused};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, fileErrorWords(path, failureOf(file), FileAccess::Read)};
    InputFileBytes in;
    constexpr qint64 Piece = 64 * 1024;
    // Room for the size the file told and the look past its end; files of /proc and the like tell
    // none, and the pieces decide.
    in.bytes.reserve(qsizetype(std::min(file.size(), maxBytes) + Piece));
    for (;;) {
        const qsizetype at = in.bytes.size();
        const qint64 want = std::min(Piece, maxBytes + 1 - at);
        in.bytes.resize(at + qsizetype(want));
        const qint64 n = file.read(in.bytes.data() + at, want);
        if (n < 0)
            return {{}, fileErrorWords(path, failureOf(file), FileAccess::Read)};
        in.bytes.resize(at + qsizetype(n));
        if (in.bytes.size() > maxBytes)
            return {{}, tooBig(maxBytes)};
        if (n == 0)
            return in;
    }
}

} // namespace kx2
