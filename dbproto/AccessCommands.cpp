#include "dbproto/DbProtocol.h"

#include "dbproto/WrittenData.h"
#include "link/Clock.h"
#include "shell/Cp1252.h"
#include "link/LocoNetLink.h"

#include <QList>
#include <algorithm>


namespace kx2 {

namespace {
constexpr int kAccepted = 0x7F;
constexpr int kAcceptedAtOnce = 0x01;  // step 1 acknowledged, no ready message to wait for

// Nobody waits for the ready message any more.
constexpr int kReadyIdle = 255;
constexpr int kReadyWatching = 0;
constexpr int kReadySeen = 1;
} // namespace

void DbProtocol::StartBootloader(int& result)
{
    // Watch for the ready message from the moment step 1 goes out: a fast command station, or a
    // USB interface that hands over several messages in one read, can deliver it together with
    // the acknowledge, before the exchange returns.
    m_link.ReadyFlag = kReadyWatching;

    int r = 0;
    prepare({0, 0x7F, 0x7F, 0x7F, 0, 0, 0, 0}, true, dbwire::BootStartStep1);
    exchangePrepared(r);
    if (r != 0) {
        m_link.ReadyFlag = kReadyIdle;
        result = r + dbrc::OpBootStart;
        return;
    }
    int code = 0;
    if (!replyIsLongAck(code)) {
        m_link.ReadyFlag = kReadyIdle;
        result = dbrc::BootStartNoAnswer;
        return;
    }
    if (code == kAcceptedAtOnce) {
        m_link.ReadyFlag = kReadyIdle;
    } else if (code == kAccepted) {
        Clock& clock = m_link.clock();
        const double deadline = clock.now() + ReadyWaitLimit;
        while (m_link.ReadyFlag != kReadySeen) {
            if (clock.now() > deadline) {
                m_link.ReadyFlag = kReadyIdle;
                result = dbrc::BootReadyTimeout;
                return;
            }
            clock.yieldUntil(deadline);
        }
    } else {
        m_link.ReadyFlag = kReadyIdle;
        result = dbrc::BootStartNoAnswer;
        return;
    }

    r = 0;
    prepare({0, 0, 0, 0, 0, 0, 0, 0}, true, dbwire::BootStartStep2);
    exchangePrepared(r);
    if (r != 0) {
        result = r + dbrc::OpBootStart;
        return;
    }
    if (!replyIsLongAck(code)) {
        result = dbrc::BootStartNoHandle;
        return;
    }
    BootloaderHandle = code;
    result = 0;
}

void DbProtocol::EndBootloader(int& result)
{
    // Also after a cancel: the command station must not stay in its database access.
    LocoNetLink::Closing closing(m_link);
    int r = 0;
    prepare({BootloaderHandle, 0x7F, 0x7F, 0x7F, 0, 0, 0, 0}, true, dbwire::BootEnd);
    exchangePrepared(r);
    if (r != 0) {
        result = r + dbrc::OpBootEnd;
        return;
    }
    int code = 0;
    result = (replyIsLongAck(code) && code == kAccepted) ? 0 : dbrc::BootEndNoAnswer;
}

void DbProtocol::ReadSerialNumber(double& serial, int& id1, int& id2, int& id3, int& id4, int& result)
{
    int r = 0;
    prepare({dbwire::SamFlashRead.d1, dbwire::SamFlashRead.d2, SerialArea, 0, dbwire::SamFlashRead.d5, 0, 0,
             dbwire::SamFlashRead.d8}, true, dbwire::AreaCommand);
    exchangeReadRequest(r);
    if (r != 0) {
        result = r;
        return;
    }
    int code = 0;
    if (!replyIsLongAck(code) || code != kAccepted) {
        result = dbrc::SerialNoAnswer;
        return;
    }

    prepare({0, 0, 0, 0, 0, 0, 0, 0}, false, dbwire::PageRead);
    DbData[17] = SerialRecord & 0xFF;
    DbData[18] = SerialRecord >> 8;
    exchangeReadRequest(r);
    if (r != 0) {
        result = r;
        return;
    }
    if (!replyIsDataReply()) {
        result = dbrc::SerialNoAnswer;
        return;
    }
    takeReplyData();
    DecodeHighBits();
    DescrambleReadData();
    id1 = DbData[4];
    id2 = DbData[3];
    id3 = DbData[2];
    id4 = DbData[1];
    // Bits 6 and 7 of D2 are not part of the number.
    serial = 1200000000.0 + double(DbData[2] & 0x3F) * 65536.0 + double(DbData[3]) * 256.0 + double(DbData[4]);
    result = 0;
}

void DbProtocol::areaCommand(const dbwire::AreaCode& c, int number, int refusedCode, bool reads, int& result)
{
    int r = 0;
    prepare({c.d1, c.d2, number & 0xFF, (number >> 8) & 0xFF, c.d5, 0, 0, c.d8}, true, dbwire::AreaCommand);
    // Loading an area into the work buffer can be asked for again; storing one cannot.
    if (reads)
        exchangeReadRequest(r);
    else
        exchangePrepared(r);
    if (r != 0) {
        // The exchange's own code, without a step: a time-out stays 13.
        result = r;
        return;
    }
    int code = 0;
    result = (replyIsLongAck(code) && code == kAccepted) ? 0 : refusedCode;
    if (m_written) {
        // A stored data-flash area holds the pages written since it was selected.
        if (result == 0 && !reads && c.d2 == dbwire::DataFlashWrite.d2) {
            auto& pages = m_written->areas[number];
            for (const WrittenData::Page& page : m_written->pending) {
                pages.erase(std::remove_if(pages.begin(), pages.end(),
                                           [&page](const WrittenData::Page& p) { return p.offset == page.offset; }),
                            pages.end());
                pages.push_back(page);
            }
        }
        m_written->pending.clear();
    }
}

void DbProtocol::SamFlashRead(int number, int& result)
{
    areaCommand(dbwire::SamFlashRead, number, dbrc::SamReadNoAnswer, true, result);
}

void DbProtocol::SamFlashWrite(int number, int& result)
{
    areaCommand(dbwire::SamFlashWrite, number, dbrc::SamWriteNoAnswer, false, result);
}

void DbProtocol::DataFlashRead(int number, int& result)
{
    areaCommand(dbwire::DataFlashRead, number, dbrc::DataReadNoAnswer, true, result);
}

void DbProtocol::DataFlashWrite(int number, int& result)
{
    areaCommand(dbwire::DataFlashWrite, number, dbrc::DataWriteNoAnswer, false, result);
}

void DbProtocol::DisplayClear(int& result)
{
    int r = 0;
    prepare({0, 0, 0, 0, 0, 0, 0, 0}, false, dbwire::DisplayClear);
    exchangePrepared(r);
    result = r != 0 ? r + dbrc::OpDisplayClear : 0;
}

void DbProtocol::DisplaySetCursor(int a, int b, int& result)
{
    int r = 0;
    // The command station takes the low byte of b twice.
    prepare({a & 0xFF, (a >> 8) & 0xFF, b & 0xFF, b & 0xFF, 0, 0, 0, 0}, false, dbwire::DisplayCursor);
    exchangePrepared(r);
    result = r != 0 ? r + dbrc::OpDisplayCursor : 0;
}

void DbProtocol::DisplayWriteText(const QString& text, int& result)
{
    prepare({0, 0, 0, 0, 0, 0, 0, 0}, false, dbwire::DisplayText);
    // Characters, not UTF-16 units: a character outside the basic plane is one '?'.
    int k = 0;
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        if (k == 20)
            break;
        int code = cp <= 0xFFFF ? cp1252Code(QChar(char16_t(cp))) : -1;
        DbData[++k] = code < 0 ? '?' : code;
    }
    int r = 0;
    exchangePrepared(r);
    result = r != 0 ? r + dbrc::OpDisplayText : 0;
}

} // namespace kx2
