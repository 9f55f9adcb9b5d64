#include "sim/PortSwitch.h"

#include "link/TcpComm1.h"
#include "sim/SimBus.h"
#include "sim/SimComm1.h"
#include "sim/SimCommandStation.h"

#include <QDir>
#include <QFileInfo>

namespace kx2::sim {

PortSwitch::PortSwitch(Comm1& realPort, Clock& clock, const QString& statePath)
    : m_real(realPort)
    , m_bus(std::make_unique<SimBus>(clock))
{
    SimStationConfig config;
    config.statePath = statePath;
    m_station = std::make_unique<SimCommandStation>(*m_bus, config);
    m_sim = std::make_unique<SimComm1>(*m_bus);
    m_sim->setOnComm([this] { raiseOnComm(); });
    m_tcp = std::make_unique<TcpComm1>(clock);
    m_tcp->setOnComm([this] { raiseOnComm(); });
    m_real.setOnComm([this] { raiseOnComm(); });
    m_port = m_real.commPort();
}

PortSwitch::~PortSwitch()
{
    m_real.setOnComm({});
    // The station keeps its memory when the program ends, but only a run that talked to it has
    // any to keep: a run on a real port would leave an empty memory behind, and the next start on
    // the simulator would find an empty station where its sample layout should be.
    if (m_simulatorUsed)
        m_station->saveState();
}

bool PortSwitch::isSimulatorPort(const QString& port)
{
    return port.trimmed().compare(QLatin1String("SIM"), Qt::CaseInsensitive) == 0;
}

QString PortSwitch::statePathBeside(const QString& settingsFile)
{
    return QFileInfo(settingsFile).absoluteDir().filePath(QStringLiteral("KX2_SIM.STATE"));
}

Comm1& PortSwitch::active() const
{
    switch (m_kind) {
    case Kind::Sim: return *m_sim;
    case Kind::Tcp: return *m_tcp;
    case Kind::Real: break;
    }
    return m_real;
}

SimCommandStation& PortSwitch::station()
{
    return *m_station;
}

SimBus& PortSwitch::bus()
{
    return *m_bus;
}

void PortSwitch::select(Kind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    Comm1& port = active();
    port.setSettings(m_settings);
    port.setHandshaking(m_handshaking);
    port.setInputLen(m_inputLen);
    port.setSThreshold(m_sThreshold);
    port.setRThreshold(m_rThreshold);
    port.setRtsEnable(m_rts);
}

void PortSwitch::setCommPort(const QString& port)
{
    // Like every port: the port changes only while it is closed.
    if (portOpen())
        return;
    m_port = port;
    select(isSimulatorPort(port) ? Kind::Sim : TcpComm1::isNetworkPort(port) ? Kind::Tcp : Kind::Real);
    active().setCommPort(port);
}

void PortSwitch::setSettings(const QString& settings)
{
    m_settings = settings;
    active().setSettings(settings);
}

bool PortSwitch::setPortOpen(bool open)
{
    if (open && m_kind == Kind::Sim)
        m_simulatorUsed = true;
    return active().setPortOpen(open);
}

void PortSwitch::setRtsEnable(bool on)
{
    m_rts = on;
    active().setRtsEnable(on);
}

void PortSwitch::setHandshaking(Handshaking mode)
{
    m_handshaking = mode;
    active().setHandshaking(mode);
}

void PortSwitch::setInputLen(int len)
{
    m_inputLen = len;
    active().setInputLen(len);
}

void PortSwitch::setSThreshold(int n)
{
    m_sThreshold = n;
    active().setSThreshold(n);
}

void PortSwitch::setRThreshold(int n)
{
    m_rThreshold = n;
    active().setRThreshold(n);
}

} // namespace kx2::sim
