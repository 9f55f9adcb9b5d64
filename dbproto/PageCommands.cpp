#include "dbproto/DbProtocol.h"

#include "dbproto/WrittenData.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"

namespace kx2 {

DbProtocol::PageRead DbProtocol::ReadRecord(int number)
{
    Q_ASSERT(number >= 0 && number <= 0xFFFF);
    for (int k = 1; k <= 16; ++k)
        m_data[k] = 0;
    m_data[17] = number & 0xFF;
    m_data[18] = (number >> 8) & 0xFF;
    m_data[19] = 0;
    m_data[20] = 0;
    m_selector = {0, dbwire::PageRead.s1, dbwire::PageRead.s2, dbwire::PageRead.s3};
    PageRead read;
    read.result = exchangeReadRequest();
    if (read.result != 0)
        return read;
    // The command station refuses with an acknowledge; only a data reply is a page.
    if (!replyIsDataReply()) {
        read.result = rc::WrongReply;
        return read;
    }
    takeReplyData();
    DecodeHighBits();
    read.page = PageOfData(m_data);
    return read;
}

int DbProtocol::WriteRecord(int number, const Page& page)
{
    Q_ASSERT(number >= 0 && number <= 0xFFFF);
    const std::array<int, 16> d = DataOfPage(page);
    for (int k = 1; k <= 16; ++k)
        m_data[k] = d[size_t(k - 1)];
    m_data[17] = number & 0xFF;
    m_data[18] = (number >> 8) & 0xFF;
    m_data[19] = 0;
    m_data[20] = 0;
    m_selector = {0, dbwire::PageWrite.s1, dbwire::PageWrite.s2, dbwire::PageWrite.s3};
    const int r = exchangePrepared();
    if (r != 0)
        return r;
    int code = 0;
    const int result = (replyIsLongAck(code) && code == 0x7F) ? 0 : dbrc::PageWriteNoAnswer;
    if (m_written && result == 0) {
        WrittenData::Page kept{number, {}};
        for (int k = 0; k < 16; ++k)
            kept.bytes[size_t(k)] = page[size_t(k)] & 0xFF;
        m_written->pending.push_back(kept);
    }
    return result;
}

std::array<int, 16> DataOfPage(const DbProtocol::Page& page)
{
    // D1..D8 carry page bytes 15 down to 8, D9..D16 bytes 0..7; only a byte of each travels.
    std::array<int, 16> d{};
    for (int i = 1; i <= 8; ++i) {
        d[size_t(i - 1)] = page[size_t(16 - i)] & 0xFF;
        d[size_t(7 + i)] = page[size_t(i - 1)] & 0xFF;
    }
    for (int k = 0; k < 16; ++k)
        d[size_t(k)] ^= RecordKey[size_t(k)];
    return d;
}

DbProtocol::Page PageOfData(const std::array<int, 21>& data)
{
    DbProtocol::Page page{};
    for (int k = 0; k < 16; ++k) {
        const int d = k < 8 ? 9 + k : 16 - k;
        page[size_t(k)] = data[size_t(d)] ^ RecordKey[size_t(d - 1)];
    }
    return page;
}

} // namespace kx2
