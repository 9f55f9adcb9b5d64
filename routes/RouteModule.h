#pragma once
#include "link/LocoNetLink.h"

#include <QByteArray>
#include <array>
#include <optional>

namespace kx2 {

// Result codes of the route-module dialogue (operation x 10000 + step x 100 + error).
namespace modrc {
inline constexpr int OpProgOn = 300000;   // "FS Modul Prog. on:"
inline constexpr int OpRead = 310000;     // "FS Modul Read :"
inline constexpr int OpWrite = 320000;    // "FS Modul Write :"
inline constexpr int OpProgOff = 330000;  // "FS Modul Prog. off:"
inline constexpr int NoAnswer = 31;       // " Modul antwortet nicht!"
inline constexpr int Refused = 32;        // " Programmierung fehlgeschlagen!"
inline constexpr int ProgOnNoAnswer = OpProgOn + NoAnswer;
// The module answered programming-on with a refusing acknowledge.
inline constexpr int ProgOnRefused = OpProgOn + Refused;
inline constexpr int ReadNoAnswer = OpRead + NoAnswer;
inline constexpr int WriteNoAnswer = OpWrite + NoAnswer;
inline constexpr int WriteRefused = OpWrite + Refused;
inline constexpr int ProgOffNoEcho = OpProgOff + 13;
} // namespace modrc

// A 15-byte module request: the 14 bytes before the checksum.
using ModuleBytes = std::array<int, 14>;

// Sets bit k of byte 6 when byte 7 + k has bit 7 set and clears bit 7 of bytes 7..13.
void PackHighBits(ModuleBytes& message);

// One message of the module dialogue, 15 bytes: a request from the tool (source 0x08) to the
// module (0x0005), or a peer reply the other way. Its 16-bit fields travel low byte first, bit 7
// of bytes 7..13 in byte 6.
struct ModuleFrame {
    int opcode = 0xED;      // 0xE5 for programming-off and the module's replies
    int source = 0x08;
    int destination = 0x0005;
    int code = 0;           // 0x21 programming-on, read, programming-off; 0x20 write
    int typeNumber = 0;
    int variable = 0;
    int value = 0;          // the module address (on, off), the value (read reply, write)
    int flags = 0;          // 0x80 programming-on, 0x40 programming-off

    // The 14 bytes before the checksum, packed.
    ModuleBytes packed() const;
    QByteArray encode() const;
    // The fields of a message of this layout (length byte 0x0F, the checksum not needed), bit 7
    // restored; nothing for anything shorter or of another length.
    static std::optional<ModuleFrame> decode(const QByteArray& message);
};

// The route module as a configurable LocoNet module: programming mode on, 16-bit variables read
// and written one at a time, programming mode off. Each request is one exchange on the link,
// which picks the module's answer out of the bus traffic and passes over other devices'
// messages and answers that name another variable (late answers to earlier requests); an
// attempt is spent only when no fitting answer comes in time.
class RouteModule {
public:
    static constexpr int RouteModuleType = 6541;    // 0x198D
    static constexpr int AnyModuleAddress = 65535;  // for programming-on before the address is known
    static constexpr int Attempts = 10;
    // Seconds each attempt waits for its answer after the request went out.
    static constexpr double ProgOnWait = 0.2;
    static constexpr double ReadWait = 0.5;
    static constexpr double WriteWait = 0.5;
    static constexpr double ProgOffEchoWait = 3.0;

    explicit RouteModule(LocoNetLink& link) : m_link(link) {}

    // The result of programming-on or of a read, and the value the module reported: its
    // address after programming-on, the variable's value after a read.
    struct Answer {
        int result = 0;
        int value = 0;
    };

    // `address` is the module asked for (AnyModuleAddress before it is known); on success the
    // answer holds the address the module reported.
    Answer RouteModuleProgOn(int typeNumber, int address);
    Answer RouteModuleRead(int typeNumber, int variableNumber);
    int RouteModuleWrite(int typeNumber, int variableNumber, int value);
    // Succeeds as soon as the request's own echo is back; nobody answers it.
    int RouteModuleProgOff(int typeNumber, int address);

    LocoNetLink& link() { return m_link; }

private:
    void build(int opcode, int code, int typeNumber, int variable, int value, int flags);
    // One request and what came of it: whether isAnswer accepted a message within the wait, the
    // send's own code, and the answer.
    struct Attempt {
        bool answered;
        int sendResult;
        LocoNetLink::Slot reply;
    };
    // Sends ModuleMessage and waits up to `wait` seconds for what isAnswer accepts.
    Attempt attempt(double wait, const LocoNetLink::AnswerMatch& isAnswer);
    void noteRepeat(int attemptNumber);

    LocoNetLink& m_link;
    // The request as last sent (packed).
    ModuleBytes ModuleMessage{};
};

// One programming cycle of the route module: programming-on when it begins, programming-off
// however it ends. close() ends it with programming-off's result; a cycle left any other way
// (a failed read or write, a refused programming-on) is ended by the destructor, whose result is
// not wanted because a failure is being reported already.
class ModuleProgramming {
public:
    // Programming-on for any address; its result in opened().
    explicit ModuleProgramming(RouteModule& module);
    ~ModuleProgramming();
    ModuleProgramming(const ModuleProgramming&) = delete;
    ModuleProgramming& operator=(const ModuleProgramming&) = delete;

    int opened() const { return m_openResult; }
    // Programming-off; its result (0 when the cycle was closed already).
    int close();

private:
    RouteModule& m_module;
    int m_address = RouteModule::AnyModuleAddress;
    int m_openResult = 0;
    bool m_open = true;
};

} // namespace kx2
