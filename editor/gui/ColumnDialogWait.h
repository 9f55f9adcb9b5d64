#pragma once
#include <functional>

class QDialog;

namespace kx2 {

class ColumnDialog;

// The column dialog an editor waits for, one at a time. The dialog is not modal: the editor
// stays usable and the operation that asked sleeps in the event loop until the dialog answers
// (its buttons, its close box) or the program ends.
class ColumnDialogWait {
public:
    // True when a dialog is being waited for; it is brought to the front.
    bool bringForward();
    // `shown` runs once the dialog counts as waited for; then the wait lasts until the dialog
    // has answered or was closed. A dialog left unanswered is hidden.
    void wait(ColumnDialog* dialog, const std::function<void()>& shown);
    // The dialog waited for is closed unanswered.
    void cancel();

private:
    QDialog* m_waiting = nullptr;
};

} // namespace kx2
