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
    return isLongAckOfDbCommand(m) || (hasDataReplyHead(m) && !LocoNetLink::IsReadyMessage(m));
}
} // namespace

DbProtocol::DbProtocol(LocoNetLink& link, Progress& progress) : m_link(link), m_progress(progress) {}

void DbProtocol::EncodeHighBits()
{
    for (int g = 1; g <= 5; ++g) {
        // Groups 1 and 2 carry no selector; their headers start at 0x70.
        const int top = g <= 2 ? 0x70 : 16 * (m_selector[g - 2] & 0x07);
        int bits = 0;
        for (int k = 1; k <= 4; ++k) {
            int& d = m_data[4 * (g - 1) + k];
            if (d & 0x80)
                bits |= 1 << (k - 1);
            // Only the low seven bits travel in the data byte; anything above a byte is no page data.
            d &= 0x7F;
        }
        m_header[g] = top + bits;
    }
}

void DbProtocol::DecodeHighBits()
{
    for (int g = 1; g <= 5; ++g)
        for (int k = 1; k <= 4; ++k)
            if (m_header[g] & (1 << (k - 1)))
                m_data[4 * (g - 1) + k] += 128;
}

int DbProtocol::ExchangeDbCommand()
{
    for (int i = 0; i < 5; ++i)
        m_tx[size_t(i)] = dbwire::CommandHead[size_t(i)];
    for (int g = 1; g <= 5; ++g) {
        m_tx[HeaderPos[size_t(g)]] = m_header[g];
        for (int k = 1; k <= 4; ++k)
            m_tx[HeaderPos[size_t(g)] + k] = m_data[4 * (g - 1) + k];
    }
    m_storeUnanswered = false;
    const LocoNetLink::Answer answer = m_link.exchange(m_tx.data(), 29, isDbAnswer);
    m_answer = answer.message;
    return answer.result;
}

void DbProtocol::prepare(const std::array<int, 8>& d, bool sig, const dbwire::Selectors& s)
{
    for (int k = 1; k <= 8; ++k)
        m_data[k] = d[k - 1];
    for (int k = 9; k <= 16; ++k)
        m_data[k] = sig ? DbSignature[k - 9] : 0;
    for (int k = 17; k <= 20; ++k)
        m_data[k] = 0;
    m_selector = {0, s.s1, s.s2, s.s3};
}

int DbProtocol::exchangePrepared()
{
    EncodeHighBits();
    return ExchangeDbCommand();
}

int DbProtocol::exchangeReadRequest()
{
    EncodeHighBits();
    // The command is encoded once; every attempt sends the same bytes.
    return repeatRead([this] { return ExchangeDbCommand(); });
}

int DbProtocol::repeatRead(const std::function<int()>& attempt)
{
    int result = attempt();
    for (int repeat = 1; repeat <= ReadRepeats && result == rc::ReplyTimeout && m_link.port().portOpen(); ++repeat) {
        m_link.traceNote(QCoreApplication::translate("DbCommand", "keine Antwort, Wiederholung %1 von %2")
                             .arg(repeat)
                             .arg(ReadRepeats));
        result = attempt();
    }
    return result;
}

bool DbProtocol::replyIsLongAck(int& code) const
{
    const auto& slot = m_answer;
    if (!isLongAckOfDbCommand(slot))
        return false;
    code = slot[2];
    return true;
}

bool DbProtocol::replyIsDataReply() const
{
    return hasDataReplyHead(m_answer);
}

void DbProtocol::takeReplyData()
{
    const auto& slot = m_answer;
    for (int g = 1; g <= 5; ++g) {
        // Ring cells hold bytes; a cell never written is 0.
        m_header[g] = slot[HeaderPos[size_t(g)]] & 0xFF;
        for (int k = 1; k <= 4; ++k)
            m_data[4 * (g - 1) + k] = slot[HeaderPos[size_t(g)] + k] & 0xFF;
    }
}


} // namespace kx2
