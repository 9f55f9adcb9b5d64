#include "link/gui/ComWin.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kx2 {

namespace {
// Four paints a second: the eye sees a steady count, and the bus monitor draws as often.
constexpr qint64 kCountPaintMs = 250;
} // namespace

ComWin::ComWin(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ComWin"));
    setWindowTitle(QCoreApplication::translate("ComWin", "Fortschritt:"));
    m_comTxt = new QLabel(QStringLiteral("- "), this);
    m_comTxt->setObjectName(QStringLiteral("ComTxt"));
    m_comTxt->setTextFormat(Qt::PlainText);
    m_comTxt->setMinimumWidth(320);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ComBar"));
    m_bar->setFormat(QStringLiteral("%p %"));
    // The window keeps its size when the bar comes and goes, so that it stays where it opened.
    QSizePolicy keep = m_bar->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_bar->setSizePolicy(keep);
    m_bar->setVisible(false);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("ComZahl"));
    m_count->setTextFormat(Qt::PlainText);
    m_abbrechen = new QPushButton(QCoreApplication::translate("ComWin", "Abbrechen"), this);
    m_abbrechen->setObjectName(QStringLiteral("Abbrechen_But"));
    m_abbrechen->setEnabled(false);
    // A Return meant for the window behind never ends a transfer.
    m_abbrechen->setAutoDefault(false);
    connect(m_abbrechen, &QPushButton::clicked, this, &ComWin::Abbrechen_Click);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_count, 1);
    bottom->addWidget(m_abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_comTxt);
    layout->addWidget(m_bar);
    layout->addLayout(bottom);
    setMinimumWidth(420);
    m_countPaint = new QTimer(this);
    m_countPaint->setSingleShot(true);
    connect(m_countPaint, &QTimer::timeout, this, &ComWin::countPaintDue);
}

void ComWin::show()
{
    if (!isVisible()) {
        adjustSize();
        QWidget* over = m_owner && m_owner->isVisible() ? m_owner.data() : QApplication::activeWindow();
        if (over && over != this)
            move(over->frameGeometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    QWidget::show();
    raise();
}

void ComWin::hide()
{
    QWidget::hide();
}

void ComWin::setText(const QString& text)
{
    countPaintDue();
    m_comTxt->setText(text);
}

void ComWin::setCount(const ProgressCount& count)
{
    countPaintDue();
    m_bar->setVisible(count.shown());
    if (!count.shown()) {
        m_count->clear();
        return;
    }
    // The bar stands for the whole transfer, the line below it for the step under way.
    m_bar->setRange(0, 100);
    m_bar->setValue(count.percent());
    const QString left = count.timeLeftText();
    m_count->setText(left.isEmpty() ? count.text() : count.text() + QStringLiteral(", ") + left);
}

bool ComWin::countPaintDue()
{
    const qint64 since = m_countPainted.isValid() ? m_countPainted.elapsed() : kCountPaintMs;
    const bool due = since >= kCountPaintMs || !isVisible();
    // Held back, step, bar and count take their new values without painting them; enabled again,
    // they paint what they hold then.
    m_comTxt->setUpdatesEnabled(due);
    m_bar->setUpdatesEnabled(due);
    m_count->setUpdatesEnabled(due);
    if (!due) {
        if (!m_countPaint->isActive())
            m_countPaint->start(int(kCountPaintMs - since));
        return false;
    }
    m_countPaint->stop();
    if (isVisible())
        m_countPainted.start();
    return true;
}

void ComWin::transferStarted()
{
    if (m_inRun)
        return;
    m_running = true;
    m_cancel = false;
    m_done = false;
    m_abbrechen->setText(QCoreApplication::translate("ComWin", "Abbrechen"));
    m_abbrechen->setEnabled(true);
}

void ComWin::transferEnded()
{
    if (m_inRun)
        return;
    m_running = false;
    // Should the window still stand, the button now only closes it.
    m_abbrechen->setText(QCoreApplication::translate("ComWin", "Schließen"));
    m_abbrechen->setEnabled(true);
    Q_EMIT transferFinished();
}

void ComWin::transferDone()
{
    m_done = true;
    m_abbrechen->setText(QCoreApplication::translate("ComWin", "Schließen"));
    m_abbrechen->setEnabled(true);
}

void ComWin::runStarted()
{
    transferStarted();
    m_inRun = true;
}

void ComWin::runPart(const QString& part)
{
    setWindowTitle(QCoreApplication::translate("ComWin", "Fortschritt: ") + part);
}

void ComWin::runEnded()
{
    m_inRun = false;
    setWindowTitle(QCoreApplication::translate("ComWin", "Fortschritt:"));
    transferEnded();
    hide();
}

bool ComWin::offerCancel()
{
    if (!m_running || m_done)
        return false;
    if (m_cancel)
        return true;
    if (m_dialogs
        && m_dialogs->messageBox(
               QCoreApplication::translate("ComWin", "Die Übertragung läuft noch. Soll sie abgebrochen werden?"),
               MsgButtons::YesNo, MsgIcon::Question, QCoreApplication::translate("ComWin", "Übertragung abbrechen"))
            != MsgAnswer::Yes)
        return false;
    // The transfer may have ended while the question was open.
    if (m_running)
        Abbrechen_Click();
    return true;
}

void ComWin::Abbrechen_Click()
{
    if (!m_running || m_done) {
        hide();
        return;
    }
    m_cancel = true;
    m_abbrechen->setEnabled(false);
    // A Return meant for the window behind never ends a transfer.
    m_abbrechen->setAutoDefault(false);
    m_abbrechen->setText(QCoreApplication::translate("ComWin", "Wird abgebrochen …"));
}

void ComWin::closeEvent(QCloseEvent* event)
{
    if (!m_running || m_done) {
        event->accept();
        return;
    }
    // The window stays until the transfer has ended, cancelled or not: nothing runs unseen.
    event->ignore();
    offerCancel();
}

void ComWin::reject()
{
    close();
}

QString ComWin::text() const
{
    return m_comTxt->text();
}

QString ComWin::countText() const
{
    return m_count->text();
}

} // namespace kx2
