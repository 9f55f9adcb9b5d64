#include "sim/LbServer.h"

#include "link/TcpComm1.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>

namespace kx2::sim {

namespace {
// Longer than any SEND line of a LocoNet message: what a client sends beyond it is noise.
constexpr qsizetype kLongestLine = 1024;
} // namespace

LbServer::LbServer(SimBus& bus, QObject* parent) : QObject(parent), m_bus(bus), m_server(std::make_unique<QTcpServer>())
{
    QObject::connect(m_server.get(), &QTcpServer::newConnection, this, [this] { accept(); });
}

LbServer::~LbServer()
{
    close();
}

bool LbServer::listen(quint16 port)
{
    if (!m_server->listen(QHostAddress::LocalHost, port)) {
        m_error = m_server->errorString();
        return false;
    }
    m_bus.attach(this);
    return true;
}

quint16 LbServer::port() const
{
    return m_server->serverPort();
}

void LbServer::close()
{
    m_bus.detach(this);
    m_server->close();
    while (!m_clients.empty())
        drop(m_clients.back().socket);
}

void LbServer::accept()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        // Short lines, each awaited by the client: sent at once, not gathered into packets.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_clients.push_back({socket, {}});
        QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket); });
        socket->write("VERSION kx2ctl sim\r\n");
    }
}

void LbServer::drop(QTcpSocket* socket)
{
    const auto it = std::find_if(m_clients.begin(), m_clients.end(), [socket](const Client& c) { return c.socket == socket; });
    if (it == m_clients.end())
        return;
    m_clients.erase(it);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void LbServer::readFrom(QTcpSocket* socket)
{
    const auto it = std::find_if(m_clients.begin(), m_clients.end(), [socket](const Client& c) { return c.socket == socket; });
    if (it == m_clients.end())
        return;
    // Lines end in CR, LF or both.
    std::vector<QByteArray> lines;
    for (char c : socket->readAll()) {
        if (c != '\n' && c != '\r') {
            if (it->line.size() < kLongestLine)
                it->line += c;
        } else if (!it->line.isEmpty()) {
            lines.push_back(it->line);
            it->line.clear();
        }
    }
    // Handling a line may drop the client (the bus vanishes): the lines are taken first.
    for (const QByteArray& line : lines)
        handleLine(socket, line);
}

QByteArray LbServer::parseSend(const QByteArray& line, QString& why)
{
    QByteArray message;
    if (!TcpComm1::lineBytes(line, "SEND", message)) {
        why = QStringLiteral("keine Hex-Bytes");
        return {};
    }
    const int opcode = message.isEmpty() ? 0 : static_cast<unsigned char>(message[0]);
    const int length = MessageFramer::lengthFromOpcode(opcode);
    const int expected = length > 0 ? length : message.size() > 1 ? message[1] : -1;
    if (!(opcode & 0x80)) {
        why = QStringLiteral("kein Opcode am Anfang");
        return {};
    }
    for (qsizetype i = 1; i < message.size(); ++i) {
        if (message[i] & 0x80) {
            why = QStringLiteral("Byte %1 hat Bit 7 gesetzt").arg(i);
            return {};
        }
    }
    if (message.size() != expected) {
        why = QStringLiteral("Länge %1 statt %2").arg(message.size()).arg(expected);
        return {};
    }
    return message;
}

void LbServer::handleLine(QTcpSocket* socket, const QByteArray& line)
{
    if (!line.startsWith("SEND"))
        return;
    QString why;
    const QByteArray message = parseSend(line, why);
    if (message.isEmpty()) {
        socket->write("SENT ERROR " + why.toUtf8() + "\r\n");
        return;
    }
    socket->write("SENT OK\r\n");
    m_bus.transmit(this, message);
}

void LbServer::busReceive(const QByteArray& bytes)
{
    for (const QByteArray& message : m_framer.feed(bytes)) {
        const QByteArray line = TcpComm1::protocolLine("RECEIVE", message) + "\r\n";
        for (const Client& c : m_clients)
            c.socket->write(line);
    }
}

void LbServer::busVanished()
{
    // The interface is gone: for the clients the server closes the connection.
    while (!m_clients.empty()) {
        QTcpSocket* socket = m_clients.back().socket;
        socket->flush();
        drop(socket);
    }
}

} // namespace kx2::sim
