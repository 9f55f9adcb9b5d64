#pragma once
#include "loco/LocoTable.h"
#include "shell/BrandCaptions.h"
#include "shell/UserDialogs.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QDialog;
class QLineEdit;
class QMenu;

namespace kx2 {

class FlexGrid;
struct DatabaseContext;
class LokDatFormatFrm;
class LokFktSymFrm;
class LokmaxSpeedFrm;
class PictureCache;
struct LocoFileContext;
struct LocoGridLine;

// The locomotive editor: LocoTable as a grid, one line per locomotive, with the name typed
// into InpText laid over the name cell, the column dialogs for data format, function symbols
// and maximum speed, the file menu and the device menu. The grid is rebuilt from the table
// whenever the window is activated while LocoGridLoaded is 0.
class LokdatenFrm : public QMainWindow {
    Q_OBJECT
public:
    // captions: the brand's device menu; empty texts keep "Kordavinex", "Daten aus der KX lesen"
    // and "Daten zur KX senden".
    LokdatenFrm(DatabaseContext& ctx, LocoData loco, const QString& programFolder, const DeviceMenuCaptions& captions,
                QWidget* parent = nullptr);
    ~LokdatenFrm() override;

    // --- public operations ---
    void start_tabelle();
    void save_data_from_grid(int row);
    void del_datensatz();
    void del_lokdata(int address);
    bool save_daten_satz(int address);
    void change_fkt_sym();
    void change_data_frm();
    void change_maxspeed();
    void edit_namen();
    QString ReadLokname(int slot) const;
    void WriteLokname(int slot, const QString& text);

    // Activation: rebuilds the grid from LocoTable when LocoGridLoaded is 0.
    void Form_Activate();

    // --- menu actions ---
    void LadenMenu_Click();
    void SpeichernMenu_Click();
    void ClrTabMenu_Click();
    void DS_LadenMenu_Click();
    void DS_SpeichernMenu_Click();
    void AbbrechenMenu_Click();
    void ReadfromKX2Menu_Click();
    void SendToKX2Menu_Click();

    // --- form state ---
    bool Busy = false;           // a handler changes the grid: grid events do nothing
    bool NameEditActive = false; // EnterCell does nothing
    bool SkipNextClick = false;  // the next grid click does nothing (after maximising)
    bool SaveRecordPending = false; // the next grid click saves that line's record

    FlexGrid* LokdatenGrid() const { return m_grid; }
    QLineEdit* InpText() const { return m_inpText; }
    QMenu* DateiMenu() const { return m_dateiMenu; }
    QMenu* KXMenu() const { return m_kxMenu; }
    // The menu item with this object name ("LadenMenu", "SendToKX2Menu", ...).
    QAction* menuItem(const QString& name) const;
    // The column dialogs; nullptr until first used.
    LokDatFormatFrm* formatDialog() const { return m_formatFrm; }
    LokFktSymFrm* symbolDialog() const { return m_symbolFrm; }
    LokmaxSpeedFrm* speedDialog() const { return m_speedFrm; }
    PictureCache& pictures() { return *m_pictures; }
    // How often the grid was built from the table.
    int rebuildCount() const { return m_rebuilds; }

Q_SIGNALS:
    // AbbrechenMenu or the window's close box: the main window takes over.
    void closedToMainWindow();
    // A column dialog is shown and the editor now waits for its answer.
    void columnDialogShown(QDialog* dialog);

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenus(const DeviceMenuCaptions& captions);
    QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption, void (LokdatenFrm::*slot)());

    // grid and text-box events
    void LokdatenGrid_Click();
    void LokdatenGrid_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void LokdatenGrid_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void LokdatenGrid_EnterCell();
    void LokdatenGrid_Scroll();
    bool InpText_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void Form_Resize();

    void rebuildGrid();
    void fillLine(int row, const LocoGridLine& line);
    void showSymbol(int row, int col, int symbol);
    void PlaceEditBox();
    // cell (EditRow, 2) := text of InpText; hide it; save_data_from_grid (EditRow).
    void commitNameEdit();
    void hideNameEdit();
    int addressValue(int row) const;
    std::vector<int> otherAddresses(int row) const;
    bool hasEmptyEntryLine() const;
    bool sameLine(int row, int slot, int generation) const;

    LokDatFormatFrm* ensureFormatDialog();
    LokFktSymFrm* ensureSymbolDialog();
    LokmaxSpeedFrm* ensureSpeedDialog();
    template <class Dialog>
    void waitForAnswer(Dialog* dialog, const std::function<bool()>& answered);
    void raiseWaitingDialog();
    void cancelColumnDialogs();

    MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title);
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText);
    LocoFileContext fileContext();
    void pause(double seconds);
    // Runs a device transfer with the file and device menus shut, so that no second one starts.
    void runTransfer(const std::function<void()>& transfer);

    DatabaseContext& m_ctx;
    LocoData m_loco;
    std::unique_ptr<PictureCache> m_pictures;
    FlexGrid* m_grid;
    QLineEdit* m_inpText;
    QMenu* m_dateiMenu = nullptr;
    QMenu* m_kxMenu = nullptr;
    LokDatFormatFrm* m_formatFrm = nullptr;
    LokFktSymFrm* m_symbolFrm = nullptr;
    LokmaxSpeedFrm* m_speedFrm = nullptr;
    QDialog* m_waitingDialog = nullptr;
    int m_gridGeneration = 0;
    int m_rebuilds = 0;
    bool m_transferRunning = false;
};

} // namespace kx2
