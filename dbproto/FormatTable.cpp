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

LocoNetLink::Answer DbProtocol::ExchangeFormatMessage(const FormatRequest& request)
{
    // The link adds the checksum itself.
    const QByteArray message = request.encode();
    std::array<int, 14> tx{};
    for (int i = 0; i < 14; ++i)
        tx[size_t(i)] = static_cast<unsigned char>(message.at(i));
    m_storeUnanswered = false;
    return m_link.exchange(tx.data(), 13, isFormatAnswer);
}

DbProtocol::Format DbProtocol::ReadLocoFormat(int address)
{
    const FormatRequest request{FormatReadLoco, address};
    Format f;
    const LocoNetLink::Answer a = repeatRead([this, &request] { return ExchangeFormatMessage(request); });
    f.result = a.result;
    // The values are taken whatever the exchange returned; the caller decides by the result.
    const FormatAnswer answer = FormatAnswer::decode(bytesOf(a.message, 15));
    f.code = answer.first;
    f.value = answer.second;
    // An acknowledge (a refusal) holds no format.
    if (f.result == 0 && !answer.formatReply)
        f.result = rc::WrongReply;
    return f;
}

int DbProtocol::WriteLocoFormat(int address, int code, int value)
{
    const LocoNetLink::Answer a = ExchangeFormatMessage({FormatWriteLoco, address, code, value});
    int result = a.result;
    if (FormatAnswer::decode(bytesOf(a.message, 15)).byte2 != 0x7F)
        result = dbrc::FormatWriteRefused;
    if (m_written && result == 0)
        m_written->locoFormats.push_back({address, code, value});
    return result;
}

DbProtocol::Format DbProtocol::ReadAccessoryFormat(int address)
{
    const FormatRequest request{FormatReadAccessory, address};
    Format f;
    const LocoNetLink::Answer a = repeatRead([this, &request] { return ExchangeFormatMessage(request); });
    f.result = a.result;
    const FormatAnswer answer = FormatAnswer::decode(bytesOf(a.message, 15));
    f.value = answer.first;
    if (f.result == 0 && !answer.formatReply)
        f.result = rc::WrongReply;
    return f;
}

DbProtocol::Format DbProtocol::WriteAccessoryFormat(int address, int value)
{
    Format f;
    f.value = (value & 0x80) ? 143 : 15;
    const LocoNetLink::Answer a = ExchangeFormatMessage({FormatWriteAccessory, address, f.value, 255, 255});
    f.result = a.result;
    if (FormatAnswer::decode(bytesOf(a.message, 15)).byte2 != 0x7F)
        f.result = dbrc::FormatWriteRefused;
    if (m_written && f.result == 0)
        m_written->accessoryFormats.push_back({address, f.value});
    return f;
}

} // namespace kx2
