#pragma once
#include <QString>

namespace kx2 {

// The maker named on the program information box.
inline const QString MakerName = QStringLiteral("Mervenholt Digital");

// True for the brand code that shows the Kordavinex names.
bool isKordavinexBrand(const QString& brandCode);

// The program information box: title and text (lines separated by carriage returns), padded
// with blanks as the box has always been laid out.
struct ProgramInfo {
    QString title;
    QString text;
};

ProgramInfo makeProgramInfo(const QString& brandCode, int major, int minor, int revision);

// The information box of this build (its brand code and version).
ProgramInfo buildProgramInfo();

// What `--version` prints: the program's name and version, the brand and the Qt version it runs on,
// one per line.
QString versionText(const QString& programName);

} // namespace kx2
