#pragma once
#include <QObject>
#include <memory>

class QWidget;

namespace kx2 {

class AppContext;
class FSDatenFrm;
class GridEditor;
class LokdatenFrm;
class MagDatenFrm;
class MainWin;
class MonitorWin;
class RememberedPlaces;
class WindowPlaces;
class RMDatenFrm;
struct AddressRange;
struct ReadOutcome;
struct StationRunOutcome;

// Which window follows which: the main window's data buttons start a read and hand over to
// the editor; the editor's "Abbrechen" hands back. The program and the tests build the same
// controller, so that a test can start where the user starts.
class AppWindows : public QObject {
    Q_OBJECT
public:
    AppWindows(AppContext& ctx, MainWin& mainWin, const QString& programFolder, QObject* parent = nullptr);
    ~AppWindows() override;

    // LokDaten_But: reads the locomotive database; when the read says so the main window makes
    // way for the locomotive editor, which builds its grid as it is activated.
    void LokDaten_But_Click();
    // MagDatenBut, RckmDatenBut: the range handed on becomes the one in use (the earlier one again
    // when the read is put back), then the same for accessories and feedback contacts.
    void MagDatenBut_Click(const AddressRange& range);
    void RckmDatenBut_Click(const AddressRange& range);
    // FSDatenBut: reads all routes, then the same for the route editor.
    void FSDatenBut_Click();

    // Datei: every database of the station into a folder, or back from one. The folder is asked
    // for; the outcome is told in a box.
    void backupStation();
    void restoreStation();

    // The editors, each created on first use and then only hidden.
    LokdatenFrm& lokdatenFrm();
    MagDatenFrm& magDatenFrm();
    RMDatenFrm& rmDatenFrm();
    FSDatenFrm& fsDatenFrm();
    // "LocoNet-Monitor" from the Info menu, created on first use.
    MonitorWin& monitorWin();
    void showMonitor();
    bool lokdatenFrmCreated() const { return m_lokdaten != nullptr; }
    bool magDatenFrmCreated() const { return m_magDaten != nullptr; }
    bool rmDatenFrmCreated() const { return m_rmDaten != nullptr; }
    bool fsDatenFrmCreated() const { return m_fsDaten != nullptr; }
    MainWin& mainWin() { return m_mainWin; }
    // Before the program ends or a backup run fills the tables: every editor whose table holds
    // changes neither sent nor saved asks; false when the user keeps them.
    bool mayEndProgram();
    AppContext& context() { return m_ctx; }
    // The folder of the settings file, where a user keeps files of his own that the program reads
    // before its own (the keyword table of the locomotive lists).
    void setUserFolder(const QString& folder) { m_userFolder = folder; }

    // What the user left at the last run comes back from `places`: the windows' places and
    // sizes, the grids' column widths, the ranges, "Nach dem Senden prüfen". Kept there until
    // the end.
    void rememberIn(RememberedPlaces& places);
    // Into the store now (also done at the end).
    void rememberNow();

private:
    // The editor in `slot`, created with `args` on first use, with its way back to the main
    // window.
    template <class Editor, class... Args>
    Editor& editorOnce(std::unique_ptr<Editor>& slot, Args&&... args);
    // The main window makes way for the editor, which rebuilds its grid from its table.
    void showEditor(GridEditor& editor);
    // After a read (put back unless the user kept what it read when it stopped early): the editor
    // opens when the read says so, with a new history and its table as the one that counts.
    template <class Editor>
    void afterRead(const ReadOutcome& read, Editor& (AppWindows::*editor)());
    void showMainWin();
    // Where the next backup or restore starts (RememberingFileDialog::BackupKind).
    void rememberBackupPlace(const QString& place);
    // Whether the backup or restore described by `text` reads quickly; nothing when cancelled.
    std::optional<bool> askQuickRead(const QString& text, const QString& title);
    void tellStationRun(const StationRunOutcome& outcome, const QString& title);
    // Message boxes, file dialogs and the progress window belong to the window in front.
    void dialogsOver(QWidget* window);
    // The main window's close during a transfer: asks whether to cancel it; the program ends
    // once the transfer has ended.
    bool mayEnd();

    AppContext& m_ctx;
    MainWin& m_mainWin;
    QString m_programFolder;
    QString m_userFolder;
    std::unique_ptr<LokdatenFrm> m_lokdaten;
    std::unique_ptr<MagDatenFrm> m_magDaten;
    std::unique_ptr<RMDatenFrm> m_rmDaten;
    std::unique_ptr<FSDatenFrm> m_fsDaten;
    std::unique_ptr<MonitorWin> m_monitor;
    bool m_endAfterTransfer = false;
    // The last choice of a quick read for a backup or restore, while the program runs.
    bool m_quickRead = false;
    RememberedPlaces* m_places = nullptr;
    std::unique_ptr<WindowPlaces> m_windowPlaces;
};

} // namespace kx2
