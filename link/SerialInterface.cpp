#include "link/SerialInterface.h"

#include "link/Clock.h"
#include "link/Comm1.h"
#include "link/LocoNetLink.h"
#include "link/PortIo.h"
#include "link/ResultText.h"
#include "link/TcpComm1.h"
#include "shell/Settings.h"
#include "shell/UserDialogs.h"

#include <algorithm>
#include <QCoreApplication>

namespace kx2 {

namespace {
constexpr double kPromptLimit = 5.0;
constexpr double kPollInterval = 0.005;
// 8250/16550 layout: base + 3 is the line control register, bit 7 opens the divisor latch.
constexpr int kCom1Base = 0x3F8;
constexpr int kCom2Base = 0x2F8;
constexpr int kLineControl = 3;
constexpr int kDivisorLatchAccess = 0x80;
// 115200 / 7: the nearest the divisor allows to the LocoNet rate of 16666 baud.
constexpr int kLocoNetDivisor = 7;
} // namespace

SerialInterface::SerialInterface(Comm1& port, PortIo& portIo, LocoNetLink& link,
                                 const Settings& settings, UserDialogs& dialogs)
    : m_port(port), m_portIo(portIo), m_link(link), m_settings(settings), m_dialogs(dialogs)
{
}

void SerialInterface::ClosePort()
{
    if (m_port.portOpen())
        m_port.setPortOpen(false);
}

int SerialInterface::SendInterfaceString(const QString& text)
{
    Clock& clock = m_link.clock();
    m_port.discardOutput();
    const double start = clock.now();
    const QByteArray bytes = text.toLatin1();
    for (char c : bytes) {
        for (;;) {
            if (clock.now() - start > kPromptLimit) {
                return rc::InterfaceNotReady;
            }
            clock.yieldNow();
            if (m_port.ctsHolding()) {
                if (!m_port.output(QByteArray(1, c))) {
                    return rc::InterfaceNotReady;
                }
                break;
            }
            clock.yieldUntil(std::min(start + kPromptLimit, clock.now() + kPollInterval));
        }
    }
    return 0;
}

bool SerialInterface::collectPrompt(double limitSeconds)
{
    // The command station port answers with text that ends in its prompt "]". The receive event
    // is off (RThreshold 0), so the answer is taken from the buffer directly.
    Clock& clock = m_link.clock();
    QByteArray answer;
    const double start = clock.now();
    for (;;) {
        if (answer.contains(']'))
            return true;
        if (clock.now() - start > limitSeconds)
            return false;
        if (m_port.inBufferCount() > 0)
            answer += m_port.input();
        else
            clock.yieldUntil(std::min(start + limitSeconds, clock.now() + kPollInterval));
    }
}

int SerialInterface::connectIdle(std::function<void()> onReleased)
{
    const int result = ConnectInterface();
    if (result == 0)
        m_idleHolder = std::move(onReleased);
    return result;
}

void SerialInterface::releaseIdle()
{
    if (!m_idleHolder)
        return;
    const auto holder = std::move(m_idleHolder);
    m_idleHolder = nullptr;
    ClosePort();
    holder();
}

int SerialInterface::ConnectInterface()
{
    // A transfer sets the interface up from scratch, never on a port the monitor left open.
    releaseIdle();
    const auto setPortNumber = [this] {
        if (!m_port.portOpen())
            m_port.setCommPort(m_settings.ComPortNumber);
    };
    // Opening only happens while the port is closed; an open port keeps going with new settings.
    m_openFailure.clear();
    const auto open = [this]() -> bool {
        if (m_port.portOpen() || m_port.setPortOpen(true))
            return true;
        m_openFailure = m_port.errorText();
        return false;
    };

    // A network port has no line to set up and no COM number: whatever kind is chosen, it is
    // prepared as the USB interface is.
    const bool network = TcpComm1::isNetworkPort(m_settings.ComPortNumber);
    if (m_settings.UseLocoNetInterface && !m_settings.UseUsbInterface && !network) {
        // Serial LocoNet interface on COM1 or COM2.
        const QString port = m_settings.ComPortNumber.trimmed();
        if (port != QLatin1String("1") && port != QLatin1String("2")) {
            m_dialogs.messageBox(
                QCoreApplication::translate(
                    "SerialInterface", "Sie können das LocoNet-Interface nur mit Comport 1 oder Comport 2 benutzen!"),
                MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("ComPort"));
            return rc::InterfaceNotReady;
        }
        setPortNumber();
        m_port.setRtsEnable(true);
        const bool locoNetRate = m_settings.BaudRate == 16666;
        const bool registers = locoNetRate && m_portIo.available();
        if (locoNetRate && !registers)
            m_port.setSettings(QStringLiteral("16666,n,8,1")); // the serial driver's custom rate instead
        else if (locoNetRate)
            m_port.setSettings(QStringLiteral("19200,n,8,1"));
        else
            m_port.setSettings(QString::number(m_settings.BaudRate) + QStringLiteral(",n,8,1"));
        m_port.setInputLen(1);
        if (!open()) {
            return rc::PortCannotOpen;
        }
        m_port.discardInput();
        if (registers) {
            const int base = port == QLatin1String("1") ? kCom1Base : kCom2Base;
            const int lcr = m_portIo.Inp32(base + kLineControl);
            m_portIo.Out32(base + kLineControl, lcr | kDivisorLatchAccess);
            m_portIo.Out32(base, kLocoNetDivisor);
            m_portIo.Out32(base + 1, 0);
            m_portIo.Out32(base + kLineControl, lcr);
        }
        m_port.setSThreshold(0);
        m_port.setRThreshold(1);
        return 0;
    }

    if (m_settings.UseLocoNetInterface || network) {
        // USB LocoNet interface.
        setPortNumber();
        m_port.setSettings(QStringLiteral("115200,n,8,1"));
        m_port.setInputLen(0);
        m_port.setHandshaking(Comm1::Handshaking::None);
        if (!open()) {
            return rc::PortCannotOpen;
        }
        m_port.discardInput();
        m_port.setSThreshold(0);
        m_port.setRThreshold(1);
        return 0;
    }

    // The command station's own port: switch it to 19200 baud, then into LocoNet mode.
    setPortNumber();
    m_port.setRThreshold(0);
    m_port.setSettings(QStringLiteral("2400,n,8,2"));
    if (!open()) {
        return rc::PortCannotOpen;
    }
    m_port.setInputLen(100);
    m_port.setBreak(true);
    m_link.Pause(1.0);
    m_port.setBreak(false);
    m_link.Pause(0.3);

    if (SendInterfaceString(QStringLiteral("xB19200\r")) != 0 || !collectPrompt(kPromptLimit)) {
        return rc::InterfaceNotReady;
    }
    m_link.Pause(0.3);
    m_port.setPortOpen(false);
    m_port.setSettings(QStringLiteral("19200,n,8,2"));
    if (!open()) {
        return rc::PortCannotOpen;
    }
    if (SendInterfaceString(QStringLiteral("x&LN$55AA\r")) != 0 || !collectPrompt(kPromptLimit)) {
        return rc::InterfaceNotReady;
    }
    m_port.setPortOpen(false);
    m_port.setInputLen(1);
    if (!open()) {
        return rc::PortCannotOpen;
    }
    m_port.setSThreshold(0);
    m_port.setRThreshold(1);
    return 0;
}

} // namespace kx2
