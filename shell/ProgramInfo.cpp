#include "shell/ProgramInfo.h"

#include "BuildInfo.h"

namespace kx2 {

namespace {
QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}
} // namespace

bool isKordavinexBrand(const QString& brandCode)
{
    return brandCode == QLatin1String("MRV");
}

ProgramInfo makeProgramInfo(const QString& brandCode, int major, int minor, int revision)
{
    ProgramInfo info;
    QString product;
    if (isKordavinexBrand(brandCode)) {
        info.title = QStringLiteral("Kordavinex II - Tool");
        product = blanks(20) + info.title + blanks(5);
    } else {
        info.title = QStringLiteral("TQ7 - Tool");
        product = blanks(27) + info.title + blanks(5);
    }
    const QString version = QString::number(major) + QLatin1Char('.') + QString::number(minor)
        + QLatin1Char('.') + QString::number(revision);
    const QChar cr(13);
    info.text = blanks(13) + MakerName + blanks(17) + cr
        + blanks(28) + cr
        + product + cr
        + cr
        + blanks(23) + QStringLiteral("Version ") + version + blanks(8) + cr
        + blanks(28);
    return info;
}

ProgramInfo buildProgramInfo()
{
    return makeProgramInfo(QString::fromLatin1(BrandCode), VersionMajor, VersionMinor, VersionRevision);
}

QString versionText(const QString& programName)
{
    return QStringLiteral("%1 %2.%3.%4\n%5 (%6)\nQt %7\n")
        .arg(programName)
        .arg(VersionMajor)
        .arg(VersionMinor)
        .arg(VersionRevision)
        .arg(buildProgramInfo().title, MakerName, QString::fromLatin1(qVersion()));
}

} // namespace kx2
