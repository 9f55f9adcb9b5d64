#include "dbproto/DbProtocol.h"

#include "dbproto/WrittenData.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"

#include <algorithm>

namespace kx2 {

DbProtocol::PageRead DbProtocol::ReadRecord(int number)
{
    Q_ASSERT(number >= 0 && number <= 0xFFFF);
    DbCommand command;
    command.d[16] = number & 0xFF;
    command.d[17] = (number >> 8) & 0xFF;
    command.s = dbwire::PageRead;
    PageRead read;
    const LocoNetLink::Answer a = exchangeReadRequest(command);
    read.result = a.result;
    if (read.result != 0)
        return read;
    // The command station refuses with an acknowledge; only a data reply is a page.
    const std::optional<DbCommand> reply =
        isDataReply(a.message) ? DbCommand::decode(bytesOf(a.message, 30)) : std::nullopt;
    if (!reply) {
        read.result = rc::WrongReply;
        return read;
    }
    read.page = DescrambleReadData(reply->d);
    return read;
}

int DbProtocol::WriteRecord(int number, const Page& page)
{
    Q_ASSERT(number >= 0 && number <= 0xFFFF);
    DbCommand command;
    const std::array<int, 16> d = ScrambleWriteData(page);
    std::copy(d.begin(), d.end(), command.d.begin());
    command.d[16] = number & 0xFF;
    command.d[17] = (number >> 8) & 0xFF;
    command.s = dbwire::PageWrite;
    const LocoNetLink::Answer a = ExchangeDbCommand(command);
    if (a.result != 0)
        return a.result;
    const int result = longAckCode(a.message) == 0x7F ? 0 : dbrc::PageWriteNoAnswer;
    if (m_written && result == 0) {
        WrittenData::Page kept{number, {}};
        for (int k = 0; k < 16; ++k)
            kept.bytes[size_t(k)] = page[size_t(k)] & 0xFF;
        m_written->pending.push_back(kept);
    }
    return result;
}

} // namespace kx2
