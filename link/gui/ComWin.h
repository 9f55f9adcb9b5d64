#pragma once
#include "shell/UserDialogs.h"

#include <QWidget>

class QLabel;

namespace kx2 {

// The progress window: caption "Fortschritt:", one line of text in ComTxt. The transfer drivers
// show it, set the step in progress and hide it; it has no behaviour of its own.
class ComWin : public QWidget, public Progress {
    Q_OBJECT
public:
    explicit ComWin(QWidget* parent = nullptr);

    void show() override;
    void hide() override;
    // Repaints at once: a transfer yields to the event loop only between its waits.
    void setText(const QString& text) override;

    QString text() const;

private:
    QLabel* m_comTxt;
};

} // namespace kx2
