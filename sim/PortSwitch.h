#pragma once
#include "link/Comm1.h"

#include <memory>

namespace kx2 {
class Clock;
class TcpComm1;
}

namespace kx2::sim {

class SimBus;
class SimComm1;
class SimCommandStation;

// The serial-port control the programs use: with the port text "SIM" (in any case) it is the
// built-in simulated command station, with "tcp:HOST[:PORT]" a LocoNet-over-TCP server, with any
// other text the real port passed in. The choice follows the port text set while the port is
// closed; the port's properties are carried over.
class PortSwitch : public Comm1 {
public:
    // statePath: where the simulated command station keeps its memory ("" keeps it in memory only);
    // a run that never opens the simulated station's port leaves it as it was.
    PortSwitch(Comm1& realPort, Clock& clock, const QString& statePath);
    ~PortSwitch() override;

    static bool isSimulatorPort(const QString& port);
    // The simulated command station's state file beside the settings file: same folder,
    // named KX2_SIM.STATE.
    static QString statePathBeside(const QString& settingsFile);

    void setCommPort(const QString& port) override;
    QString commPort() const override { return m_port; }
    void setSettings(const QString& settings) override;
    QString settings() const override { return active().settings(); }
    bool setPortOpen(bool open) override;
    bool portOpen() const override { return active().portOpen(); }
    void setRtsEnable(bool on) override;
    void setBreak(bool on) override { active().setBreak(on); }
    void setHandshaking(Handshaking mode) override;
    void setInputLen(int len) override;
    int inputLen() const override { return active().inputLen(); }
    int inBufferCount() const override { return active().inBufferCount(); }
    void discardInput() override { active().discardInput(); }
    int outBufferCount() const override { return active().outBufferCount(); }
    void discardOutput() override { active().discardOutput(); }
    void setSThreshold(int n) override;
    void setRThreshold(int n) override;
    int rThreshold() const override { return active().rThreshold(); }
    bool ctsHolding() const override { return active().ctsHolding(); }
    QByteArray input() override { return active().input(); }
    bool output(const QByteArray& bytes) override { return active().output(bytes); }
    QString errorText() const override { return active().errorText(); }

    QString failureText() const override { return active().failureText(); }
    // The exchange's held wait must reach the port in use, or the program wakes for every byte.
    void holdInput(bool hold) override { active().holdInput(hold); }

    bool simulatorActive() const { return m_kind == Kind::Sim; }
    SimCommandStation& station();
    SimBus& bus();

private:
    enum class Kind { Real, Sim, Tcp };
    Comm1& active() const;
    void select(Kind kind);

    Comm1& m_real;
    std::unique_ptr<SimBus> m_bus;
    std::unique_ptr<SimCommandStation> m_station;
    std::unique_ptr<SimComm1> m_sim;
    std::unique_ptr<TcpComm1> m_tcp;
    QString m_port;
    Kind m_kind = Kind::Real;
    // Whether the simulated station's port was opened in this run.
    bool m_simulatorUsed = false;
    // Carried over when the choice changes.
    QString m_settings = QStringLiteral("115200,n,8,1");
    Handshaking m_handshaking = Handshaking::None;
    int m_inputLen = 0;
    int m_sThreshold = 0;
    int m_rThreshold = 0;
    bool m_rts = false;
};

} // namespace kx2::sim
