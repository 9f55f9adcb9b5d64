#include "shell/PortChoices.h"

#include <QCollator>
#include <QDir>
#include <QSerialPortInfo>

#include <algorithm>

namespace kx2 {

QStringList ArrangePortChoices(const QStringList& found)
{
    QStringList ports;
    for (const QString& p : found)
        if (!p.isEmpty() && p != SimulatorPort && !ports.contains(p))
            ports.append(p);
    // Natural order, so COM10 follows COM9 and ttyUSB10 follows ttyUSB9.
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(ports.begin(), ports.end(),
              [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    ports.append(SimulatorPort);
    return ports;
}

QStringList SerialPortChoices()
{
    QStringList found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        found.append(info.portName());
#else
        found.append(info.systemLocation());
#endif
    }
#ifdef Q_OS_LINUX
    // USB adapters that the port enumeration may miss without udev.
    const QDir dev(QStringLiteral("/dev"));
    for (const QString& name : dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")}, QDir::System))
        found.append(dev.filePath(name));
#endif
    return ArrangePortChoices(found);
}

} // namespace kx2
