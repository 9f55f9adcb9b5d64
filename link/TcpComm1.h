#pragma once
#include "link/Comm1.h"
#include "link/MessageFramer.h"

#include <memory>

class QTcpSocket;

namespace kx2 {

class Clock;

// LocoNet over TCP to a server that speaks the LbServer text protocol (layout-control programs
// and network LocoNet interfaces offer it), port text "tcp:HOST[:PORT]". Whole messages go out
// as "SEND 8F 00 ..." lines; every message on the bus, the own one included, comes back as a
// "RECEIVE ..." line and is handed over as received bytes, so the own message arrives as its
// echo as on the serial bus. Line settings, RTS, break and handshaking mean nothing here and
// are accepted as they come; CTS is on while connected. A connection that is refused, does not
// come about within two seconds or is lost later closes the port, and failureText() names the
// server.
class TcpComm1 : public Comm1 {
public:
    static constexpr quint16 DefaultPort = 1234;
    static constexpr double ConnectTimeout = 2.0;

    explicit TcpComm1(Clock& clock);
    ~TcpComm1() override;

    // "tcp:" in any case at the start.
    static bool isNetworkPort(const QString& port);
    // Host and port of "tcp:HOST[:PORT]" ("tcp:[::1]:1234" for an IPv6 address); false when
    // the text names no host or a port outside 1..65535.
    static bool parseAddress(const QString& port, QString& host, quint16& tcpPort);

    void setCommPort(const QString& port) override;
    QString commPort() const override { return m_portText; }
    void setSettings(const QString& settings) override { m_settings = settings; }
    QString settings() const override { return m_settings; }
    // Connects, waiting at most ConnectTimeout while the event loop runs.
    bool setPortOpen(bool open) override;
    bool portOpen() const override;
    void setRtsEnable(bool) override {}
    void setBreak(bool) override {}
    void setHandshaking(Handshaking) override {}
    void setInputLen(int len) override { m_inputLen = len < 0 ? 0 : len; }
    int inputLen() const override { return m_inputLen; }
    int inBufferCount() const override { return int(m_in.size()); }
    void discardInput() override { m_in.clear(); }
    int outBufferCount() const override { return 0; }
    void discardOutput() override {}
    void setSThreshold(int) override {}
    void setRThreshold(int n) override { m_rThreshold = n; }
    int rThreshold() const override { return m_rThreshold; }
    bool ctsHolding() const override { return portOpen(); }
    QByteArray input() override;
    // Bytes are collected until they make whole messages; each goes out as one SEND line.
    bool output(const QByteArray& bytes) override;
    QString errorText() const override { return m_error; }
    QString failureText() const override { return m_failure; }

    // The LbServer line of a message: the keyword ("SEND", "RECEIVE") and the bytes in upper-case
    // hex, one blank between them ("SEND B2 05 40 0A").
    static QByteArray protocolLine(const char* keyword, const QByteArray& message);
    // The bytes of a line that starts with the keyword; false when the line is another one or not
    // all its words are hex bytes.
    static bool lineBytes(const QByteArray& line, const char* keyword, QByteArray& bytes);

private:
    void readLines();
    void handleLine(const QByteArray& line);
    // The connection ended without being asked to: the port counts as closed from now on.
    void lost();
    void fail(const QString& why);
    QString where() const;

    Clock& m_clock;
    std::unique_ptr<QTcpSocket> m_socket;
    QString m_portText;
    QString m_host;
    quint16 m_tcpPort = DefaultPort;
    QString m_settings = QStringLiteral("115200,n,8,1");
    QString m_error;
    QString m_failure;
    QByteArray m_lineBuffer;
    QByteArray m_in;
    MessageFramer m_framer;
    int m_inputLen = 0;
    int m_rThreshold = 0;
    bool m_open = false;
    bool m_inEvent = false;
};

} // namespace kx2
