#include "shell/AskFileName.h"

#include "shell/Settings.h"
#include "shell/UserDialogs.h"

namespace kx2 {

QString DataFileFilter(const QString& extension)
{
    return QStringLiteral("KX2 Datenflash (*.") + extension + QStringLiteral(")|*.") + extension
        + QStringLiteral("|");
}

QString AskFileName(FileDialog& dialog, const Settings& settings, int mode, const QString& extension)
{
    const QString filter = DataFileFilter(extension);
    if (mode == AskFileOpen)
        return dialog.openFileName(QStringLiteral("Sicherungsdatei öffnen..."), settings.LastFileName, filter);
    return dialog.saveFileName(QStringLiteral("Sicherungsdatei speichern..."), settings.LastFileName, filter);
}

} // namespace kx2
