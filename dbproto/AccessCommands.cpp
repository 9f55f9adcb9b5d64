#include "dbproto/DbProtocol.h"

#include "dbproto/WrittenData.h"
#include "link/Clock.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"

#include <algorithm>


namespace kx2 {

namespace {
constexpr int kAccepted = 0x7F;
constexpr int kAcceptedAtOnce = 0x01;  // step 1 acknowledged, no ready message to wait for
} // namespace

int DbProtocol::StartBootloader()
{
    // Watch for the ready message from the moment step 1 goes out: a fast command station, or a
    // USB interface that hands over several messages in one read, can deliver it together with
    // the acknowledge, before the exchange returns.
    m_link.watchForReady();

    LocoNetLink::Answer a = ExchangeDbCommand(commandOf({0, 0x7F, 0x7F, 0x7F, 0, 0, 0, 0}, true, dbwire::BootStartStep1));
    if (const int r = a.result) {
        m_link.stopWatchingReady();
        return r + dbrc::OpBootStart;
    }
    const std::optional<int> code = longAckCode(a.message);
    if (!code) {
        m_link.stopWatchingReady();
        return dbrc::BootStartNoAnswer;
    }
    if (*code == kAcceptedAtOnce) {
        m_link.stopWatchingReady();
    } else if (*code == kAccepted) {
        if (!m_link.awaitReady(ReadyWaitLimit))
            return dbrc::BootReadyTimeout;
    } else {
        m_link.stopWatchingReady();
        return dbrc::BootStartNoAnswer;
    }

    a = ExchangeDbCommand(commandOf({0, 0, 0, 0, 0, 0, 0, 0}, true, dbwire::BootStartStep2));
    if (a.result != 0)
        return a.result + dbrc::OpBootStart;
    const std::optional<int> handle = longAckCode(a.message);
    if (!handle)
        return dbrc::BootStartNoHandle;
    m_handle = *handle;
    return 0;
}

int DbProtocol::EndBootloader()
{
    // Also after a cancel: the command station must not stay in its database access.
    LocoNetLink::Closing closing(m_link);
    // Asked again when its answer is lost: a station that closed at the first one answers the
    // second with 0x7F as well, since it has nothing open.
    const LocoNetLink::Answer a =
        exchangeReadRequest(commandOf({m_handle, 0x7F, 0x7F, 0x7F, 0, 0, 0, 0}, true, dbwire::BootEnd));
    if (a.result != 0)
        return a.result + dbrc::OpBootEnd;
    return longAckCode(a.message) == kAccepted ? 0 : dbrc::BootEndNoAnswer;
}

DbProtocol::SerialNumber DbProtocol::ReadSerialNumber()
{
    SerialNumber sn;
    const LocoNetLink::Answer a =
        exchangeReadRequest(commandOf({dbwire::SamFlashRead.d1, dbwire::SamFlashRead.d2, SerialArea, 0,
                                       dbwire::SamFlashRead.d5, 0, 0, dbwire::SamFlashRead.d8},
                                      true, dbwire::AreaCommand));
    sn.result = a.result;
    if (sn.result != 0)
        return sn;
    if (longAckCode(a.message) != kAccepted) {
        sn.result = dbrc::SerialNoAnswer;
        return sn;
    }
    const PageRead read = ReadRecord(SerialRecord);
    sn.result = read.result;
    // An answer that is no data reply holds no number.
    if (sn.result == rc::WrongReply)
        sn.result = dbrc::SerialNoAnswer;
    if (sn.result != 0)
        return sn;
    // D4 .. D1 of the record: page bytes 12 .. 15.
    const Page& p = read.page;
    sn.ids = {p[12], p[13], p[14], p[15]};
    // Bits 6 and 7 of D2 are not part of the number.
    sn.serial = 1200000000.0 + double(p[14] & 0x3F) * 65536.0 + double(p[13]) * 256.0 + double(p[12]);
    return sn;
}

int DbProtocol::areaCommand(const dbwire::AreaCode& c, int number, int refusedCode, bool reads)
{
    Q_ASSERT(number >= 0 && number <= 0xFFFF);
    const DbCommand command = commandOf({c.d1, c.d2, number & 0xFF, (number >> 8) & 0xFF, c.d5, 0, 0, c.d8}, true,
                                        dbwire::AreaCommand);
    // Loading an area into the work buffer can be asked for again; storing one cannot.
    const LocoNetLink::Answer a = reads ? exchangeReadRequest(command) : ExchangeDbCommand(command);
    const int r = a.result;
    // A store whose answer was lost after it went out may have been carried out.
    m_storeUnanswered = !reads && r == rc::ReplyTimeout && m_link.lastSendResult() == 0;
    // The exchange's own code, without a step: a time-out stays 13.
    if (r != 0)
        return r;
    const int result = longAckCode(a.message) == kAccepted ? 0 : refusedCode;
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
    return result;
}

int DbProtocol::SamFlashRead(int number)
{
    return areaCommand(dbwire::SamFlashRead, number, dbrc::SamReadNoAnswer, true);
}

int DbProtocol::SamFlashWrite(int number)
{
    return areaCommand(dbwire::SamFlashWrite, number, dbrc::SamWriteNoAnswer, false);
}

int DbProtocol::DataFlashRead(int number)
{
    return areaCommand(dbwire::DataFlashRead, number, dbrc::DataReadNoAnswer, true);
}

int DbProtocol::DataFlashWrite(int number)
{
    return areaCommand(dbwire::DataFlashWrite, number, dbrc::DataWriteNoAnswer, false);
}

} // namespace kx2
