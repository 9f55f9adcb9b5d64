#include "sim/PtyServer.h"

#include <QCoreApplication>

// Windows has no pseudo-terminals: the simulated command station is reached there through the
// port text "SIM" inside the program, or through a pair of virtual COM ports made by other means.
namespace kx2::sim {

PtyServer::PtyServer(SimBus& bus, QObject* parent) : QObject(parent), m_bus(bus) {}

PtyServer::~PtyServer() = default;

bool PtyServer::start()
{
    m_error = QCoreApplication::translate("PtyServer",
                                          "Pseudo-Terminals gibt es auf diesem System nicht (nur Linux und macOS)");
    return false;
}

bool PtyServer::linkTo(const QString&)
{
    return false;
}

void PtyServer::stop() {}

void PtyServer::setLatencyTimer(double) {}

void PtyServer::busReceive(const QByteArray&) {}

void PtyServer::writeMaster(const QByteArray&) {}

void PtyServer::busVanished() {}

void PtyServer::readMaster() {}

} // namespace kx2::sim
