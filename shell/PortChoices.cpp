#include "shell/PortChoices.h"

#include <QDir>
#include <QSerialPortInfo>

#include <algorithm>

namespace kx2 {

namespace {
// Natural order, so COM10 follows COM9 and ttyUSB10 follows ttyUSB9.
bool naturalLess(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ie = i, je = j;
            while (ie < a.size() && a[ie].isDigit())
                ++ie;
            while (je < b.size() && b[je].isDigit())
                ++je;
            const QString na = a.mid(i, ie - i), nb = b.mid(j, je - j);
            // Without leading zeros the longer run is the larger number.
            QString ta = na, tb = nb;
            while (ta.size() > 1 && ta.startsWith(QLatin1Char('0')))
                ta.remove(0, 1);
            while (tb.size() > 1 && tb.startsWith(QLatin1Char('0')))
                tb.remove(0, 1);
            if (ta.size() != tb.size())
                return ta.size() < tb.size();
            if (ta != tb)
                return ta < tb;
            i = ie;
            j = je;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}
} // namespace

QStringList arrangePortChoices(const QStringList& found)
{
    QStringList ports;
    for (const QString& p : found)
        if (!p.isEmpty() && p != SimulatorPort && !ports.contains(p))
            ports.append(p);
    std::sort(ports.begin(), ports.end(), naturalLess);
    ports.append(SimulatorPort);
    return ports;
}

QStringList serialPortChoices()
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
    return arrangePortChoices(found);
}

} // namespace kx2
