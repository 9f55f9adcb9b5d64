#include "shell/gui/HelpWin.h"

#include "shell/HelpText.h"

#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace kx2 {

HelpWin::HelpWin(const QString& programFolder, QWidget* parent, const QString& programName)
    : QDialog(parent)
    , m_programFolder(programFolder)
    , m_programName(programName)
{
    setObjectName(QStringLiteral("HelpWin"));
    setWindowTitle(QCoreApplication::translate("HelpWin", "Hilfe"));

    m_helpTxt = new QListWidget(this);
    m_helpTxt->setObjectName(QStringLiteral("HelpTxt"));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    m_helpTxt->setFont(font);
    m_helpTxt->setSelectionMode(QAbstractItemView::SingleSelection);

    m_okButton = new QPushButton(QCoreApplication::translate("HelpWin", "OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_helpTxt, 1);
    layout->addWidget(m_okButton, 0, Qt::AlignHCenter);

    // Room for lines of about 80 characters.
    const QFontMetrics metrics(font);
    resize(metrics.horizontalAdvance(QString(82, QLatin1Char('M'))) + 40, metrics.height() * 30);
}

void HelpWin::fill()
{
    m_helpTxt->clear();
    m_helpTxt->addItems(nameProgramInHelp(readHelpFile(m_programFolder), m_programName));
    m_loaded = true;
}

void HelpWin::showEvent(QShowEvent* event)
{
    if (!m_loaded)
        fill();
    QDialog::showEvent(event);
}

void HelpWin::closeEvent(QCloseEvent* event)
{
    m_loaded = false;
    QDialog::closeEvent(event);
}

} // namespace kx2
