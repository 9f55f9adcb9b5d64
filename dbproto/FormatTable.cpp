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
        FormatMessage[i] = dbwire::FormatHead[i];
    FormatMessage[5] = code;
    FormatMessage[6] = 0;
    FormatMessage[7] = address & 0xFF;
    FormatMessage[8] = (address & 0x3F00) / 256;
    FormatMessage[9] = v9;
    FormatMessage[10] = v10;
    FormatMessage[11] = v11;
    FormatMessage[12] = 0;
    FormatMessage[13] = 0;
    PackFormatHighBits();
}

void DbProtocol::PackFormatHighBits()
{
    FormatMessage[6] = 0;
    for (int k = 0; k <= 6; ++k)
        if (FormatMessage[7 + k] & 0x80)
            FormatMessage[6] += 1 << k;
    for (int k = 7; k <= 13; ++k)
        FormatMessage[k] &= 0x7F;
}

void DbProtocol::UnpackFormatReply()
{
    auto& slot = m_link.reply();
    const int bits = slot[6];
    for (int k = 0; k <= 6; ++k)
        if (bits & (1 << k))
            // Setting bit 7 adds 128 to a received 7-bit byte, and unpacking an old reply twice
            // (after a time-out) cannot push a value beyond a byte.
            slot[7 + k] = int16_t(slot[7 + k] | 0x80);
}

void DbProtocol::ExchangeFormatMessage(int& result)
{
    result = 0;
    m_link.exchange(FormatMessage.data(), 13, result, isFormatAnswer);
}

bool DbProtocol::replyIsFormatReply() const
{
    // A read reply has the request's layout: a variable-length message of 15 bytes.
    const auto& slot = m_link.reply();
    return slot[0] >= 0xE0 && slot[1] == 0x0F;
}

void DbProtocol::ReadLocoFormat(int address, int& code, int& value, int& result)
{
    buildFormatRequest(FormatReadLoco, address, 0, 0, 0);
    repeatRead([this](int& r) { ExchangeFormatMessage(r); }, result);
    // The values are taken whatever the exchange returned; the caller decides by the result.
    UnpackFormatReply();
    code = m_link.reply()[9];
    value = m_link.reply()[10];
    // An acknowledge (a refusal) holds no format.
    if (result == 0 && !replyIsFormatReply())
        result = rc::WrongReply;
}

void DbProtocol::WriteLocoFormat(int address, int code, int value, int& result)
{
    buildFormatRequest(FormatWriteLoco, address, code, value, 0);
    ExchangeFormatMessage(result);
    if (m_link.reply()[2] != 0x7F)
        result = dbrc::FormatWriteRefused;
    if (m_written && result == 0)
        m_written->locoFormats.push_back({address, code, value});
}

void DbProtocol::ReadAccessoryFormat(int address, int& value, int& result)
{
    buildFormatRequest(FormatReadAccessory, address, 0, 0, 0);
    repeatRead([this](int& r) { ExchangeFormatMessage(r); }, result);
    UnpackFormatReply();
    value = m_link.reply()[9];
    if (result == 0 && !replyIsFormatReply())
        result = rc::WrongReply;
}

void DbProtocol::WriteAccessoryFormat(int address, int& value, int& result)
{
    // Only Motorola (bit 7) or DCC is stored; the caller keeps the value that was sent.
    value = (value & 0x80) ? 143 : 15;
    buildFormatRequest(FormatWriteAccessory, address, value, 255, 255);
    ExchangeFormatMessage(result);
    if (m_link.reply()[2] != 0x7F)
        result = dbrc::FormatWriteRefused;
    if (m_written && result == 0)
        m_written->accessoryFormats.push_back({address, value});
}

} // namespace kx2
