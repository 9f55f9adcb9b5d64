#include "dbproto/DbProtocol.h"

#include "dbproto/WrittenData.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"

namespace kx2 {

int DbProtocol::ReadRecord(int number)
{
    for (int k = 1; k <= 16; ++k)
        m_data[k] = 0;
    m_data[17] = number & 0xFF;
    m_data[18] = (number >> 8) & 0xFF;
    m_data[19] = 0;
    m_data[20] = 0;
    m_selector = {0, dbwire::PageRead.s1, dbwire::PageRead.s2, dbwire::PageRead.s3};
    const int r = exchangeReadRequest();
    if (r != 0)
        return r;
    // The command station refuses with an acknowledge; only a data reply is a page.
    if (!replyIsDataReply())
        return rc::WrongReply;
    takeReplyData();
    DecodeHighBits();
    DescrambleReadData();
    return 0;
}

int DbProtocol::WriteRecord(int number)
{
    m_data[17] = number & 0xFF;
    m_data[18] = (number >> 8) & 0xFF;
    m_data[19] = 0;
    m_data[20] = 0;
    m_selector = {0, dbwire::PageWrite.s1, dbwire::PageWrite.s2, dbwire::PageWrite.s3};
    ScrambleWriteData();
    const int r = exchangePrepared();
    if (r != 0)
        return r;
    int code = 0;
    const int result = (replyIsLongAck(code) && code == 0x7F) ? 0 : dbrc::PageWriteNoAnswer;
    if (m_written && result == 0) {
        WrittenData::Page page{number, {}};
        for (int k = 0; k < 16; ++k)
            page.bytes[size_t(k)] = m_writePage[size_t(k + 1)] & 0xFF;
        m_written->pending.push_back(page);
    }
    return result;
}

int DbProtocol::pageByte(int k) const
{
    return m_data[wireIndexOfPageByte(k)];
}

void DbProtocol::setWritePage(const Page& page)
{
    for (int i = 1; i <= 16; ++i)
        m_writePage[size_t(i)] = page[size_t(i - 1)];
}

void DbProtocol::ClearWriteBuffer()
{
    for (int i = 1; i <= 16; ++i)
        m_writePage[size_t(i)] = 255;
}

void DbProtocol::ScrambleWriteData()
{
    for (int i = 1; i <= 8; ++i) {
        m_data[i] = m_writePage[17 - i] & 0xFF;
        m_data[8 + i] = m_writePage[i] & 0xFF;
    }
    for (int k = 1; k <= 16; ++k)
        m_data[k] ^= RecordKey[k - 1];
}

void DbProtocol::DescrambleReadData()
{
    for (int k = 1; k <= 16; ++k)
        m_data[k] ^= RecordKey[k - 1];
}

} // namespace kx2
