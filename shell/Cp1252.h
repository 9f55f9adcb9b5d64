#pragma once
#include <QByteArray>
#include <QString>

namespace kx2 {

// Text crosses into files, the command station's display and record bytes in the Windows ANSI
// code page 1252. A character that cp1252 lacks becomes '?'.
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);
// One character; -1 when cp1252 has no code for it.
int cp1252Code(QChar c);
QChar cp1252Char(int code);

} // namespace kx2
