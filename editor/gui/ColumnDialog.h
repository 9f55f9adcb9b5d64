#pragma once
#include <QDialog>

namespace kx2 {

// A dialog that edits a column of an editor's grid (data format, symbol, maximum speed, route
// command). It is shown without being modal: the editor waits in the event loop until the
// dialog's hand-over values carry an answer, and answered() says when they do.
class ColumnDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColumnDialog(QWidget* parent = nullptr) : QDialog(parent) { setModal(false); }

Q_SIGNALS:
    void answered();

protected:
    // Shows the dialog in front of the editor.
    void present()
    {
        show();
        raise();
        activateWindow();
    }
};

} // namespace kx2
