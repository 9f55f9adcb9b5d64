#pragma once
#include "sim/SimBus.h"
#include "sim/SimChatter.h"
#include "sim/SimFramer.h"
#include "sim/SimRouteModule.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace kx2::sim {

// Faults the simulated command station shows on request.
struct SimFaults {
    int noAnswerEvery = 0;            // every Nth request is lost: neither carried out nor answered
    bool refusePageWrites = false;    // page writes answered with refusedCode, not stored
    bool refuseFormatWrites = false;  // data-format writes answered with refusedCode, not stored
    bool refuseClose = false;         // the end of the access answered with refusedCode; it stays open
    int refusedCode = 0x00;
    bool readyNeverComes = false;     // step 1 acknowledged with 0x7F, but no ready message
    double answerDelay = 0.0;         // seconds between a request and its answer
    bool strayBytes = false;          // three data bytes without opcode before every answer
    double chatterInterval = 0.0;     // other devices talk on the bus every so many seconds
    bool ackAndReadyInOneWrite = false;
    int unplugAfterMessages = 0;      // the interface vanishes when request N+1 arrives
    // Every Nth data-flash page written is stored with byte corruptByte (0..15) of it one higher,
    // and acknowledged as if all went well (a flash cell that does not take its value).
    int corruptWritesEvery = 0;
    int corruptByte = 5;              // in the first page of a record the second character of its name
    int garbleEvery = 0;              // every Nth answer arrives with one bit changed
    SimRouteModuleFaults routeModule; // the route module's own
};

struct SimStationConfig {
    // D1..D4 of the serial-number record (SAM area 63, position 240). Without a value the state
    // loaded keeps its own, and fresh memory gets DefaultSerial.
    std::optional<std::array<int, 4>> serial;
    int handle = 0x42;          // acknowledge code of access step 2, expected back when closing
    int bootAckCode = 0x7F;     // 0x7F: ready message follows; 0x01: open at once; else refused
    double readyDelay = 0.3;    // seconds from the acknowledge of step 1 to the ready message
    QString statePath;          // memory kept here: loaded at start, saved after every change
    int routeModuleAddress = SimRouteModule::DefaultAddress;
};

// The command station as far as the database access, the display and the data-format table go.
// It answers what the tool sends, keeps SAM flash and data flash as areas of bytes, and counts
// every message that does not follow the protocol. docs/protocol.md describes every choice.
class SimCommandStation : public SimBus::Endpoint {
public:
    enum class Flash { Sam, Data };
    static constexpr int SamAreaSize = 256;
    static constexpr int DataAreaSize = 512;
    static constexpr int PageSize = 16;
    static constexpr std::array<int, 4> DefaultSerial{0x07, 0x41, 0x02, 0x03};  // 1 200 066 051
    static constexpr int DefaultLocoFormatCode = 82;   // DCC 28
    static constexpr int DefaultLocoFormatParam = 17;
    static constexpr int DefaultAccessoryFormat = 15;  // DCC

    explicit SimCommandStation(SimBus& bus, SimStationConfig config = {}, SimFaults faults = {});
    ~SimCommandStation() override;
    SimCommandStation(const SimCommandStation&) = delete;
    SimCommandStation& operator=(const SimCommandStation&) = delete;

    SimFaults& faults() { return m_faults; }
    // Other devices talk on the bus every `interval` seconds from now on (0: they fall silent).
    void setChatter(double interval);
    SimStationConfig& config() { return m_config; }

    // --- memory ---
    static int areaSize(Flash kind) { return kind == Flash::Sam ? SamAreaSize : DataAreaSize; }
    QByteArray area(Flash kind, int number) const;  // all 0xFF when never written
    void setArea(Flash kind, int number, const QByteArray& bytes);
    void setSerial(const std::array<int, 4>& d1to4);
    std::array<int, 4> serialBytes() const;
    static std::array<int, 4> serialBytesFor(unsigned serialNumber);
    double serialNumber() const;

    // --- data-format table ---
    std::pair<int, int> locoFormat(int address) const;
    void setLocoFormat(int address, int code, int value);
    int accessoryFormat(int address) const;
    void setAccessoryFormat(int address, int value);

    // --- the route module, on the same bus; its variables are kept with the memory ---
    SimRouteModule& routeModule() { return *m_routeModule; }
    const SimRouteModule& routeModule() const { return *m_routeModule; }

    // --- display ---
    QString displayText() const { return m_displayText; }
    std::pair<int, int> displayCursor() const { return m_cursor; }

    // --- state ---
    bool accessOpen() const { return m_access == Access::Open; }
    int requestCount() const { return m_requests; }
    int violations() const { return int(m_violations.size()); }
    QStringList violationLog() const { return m_violations; }

