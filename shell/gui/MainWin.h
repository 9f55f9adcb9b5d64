#pragma once
#include "shell/AddressRange.h"
#include "shell/BrandCaptions.h"
#include "shell/SettingsFile.h"
#include "shell/UserDialogs.h"
#include "shell/gui/HelpWin.h"
#include "shell/gui/OptWin.h"
#include "shell/gui/RangeBoxes.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kx2 {

struct Settings;

// The start window: one button per database, the address ranges for accessories and feedback,
// port and baud rate, and the menus for options, program end, help and program information.
// Closing it saves the settings and ends the program, whatever other windows are open.
class MainWin : public QMainWindow, public MainControls {
    Q_OBJECT
public:
    MainWin(Settings& settings, SettingsFile& settingsFile, UserDialogs& dialogs, const QString& programFolder,
            const QString& brandCode, QWidget* parent = nullptr);
    ~MainWin() override;

    // Start-up: reads the settings file and shows port and baud rate.
    SettingsFile::ReadStatus Load();
    void ShowSettings();
    void EnableMainControls() override;
    void DisableMainControls() override;
    void showTransferDone(const QString& text) override;
    // Saves the settings; tells the user when they went to the configuration folder or could
    // not be saved at all. Does not end the program. True when they were saved.
    bool WriteSettings();

    // The captions the editor forms give their device menu for this build's brand.
    DeviceMenuCaptions deviceMenuCaptions(EditorKind editor) const;
    QString brandCode() const { return m_brandCode; }
    QString programFolder() const { return m_programFolder; }

    // The accessory and feedback ranges in use, shown in the boxes beside their buttons. A
    // button hands on what is typed there only when it is a range its database has.
    void showRanges(const AddressRange& accessories, const AddressRange& feedback);
    // Routes are not there yet: their button stays off, with a word why.
    void setRoutesAvailable(bool available);

    // What ends the program after the settings are saved; QCoreApplication::quit unless a test
    // puts something else here.
    void setQuitHandler(std::function<void()> quit) { m_quit = std::move(quit); }
    // Asked before the window's close ends the program: false keeps it open (a transfer under
    // way ends first, or goes on when the user keeps it; the user keeps changes that were
    // neither sent nor saved).
    void setEndGuard(std::function<bool()> mayEnd) { m_mayEnd = std::move(mayEnd); }

    void showOptions();
    void showHelp();
    void showProgramInfo();
    // nullptr until first shown.
    OptWin* optWin() const { return m_optWin; }
    HelpWin* helpWin() const { return m_helpWin; }

Q_SIGNALS:
    void lokDatenRequested();
    void magDatenRequested(kx2::AddressRange range);
    void rckmDatenRequested(kx2::AddressRange range);
    void fsDatenRequested();
    // Datei: "Sicherung der Zentrale anlegen", "Sicherung zurückspielen".
    void backupRequested();
    void restoreRequested();
    void monitorRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setMainControlsEnabled(bool on);
    void endProgram();

    Settings& m_settings;
    SettingsFile& m_settingsFile;
    UserDialogs& m_dialogs;
    QString m_programFolder;
    QString m_brandCode;
    std::function<void()> m_quit;
    std::function<bool()> m_mayEnd;
    bool m_settingsWritten = false;

    QPushButton* m_lokDaten;
    QPushButton* m_magDaten;
    QPushButton* m_rckmDaten;
    QPushButton* m_fsDaten;
    QLineEdit* m_magAdrStart;
    QLineEdit* m_magAdrEnd;
    QLineEdit* m_rmAdrStart;
    QLineEdit* m_rmAdrEnd;
    QLineEdit* m_lokDatAnz;
    std::optional<RangeBoxes> m_magRange;
    std::optional<RangeBoxes> m_rmRange;
    bool m_routesAvailable = false;
    QLabel* m_comPortNr;
    QLabel* m_bdRt;
    QLabel* m_transferDone;
    QMenu* m_dateiMenu;

    QPointer<OptWin> m_optWin;
    QPointer<HelpWin> m_helpWin;
};

} // namespace kx2
