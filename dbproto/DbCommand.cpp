#include "dbproto/DbProtocol.h"

#include "link/Comm1.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"

#include <QCoreApplication>

namespace kx2 {

namespace {
using dbwire::HeaderPos;

bool isLongAckOfDbCommand(const LocoNetLink::Slot& m)
{
    return m[0] == 0xB4 && m[1] == 0x6D;
}

bool hasDataReplyHead(const LocoNetLink::Slot& m)
{
    for (int i = 0; i < 5; ++i)
        if (m[i] != dbwire::DataReplyHead[size_t(i)])
            return false;
    return true;
}

// What answers a database command. The ready message has the data reply's head but answers
// nothing: coming late, it must not pass for a page.
bool isDbAnswer(const LocoNetLink::Slot& m)
{
    return isLongAckOfDbCommand(m) || (hasDataReplyHead(m) && !LocoNetLink::isReadyMessage(m));
}
} // namespace

DbProtocol::DbProtocol(LocoNetLink& link, Progress& progress) : m_link(link), m_progress(progress) {}

LocoNetLink::Answer DbProtocol::ExchangeDbCommand(const DbCommand& command)
{
    // The link adds the checksum itself.
    const QByteArray message = command.encode();
    std::array<int, 30> tx{};
    for (int i = 0; i < 30; ++i)
        tx[size_t(i)] = static_cast<unsigned char>(message.at(i));
    m_storeUnanswered = false;
    return m_link.exchange(tx.data(), 29, isDbAnswer);
}

DbCommand DbProtocol::commandOf(const std::array<int, 8>& d, bool sig, const dbwire::Selectors& s)
{
    DbCommand c;
    for (int k = 0; k < 8; ++k) {
        c.d[size_t(k)] = d[size_t(k)];
        c.d[size_t(8 + k)] = sig ? DbSignature[size_t(k)] : 0;
    }
    c.s = s;
    return c;
}

LocoNetLink::Answer DbProtocol::exchangeReadRequest(const DbCommand& command)
{
    // Every attempt sends the same bytes.
    return repeatRead([this, &command] { return ExchangeDbCommand(command); });
}

LocoNetLink::Answer DbProtocol::repeatRead(const std::function<LocoNetLink::Answer()>& attempt)
{
    LocoNetLink::Answer result = attempt();
    for (int repeat = 1; repeat <= ReadRepeats && result.result == rc::ReplyTimeout && m_link.port().portOpen();
         ++repeat) {
        m_link.traceNote(QCoreApplication::translate("DbCommand", "keine Antwort, Wiederholung %1 von %2")
                             .arg(repeat)
                             .arg(ReadRepeats));
        result = attempt();
    }
    return result;
}

std::optional<int> DbProtocol::longAckCode(const LocoNetLink::Slot& answer)
{
    if (!isLongAckOfDbCommand(answer))
        return std::nullopt;
    return answer[2];
}

bool DbProtocol::isDataReply(const LocoNetLink::Slot& answer)
{
    return hasDataReplyHead(answer);
}

QByteArray DbProtocol::bytesOf(const LocoNetLink::Slot& answer, int count)
{
    // Ring cells hold bytes; a cell never written is 0.
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(answer[size_t(i)] & 0xFF));
    return bytes;
}

} // namespace kx2
