#include "link/TcpComm1.h"

#include "link/Clock.h"
#include "link/LocoNetLink.h"

#include <QTcpSocket>

#include <algorithm>
#include <QCoreApplication>

namespace kx2 {

namespace {
const QLatin1String kScheme("tcp:");
// RECEIVE and a message of at most 127 bytes, three characters each.
constexpr qsizetype kLongestLine = 512;
} // namespace

TcpComm1::TcpComm1(Clock& clock) : m_clock(clock), m_socket(std::make_unique<QTcpSocket>())
{
    QObject::connect(m_socket.get(), &QTcpSocket::readyRead, [this] { readLines(); });
    QObject::connect(m_socket.get(), &QTcpSocket::disconnected, [this] { lost(); });
    QObject::connect(m_socket.get(), &QTcpSocket::errorOccurred, [this](QAbstractSocket::SocketError) {
        if (m_open)
            lost();
    });
}

TcpComm1::~TcpComm1()
{
    m_socket->disconnect();
    m_socket->abort();
}

bool TcpComm1::isNetworkPort(const QString& port)
{
    return port.trimmed().startsWith(kScheme, Qt::CaseInsensitive);
}

bool TcpComm1::parseAddress(const QString& port, QString& host, quint16& tcpPort)
{
    if (!isNetworkPort(port))
        return false;
    const QString rest = port.trimmed().mid(kScheme.size());
    QString portText;
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype close = rest.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':')))
            return false;
        portText = after.mid(1);
    } else if (rest.count(QLatin1Char(':')) == 1) {
        host = rest.section(QLatin1Char(':'), 0, 0);
        portText = rest.section(QLatin1Char(':'), 1);
    } else {
        host = rest; // no port, or an IPv6 address without brackets
    }
    tcpPort = DefaultPort;
    if (!portText.isEmpty()) {
        bool ok = false;
        const int n = portText.toInt(&ok);
        if (!ok || n < 1 || n > 65535)
            return false;
        tcpPort = quint16(n);
    }
    return !host.isEmpty();
}

QString TcpComm1::where() const
{
    return m_host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2").arg(m_host).arg(m_tcpPort)
                                              : QStringLiteral("%1:%2").arg(m_host).arg(m_tcpPort);
}

void TcpComm1::setCommPort(const QString& port)
{
    if (!m_open)
        m_portText = port;
}

void TcpComm1::fail(const QString& why)
{
    m_error = why;
    m_failure = why;
}

bool TcpComm1::setPortOpen(bool open)
{
    if (!open) {
        m_open = false;
        m_socket->abort();
        m_in.clear();
        return true;
    }
    if (m_open)
        return true;
    m_socket->abort();
    m_lineBuffer.clear();
    m_in.clear();
    m_framer = MessageFramer();
    m_failure.clear();
    if (!parseAddress(m_portText, m_host, m_tcpPort)) {
        fail(QCoreApplication::translate("TcpComm1", "Ungültige Netzwerkadresse \"%1\" (tcp:Rechner:Port)")
                 .arg(m_portText));
        return false;
    }
    m_socket->connectToHost(m_host, m_tcpPort);
    // The event loop runs while the connection comes about; the time-out bounds the wait.
    const double deadline = m_clock.now() + ConnectTimeout;
    while (m_socket->state() != QAbstractSocket::ConnectedState) {
        if (m_socket->state() == QAbstractSocket::UnconnectedState) {
            switch (m_socket->error()) {
            case QAbstractSocket::ConnectionRefusedError:
                fail(QCoreApplication::translate("TcpComm1", "Verbindung zu %1 abgelehnt").arg(where()));
                break;
            case QAbstractSocket::HostNotFoundError:
                fail(QCoreApplication::translate("TcpComm1", "Verbindung zu %1: Rechner nicht gefunden").arg(where()));
                break;
            default:
                fail(QCoreApplication::translate("TcpComm1", "Verbindung zu %1 nicht möglich: %2")
                         .arg(where(), m_socket->errorString()));
                break;
            }
            return false;
        }
        if (m_clock.now() > deadline) {
            m_socket->abort();
            fail(QCoreApplication::translate("TcpComm1", "Verbindung zu %1: keine Antwort innerhalb von %n Sekunden",
                                             nullptr, int(ConnectTimeout))
                     .arg(where()));
            return false;
        }
        m_clock.yieldUntil(deadline);
    }
    // One short line per message: waiting to fill a packet would cost every exchange a delay.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_error.clear();
    m_open = true;
    return true;
}