    // Fills locomotive slots 0..count-1 (data-flash areas 7501..) with valid records, gives each
    // a data format and writes a database index whose counter is the highest record id.
    void seedLocomotives(int count);
    static constexpr int LocoAreaBase = 7501;
    // Fills the records of accessory addresses 1..count (areas 6400.., up to 2048) or feedback
    // addresses 1..count (areas 6656.., up to 4096) with two name lines and a symbol; every
    // accessory gets a data format, DCC and Motorola in turn.
    void seedAccessories(int count);
    void seedFeedback(int count);
    static constexpr int AccessoryAreaBase = 6400;
    static constexpr int FeedbackAreaBase = 6656;
    // Fills routes 1..count (up to 80) with SimRouteModule::sampleRoute: the entries in the route
    // module, the name records (areas 6912.., 64 bytes apart) with two name lines, the start
    // address and this station's device code.
    void seedRoutes(int count);
    static constexpr int RouteNameAreaBase = 6912;

    // The sample layout of a first start, so that the first read shows something to try:
    // locomotives with names, data formats and function symbols, accessories and feedback
    // contacts with names and symbols, and routes among which route 3 holds every command kind.
    static constexpr int SampleLocomotives = 20;
    static constexpr int SampleRangeRecords = 32;
    static constexpr int SampleRoutes = 6;
    // Seeds the sample layout when the memory came from no state file (config().statePath
    // names none that exists yet); true when it did. Seeding saves the state, so a later start
    // on the same file keeps what it holds then.
    bool seedSampleLayoutWhenNew();

    bool loadState(const QString& path, QString* error = nullptr);
    bool saveState(const QString& path, QString* error = nullptr) const;
    // Saves to config().statePath when one is set.
    bool saveState();

    // Receives one line per event worth telling (access, area writes, violations).
    void setLog(std::function<void(const QString&)> log)
    {
        m_log = std::move(log);
        m_routeModule->setLog(m_log);
    }

    void busReceive(const QByteArray& bytes) override;

private:
    bool m_sampleSeeded = false;
    enum class Access { Closed, Starting, Open };
    struct WorkBuffer {
        bool loaded = false;
        Flash kind = Flash::Data;
        int area = 0;
        QByteArray image;
        std::vector<bool> written;
    };
    struct Command {
        std::array<int, 6> header{};
        std::array<int, 21> d{};
        int s1 = 0, s2 = 0, s3 = 0;
    };

    void handleMessage(const QByteArray& message);
    void handleDbCommand(const QByteArray& message);
    void handleFormatMessage(const QByteArray& message);
    void violation(const QString& text);
    // A request that breaks the protocol: counted and answered with a refusing acknowledge.
    void refuse(const QString& text);
    void note(const QString& text);

    void accessStep1(const Command& c);
    void accessStep2(const Command& c);
    void accessEnd(const Command& c);
    void areaCommand(const Command& c);
    void pageRead(const Command& c);
    void pageWrite(const Command& c);
    void display(const Command& c);

    bool signatureOk(const Command& c) const;
    bool zero(const Command& c, int from, int to) const;
    void resetWorkBuffer();

    // Records of 32 bytes, sixteen to an area, for addresses 1..count from areaBase on.
    void seedRangeRecords(int areaBase, int count, int marker, const QString& line1, const QString& line2);
    void answer(const QByteArray& bytes);
    void answerLongAck(int code);
    void sendReady(double delay);
    QByteArray readyMessage() const;
    QByteArray dataReply(const QByteArray& page, const Command& request) const;

    std::map<int, QByteArray>& areas(Flash kind) { return kind == Flash::Sam ? m_sam : m_data; }
    const std::map<int, QByteArray>& areas(Flash kind) const { return kind == Flash::Sam ? m_sam : m_data; }

    SimBus& m_bus;
    SimStationConfig m_config;
    SimFaults m_faults;
    SimFramer m_rx;
    std::map<int, QByteArray> m_sam;
    std::map<int, QByteArray> m_data;
    std::map<int, std::pair<int, int>> m_locoFormats;
    std::map<int, int> m_accessoryFormats;
    WorkBuffer m_work;
    Access m_access = Access::Closed;
    bool m_readyOut = false;
    int m_requests = 0;
    int m_dataPagesWritten = 0;
    int m_answers = 0;
    QString m_displayText;
    std::pair<int, int> m_cursor{0, 0};
    QStringList m_violations;
    std::function<void(const QString&)> m_log;
    std::unique_ptr<SimChatter> m_chatter;
    std::unique_ptr<SimRouteModule> m_routeModule;
    TimerToken m_timers;
};

} // namespace kx2::sim
