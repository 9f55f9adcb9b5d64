#pragma once
#include <QString>
#include <functional>

namespace kx2 {

class Clock;
class Comm1;
class LocoNetLink;
class PortIo;
class UserDialogs;
struct Settings;

// Opens the serial port named in the settings and prepares the interface between PC and
// LocoNet: the command station's own port (switched to LocoNet by text commands), a serial
// LocoNet interface on COM1/COM2, or a USB LocoNet interface. A network port ("tcp:...") is
// prepared as the USB interface is.
class SerialInterface {
public:
    SerialInterface(Comm1& port, PortIo& portIo, LocoNetLink& link, const Settings& settings,
                    UserDialogs& dialogs);

    // 0 on success; 1 when the interface cannot be prepared; 990098 when the port cannot be opened.
    int ConnectInterface();
    void ClosePort();
    // The bus monitor's own opening while no transfer runs. The next ConnectInterface (a transfer
    // starting) or releaseIdle closes the port and calls onReleased.
    int connectIdle(std::function<void()> onReleased);
    void releaseIdle();
    bool idleOpen() const { return bool(m_idleHolder); }
    // Writes a text command to the command station port with CTS flow control (5 s in all):
    // 0, or 1 when it could not be written in time.
    int SendInterfaceString(const QString& text);
    // After 990098: which port could not be opened, and why ("" before).
    QString openFailure() const { return m_openFailure; }


private:
    bool collectPrompt(double limitSeconds);

    Comm1& m_port;
    PortIo& m_portIo;
    LocoNetLink& m_link;
    const Settings& m_settings;
    UserDialogs& m_dialogs;
    QString m_openFailure;
    std::function<void()> m_idleHolder;
};

} // namespace kx2
