#include "shell/AskFileName.h"

#include "shell/Settings.h"
#include "shell/UserDialogs.h"

#include <algorithm>
#include <QCoreApplication>

namespace kx2 {

QString dataFileFilter(const QString& extension)
{
    return QCoreApplication::translate("AskFileName", "KX2 Datenflash (*.") + extension + QStringLiteral(")|*.")
        + extension + QStringLiteral("|");
}

QString AskFileName(FileDialog& dialog, const Settings& settings, int mode, const QString& extension,
                    const QString& startFolder)
{
    const QString filter = dataFileFilter(extension);
    QString initial = settings.LastFileName;
    if (!startFolder.isEmpty()) {
        // The name may come from Windows ("C:\Daten\alt.ISD"): either slash ends its folder.
        const int cut = int(std::max(initial.lastIndexOf(QLatin1Char('/')), initial.lastIndexOf(QLatin1Char('\\'))));
        initial = startFolder + QLatin1Char('/') + initial.mid(cut + 1);
    }
    if (mode == AskFileOpen)
        return dialog.openFileName(QCoreApplication::translate("AskFileName", "Sicherungsdatei öffnen..."), initial,
                                   filter);
    return dialog.saveFileName(QCoreApplication::translate("AskFileName", "Sicherungsdatei speichern..."), initial,
                               filter);
}

} // namespace kx2
