#include "shell/RememberingFileDialog.h"

#include "shell/RememberedPlaces.h"

#include <QDir>

#include <algorithm>

namespace kx2 {

namespace {

// The extension of the filter's first pattern: "ISD" for "KX2 Datenflash (*.ISD)|*.ISD|".
QString filterExtension(const QString& filter)
{
    const QString pattern = filter.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0).trimmed();
    return pattern.startsWith(QStringLiteral("*.")) ? pattern.mid(2).toUpper() : QString();
}

} // namespace

QString RememberingFileDialog::kindOf(const QString& filter) const
{
    const QString extension = filterExtension(filter);
    if (extension == QStringLiteral("ISD"))
        return QStringLiteral("ISD/") + (m_window.isEmpty() ? QStringLiteral("MainWin") : m_window);
    return extension.isEmpty() ? QStringLiteral("Sonstige") : extension;
}

QString RememberingFileDialog::openFileName(const QString& title, const QString& initialName, const QString& filter)
{
    return ask(false, title, initialName, filter);
}

QString RememberingFileDialog::saveFileName(const QString& title, const QString& initialName, const QString& filter)
{
    return ask(true, title, initialName, filter);
}

QString RememberingFileDialog::folderName(const QString& title, const QString&)
{
    return m_dialog.folderName(title, startFolder(BackupKind));
}

QString RememberingFileDialog::startFolder(const QString& kind) const
{
    // A folder removed since is not offered: the dialog would open nowhere.
    const QString last = m_places.folder(kind);
    if (!last.isEmpty() && QDir(last).exists())
        return last;
    return !m_dataFolder.isEmpty() && QDir().mkpath(m_dataFolder) ? m_dataFolder : QString();
}

QString RememberingFileDialog::ask(bool save, const QString& title, const QString& initialName, const QString& filter)
{
    const QString kind = kindOf(filter);
    const QString folder = startFolder(kind);
    QString initial = initialName;
    if (!folder.isEmpty()) {
        // The offered name may come from Windows ("C:\Daten\alt.ISD"): either slash ends its folder.
        const int cut = int(std::max(initialName.lastIndexOf(QLatin1Char('/')), initialName.lastIndexOf(QLatin1Char('\\'))));
        const QString name = initialName.mid(cut + 1);
        initial = name.isEmpty() ? folder + QLatin1Char('/') : QDir(folder).filePath(name);
    }
    const QString chosen = save ? m_dialog.saveFileName(title, initial, filter) : m_dialog.openFileName(title, initial, filter);
    if (!chosen.isEmpty())
        m_places.setFolder(kind, folderOfPath(chosen));
    return chosen;
}

} // namespace kx2
