#pragma once
#include <QDialog>

namespace kx2 {

// A dialog that edits a column of an editor's grid (data format, symbol, maximum speed, route
// command). It is shown without being modal: the editor waits in the event loop until the
// dialog has answered through its hand-over value, and answered() says when it has.
class ColumnDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColumnDialog(QWidget* parent = nullptr) : QDialog(parent) { setModal(false); }

    // The hand-over value: preset to -1 when the dialog is shown, then its answer (1 OK, 0
    // cancel, or the symbol chosen). Each dialog names it after its own value
    // (FormatDialogResult, SpeedDialogResult, SymbolResult).
    int Result = -1;
    // The dialog has answered since it was shown.
    virtual bool hasAnswer() const { return Result != -1; }

Q_SIGNALS:
    void answered();

protected:
    // The hand-over value preset to -1, the dialog shown in front of the editor.
    void present()
    {
        Result = -1;
        show();
        raise();
        activateWindow();
    }
    // The answer: the dialog goes, the hand-over value takes it and the editor stops waiting.
    void giveAnswer(int value)
    {
        Result = value;
        hide();
        Q_EMIT answered();
    }
    // The close box and Escape: `value`, unless the dialog has answered already.
    void rejectWith(int value)
    {
        QDialog::reject();
        if (!hasAnswer())
            giveAnswer(value);
    }
};

} // namespace kx2
