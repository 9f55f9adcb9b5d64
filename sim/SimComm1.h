#pragma once
#include "link/Comm1.h"
#include "sim/SimBus.h"

namespace kx2::sim {

// The serial-port control connected in-process to a simulated LocoNet (port text "SIM").
// Bytes written go onto the bus at once; bytes from the bus wait in the input buffer and raise
// the receive event while RThreshold is at least 1. CTS is always on. When the bus vanishes the
// port is unplugged: it closes itself, writes fail and it cannot be opened again.
class SimComm1 : public Comm1, public SimBus::Endpoint {
public:
    explicit SimComm1(SimBus& bus);
    ~SimComm1() override;

    void setCommPort(const QString& port) override;
    QString commPort() const override { return m_port; }
    void setSettings(const QString& settings) override { m_settings = settings; }
    QString settings() const override { return m_settings; }
    bool setPortOpen(bool open) override;
    bool portOpen() const override { return m_open; }
    // The simulated interface has no lines for these.
    void setRtsEnable(bool) override {}
    void setBreak(bool) override {}
    void setHandshaking(Handshaking mode) override { m_handshaking = mode; }
    void setInputLen(int len) override { m_inputLen = len < 0 ? 0 : len; }
    int inputLen() const override { return m_inputLen; }
    int inBufferCount() const override { return int(m_in.size()); }
    void discardInput() override { m_in.clear(); }
    int outBufferCount() const override { return 0; }
    void discardOutput() override {}
    void setSThreshold(int n) override { m_sThreshold = n; }
    void setRThreshold(int n) override { m_rThreshold = n; }
    int rThreshold() const override { return m_rThreshold; }
    bool ctsHolding() const override { return true; }
    QByteArray input() override;
    bool output(const QByteArray& bytes) override;
    QString errorText() const override { return m_error; }

    void busReceive(const QByteArray& bytes) override;
    void busVanished() override;

    // Pulls the plug (true) or puts it back (false).
    void setUnplugged(bool unplugged);

private:
    SimBus& m_bus;
    QString m_port = QStringLiteral("SIM");
    QString m_settings = QStringLiteral("115200,n,8,1");
    QString m_error;
    QByteArray m_in;
    Handshaking m_handshaking = Handshaking::None;
    int m_inputLen = 0;
    int m_sThreshold = 0;
    int m_rThreshold = 0;
    bool m_open = false;
    bool m_unplugged = false;
    bool m_inEvent = false;
};

} // namespace kx2::sim
