#pragma once
#include "editor/gui/ColumnDialog.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kx2 {

// The data-format dialog: six option buttons in the order of the data-format table and OK.
// The editor hands the option index in through FormatIndex, shows the dialog without making
// it modal and waits until FormatDialogResult is no longer -1 (ColumnDialog's hand-over).
class LokDatFormatFrm : public ColumnDialog {
    Q_OBJECT
public:
    explicit LokDatFormatFrm(QWidget* parent = nullptr);

    // Hand-over values: the option index in and out, and -1 while the dialog is open, 1 after
    // OK, 0 when it was closed another way (the format then stays as it was).
    int FormatIndex = 0;
    int& FormatDialogResult = Result;

    // FormatIndex := index, FormatDialogResult := -1, show, Activate.
    void showFor(int index);
    void Activate();
    void OKButton_Click();

    QRadioButton* LokdataFrmOpt(int index) const { return m_options[size_t(index)]; }
    QPushButton* OKButton() const { return m_okButton; }

public Q_SLOTS:
    // The window's close box and Escape.
    void reject() override;

private:
    QGroupBox* m_frame;
    std::array<QRadioButton*, 6> m_options{};
    QPushButton* m_okButton;
};

} // namespace kx2
