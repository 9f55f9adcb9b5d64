#pragma once
#include "shell/UserDialogs.h"

namespace kx2 {

class RememberedPlaces;

// The file dialog that opens in the folder last used for the same kind of file and remembers
// the folder of every name chosen. The kinds: the ISD files of each window (each database keeps
// its own), and every other extension (CSV, PDF, ...) across all windows.
class RememberingFileDialog : public FileDialog {
public:
    RememberingFileDialog(FileDialog& dialog, RememberedPlaces& places) : m_dialog(dialog), m_places(places) {}

    // The window in front, whose ISD files the next dialogs ask for ("LokdatenFrm").
    void setWindow(const QString& window) { m_window = window; }
    // The dialog shown.
    FileDialog& dialog() { return m_dialog; }

    QString openFileName(const QString& title, const QString& initialName, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& initialName, const QString& filter) override;
    QString folderName(const QString& title, const QString& startFolder) override;

    // The kind a dialog with this filter asks for in the window in front: "ISD/LokdatenFrm", "CSV".
    QString kindOf(const QString& filter) const;

private:
    QString ask(bool save, const QString& title, const QString& initialName, const QString& filter);

    FileDialog& m_dialog;
    RememberedPlaces& m_places;
    QString m_window;
};

} // namespace kx2
