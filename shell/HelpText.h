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
QStringList helpLines(const QByteArray& bytes);

// The place in the help text where the program's name goes, so that the help names the program
// as its windows do ("TQ7 - Tool", "Kordavinex II - Tool").
inline const QString HelpProgramPlaceholder = QStringLiteral("%PROGRAMM%");
// `lines` with the placeholder replaced by `programName`; a line of '=' right under a line that
// held it is made as long as that line again.
QStringList nameProgramInHelp(QStringList lines, const QString& programName);

// The help file's lines, or one line saying why there are none (file missing or unreadable).
QStringList readHelpFile(const QString& programFolder);

} // namespace kx2
