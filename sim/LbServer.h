#pragma once
#include "sim/SimBus.h"
#include "sim/SimFramer.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace kx2::sim {

// Serves a simulated LocoNet to LocoNet-over-TCP clients in the LbServer text protocol, several
// at once: each is greeted with "VERSION kx2ctl sim"; a "SEND 8F 00 ..." line is answered with
// "SENT OK" and its message goes onto the bus; every message on the bus, the sender's own
// included, reaches every client as a "RECEIVE ..." line. A SEND line that is not one whole
// message of hex bytes is answered with "SENT ERROR ..." and goes nowhere. When the bus's
// interface vanishes, every connection is closed.
class LbServer : public QObject, public SimBus::Endpoint {
public:
    explicit LbServer(SimBus& bus, QObject* parent = nullptr);
    ~LbServer() override;

    // Listens on 127.0.0.1:port (0: any free port); false with a reason in errorText().
    bool listen(quint16 port);
    quint16 port() const;
    void close();
    QString errorText() const { return m_error; }

    // The message of a SEND line, or why there is none.
    static QByteArray parseSend(const QByteArray& line, QString& why);

    void busReceive(const QByteArray& bytes) override;
    void busVanished() override;

private:
    struct Client {
        QTcpSocket* socket;
        QByteArray line;
    };
    void accept();
    void readFrom(QTcpSocket* socket);
    void handleLine(QTcpSocket* socket, const QByteArray& line);
    void drop(QTcpSocket* socket);

    SimBus& m_bus;
    std::unique_ptr<QTcpServer> m_server;
    std::vector<Client> m_clients;
    // The bus hands over bursts of bytes (byte by byte when paced); clients get whole messages.
    SimFramer m_framer;
    QString m_error;
};

} // namespace kx2::sim
