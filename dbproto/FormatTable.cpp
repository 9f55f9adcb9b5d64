#include "dbproto/DbProtocol.h"

#include "dbproto/WrittenData.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"

namespace kx2 {

namespace {
// What answers a data-format request: a message of the request's layout (15 bytes) or an
// acknowledge of the 0xED opcode.
bool isFormatAnswer(const LocoNetLink::Slot& m)
{
    return (m[0] >= 0xE0 && m[1] == 0x0F) || (m[0] == 0xB4 && m[1] == 0x6D);
}
} // namespace

void DbProtocol::buildFormatRequest(int code, int address, int v9, int v10, int v11)
{
    for (size_t i = 0; i < dbwire::FormatHead.size(); ++i)
        m_formatMessage[i] = dbwire::FormatHead[i];
    m_formatMessage[5] = code;
    m_formatMessage[6] = 0;
    m_formatMessage[7] = address & 0xFF;
    m_formatMessage[8] = (address & 0x3F00) / 256;
    m_formatMessage[9] = v9;
    m_formatMessage[10] = v10;
    m_formatMessage[11] = v11;
    m_formatMessage[12] = 0;
    m_formatMessage[13] = 0;
    PackFormatHighBits();
}

void DbProtocol::PackFormatHighBits()
{
    m_formatMessage[6] = 0;
    for (int k = 0; k <= 6; ++k)
        if (m_formatMessage[7 + k] & 0x80)
            m_formatMessage[6] += 1 << k;
    for (int k = 7; k <= 13; ++k)
        m_formatMessage[k] &= 0x7F;
}

void DbProtocol::UnpackFormatReply()
{
    auto& slot = m_answer;
    const int bits = slot[6];
    for (int k = 0; k <= 6; ++k)
        if (bits & (1 << k))
            // Setting bit 7 adds 128 to a received 7-bit byte, and unpacking an old reply twice
            // (after a time-out) cannot push a value beyond a byte.
            slot[7 + k] = int16_t(slot[7 + k] | 0x80);
}

int DbProtocol::ExchangeFormatMessage()
{
    m_storeUnanswered = false;
    const LocoNetLink::Answer answer = m_link.exchange(m_formatMessage.data(), 13, isFormatAnswer);
    m_answer = answer.message;
    return answer.result;
}

bool DbProtocol::replyIsFormatReply() const
{
    // A read reply has the request's layout: a variable-length message of 15 bytes.
    const auto& slot = m_answer;
    return slot[0] >= 0xE0 && slot[1] == 0x0F;
}

DbProtocol::Format DbProtocol::ReadLocoFormat(int address)
{
    buildFormatRequest(FormatReadLoco, address, 0, 0, 0);
    Format f;
    f.result = repeatRead([this] { return ExchangeFormatMessage(); });
    // The values are taken whatever the exchange returned; the caller decides by the result.
    UnpackFormatReply();
    f.code = m_answer[9];
    f.value = m_answer[10];
    // An acknowledge (a refusal) holds no format.
    if (f.result == 0 && !replyIsFormatReply())
        f.result = rc::WrongReply;
    return f;
}

int DbProtocol::WriteLocoFormat(int address, int code, int value)
{
    buildFormatRequest(FormatWriteLoco, address, code, value, 0);
    int result = ExchangeFormatMessage();
    if (m_answer[2] != 0x7F)
        result = dbrc::FormatWriteRefused;
    if (m_written && result == 0)
        m_written->locoFormats.push_back({address, code, value});
    return result;
}

DbProtocol::Format DbProtocol::ReadAccessoryFormat(int address)
{
    buildFormatRequest(FormatReadAccessory, address, 0, 0, 0);
    Format f;
    f.result = repeatRead([this] { return ExchangeFormatMessage(); });
    UnpackFormatReply();
    f.value = m_answer[9];
    if (f.result == 0 && !replyIsFormatReply())
        f.result = rc::WrongReply;
    return f;
}

DbProtocol::Format DbProtocol::WriteAccessoryFormat(int address, int value)
{
    Format f;
    f.value = (value & 0x80) ? 143 : 15;
    buildFormatRequest(FormatWriteAccessory, address, f.value, 255, 255);
    f.result = ExchangeFormatMessage();
    if (m_answer[2] != 0x7F)
        f.result = dbrc::FormatWriteRefused;
    if (m_written && f.result == 0)
        m_written->accessoryFormats.push_back({address, f.value});
    return f;
}

} // namespace kx2
