#include "dbproto/DbProtocol.h"

#include "dbproto/WrittenData.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"

namespace kx2 {

void DbProtocol::ReadRecord(int number, int& result)
{
    for (int k = 1; k <= 16; ++k)
        DbData[k] = 0;
    DbData[17] = number & 0xFF;
    DbData[18] = (number >> 8) & 0xFF;
    DbData[19] = 0;
    DbData[20] = 0;
    DbSelector = {0, dbwire::PageRead.s1, dbwire::PageRead.s2, dbwire::PageRead.s3};
    int r = 0;
    exchangeReadRequest(r);
    if (r != 0) {
        result = r;
        return;
    }
    // The command station refuses with an acknowledge; only a data reply is a page.
    if (!replyIsDataReply()) {
        result = rc::WrongReply;
        return;
    }
    takeReplyData();
    DecodeHighBits();
    DescrambleReadData();
    result = 0;
}

void DbProtocol::WriteRecord(int number, int& result)
{
    DbData[17] = number & 0xFF;
    DbData[18] = (number >> 8) & 0xFF;
    DbData[19] = 0;
    DbData[20] = 0;
    DbSelector = {0, dbwire::PageWrite.s1, dbwire::PageWrite.s2, dbwire::PageWrite.s3};
    ScrambleWriteData();
    int r = 0;
    exchangePrepared(r);
    if (r != 0) {
        result = r;
        return;
    }
    int code = 0;
    result = (replyIsLongAck(code) && code == 0x7F) ? 0 : dbrc::PageWriteNoAnswer;
    if (m_written && result == 0) {
        WrittenData::Page page{number, {}};
        for (int k = 0; k < 16; ++k)
            page.bytes[size_t(k)] = WriteBuffer[size_t(k + 1)] & 0xFF;
        m_written->pending.push_back(page);
    }
}

void DbProtocol::ScrambleWriteData()
{
    for (int i = 1; i <= 8; ++i) {
        DbData[i] = WriteBuffer[17 - i] & 0xFF;
        DbData[8 + i] = WriteBuffer[i] & 0xFF;
    }
    for (int k = 1; k <= 16; ++k)
        DbData[k] ^= RecordKey[k - 1];
}

void DbProtocol::DescrambleReadData()
{
    for (int k = 1; k <= 16; ++k)
        DbData[k] ^= RecordKey[k - 1];
}

} // namespace kx2
