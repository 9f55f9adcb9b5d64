#pragma once
#include "shell/UserDialogs.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kx2 {

// The progress window: caption "Fortschritt:", the step in progress in ComTxt, under it the
// count of the whole transfer with its bar ("Lokdatensatz 42 von 500", the share, the time left
// once the pace tells it) and "Abbrechen", which says "Schließen" once the transfer is done. The
// transfer drivers show it, set the step and hide it; the window only offers the cancel: the
// transfer ends at its next exchange. Closing it while a transfer runs asks first, and the window
// stays until the transfer has ended.
class ComWin : public QDialog, public Progress {
    Q_OBJECT
public:
    explicit ComWin(QWidget* parent = nullptr);

    // Centred over the window that started the transfer (see setOwner), else over the window in
    // front.
    void show() override;
    void hide() override;
    // Step and count change with nearly every exchange, and painting them each time would cost the
    // program more processor time than the transfer: they are painted together, at most four
    // times a second and only from the event loop, that is while the transfer waits for an
    // answer, when the step text and the count speak of the same request (text() and countText()
    // have them at once).
    void setText(const QString& text) override;
    void setCount(const ProgressCount& count) override;
    void transferStarted() override;
    void transferEnded() override;
    void transferDone() override;
    bool cancelRequested() const override { return m_cancel; }
    void runStarted() override;
    void runPart(const QString& part) override;
    void runEnded() override;

    // The window a transfer is started from; the progress window opens over it.
    void setOwner(QWidget* owner) { m_owner = owner; }
    // Where the question before a cancel is asked (nullptr: the cancel needs no question).
    void setDialogs(UserDialogs* dialogs) { m_dialogs = dialogs; }

    bool transferRunning() const { return m_running; }
    // While a transfer runs: asks whether to cancel it and, on yes, asks the transfer to end.
    // Returns whether the user wants it ended.
    bool offerCancel();
    // "Abbrechen": the transfer under way ends at its next exchange; without one, or once it is
    // done ("Schließen"), the window closes.
    void Abbrechen_Click();

    QString text() const;
    QString countText() const;
    QProgressBar* bar() const { return m_bar; }
    QPushButton* abbrechenBut() const { return m_abbrechen; }

Q_SIGNALS:
    // A transfer has ended, whichever way.
    void transferFinished();

public Q_SLOTS:
    // Escape: as the close button.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Whether step, bar and count may paint now (their last paint is long enough ago); if not,
    // they paint once it is.
    bool countPaintDue();

    QLabel* m_comTxt;
    QProgressBar* m_bar;
    QLabel* m_count;
    QPushButton* m_abbrechen;
    QPointer<QWidget> m_owner;
    UserDialogs* m_dialogs = nullptr;
    bool m_running = false;
    bool m_cancel = false;
    bool m_done = false;
    bool m_inRun = false;
    QTimer* m_countPaint;
    QElapsedTimer m_countPainted;
};

} // namespace kx2
