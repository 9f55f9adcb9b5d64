#pragma once
#include "link/Clock.h"
#include "link/Comm1.h"
#include "link/LocoNetLink.h"
#include "shell/Settings.h"

#include <QStringList>
#include <functional>

namespace kx2::test {

// A scriptable serial port: records every property change as a line in `log`, keeps what was
// written, and delivers bytes that a test feeds (at once, or later through the clock).
class FakeComm1 : public Comm1 {
public:
    explicit FakeComm1(Clock& clock) : m_clock(clock) {}

    void setCommPort(const QString& port) override { log << "CommPort=" + port; m_port = port; }
    QString commPort() const override { return m_port; }
    void setSettings(const QString& s) override { log << "Settings=" + s; m_settings = s; }
    QString settings() const override { return m_settings; }
    bool setPortOpen(bool open) override
    {
        log << (open ? "Open" : "Close");
        if (open && failOpen)
            return false;
        if (open)
            ++openCount;
        m_open = open;
        return true;
    }
    bool portOpen() const override { return m_open; }
    void setRtsEnable(bool on) override { log << QString("RTSEnable=%1").arg(on); }
    void setBreak(bool on) override { log << QString("Break=%1").arg(on); }
    void setHandshaking(Handshaking h) override { log << QString("Handshaking=%1").arg(int(h)); }
    void setInputLen(int len) override { log << QString("InputLen=%1").arg(len); m_inputLen = len; }
    int inputLen() const override { return m_inputLen; }
    int inBufferCount() const override { return m_in.size(); }
    void discardInput() override { m_in.clear(); ++inputDiscards; }
    int outBufferCount() const override { return 0; }
    void discardOutput() override { ++outputDiscards; }
    void setSThreshold(int n) override { log << QString("SThreshold=%1").arg(n); }
    void setRThreshold(int n) override { log << QString("RThreshold=%1").arg(n); m_rThreshold = n; }
    int rThreshold() const override { return m_rThreshold; }
    bool ctsHolding() const override { return cts; }
    QByteArray input() override
    {
        const int n = m_inputLen > 0 ? std::min<int>(m_inputLen, m_in.size()) : m_in.size();
        const QByteArray out = m_in.left(n);
        m_in.remove(0, n);
        return out;
    }
    bool output(const QByteArray& bytes) override
    {
        if (failOutput || !m_open)
            return false;
        written += bytes;
        writes << bytes;
        if (onOutput)
            onOutput(bytes);
        return true;
    }
    QString errorText() const override { return {}; }
    // Held, fed bytes wait without a receive event; released, they come at once.
    void holdInput(bool hold) override
    {
        holds += hold ? 1 : 0;
        held = hold;
        if (!hold && !m_in.isEmpty())
            raiseOnComm();
    }

    // Bytes arrive now: they wait in the buffer and the receive event runs.
    void feed(const QByteArray& bytes)
    {
        m_in += bytes;
        if (!held)
            raiseOnComm();
    }
    // Bytes arrive after `delay` seconds of the clock.
    void feedLater(double delay, const QByteArray& bytes)
    {
        m_clock.callAfter(delay, [this, bytes] { feed(bytes); });
    }

    QStringList log;
    QByteArray written;
    QList<QByteArray> writes;
    bool cts = true;
    bool failOpen = false;
    bool failOutput = false;
    int openCount = 0;
    int inputDiscards = 0;
    int outputDiscards = 0;
    int holds = 0;
    bool held = false;
    // Called with every write; a test answers from here (for example with feedLater).
    std::function<void(const QByteArray&)> onOutput;

private:
    Clock& m_clock;
    QString m_port;
    QString m_settings;
    QByteArray m_in;
    bool m_open = false;
    int m_inputLen = 0;
    int m_rThreshold = 0;
};

// The link on an open fake port that hands what it receives to the link at once.
struct FakeLinkRig {
    VirtualClock clock;
    FakeComm1 port{clock};
    Settings settings; // the LocoNet USB interface: whole messages
    LocoNetLink link{port, clock, settings};
    FakeLinkRig()
    {
        port.setPortOpen(true);
        port.setRThreshold(1);
        port.setOnComm([this] { link.OnComm(); });
        port.log.clear();
    }
};

} // namespace kx2::test
