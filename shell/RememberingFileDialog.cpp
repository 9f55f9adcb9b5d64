#include "shell/RememberingFileDialog.h"

#include "shell/RememberedPlaces.h"

#include <QDir>

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

QString RememberingFileDialog::folderName(const QString& title, const QString& startFolder)
{
    return m_dialog.folderName(title, startFolder);
}

QString RememberingFileDialog::ask(bool save, const QString& title, const QString& initialName, const QString& filter)
{
    const QString kind = kindOf(filter);
    const QString last = m_places.folder(kind);
    QString initial = initialName;
    // A folder removed since is not offered: the dialog would open nowhere.
    if (!last.isEmpty() && QDir(last).exists()) {
        const QString folder = folderOfPath(initialName);
        initial = QDir(last).filePath(folder.isEmpty() ? initialName : initialName.mid(folder.size() + 1));
        if (initialName.isEmpty())
            initial = last + QLatin1Char('/');
    }
    const QString chosen = save ? m_dialog.saveFileName(title, initial, filter) : m_dialog.openFileName(title, initial, filter);
    if (!chosen.isEmpty())
        m_places.setFolder(kind, folderOfPath(chosen));
    return chosen;
}

} // namespace kx2
