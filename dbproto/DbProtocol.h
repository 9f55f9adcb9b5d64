#pragma once
#include "dbproto/DbConstants.h"
#include "dbproto/DbMessages.h"
#include "dbproto/DbWire.h"
#include "link/LocoNetLink.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace kx2 {

class LocoNetLink;
class Progress;
struct WrittenData;

// Result codes made by the database commands (operation x 10000 + step x 100 + error).
namespace dbrc {
inline constexpr int BootStartNoAnswer = 111011;   // step 1 not acknowledged, or refused
inline constexpr int BootStartNoHandle = 110106;   // step 2 not answered by an acknowledge
// The command station acknowledged step 1 but its ready message did not come within
// DbProtocol::ReadyWaitLimit: "Bootloader starten:" " LocoNet Message gesendet:" " Timeout: kein
// Antwort auf LocoNet! ". Kept apart from 110013, the time-out of the exchange itself.
inline constexpr int BootReadyTimeout = 111013;
inline constexpr int BootEndNoAnswer = 121011;
inline constexpr int SerialNoAnswer = 101011;
inline constexpr int SamWriteNoAnswer = 1111;
inline constexpr int SamReadNoAnswer = 1211;
inline constexpr int DataReadNoAnswer = 1311;
inline constexpr int DataWriteNoAnswer = 1411;
inline constexpr int PageWriteNoAnswer = 1611;
inline constexpr int FormatWriteRefused = 401032;
inline constexpr int OpSerial = 100000;
inline constexpr int OpBootStart = 110000;
inline constexpr int OpBootEnd = 120000;
inline constexpr int OpDisplayClear = 150000;
inline constexpr int OpDisplayCursor = 160000;
inline constexpr int OpDisplayText = 170000;
inline constexpr int OpIndexRead = 270000;
inline constexpr int OpIndexWrite = 280000;
} // namespace dbrc

// The command station's database protocol: the database command (opcode 0xED, 31 bytes) with
// its 20 data bytes and three selectors, the access, area and display commands, page reads and
// writes, the database index and the data-format table. One request at a time, over the link's
// request/reply exchange.
//
// Every command returns its result code (0, or the code the failure is reported with) and, where
// it reads something, what it read beside it: a page read returns its page, a page write takes
// the page it sends.
class DbProtocol {
public:
    // How long StartBootloader waits for the ready message after the acknowledge 0x7F. A command
    // station restarts into its bootloader in well under a second; ten seconds leave ample room
    // for a slow interface while keeping a dead device from hanging the program.
    static constexpr double ReadyWaitLimit = 10.0;

    // 16 bytes of a flash area, page byte 0 first.
    using Page = std::array<int, 16>;

    // The command station's serial number and its four bytes (id1 = D4 .. id4 = D1 of record
    // 240); ids stay -1 when the number could not be read.
    struct SerialNumber {
        int result = 0;
        double serial = 0;
        std::array<int, 4> ids{-1, -1, -1, -1};
    };
    // A data format read or stored: the code and value of a locomotive's format, or in `value`
    // the format an accessory has (read) or was given (written: 15 or 143).
    struct Format {
        int result = 0;
        int code = 0;
        int value = 0;
    };

    DbProtocol(LocoNetLink& link, Progress& progress);

    // Sends `command` and waits for echo and reply: a long acknowledge of the database command or
    // a data reply (the ready message is none). Its result code and that answer.
    LocoNetLink::Answer ExchangeDbCommand(const DbCommand& command);

    // --- access, serial number, areas, display ---
    int StartBootloader();
    int EndBootloader();
    SerialNumber ReadSerialNumber();
    int SamFlashRead(int number);
    int SamFlashWrite(int number);
    int DataFlashRead(int number);
    int DataFlashWrite(int number);
    int DisplayClear();
    int DisplaySetCursor(int a, int b);
    int DisplayWriteText(const QString& text);

    // --- pages ---
    // The page at byte `number` of the area loaded last. Result 1011 when the answer is no data
    // reply; the page is all 0 whenever the result is not 0.
    struct PageRead {
        int result = 0;
        Page page{};
    };
    PageRead ReadRecord(int number);
    // Sends `page` to byte `number` of the area loaded last; only the low byte of each cell goes.
    int WriteRecord(int number, const Page& page);
    // A page of flash never written: sixteen bytes 255.
    static constexpr Page ErasedPage{255, 255, 255, 255, 255, 255, 255, 255,
                                     255, 255, 255, 255, 255, 255, 255, 255};

