#include "link/BusMonitor.h"

#include "link/LocoNetLink.h"
#include "link/MessageText.h"

#include <QCoreApplication>

namespace kx2 {

BusMonitor::BusMonitor(LocoNetLink& link, std::size_t capacity) : m_link(link), m_capacity(capacity)
{
    m_listener = m_link.addBusListener([this](const QByteArray& message, bool own) {
        if (m_paused)
            return;
        m_entries.push_back({QTime::currentTime(), own, message});
        ++m_total;
        if (m_entries.size() > m_capacity)
            m_entries.pop_front();
    });
}

BusMonitor::~BusMonitor()
{
    m_link.removeBusListener(m_listener);
}

QString BusMonitor::directionText(bool own)
{
    return own ? QCoreApplication::translate("BusMonitor", "gesendet")
               : QCoreApplication::translate("BusMonitor", "empfangen");
}

QString BusMonitor::line(const Entry& entry, const QString& words)
{
    return QStringLiteral("%1  %2  %3  %4")
        .arg(entry.time.toString(QStringLiteral("HH:mm:ss.zzz")), directionText(entry.own).leftJustified(9),
             hexBytes(entry.message), words);
}

} // namespace kx2
