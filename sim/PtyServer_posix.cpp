#include "sim/PtyServer.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <QCoreApplication>

namespace kx2::sim {

PtyServer::PtyServer(SimBus& bus, QObject* parent) : QObject(parent), m_bus(bus) {}

PtyServer::~PtyServer()
{
    stop();
}

bool PtyServer::start()
{
    if (m_master >= 0)
        return true;
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        if (master >= 0)
            ::close(master);
        return false;
    }
    char name[256] = {};
    if (ptsname_r(master, name, sizeof name) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(master);
        return false;
    }
    const int slave = ::open(name, O_RDWR | O_NOCTTY);
    if (slave < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(master);
        return false;
    }
    // Raw bytes both ways: no echo by the terminal, no line editing, no character translation.
    termios t{};
    if (tcgetattr(slave, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(slave, TCSANOW, &t);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    m_master = master;
    m_slave = slave;
    m_deviceName = QString::fromLocal8Bit(name);
    m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { readMaster(); });
    m_bus.attach(this);
    return true;
}

bool PtyServer::linkTo(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        QFile::remove(path);
    } else if (info.exists()) {
        m_error = QCoreApplication::translate("PtyServer", "%1 ist schon vorhanden und kein Link").arg(path);
        return false;
    }
    if (::symlink(m_deviceName.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_linkPath = path;
    return true;
}

void PtyServer::stop()
{
    m_notifier.reset();
    if (m_master >= 0) {
        m_bus.detach(this);
        ::close(m_master);
        m_master = -1;
    }
    if (m_slave >= 0) {
        ::close(m_slave);
        m_slave = -1;
    }
    if (!m_linkPath.isEmpty()) {
        // Only our own link: another simulator started meanwhile may have put its own there.
        const QFileInfo link(m_linkPath);
        if (link.isSymLink() && link.symLinkTarget() == QFileInfo(m_deviceName).absoluteFilePath())
            QFile::remove(m_linkPath);
        m_linkPath.clear();
    }
}

void PtyServer::readMaster()
{
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            m_bus.transmit(this, QByteArray(buffer, int(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return;
    }
}

void PtyServer::setLatencyTimer(double seconds)
{
    m_latency = seconds > 0 ? std::make_unique<SimLatencyTimer>(m_bus.clock(), seconds,
                                                                 [this](const QByteArray& b) { writeMaster(b); })
                            : nullptr;
}

void PtyServer::busReceive(const QByteArray& bytes)
{
    if (m_latency)
        m_latency->take(bytes);
    else
        writeMaster(bytes);
}

void PtyServer::writeMaster(const QByteArray& bytes)
{
    if (m_master < 0)
        return;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            // The terminal's buffer is full (nobody reads): the rest is lost, as on a real line.
            return;
        }
    }
}

void PtyServer::busVanished()
{
    // The device disappears for the program that has it open.
    stop();
}

} // namespace kx2::sim
