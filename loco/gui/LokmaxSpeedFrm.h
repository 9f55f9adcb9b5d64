#pragma once
#include "editor/gui/ColumnDialog.h"

class QLabel;
class QPushButton;
class QSlider;

namespace kx2 {

// The maximum-speed dialog: a slider over the stored byte (half the speed) and a label that
// shows the speed, twice the slider position.
class LokmaxSpeedFrm : public ColumnDialog {
    Q_OBJECT
public:
    explicit LokmaxSpeedFrm(QWidget* parent = nullptr);

    // Hand-over values: MaxSpeedHalf in, the slider position out; -1 while open, 1 after OK,
    // 0 after Abbrechen or when the window was closed.
    int SpeedValue = 0;
    int& SpeedDialogResult = Result;

    static constexpr int SliderMax = 255; // the stored byte allows 0..255

    void showFor(int value);
    void Activate();
    void OKButton_Click();
    void CancelButton_Click();

    QSlider* SpeedSlider() const { return m_slider; }
    QLabel* SpeedAusg() const { return m_speedAusg; }
    QPushButton* OKButton() const { return m_okButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }

public Q_SLOTS:
    void reject() override;

private:
    void SpeedSlider_Change(int position);

    QSlider* m_slider;
    QLabel* m_speedAusg;
    QLabel* m_label2;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
};

} // namespace kx2
