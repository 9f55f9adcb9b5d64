#pragma once
#include <QString>

namespace kx2 {

// The folder of the executable: the settings file, the help text and the symbol pictures
// live there.
QString programFolderPath();

// The full path of `relative` under `base`, matching each name without regard to case, so that
// "Konf/Fkt_Symbole/S3.bmp" finds konf/fkt_symbole/s3.bmp on a case-sensitive file system.
// Back slashes count as separators and a leading one is ignored ("\konf\hilfe.txt").
// An exact match wins over a case-insensitive one. Returns "" when nothing matches or the
// path tries to leave `base` ("..").
QString findInProgramFolder(const QString& base, const QString& relative);

// What the program brings along under its folder and a start looks for: the function and the
// accessory symbol pictures and the help text. "" when all are there, else the message a start
// shows once: what is missing, each on a line, and the folder it looked in.
QString missingProgramFilesText(const QString& programFolder);

} // namespace kx2
