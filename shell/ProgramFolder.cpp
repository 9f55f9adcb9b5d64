#include "shell/ProgramFolder.h"


#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace kx2 {

QString programFolderPath()
{
    return QCoreApplication::applicationDirPath();
}

QString findInProgramFolder(const QString& base, const QString& relative)
{
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QString();

    QString current = base;
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return QString();
        const bool last = i == parts.size() - 1;
        QDir dir(current);
        const QString exact = dir.filePath(part);
        const QFileInfo exactInfo(exact);
        if (exactInfo.exists() && (last || exactInfo.isDir())) {
            current = exact;
            continue;
        }
        QString found;
        const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                  QDir::Name);
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) != 0)
                continue;
            const QString candidate = dir.filePath(entry);
            if (last || QFileInfo(candidate).isDir()) {
                found = candidate;
                break;
            }
        }
        if (found.isEmpty())
            return QString();
        current = found;
    }
    return current;
}

QString missingProgramFilesText(const QString& programFolder)
{
    const struct {
        const char* path;
        const char* what;
    } expected[] = {{"Konf/Fkt_Symbole", QT_TRANSLATE_NOOP("ProgramFolder", "Funktionssymbole")},
                    {"Konf/Mag_Symbole", QT_TRANSLATE_NOOP("ProgramFolder", "Magnetartikel- und Rückmeldersymbole")},
                    {"konf/hilfe.txt", QT_TRANSLATE_NOOP("ProgramFolder", "Hilfetext")}};
    QStringList missing;
    for (const auto& e : expected)
        if (findInProgramFolder(programFolder, QString::fromUtf8(e.path)).isEmpty())
            missing << QStringLiteral("%1 (%2)").arg(QString::fromUtf8(e.path),
                                                     QCoreApplication::translate("ProgramFolder", e.what));
    if (missing.isEmpty())
        return QString();
    const QChar cr(13);
    return QCoreApplication::translate("ProgramFolder", "Nicht gefunden:") + cr + missing.join(cr) + cr
        + QCoreApplication::translate("ProgramFolder", "Gesucht im Ordner: ")
        + QDir::toNativeSeparators(QDir(programFolder).absolutePath());
}

} // namespace kx2
