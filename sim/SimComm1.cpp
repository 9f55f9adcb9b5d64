#include "sim/SimComm1.h"

#include "link/PortFailure.h"

#include <QCoreApplication>

namespace kx2::sim {

SimComm1::SimComm1(SimBus& bus) : m_bus(bus)
{
    m_bus.attach(this);
}

SimComm1::~SimComm1()
{
    m_bus.detach(this);
}

void SimComm1::setCommPort(const QString& port)
{
    if (!m_open)
        m_port = port;
}

bool SimComm1::setPortOpen(bool open)
{
    if (!open) {
        m_open = false;
        m_in.clear();
        return true;
    }
    if (m_unplugged || m_bus.vanished()) {
        m_error = portFailureText(
            m_port.isEmpty() ? QStringLiteral("SIM") : m_port, QString(), PortFailure::Other,
            QCoreApplication::translate("SimComm1", "Die simulierte Schnittstelle ist nicht angeschlossen"));
        m_open = false;
        return false;
    }
    m_error.clear();
    m_open = true;
    return true;
}

QByteArray SimComm1::input()
{
    const int n = m_inputLen == 0 ? int(m_in.size()) : std::min<int>(m_inputLen, int(m_in.size()));
    QByteArray out = m_in.left(n);
    m_in.remove(0, n);
    return out;
}

bool SimComm1::output(const QByteArray& bytes)
{
    if (!m_open || m_unplugged || m_bus.vanished()) {
        m_error = QCoreApplication::translate("SimComm1", "Die simulierte Schnittstelle ist nicht angeschlossen");
        return false;
    }
    m_bus.transmit(this, bytes);
    return true;
}

void SimComm1::busReceive(const QByteArray& bytes)
{
    if (!m_open || m_unplugged)
        return;
    m_in += bytes;
    if (m_inEvent)
        return;
    // The receive event comes again while bytes wait and the handler takes some, as a port does
    // that hands over InputLen characters per read.
    m_inEvent = true;
    while (!m_in.isEmpty() && m_rThreshold > 0) {
        const qsizetype before = m_in.size();
        raiseOnComm();
        if (m_in.size() >= before)
            break;
    }
    m_inEvent = false;
}

void SimComm1::busVanished()
{
    setUnplugged(true);
}

void SimComm1::setUnplugged(bool unplugged)
{
    m_unplugged = unplugged;
    if (unplugged) {
        // As a real port whose device vanished: it closes itself and cannot be opened again.
        m_open = false;
        m_in.clear();
        m_error = QCoreApplication::translate("SimComm1", "Die simulierte Schnittstelle ist nicht angeschlossen");
    }
}

} // namespace kx2::sim
