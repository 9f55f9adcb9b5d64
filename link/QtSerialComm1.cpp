#include "link/QtSerialComm1.h"

#include "link/PortFailure.h"
#include "link/PortHangUp.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>
#include <QCoreApplication>

namespace kx2 {

QString QtSerialComm1::systemPortName(const QString& portText)
{
    const QString text = portText.trimmed();
    bool isNumber = false;
    const int n = text.toInt(&isNumber);
    if (!isNumber || n < 1)
        return text;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(n);
#else
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

namespace {
// How often an open port looks whether its device is still there.
constexpr int kHangUpCheckMs = 50;

// The system refuses the port: because the user may not use it, or because another program
// holds it (on Windows a port held elsewhere is refused as access denied).
PortFailure refusal(const QString& systemName)
{
#ifdef Q_OS_WIN
    Q_UNUSED(systemName);
    return PortFailure::Busy;
#else
    const QFileInfo device(systemName.startsWith(QLatin1Char('/')) ? systemName : QStringLiteral("/dev/") + systemName);
    if (device.exists() && (!device.isReadable() || !device.isWritable()))
        return PortFailure::NoPermission;
    return PortFailure::Busy;
#endif
}
} // namespace

// The system's latency is a member: it may be named only once the object is under construction,
// not in the argument of a delegation.
QtSerialComm1::QtSerialComm1() : QtSerialComm1(nullptr) {}

QtSerialComm1::QtSerialComm1(PortLatency& latency) : QtSerialComm1(&latency) {}

QtSerialComm1::QtSerialComm1(PortLatency* latency)
    : m_latency(latency ? *latency : m_systemLatency)
    , m_serial(std::make_unique<QSerialPort>())
    , m_hangUpWatch(std::make_unique<QTimer>())
{
    QObject::connect(m_serial.get(), &QSerialPort::readyRead, [this] {
        if (usable())
            raiseOnComm();
    });
    QObject::connect(m_serial.get(), &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::NoError)
            return;
        m_error = m_serial->errorString();
        // A vanished device never comes back on the same handle. Qt raises this from inside its
        // own read, which must finish before the handle is closed.
        if (e == QSerialPort::ResourceError)
            markGone(m_error, false);
    });
    m_hangUpWatch->setInterval(kHangUpCheckMs);
    QObject::connect(m_hangUpWatch.get(), &QTimer::timeout, [this] { checkHangUp(); });
}

QtSerialComm1::~QtSerialComm1()
{
    if (usable())
        closeUsable();
}

void QtSerialComm1::closeUsable()
{
    if (m_latencyLowered)
        m_latency.restoreLatency(m_serial->handle());
    m_latencyLowered = false;
    m_serial->close();
}

void QtSerialComm1::holdInput(bool hold)
{
    // QSerialPort reads from a socket notifier it owns (on POSIX systems); switched off, the
    // bytes wait in the system's buffer and the event loop does not wake for them. Any read from
    // the port switches it on again. Where there is no such notifier (Windows) nothing is held.
    if (!usable())
        return;
    for (QSocketNotifier* n : m_serial->findChildren<QSocketNotifier*>())
        if (n->type() == QSocketNotifier::Read)
            n->setEnabled(!hold);
}

bool QtSerialComm1::usable() const
{
    return !m_gone && m_serial->isOpen();
}

void QtSerialComm1::markGone(const QString& why, bool closeNow)
{
    if (m_gone || !m_serial->isOpen())
        return;
    m_gone = true;
    // Nothing to put back on a device that is gone.
    m_latencyLowered = false;
    m_error = why;
    m_hangUpWatch->stop();
    if (closeNow) {
        m_serial->close();
        return;
    }
    QSerialPort* serial = m_serial.get();
    QMetaObject::invokeMethod(serial, [serial] {
        if (serial->isOpen())
            serial->close();
    }, Qt::QueuedConnection);
}

void QtSerialComm1::checkHangUp()
{
    if (usable() && portHungUp(m_serial->handle()))
        markGone(QCoreApplication::translate("QtSerialComm1", "Gerät nicht mehr vorhanden"), true);
}

void QtSerialComm1::setCommPort(const QString& port)
{
    if (m_serial->isOpen())
        return;
    m_portText = port;
    m_serial->setPortName(systemPortName(port));
}

void QtSerialComm1::setSettings(const QString& settings)
{
    m_settings = settings;
    if (usable())
        applySettings();
}