    // --- the database index and the record counter ---
    // Reads both index areas and takes the highest counter value they hold.
    int ReadDatabaseIndex();
    // Stores `counter` as the index's counter; all ones would read back as an empty entry, so
    // the highest value stored is one below it.
    int WriteDatabaseIndex(uint32_t counter);
    uint32_t recordCounter() const { return DbRecordCounter; }
    // The record number the next written record carries: the counter, one up.
    uint32_t nextRecordNumber() { return ++DbRecordCounter; }
    // A read leaves the counter unknown: all ones, so that a send that does not read the index
    // first hands out 0.
    void forgetRecordCounter() { DbRecordCounter = 0xFFFFFFFFu; }

    // --- the data-format table ---
    // The reads: result 1011 when an answer came but is no data-format reply.
    Format ReadLocoFormat(int address);
    int WriteLocoFormat(int address, int code, int value);
    Format ReadAccessoryFormat(int address);
    // Only Motorola (bit 7 of `value`) or DCC is stored; `value` of the answer says which.
    Format WriteAccessoryFormat(int address, int value);

    LocoNetLink& link() { return m_link; }

    // The last command was an area store (DataFlashWrite, SamFlashWrite) that went out and got
    // no answer: the station may have stored the area all the same.
    bool lastStoreUnanswered() const { return m_storeUnanswered; }

    // While set, every page stored in the data flash and every data format written is kept
    // there as it was sent (nullptr: nothing is kept).
    void keepWrites(WrittenData* log) { m_written = log; }

private:
    // A request that only reads is sent this many times more when its answer does not come
    // (a lost answer costs one time-out, not the transfer). So are the display commands and the
    // end of the access, which change nothing in the databases. Writes are never repeated.
    static constexpr int ReadRepeats = 2;

    static constexpr int IndexAreaFirst = 964;
    static constexpr int IndexAreaSecond = 965;
    static constexpr int SerialArea = 63;
    static constexpr int SerialRecord = 240;
    static constexpr uint32_t EmptyIndexEntry = 0xFFFFFFFFu;

    // Request codes of the data-format messages.
    static constexpr int FormatWriteLoco = 12;
    static constexpr int FormatReadLoco = 13;
    static constexpr int FormatWriteAccessory = 15;
    static constexpr int FormatReadAccessory = 16;

    LocoNetLink::Answer ExchangeFormatMessage(const FormatRequest& request);

    // One command: d holds D1..D8, sig puts DbSignature into D9..D16 (otherwise 0), D17..D20 = 0.
    static DbCommand commandOf(const std::array<int, 8>& d, bool sig, const dbwire::Selectors& s);
    // A request that only reads: repeated up to ReadRepeats times on a time-out.
    LocoNetLink::Answer exchangeReadRequest(const DbCommand& command);
    // Runs attempt() again while it times out and the port is still open.
    LocoNetLink::Answer repeatRead(const std::function<LocoNetLink::Answer()>& attempt);
    // The code of an answer that is a long acknowledge of the database command.
    static std::optional<int> longAckCode(const LocoNetLink::Slot& answer);
    static bool isDataReply(const LocoNetLink::Slot& answer);
    // The first `count` bytes of an answer.
    static QByteArray bytesOf(const LocoNetLink::Slot& answer, int count);
    int areaCommand(const dbwire::AreaCode& code, int number, int refusedCode, bool reads);
    void storeIndexEntries(int base, const Page& page);

    LocoNetLink& m_link;
    Progress& m_progress;
    WrittenData* m_written = nullptr;

    // Entries 0..63 of the database index; entry 0 is written back as it was read.
    std::array<std::optional<uint32_t>, 257> m_index{};
    uint32_t DbRecordCounter = 0; // the record-number counter the database index keeps
    int m_handle = 0;  // the bootloader's handle, given by step 2 of the access
    bool m_storeUnanswered = false;
};

} // namespace kx2
