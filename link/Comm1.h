#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

namespace kx2 {

// The serial-port control: what the link layer needs of a port, modelled on the properties
// the tool has always used (port, settings text, open, RTS, break, input length, handshaking,
// buffer counts, thresholds, CTS, input, output and the receive event).
// Implementations: QtSerialComm1 (a real port), TcpComm1 (LocoNet over TCP), SimComm1 (the
// built-in command station), and scriptable fakes in the tests.
class Comm1 {
public:
    enum class Handshaking { None, XonXoff, RtsCts };

    virtual ~Comm1() = default;

    // The port as the user typed it: a number n, a device or port name, "tcp:HOST[:PORT]" or "SIM".
    // Only takes effect while the port is closed.
    virtual void setCommPort(const QString& port) = 0;
    virtual QString commPort() const = 0;

    // "19200,n,8,1": baud rate, parity, data bits, stop bits. Applies at once when open.
    virtual void setSettings(const QString& settings) = 0;
    virtual QString settings() const = 0;

    // Opening returns false when the port cannot be opened; errorText() says why.
    virtual bool setPortOpen(bool open) = 0;
    virtual bool portOpen() const = 0;

    virtual void setRtsEnable(bool on) = 0;
    virtual void setBreak(bool on) = 0;
    virtual void setHandshaking(Handshaking mode) = 0;

    // How many bytes one input() hands over; 0 = all that wait.
    virtual void setInputLen(int len) = 0;
    virtual int inputLen() const = 0;

    virtual int inBufferCount() const = 0;
    virtual void discardInput() = 0;   // InBufferCount = 0
    virtual int outBufferCount() const = 0;
    virtual void discardOutput() = 0;  // OutBufferCount = 0

    virtual void setSThreshold(int n) = 0;
    // 1 = raise the receive event for every received byte; 0 = no receive events.
    virtual void setRThreshold(int n) = 0;
    virtual int rThreshold() const = 0;

    virtual bool ctsHolding() const = 0;

    virtual QByteArray input() = 0;
    // false when the port reported an error.
    virtual bool output(const QByteArray& bytes) = 0;

    virtual QString errorText() const = 0;
    // Why the port failed, in words for the user, where the port knows more than a result code
    // says (a network connection refused or lost); empty otherwise.
    virtual QString failureText() const { return {}; }

    // While held, what arrives stays with the port and raises no receive event; released, it
    // comes with the next turn of the event loop. Lets a wait sleep through the rest of a
    // message instead of waking for each of its bytes. Ports that cannot hold ignore it.
    virtual void holdInput(bool hold) { (void)hold; }

    // The receive event (OnComm): called on the event loop when received bytes wait and
    // the receive threshold is at least 1.
    void setOnComm(std::function<void()> handler) { m_onComm = std::move(handler); }

protected:
    void raiseOnComm()
    {
        if (m_onComm && rThreshold() > 0)
            m_onComm();
    }

private:
    std::function<void()> m_onComm;
};

} // namespace kx2