bool QtSerialComm1::applySettings()
{
    const QStringList parts = m_settings.split(QLatin1Char(','));
    bool ok = parts.size() == 4;
    const int baud = ok ? parts[0].trimmed().toInt(&ok) : 0;
    if (!ok || baud <= 0) {
        m_error = QCoreApplication::translate("QtSerialComm1", "ungültige Einstellung: ") + m_settings;
        return false;
    }
    QSerialPort::Parity parity = QSerialPort::NoParity;
    switch (parts[1].trimmed().toLower().at(0).toLatin1()) {
    case 'e': parity = QSerialPort::EvenParity; break;
    case 'o': parity = QSerialPort::OddParity; break;
    case 'm': parity = QSerialPort::MarkParity; break;
    case 's': parity = QSerialPort::SpaceParity; break;
    default: break;
    }
    const int bits = parts[2].trimmed().toInt();
    const QString stop = parts[3].trimmed();
    bool good = m_serial->setBaudRate(baud);
    good = m_serial->setParity(parity) && good;
    good = m_serial->setDataBits(bits == 7 ? QSerialPort::Data7 : bits == 6 ? QSerialPort::Data6
                                 : bits == 5 ? QSerialPort::Data5 : QSerialPort::Data8) && good;
    good = m_serial->setStopBits(stop == QLatin1String("2") ? QSerialPort::TwoStop
                                 : stop == QLatin1String("1.5") ? QSerialPort::OneAndHalfStop
                                                                : QSerialPort::OneStop) && good;
    return good;
}

bool QtSerialComm1::setPortOpen(bool open)
{
    if (!open || m_gone) {
        m_hangUpWatch->stop();
        if (usable())
            closeUsable();
        else if (m_serial->isOpen())
            m_serial->close();
        m_gone = false;
        if (!open)
            return true;
    }
    if (m_serial->isOpen())
        return true;
    if (m_serial->portName().isEmpty()) {
        m_error = QCoreApplication::translate("QtSerialComm1", "kein Port angegeben");
        return false;
    }
    if (!m_serial->open(QIODevice::ReadWrite)) {
        const QString systemName = systemPortName(m_portText);
        PortFailure why = PortFailure::Other;
        switch (m_serial->error()) {
        case QSerialPort::DeviceNotFoundError: why = PortFailure::NoSuchDevice; break;
        case QSerialPort::PermissionError: why = refusal(systemName); break;
        default: break;
        }
        m_error = portFailureText(m_portText, systemName, why, m_serial->errorString());
        return false;
    }
    // A USB interface hands on what it received at once rather than after its latency timer;
    // a port that cannot (a pseudo-terminal, a plain UART) works as it is.
    m_latencyLowered = m_latency.lowerLatency(m_serial->handle(), systemPortName(m_portText)) == PortLatency::Answer::Lowered;
    // Settings that cannot be applied (a pseudo-terminal has no baud rate) do not stop the port.
    applySettings();
    setHandshaking(m_handshaking);
    if (m_rts)
        m_serial->setRequestToSend(true);
    m_hangUpWatch->start();
    return true;
}

bool QtSerialComm1::portOpen() const
{
    return usable();
}

void QtSerialComm1::setRtsEnable(bool on)
{
    m_rts = on;
    if (usable() && m_serial->flowControl() != QSerialPort::HardwareControl)
        m_serial->setRequestToSend(on);
}

void QtSerialComm1::setBreak(bool on)
{
    if (usable())
        m_serial->setBreakEnabled(on);
}

void QtSerialComm1::setHandshaking(Handshaking mode)
{
    m_handshaking = mode;
    if (!usable())
        return;
    m_serial->setFlowControl(mode == Handshaking::RtsCts ? QSerialPort::HardwareControl
                             : mode == Handshaking::XonXoff ? QSerialPort::SoftwareControl
                                                            : QSerialPort::NoFlowControl);
}

int QtSerialComm1::inBufferCount() const
{
    return usable() ? int(m_serial->bytesAvailable()) : 0;
}

void QtSerialComm1::discardInput()
{
    if (!usable())
        return;
    m_serial->clear(QSerialPort::Input);
    m_serial->readAll();
}

int QtSerialComm1::outBufferCount() const
{
    return usable() ? int(m_serial->bytesToWrite()) : 0;
}

void QtSerialComm1::discardOutput()
{
    if (usable())
        m_serial->clear(QSerialPort::Output);
}

bool QtSerialComm1::ctsHolding() const
{
    if (!usable())
        return false;
    return m_serial->pinoutSignals().testFlag(QSerialPort::ClearToSendSignal);
}

QByteArray QtSerialComm1::input()
{
    if (!usable())
        return {};
    return m_inputLen > 0 ? m_serial->read(m_inputLen) : m_serial->readAll();
}

bool QtSerialComm1::output(const QByteArray& bytes)
{
    if (!usable()) {
        if (m_error.isEmpty())
            m_error = QCoreApplication::translate("QtSerialComm1", "Port ist nicht geöffnet");
        return false;
    }
    if (m_serial->write(bytes) != bytes.size()) {
        m_error = m_serial->errorString();
        return false;
    }
    // Hand the bytes to the driver now rather than at the next event-loop turn.
    m_serial->flush();
    return usable();
}

} // namespace kx2
