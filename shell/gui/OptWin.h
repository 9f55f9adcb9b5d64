#pragma once
#include <QDialog>
#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kx2 {

class MainControls;
struct Settings;

// The options dialog: interface kind, baud rate and port. Not modal; the main window's controls
// are disabled while it is shown. "O.K." (also Return) takes the choices over; "Abbrechen", Escape
// and the window's close button leave the settings as they were. Every showing starts from the
// current settings, with the focus on the chosen interface kind.
class OptWin : public QDialog {
    Q_OBJECT
public:
    // showSettings puts the new port and baud rate on the main window.
    OptWin(Settings& settings, MainControls& mainControls, std::function<void()> showSettings,
           QWidget* parent = nullptr);

    static constexpr std::array<int, 4> BaudRates{9600, 16666, 19200, 115200};

    QRadioButton* upDevOpt(int index) const { return m_upDevOpt[size_t(index)]; }
    QRadioButton* bdrtOpt(int index) const { return m_bdrtOpt[size_t(index)]; }
    QComboBox* comPortTxt() const { return m_comPortTxt; }
    QPushButton* okBut() const { return m_okBut; }
    QPushButton* abbrechenBut() const { return m_abbrechenBut; }
    // "Nach dem Senden prüfen"
    QCheckBox* pruefenChk() const { return m_pruefenChk; }
    // "Sprache / Language": Deutsch, English; kept per user, in effect from the next start.
    QComboBox* spracheBox() const { return m_spracheBox; }
    // Shown while the choice differs from the language the dialog opened with.
    QLabel* spracheHinweis() const { return m_spracheHinweis; }
    // -1 when none is selected.
    int selectedUpDev() const;
    int selectedBdrt() const;

    // The user picks an interface kind: enables the baud rates it allows and moves the choice
    // off one it does not.
    void UpDevOptClick(int index);
    void OK_But_Click();

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadFromSettings();
    void enableBaudRatesFor(int upDev);
    void selectBdrt(int index);

    Settings& m_settings;
    MainControls& m_mainControls;
    std::function<void()> m_showSettings;

    std::array<QRadioButton*, 3> m_upDevOpt{};
    std::array<QRadioButton*, 4> m_bdrtOpt{};
    QButtonGroup* m_upDevGroup;
    QButtonGroup* m_bdrtGroup;
    QComboBox* m_comPortTxt;
    QCheckBox* m_pruefenChk;
    QComboBox* m_spracheBox;
    QLabel* m_spracheHinweis;
    int m_spracheAtShow = 0;
    QPushButton* m_okBut;
    QPushButton* m_abbrechenBut;
};

} // namespace kx2
