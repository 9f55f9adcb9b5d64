#include "link/gui/MonitorWin.h"

#include "link/Comm1.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"
#include "link/SerialInterface.h"
#include "shell/Cp1252.h"
#include "shell/UserDialogs.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kx2 {

namespace {
// Four times a second is live enough to read and costs a transfer nothing.
constexpr int kDrawIntervalMs = 250;
} // namespace

MonitorWin::MonitorWin(LocoNetLink& link, SerialInterface& iface, UserDialogs& dialogs, FileDialog& files,
                       Describe describe, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_link(link)
    , m_iface(iface)
    , m_dialogs(dialogs)
    , m_files(files)
    , m_describe(std::move(describe))
    , m_monitor(link)
{
    setObjectName(QStringLiteral("MonitorWin"));
    setWindowTitle(QCoreApplication::translate("MonitorWin", "LocoNet-Monitor"));
    resize(1250, 520);

    m_list = new QPlainTextEdit(this);
    m_list->setObjectName(QStringLiteral("MonitorList"));
    m_list->setReadOnly(true);
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_list->setMaximumBlockCount(int(BusMonitor::DefaultCapacity));
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    m_portBut = new QPushButton(QCoreApplication::translate("MonitorWin", "Port öffnen"), this);
    m_portBut->setObjectName(QStringLiteral("PortBut"));
    m_pauseBut = new QPushButton(QCoreApplication::translate("MonitorWin", "Pause"), this);
    m_pauseBut->setObjectName(QStringLiteral("PauseBut"));
    m_pauseBut->setCheckable(true);
    auto* leeren = new QPushButton(QCoreApplication::translate("MonitorWin", "Leeren"), this);
    leeren->setObjectName(QStringLiteral("LeerenBut"));
    auto* speichern = new QPushButton(QCoreApplication::translate("MonitorWin", "Speichern..."), this);
    speichern->setObjectName(QStringLiteral("SpeichernBut"));
    m_filter = new QComboBox(this);
    m_filter->setObjectName(QStringLiteral("OpcodeFilter"));
    m_filter->setEditable(true);
    m_filter->addItems({QCoreApplication::translate("MonitorWin", "alle"), QStringLiteral("B2"),
                        QStringLiteral("B0 B1"), QStringLiteral("A0 A1 E7"), QStringLiteral("ED E5 B4")});
    m_filter->setToolTip(QCoreApplication::translate(
        "MonitorWin", "Nur diese Opcodes zeigen, hexadezimal und durch Leerzeichen getrennt"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("MonitorStatus"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_portBut);
    buttons->addWidget(m_pauseBut);
    buttons->addWidget(leeren);
    buttons->addWidget(speichern);
    buttons->addSpacing(12);
    buttons->addWidget(new QLabel(QCoreApplication::translate("MonitorWin", "Opcode:"), this));
    buttons->addWidget(m_filter);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_status);

    connect(m_portBut, &QPushButton::clicked, this, &MonitorWin::PortBut_Click);
    connect(m_pauseBut, &QPushButton::toggled, this, [this](bool on) {
        m_monitor.setPaused(on);
        m_pauseBut->setText(on ? QCoreApplication::translate("MonitorWin", "Weiter")
                               : QCoreApplication::translate("MonitorWin", "Pause"));
    });
    connect(leeren, &QPushButton::clicked, this, &MonitorWin::Leeren_Click);
    connect(speichern, &QPushButton::clicked, this, &MonitorWin::Speichern_Click);
    connect(m_filter, &QComboBox::currentTextChanged, this, &MonitorWin::setFilterText);

    m_timer = new QTimer(this);
    m_timer->setInterval(kDrawIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &MonitorWin::refresh);
    updateControls();
}

MonitorWin::~MonitorWin()
{
    m_iface.releaseIdle();
}

void MonitorWin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
    m_timer->start();
}

void MonitorWin::hideEvent(QHideEvent* event)
{
    // Nothing to draw while hidden; the monitor goes on taking messages.
    m_timer->stop();
    QWidget::hideEvent(event);
}

void MonitorWin::closeEvent(QCloseEvent* event)
{
    // A lent port goes back when the window goes.
    m_iface.releaseIdle();
    QWidget::closeEvent(event);
}

bool MonitorWin::shown(const QByteArray& message) const
{
    if (m_opcodes.empty())
        return true;
    const int opcode = message.isEmpty() ? -1 : static_cast<unsigned char>(message[0]);
    return std::find(m_opcodes.begin(), m_opcodes.end(), opcode) != m_opcodes.end();
}

QString MonitorWin::lineOf(const BusMonitor::Entry& entry) const
{
    return BusMonitor::line(entry, m_describe ? m_describe(entry.message) : QString());
}

void MonitorWin::refresh()
{
    const auto& entries = m_monitor.entries();
    const std::size_t fresh = std::size_t(std::min<unsigned long long>(m_monitor.total() - m_shownTotal, entries.size()));
    m_shownTotal = m_monitor.total();
    QStringList lines;
    for (std::size_t i = entries.size() - fresh; i < entries.size(); ++i)
        if (shown(entries[i].message))
            lines << lineOf(entries[i]);
    if (!lines.isEmpty())
        m_list->appendPlainText(lines.join(QLatin1Char('\n')));
    updateControls();
}

void MonitorWin::rebuild()
{
    m_list->clear();
    m_shownTotal = m_monitor.total() - m_monitor.entries().size();
    refresh();
}

void MonitorWin::updateControls()
{
    // A lent port that closed itself (a network connection lost) is given back, with the reason.
    if (m_iface.idleOpen() && !m_link.port().portOpen()) {
        m_lostWhy = m_link.port().failureText();
        m_iface.releaseIdle();
    }
    const bool held = m_iface.idleOpen();
    // While a transfer holds the port it is not the monitor's to open or close.
    m_portBut->setEnabled(held || !m_link.port().portOpen());
    m_portBut->setText(held ? QCoreApplication::translate("MonitorWin", "Port schließen")
                            : QCoreApplication::translate("MonitorWin", "Port öffnen"));
    const QString port = m_link.port().portOpen() ? QCoreApplication::translate("MonitorWin", "offen")
        : m_lostWhy.isEmpty()                     ? QCoreApplication::translate("MonitorWin", "geschlossen")
                              : QCoreApplication::translate("MonitorWin", "geschlossen (%1)").arg(m_lostWhy);
    m_status->setText(QCoreApplication::translate("MonitorWin", "%n Nachrichten, Port %1: %2", nullptr,
                                                  int(m_monitor.total()))
                          .arg(m_link.port().commPort(), port));
}

void MonitorWin::PortBut_Click()
{
    if (m_iface.idleOpen()) {
        m_iface.releaseIdle();
        updateControls();
        return;
    }
    if (m_link.port().portOpen())
        return;
    m_lostWhy.clear();
    const int result = m_iface.connectIdle([this] { updateControls(); });
    if (result != 0) {
        m_iface.ClosePort();
        const QString why = m_link.port().failureText();
        m_dialogs.messageBox(why.isEmpty() ? ResultText(result) : ResultText(result) + QChar(13) + why,
                             MsgButtons::Ok, MsgIcon::Critical, windowTitle());
    }
    updateControls();
}

void MonitorWin::Leeren_Click()
{
    m_monitor.clear();
    rebuild();
}

void MonitorWin::setFilterText(const QString& text)
{
    m_opcodes.clear();
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int opcode = word.toInt(&ok, 16);
        if (ok && opcode >= 0x80 && opcode <= 0xFF)
            m_opcodes.push_back(opcode);
    }
    rebuild();
}

QString MonitorWin::shownText() const
{
    return m_list->toPlainText();
}

void MonitorWin::Speichern_Click()
{
    const QString name = m_files.saveFileName(QCoreApplication::translate("MonitorWin", "LocoNet-Monitor speichern"),
                                              QStringLiteral("loconet.txt"),
                                              QCoreApplication::translate("MonitorWin", "Textdatei (*.txt)|*.txt|"));
    if (name.isEmpty())
        return;
    QFile file(name);
    QString text = shownText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(toCp1252(text + QStringLiteral("\r\n"))) < 0)
        m_dialogs.messageBox(QCoreApplication::translate("MonitorWin", "Die Datei kann nicht geschrieben werden:")
                                 + QChar(13) + name,
                             MsgButtons::Ok, MsgIcon::Critical, windowTitle());
}

} // namespace kx2