bool TcpComm1::portOpen() const
{
    return m_open;
}

void TcpComm1::lost()
{
    if (!m_open)
        return;
    m_open = false;
    m_in.clear();
    fail(QCoreApplication::translate("TcpComm1", "Verbindung zu %1 getrennt").arg(where()));
}

QByteArray TcpComm1::input()
{
    const qsizetype n = m_inputLen == 0 ? m_in.size() : std::min<qsizetype>(m_inputLen, m_in.size());
    QByteArray out = m_in.left(n);
    m_in.remove(0, n);
    return out;
}

QByteArray TcpComm1::protocolLine(const char* keyword, const QByteArray& message)
{
    QByteArray line(keyword);
    for (char b : message) {
        line += ' ';
        line += ByteToHex(static_cast<unsigned char>(b)).toLatin1();
    }
    return line;
}

bool TcpComm1::lineBytes(const QByteArray& line, const char* keyword, QByteArray& bytes)
{
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.first() != keyword)
        return false;
    bytes.clear();
    for (qsizetype i = 1; i < words.size(); ++i) {
        bool ok = false;
        const int b = words[i].toInt(&ok, 16);
        if (!ok || b < 0 || b > 0xFF || words[i].size() > 2)
            return false;
        bytes.append(char(b));
    }
    return true;
}

bool TcpComm1::output(const QByteArray& bytes)
{
    if (!m_open) {
        if (m_error.isEmpty())
            m_error = QCoreApplication::translate("TcpComm1", "Port ist nicht geöffnet");
        return false;
    }
    for (const QByteArray& message : m_framer.feed(bytes)) {
        if (m_socket->write(protocolLine("SEND", message) + "\r\n") < 0) {
            m_error = m_socket->errorString();
            return false;
        }
    }
    m_socket->flush();
    return m_open;
}

void TcpComm1::readLines()
{
    for (char c : m_socket->readAll()) {
        if (c != '\n' && c != '\r') {
            // A line no server sends this long is noise; it is dropped rather than kept growing.
            if (m_lineBuffer.size() < kLongestLine)
                m_lineBuffer += c;
            continue;
        }
        if (!m_lineBuffer.isEmpty())
            handleLine(m_lineBuffer);
        m_lineBuffer.clear();
    }
    if (m_in.isEmpty() || m_inEvent)
        return;
    // The receive event comes again while bytes wait and the handler takes some.
    m_inEvent = true;
    while (m_open && !m_in.isEmpty() && m_rThreshold > 0) {
        const qsizetype before = m_in.size();
        raiseOnComm();
        if (m_in.size() >= before)
            break;
    }
    m_inEvent = false;
}

void TcpComm1::handleLine(const QByteArray& line)
{
    QByteArray bytes;
    if (lineBytes(line, "RECEIVE", bytes)) {
        if (m_open)
            m_in += bytes;
    } else if (line.startsWith("SENT ERROR")) {
        // The message did not reach the bus; the exchange that waits for its echo will say so.
        m_failure = QCoreApplication::translate("TcpComm1", "Server %1 meldet: %2")
                        .arg(where(), QString::fromLatin1(line.trimmed()));
    } else if (line.startsWith("SENT OK")) {
        m_failure.clear();
    }
    // VERSION, TIMESTAMP, BREAK, ERROR and whatever else a server says are passed over.
}

} // namespace kx2
