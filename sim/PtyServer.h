#pragma once
#include "sim/SimBus.h"
#include "sim/SimLatencyTimer.h"

#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

namespace kx2::sim {

// Serves a simulated LocoNet on a pseudo-terminal, so that a program opens it as a serial port
// (QSerialPort, the real path) while the bus and the command station run in this process.
// Bytes the program writes go onto the bus; what the bus delivers is written back to it.
class PtyServer : public QObject, public SimBus::Endpoint {
public:
    explicit PtyServer(SimBus& bus, QObject* parent = nullptr);
    ~PtyServer() override;

    // Creates the pseudo-terminal; false with a reason in errorText() when it cannot.
    bool start();
    // The device name the program opens (/dev/pts/N).
    QString deviceName() const { return m_deviceName; }
    // Makes `path` a symbolic link to the device; an existing link there is replaced, any other
    // file is left alone (false).
    bool linkTo(const QString& path);
    // Closes the pseudo-terminal and removes the link.
    void stop();
    QString errorText() const { return m_error; }
    // Holds what goes to the program as a USB interface with this latency timer does (0: off).
    void setLatencyTimer(double seconds);

    void busReceive(const QByteArray& bytes) override;
    void busVanished() override;

private:
    void readMaster();
    void writeMaster(const QByteArray& bytes);

    SimBus& m_bus;
    int m_master = -1;
    // Kept open so that the terminal lives on while no program has it open.
    int m_slave = -1;
    QString m_deviceName;
    QString m_linkPath;
    QString m_error;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::unique_ptr<SimLatencyTimer> m_latency;
};

} // namespace kx2::sim
