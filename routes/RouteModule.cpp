#include "routes/RouteModule.h"

#include "link/ResultText.h"

namespace kx2 {

namespace {

constexpr int kSource = 0x08;
constexpr int kDestinationLow = 0x05;
constexpr int kDestinationHigh = 0x00;
constexpr int kCodeWrite = 0x20;
constexpr int kCodeOther = 0x21;  // programming-on, read, programming-off
constexpr int kFlagProgOn = 0x80;
constexpr int kFlagProgOff = 0x40;
constexpr int kAccepted = 0x7F;
constexpr int kPeer = 0xE5;
constexpr int kLongAck = 0xB4;

using Slot = LocoNetLink::Slot;

int variableOf(const Slot& m);

// A 15-byte peer message of the module's type (bytes 7 and 8 as sent, 7-bit values) that names
// the variable asked for. Other modules' messages, everything else on the bus, and a late answer
// to an earlier request (it names another variable) are passed over: taken for this request's
// answer, a late one would put every later answer one request behind.
bool isPeerReplyTo(const Slot& m, const ModuleBytes& request, int variable)
{
    return m[0] == kPeer && m[1] == 0x0F && m[7] == request[7] && m[8] == request[8] && variableOf(m) == variable;
}

// An acknowledge of the 0xED request.
bool isAckOfRequest(const Slot& m)
{
    return m[0] == kLongAck && m[1] == 0x6D;
}

// The fields of a message in the module's layout (all 0 for one of another layout).
ModuleFrame frameOf(const Slot& m)
{
    QByteArray bytes;
    for (int i = 0; i < 15; ++i)
        bytes.append(char(m[size_t(i)] & 0xFF));
    return ModuleFrame::decode(bytes).value_or(ModuleFrame{0, 0, 0});
}

int variableOf(const Slot& m)
{
    return frameOf(m).variable;
}

int valueOf(const Slot& m)
{
    return frameOf(m).value;
}

} // namespace

void PackHighBits(ModuleBytes& message)
{
    message[6] = 0;
    for (int k = 0; k <= 6; ++k) {
        if (message[size_t(7 + k)] & 0x80)
            message[6] |= 1 << k;
        message[size_t(7 + k)] &= 0x7F;
    }
}

ModuleBytes ModuleFrame::packed() const
{
    ModuleBytes m{opcode, 0x0F, source, destination & 0xFF, (destination >> 8) & 0xFF, code, 0,
                  typeNumber & 0xFF, (typeNumber >> 8) & 0xFF, variable & 0xFF, (variable >> 8) & 0xFF,
                  value & 0xFF, (value >> 8) & 0xFF, flags};
    PackHighBits(m);
    return m;
}

QByteArray ModuleFrame::encode() const
{
    QByteArray bytes;
    int checksum = 0xFF;
    for (const int b : packed()) {
        bytes.append(char(b));
        checksum ^= b & 0xFF;
    }
    return bytes + char(checksum);
}

std::optional<ModuleFrame> ModuleFrame::decode(const QByteArray& message)
{
    if (message.size() < 14 || static_cast<unsigned char>(message.at(1)) != 0x0F)
        return std::nullopt;
    const auto byte = [&message](int i) { return int(static_cast<unsigned char>(message.at(i))); };
    const auto unpacked = [&](int i) { return (byte(i) & 0x7F) | ((byte(6) >> (i - 7)) & 1 ? 0x80 : 0); };
    ModuleFrame f;
    f.opcode = byte(0);
    f.source = byte(2);
    f.destination = byte(3) + 256 * byte(4);
    f.code = byte(5);
    f.typeNumber = unpacked(7) + 256 * unpacked(8);
    f.variable = unpacked(9) + 256 * unpacked(10);
    f.value = unpacked(11) + 256 * unpacked(12);
    f.flags = unpacked(13);
    return f;
}

void RouteModule::build(int opcode, int code, int typeNumber, int variable, int value, int flags)
{
    ModuleFrame frame;
    frame.opcode = opcode;
    frame.source = kSource;
    frame.destination = kDestinationLow + 256 * kDestinationHigh;
    frame.code = code;
    frame.typeNumber = typeNumber;
    frame.variable = variable;
    frame.value = value;
    frame.flags = flags;
    ModuleMessage = frame.packed();
}

RouteModule::Attempt RouteModule::attempt(double wait, const LocoNetLink::AnswerMatch& isAnswer)
{
    const LocoNetLink::Answer answer = m_link.exchange(ModuleMessage.data(), 13, isAnswer, wait);
    // A cancelled request was not sent: no further attempt, the cancel is the result.
    const int sent = answer.result == rc::Cancelled ? answer.result : m_link.lastSendResult();
    return {sent == 0 && answer.result == 0, sent, answer.message};
}

void RouteModule::noteRepeat(int attemptNumber)
{
    if (attemptNumber < Attempts)
        m_link.traceNote(QStringLiteral("FS-Modul: keine passende Antwort, Versuch %1 von %2")
                             .arg(attemptNumber + 1)
                             .arg(Attempts));
}

RouteModule::Answer RouteModule::RouteModuleProgOn(int typeNumber, int address)
{
    for (int n = 1; n <= Attempts; ++n) {
        build(0xED, kCodeOther, typeNumber, 0, address, kFlagProgOn);
        // Besides its answer, a module that will not be programmed says so with a refusal.
        const ModuleBytes request = ModuleMessage;
        const auto isAnswer = [&request](const Slot& m) {
            return isPeerReplyTo(m, request, 0) || (isAckOfRequest(m) && m[2] != kAccepted);
        };
        const Attempt a = attempt(ProgOnWait, isAnswer);
        if (a.answered) {
            if (a.reply[0] == kLongAck)
                return {modrc::ProgOnRefused, address};
            return {0, valueOf(a.reply)};
        }
        if (a.sendResult != 0)
            return {modrc::OpProgOn + a.sendResult, address};
        noteRepeat(n);
    }
    return {modrc::ProgOnNoAnswer, address};
}

RouteModule::Answer RouteModule::RouteModuleRead(int typeNumber, int variableNumber)
{
    for (int n = 1; n <= Attempts; ++n) {
        build(0xED, kCodeOther, typeNumber, variableNumber, 0, 0);
        const ModuleBytes request = ModuleMessage;
        const Attempt a = attempt(
            ReadWait, [&request, variableNumber](const Slot& m) { return isPeerReplyTo(m, request, variableNumber); });
        if (a.answered)
            return {0, valueOf(a.reply)};
        if (a.sendResult != 0)
            return {a.sendResult, 0};
        noteRepeat(n);
    }
    return {modrc::ReadNoAnswer, 0};
}

int RouteModule::RouteModuleWrite(int typeNumber, int variableNumber, int value)
{
    for (int n = 1; n <= Attempts; ++n) {
        build(0xED, kCodeWrite, typeNumber, variableNumber, value, 0);
        // A refused write is not tried again.
        const Attempt a = attempt(WriteWait, isAckOfRequest);
        if (a.answered)
            return a.reply[2] == kAccepted ? 0 : modrc::WriteRefused;
        if (a.sendResult != 0)
            return a.sendResult;
        noteRepeat(n);
    }
    return modrc::WriteNoAnswer;
}

int RouteModule::RouteModuleProgOff(int typeNumber, int address)
{
    build(kPeer, kCodeOther, typeNumber, 0, address, kFlagProgOff);
    // Also after a cancel: the module must not stay in programming mode.
    LocoNetLink::Closing closing(m_link);
    const int r = m_link.awaitEcho(ModuleMessage.data(), 13, ProgOffEchoWait).result;
    if (r == rc::ReplyTimeout)
        return modrc::ProgOffNoEcho;
    return r == 0 ? 0 : modrc::OpProgOff + r;
}

ModuleProgramming::ModuleProgramming(RouteModule& module) : m_module(module)
{
    const RouteModule::Answer on = m_module.RouteModuleProgOn(RouteModule::RouteModuleType, m_address);
    m_openResult = on.result;
    m_address = on.value;
}

ModuleProgramming::~ModuleProgramming()
{
    // Also after a programming-on that failed: the module may have switched over all the same
    // and only its answer got lost, so it is told to leave programming mode in any case.
    close();
}

int ModuleProgramming::close()
{
    if (!m_open)
        return 0;
    m_open = false;
    return m_module.RouteModuleProgOff(RouteModule::RouteModuleType, m_address);
}

} // namespace kx2
