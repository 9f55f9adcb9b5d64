#pragma once
#include "routes/RouteCommand.h"
#include "editor/gui/ColumnDialog.h"

#include <array>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kx2 {

class RouteTables;
class UserDialogs;

// The route command dialog ("Fahrstraßenbefehle"): the kind of entry chosen among thirteen
// option buttons, its values in the fields beside it. A start entry offers only what a route can
// start with. OK encodes the fields; fields that stand for no entry are refused with a message
// and the dialog stays open.
class FSEingabeFrm : public ColumnDialog {
    Q_OBJECT
public:
    // routes: for the sub-route calls, which reach a route by its start entry; dialogs: the
    // refusals.
    FSEingabeFrm(const RouteTables& routes, UserDialogs& dialogs, QWidget* parent = nullptr);

    static constexpr int OptionCount = 13;
    static constexpr int FunctionCount = 9;

    // Hand-over values: the entry edited and its value in; CommandDialogOpen true while the editor
    // waits; after OK EditedCommand holds the answer, after "Abbrechen", Escape or the close box
    // Cancelled is set and the entry stays as it was.
    int EditedCommand = 0;
    int EditedRoute = 0;
    int EditedEntry = 0;      // 1: the start entry, 2..25: commands 1..24
    bool EditingStartEntry = false;
    bool CommandDialogOpen = false;
    bool Cancelled = false;
    // This dialog answers through its open flag.
    bool hasAnswer() const override { return !CommandDialogOpen; }

    // Sets the hand-over values, shows the dialog and activates it.
    void showFor(int route, int entry, int value);
    // Caption, fields from EditedCommand, the options a start entry or a command offers.
    void Form_Activate();

    // --- public operations ---
    void FS_Befehl_to_Form();
    // EditedCommand from the fields; false (nothing changed) when they were refused.
    bool Form_to_FS_Befehl();
    void alle_zusaetze_deaktiv();
    void alle_zusaetze_clr();

    void BefehlArtOpt_Click(int index);
    void OKButton_Click();

    // What the fields hold now.
    RouteCommandFields fields() const;

    QRadioButton* BefehlArtOpt(int index) const { return m_art[size_t(index)]; }
    QLineEdit* MagAdrTxt() const { return m_magAdr; }
    QLineEdit* RMAdrTxt() const { return m_rmAdr; }
    QLineEdit* PauseTxt() const { return m_pause; }
    QLineEdit* UnterTxt() const { return m_unter; }
    QLineEdit* LokAdrTxt() const { return m_lokAdr; }
    QLineEdit* LokSpeedTxt() const { return m_lokSpeed; }
    QCheckBox* NotChk() const { return m_notChk; }
    QCheckBox* FChk(int index) const { return m_fChk[size_t(index)]; }
    QButtonGroup* MagstatOpt() const { return m_magStat; }
    QButtonGroup* RMstatOpt() const { return m_rmStat; }
    QButtonGroup* FROpt() const { return m_fr; }
    QPushButton* OKButton() const { return m_ok; }
    // Leaves the entry as it was, like the close box and Escape.
    QPushButton* AbbrechenButton() const { return m_abbrechen; }

public Q_SLOTS:
    void reject() override;

private:
    void setFields(const RouteCommandFields& f);
    void LokSpeedTxt_Change();
    void UnterTxt_Change();
    void NotChk_Click(bool checked);
    // The fields an option enables.
    std::vector<QWidget*> fieldsOf(int index) const;

    const RouteTables& m_routes;
    UserDialogs& m_dialogs;
    std::array<QRadioButton*, OptionCount> m_art{};
    QButtonGroup* m_artGroup;
    QLineEdit* m_magAdr;
    QButtonGroup* m_magStat;
    QLineEdit* m_rmAdr;
    QButtonGroup* m_rmStat;
    QLineEdit* m_pause;
    QLineEdit* m_unter;
    QLineEdit* m_lokAdr;
    QLineEdit* m_lokSpeed;
    QCheckBox* m_notChk;
    QButtonGroup* m_fr;
    std::array<QCheckBox*, FunctionCount> m_fChk{};
    QPushButton* m_ok;
    QPushButton* m_abbrechen;
};

} // namespace kx2
