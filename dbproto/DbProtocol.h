#pragma once
#include "dbproto/DbConstants.h"
#include "dbproto/DbWire.h"

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
// writes, the page copies to and from record tables, the database index and the data-format
// table. One request at a time, over the link's request/reply exchange.
//
// Arrays keep the numbering of the fields they model: DbData[1..20] are D1..D20 (cell 0
// unused), DbSelector[1..3] S1..S3, DbHeader[1..5] the five group headers, WriteBuffer[1..16].
class DbProtocol {
public:
    // A request that only reads is sent this many times more when its answer does not come
    // (a lost answer costs one time-out, not the transfer). Writes are never repeated.
    static constexpr int ReadRepeats = 2;

    // How long StartBootloader waits for the ready message after the acknowledge 0x7F. A command
    // station restarts into its bootloader in well under a second; ten seconds leave ample room
    // for a slow interface while keeping a dead device from hanging the program.
    static constexpr double ReadyWaitLimit = 10.0;

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

    DbProtocol(LocoNetLink& link, Progress& progress);

    // --- the database command ---
    std::array<int, 21> DbData{};
    std::array<int, 4> DbSelector{};
    std::array<int, 6> DbHeader{};
    std::array<int, 30> TxMessage{};
    int BootloaderHandle = 0;

    void EncodeHighBits();
    void DecodeHighBits();
    // Sends the prepared command (after EncodeHighBits) and waits for echo and reply: a long
    // acknowledge of the database command or a data reply (the ready message is none).
    void ExchangeDbCommand(int& result);

    // --- access, serial number, areas, display ---
    void StartBootloader(int& result);
    void EndBootloader(int& result);
    void ReadSerialNumber(double& serial, int& id1, int& id2, int& id3, int& id4, int& result);
    void SamFlashRead(int number, int& result);
    void SamFlashWrite(int number, int& result);
    void DataFlashRead(int number, int& result);
    void DataFlashWrite(int number, int& result);
    void DisplayClear(int& result);
    void DisplaySetCursor(int a, int b, int& result);
    void DisplayWriteText(const QString& text, int& result);

    // --- pages ---
    std::array<int, 17> WriteBuffer{};
    // result 1011 when the message in slot 1 is no data reply (nothing is taken from it).
    void ReadRecord(int number, int& result);
    void WriteRecord(int number, int& result);
    void ScrambleWriteData();
    void DescrambleReadData();

    // --- the database index ---
    std::array<std::optional<uint32_t>, 257> IndexTable{};
    double DbRecordCounter = 0;
    void ClearWriteBuffer();
    void ReadDatabaseIndex(int& result);
    void WriteDatabaseIndex(double counter, int& result);

    // --- the data-format table ---
    std::array<int, 14> FormatMessage{};
    // ReadLocoFormat and ReadAccessoryFormat: result 1011 when an answer came but is no
    // data-format reply.
    void ReadLocoFormat(int address, int& code, int& value, int& result);
    void WriteLocoFormat(int address, int code, int value, int& result);
    void ReadAccessoryFormat(int address, int& value, int& result);
    void WriteAccessoryFormat(int address, int& value, int& result);
    void ExchangeFormatMessage(int& result);
    void PackFormatHighBits();
    void UnpackFormatReply();

    // Page byte k (0..15) of the page now in D1..D16: D9..D16 carry bytes 0..7, D8 down to D1
    // bytes 8..15.
    int pageByte(int k) const;
    // The D index that carries page byte k.
    static int wireIndexOfPageByte(int k) { return k < 8 ? 9 + k : 16 - k; }

    LocoNetLink& link() { return m_link; }

    // While set, every page stored in the data flash and every data format written is kept
    // there as it was sent (nullptr: nothing is kept).
    void keepWrites(WrittenData* log) { m_written = log; }

private:
    // Sets D1..D20 and the selectors for one command: d holds D1..D8, sig puts DbSignature into
    // D9..D16 (otherwise 0), D17..D20 = 0.
    void prepare(const std::array<int, 8>& d, bool sig, const dbwire::Selectors& s);
    void exchangePrepared(int& result);
    // The same for a request that only reads: repeated up to ReadRepeats times on a time-out.
    void exchangeReadRequest(int& result);
    // Runs attempt() again while it times out and the port is still open.
    void repeatRead(const std::function<void(int&)>& attempt, int& result);
    // The answer holds a long acknowledge of the database command; its code in `code`.
    bool replyIsLongAck(int& code) const;
    bool replyIsDataReply() const;
    // The answer is a message of the data-format reply's length.
    bool replyIsFormatReply() const;
    void takeReplyData();
    void areaCommand(const dbwire::AreaCode& code, int number, int refusedCode, bool reads, int& result);
    void storeIndexEntries(int base);
    void buildFormatRequest(int code, int address, int v9, int v10, int v11);

    LocoNetLink& m_link;
    Progress& m_progress;
    WrittenData* m_written = nullptr;
};

} // namespace kx2
