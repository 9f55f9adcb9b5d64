#pragma once
#include "shell/UserDialogs.h"

namespace kx2 {

class RememberedPlaces;

// The file dialog every window asks through, and the one rule for where a dialog starts: in the
// folder last used for the same kind of file while it still exists, else in the data folder
// (ProgramPlaces::dataFolder: "Daten" beside a portable program, the user's documents folder
// plus kx2tool when installed), never in the process's working folder. The kinds: the ISD files
// of each window (each database keeps its own), every other extension (CSV, PDF, ...) across all
// windows, and the backups, which the folder dialogs choose. The folder of every name chosen is
// remembered for its kind; where the backups go is remembered by whoever knows (BackupKind).
class RememberingFileDialog : public FileDialog {
public:
    // The kind under which the folder of the backups is kept.
    static inline const QString BackupKind = QStringLiteral("Sicherung");

    RememberingFileDialog(FileDialog& dialog, RememberedPlaces& places, const QString& dataFolder)
        : m_dialog(dialog), m_places(places), m_dataFolder(dataFolder)
    {
    }

    // The window in front, whose ISD files the next dialogs ask for ("LokdatenFrm").
    void setWindow(const QString& window) { m_window = window; }
    // The dialog shown.
    FileDialog& dialog() { return m_dialog; }

    // The offered name keeps its file name; its folder gives way to startFolder of its kind.
    QString openFileName(const QString& title, const QString& initialName, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& initialName, const QString& filter) override;
    // A folder for the backups: it opens in startFolder(BackupKind), whatever folder is offered.
    QString folderName(const QString& title, const QString& startFolder) override;

    // The kind a dialog with this filter asks for in the window in front: "ISD/LokdatenFrm", "CSV".
    QString kindOf(const QString& filter) const;
    // Where a dialog of this kind starts: the folder remembered for it while it exists, else the
    // data folder (made when missing); "" when neither is there.
    QString startFolder(const QString& kind) const;

private:
    QString ask(bool save, const QString& title, const QString& initialName, const QString& filter);

    FileDialog& m_dialog;
    RememberedPlaces& m_places;
    QString m_dataFolder;
    QString m_window;
};

} // namespace kx2
