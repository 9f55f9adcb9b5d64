#pragma once
#include "link/Comm1.h"
#include "link/PortLatency.h"

#include <memory>

class QSerialPort;
class QTimer;

namespace kx2 {

// A real serial port through QSerialPort. The receive event runs from the port's readyRead on
// the event loop; a port that disappears (USB cable pulled) counts as closed at once, closes
// itself and reports errors. On open it asks the system for low latency (PortLatency), and puts
// back at close what that changed.
class QtSerialComm1 : public Comm1 {
public:
    QtSerialComm1();
    explicit QtSerialComm1(PortLatency& latency);
    ~QtSerialComm1() override;

    void setCommPort(const QString& port) override;
    QString commPort() const override { return m_portText; }
    void setSettings(const QString& settings) override;
    QString settings() const override { return m_settings; }
    bool setPortOpen(bool open) override;
    bool portOpen() const override;
    void setRtsEnable(bool on) override;
    void setBreak(bool on) override;
    void setHandshaking(Handshaking mode) override;
    void setInputLen(int len) override { m_inputLen = len; }
    int inputLen() const override { return m_inputLen; }
    int inBufferCount() const override;
    void discardInput() override;
    int outBufferCount() const override;
    void discardOutput() override;
    void setSThreshold(int) override {}
    void setRThreshold(int n) override { m_rThreshold = n; }
    int rThreshold() const override { return m_rThreshold; }
    bool ctsHolding() const override;
    QByteArray input() override;
    bool output(const QByteArray& bytes) override;
    QString errorText() const override { return m_error; }
    void holdInput(bool hold) override;

    // The name the system knows the port by: a number n is COMn on Windows and /dev/ttyS(n-1)
    // on Linux; device paths and port names are used as they are.
    static QString systemPortName(const QString& portText);

private:
    // nullptr: the system's own latency setting.
    explicit QtSerialComm1(PortLatency* latency);
    bool applySettings();
    // Open and not gone: the only state in which the handle may be touched.
    bool usable() const;
    // The device went away: nothing is read or written any more, and the handle is closed (later
    // when Qt is inside its own read of the handle).
    void markGone(const QString& why, bool closeNow);
    // A vanished device does not always raise an error on its own (a hung-up terminal only
    // reports it to the next read); a look at the handle every few milliseconds finds it.
    void checkHangUp();
    // Closes a port that is still there, with its latency as it was before the open.
    void closeUsable();

    SystemPortLatency m_systemLatency;
    PortLatency& m_latency;
    bool m_latencyLowered = false;
    std::unique_ptr<QSerialPort> m_serial;
    QString m_portText;
    QString m_settings = QStringLiteral("9600,n,8,1");
    QString m_error;
    Handshaking m_handshaking = Handshaking::None;
    bool m_rts = false;
    int m_inputLen = 0;
    int m_rThreshold = 0;
    bool m_gone = false;
    std::unique_ptr<QTimer> m_hangUpWatch;
};

} // namespace kx2
