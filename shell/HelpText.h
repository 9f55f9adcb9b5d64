#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kx2 {

// Where the help text lives under the program folder.
inline const QString HelpFileName = QStringLiteral("konf/hilfe.txt");

// The help file's lines in file order. The file may be UTF-8 or, as written on Windows, cp1252:
// bytes that are valid UTF-8 are read as such, anything else as cp1252. A final line break
// does not add an empty line; an empty file gives no lines.
QStringList HelpLines(const QByteArray& bytes);

// The help file's lines, or one line saying why there are none (file missing or unreadable).
QStringList ReadHelpFile(const QString& programFolder);

} // namespace kx2
