#include "link/gui/ComWin.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kx2 {

ComWin::ComWin(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ComWin"));
    setWindowTitle(QStringLiteral("Fortschritt:"));
    m_comTxt = new QLabel(QStringLiteral("- "), this);
    m_comTxt->setObjectName(QStringLiteral("ComTxt"));
    m_comTxt->setTextFormat(Qt::PlainText);
    m_comTxt->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_comTxt);
    setMinimumWidth(360);
}

void ComWin::show()
{
    QWidget::show();
    raise();
}

void ComWin::hide()
{
    QWidget::hide();
}

void ComWin::setText(const QString& text)
{
    m_comTxt->setText(text);
    if (isVisible())
        m_comTxt->repaint();
}

QString ComWin::text() const
{
    return m_comTxt->text();
}

} // namespace kx2
