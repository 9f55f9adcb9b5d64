#include "shell/AskFileName.h"

#include "shell/Settings.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>

namespace kx2 {

QString dataFileFilter(const QString& extension)
{
    return QCoreApplication::translate("AskFileName", "KX2 Datenflash (*.") + extension + QStringLiteral(")|*.")
        + extension + QStringLiteral("|");
}

QString AskFileName(FileDialog& dialog, const Settings& settings, int mode, const QString& extension)
{
    const QString filter = dataFileFilter(extension);
    const QString& initial = settings.LastFileName;
    if (mode == AskFileOpen)
        return dialog.openFileName(QCoreApplication::translate("AskFileName", "Sicherungsdatei öffnen..."), initial,
                                   filter);
    return dialog.saveFileName(QCoreApplication::translate("AskFileName", "Sicherungsdatei speichern..."), initial,
                               filter);
}

} // namespace kx2
