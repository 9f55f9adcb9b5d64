#include "editor/gui/ColumnDialogWait.h"

#include "editor/gui/ColumnDialog.h"

#include <QEventLoop>

namespace kx2 {

bool ColumnDialogWait::bringForward()
{
    if (!m_waiting)
        return false;
    m_waiting->raise();
    m_waiting->activateWindow();
    return true;
}

void ColumnDialogWait::wait(ColumnDialog* dialog, const std::function<void()>& shown)
{
    m_waiting = dialog;
    shown();
    if (!dialog->hasAnswer()) {
        QEventLoop loop;
        QObject::connect(dialog, &ColumnDialog::answered, &loop, &QEventLoop::quit);
        loop.exec();
    }
    m_waiting = nullptr;
    if (!dialog->hasAnswer())
        dialog->hide();
}

void ColumnDialogWait::cancel()
{
    if (m_waiting)
        m_waiting->reject();
}

} // namespace kx2
