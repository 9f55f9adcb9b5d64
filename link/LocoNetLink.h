#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class QIODevice;

namespace kx2 {

class Clock;
class Comm1;
struct Settings;

// The LocoNet layer above the serial port: framing and sending messages, assembling received
// bytes into the ring of 32 message slots, the request/reply exchange and Pause.
// Only one request may be in flight. Every message on the bus takes a slot, other devices'
// messages included; the exchange picks its own echo and then the answer of the kind its request
// expects out of that stream and passes over the rest.
class LocoNetLink {
public:
    static constexpr int RingSlots = 32;
    static constexpr int SlotCells = 65;      // cells 0..63 message bytes, cell 64 completion flag
    static constexpr int CompleteFlagCell = 64;
    static constexpr double ReplyTimeout = 2.0;

    using Slot = std::array<int16_t, SlotCells>;
    // Whether a message that arrived after the request's echo is the answer to it.
    using AnswerMatch = std::function<bool(const Slot& message)>;
    // Takes the first message after the echo, whatever it is (for hand-made requests).
    static bool anyAnswer(const Slot&) { return true; }

    LocoNetLink(Comm1& port, Clock& clock, const Settings& settings);

    // What an exchange brought: its result code and the answer (all zero when none came).
    struct Answer {
        int result = 0;
        Slot message{};
    };

    // --- receive assembly ---
    // The port's receive event: takes what the port hands over and assembles it.
    void OnComm();
    // The assembly itself, for bytes from any source.
    void receiveBytes(const QByteArray& bytes);
    // Sets ReadyFlag to 1 when the slot just completed holds the command station's ready message.
    void CheckReadyMessage();
    // The ready message is looked for from now on (a request that it follows may bring it before
    // the request's own exchange has returned).
    void watchForReady();
    // Nobody waits for the ready message any more.
    void stopWatchingReady();
    // Waits, yielding to the event loop, until the ready message has come since watchForReady,
    // or `limit` seconds have passed (false; nobody waits then).
    bool awaitReady(double limit);
    // Someone waits for the ready message and it has not come yet.
    bool watchingForReady() const { return ReadyFlag == 0; }
    // The ring as assembly left it: slot i, the slot the next message goes to, and whether a
    // message is being assembled.
    const Slot& ringSlot(int i) const { return ReceiveRing[size_t(i)]; }
    int ringWriteIndex() const { return RingWriteIndex; }
    bool receiving() const { return Receiving; }
    // The command station's ready message (the data-reply layout with the database signature).
    static bool isReadyMessage(const Slot& message);
    // Empties every slot and restarts assembly at slot 0.
    void clearRing();
    // Sets RingWriteIndex to 0.
    void resetRingIndex();

    // --- sending ---
    // Writes bytes[0..lastIndex] and the checksum: 0, or 1012 when the interface did not take the
    // message in time or the port reported an error.
    int SendLocoNetMessage(const int* bytes, int lastIndex);

    // --- request/reply ---
    // Sends bytes[0..lastIndex] + checksum after resetting the ring index and waits for the echo
    // of exactly those bytes and, after it, the first message that isAnswer accepts, which it
    // returns. Messages of other devices before, between and after are passed over. Result 0, 13
    // on time-out (at once when the port has closed meanwhile: nothing can arrive any more), or
    // the send's code when the send failed and the answer came anyway. `timeout` counts from the
    // end of the send.
    Answer exchange(const int* bytes, int lastIndex, const AnswerMatch& isAnswer = anyAnswer,
                    double timeout = ReplyTimeout);
    // The same for a request that no device answers: waits for its own echo alone, which it
    // returns as the answer.
    Answer awaitEcho(const int* bytes, int lastIndex, double timeout);
    double ExchangeStart = 0;
    // What the send of the last exchange returned (0 or 1012), for callers that must tell a
    // failed send from a missing answer.
    int lastSendResult() const { return m_lastSendResult; }
    // Messages dropped since the link was made because their checksum did not hold: they do
    // not count as received, and an answer that arrives so counts as one that did not come.
    int garbledMessages() const { return m_garbled; }

    // --- cancelling a transfer ---
    // Asked where every exchange starts: while it says yes, requests are not sent and end at
    // once with rc::Cancelled. Messages that end what a transfer opened go out all the same
    // (see Closing). An empty check lets everything through.
    void setCancelCheck(std::function<bool()> check)
    {
        m_cancelCheck = std::move(check);
        m_cancelled = false;
    }
    // An exchange was refused because of a cancel since the check was set.
    bool cancelled() const { return m_cancelled; }
    // While one lives, exchanges go out whatever the cancel check says: ending the database
    // access and the route module's programming mode must reach the device after a cancel.
    class Closing {
    public:
        explicit Closing(LocoNetLink& link) : m_link(link), m_was(link.m_closing) { link.m_closing = true; }
        ~Closing() { m_link.m_closing = m_was; }
        Closing(const Closing&) = delete;
        Closing& operator=(const Closing&) = delete;

    private:
        LocoNetLink& m_link;
        bool m_was;
    };

    // Lets `seconds` pass while the event loop runs.
    void Pause(double seconds);
    // Total seconds spent in Pause, so that measurements can leave out the fixed pauses.
    double pausedSeconds() const { return m_pausedSeconds; }

    // Every message sent and assembled goes to `out` as "TX 8F 00 ..." / "RX ..." lines; nullptr stops it.
    void setTrace(QIODevice* out) { m_trace = out; }
    QIODevice* trace() const { return m_trace; }
    // A remark between the messages of the trace, as "# text" (a repeated request, say).
    void traceNote(const QString& text);

    // Every whole message on the bus, as it is assembled, goes to each listener (the bus
    // monitor), with whether it is the echo of the tool's own last message. Returns the
    // listener's number for removeBusListener.
    using BusListener = std::function<void(const QByteArray& message, bool own)>;
    int addBusListener(BusListener listener);
    void removeBusListener(int id);

    Clock& clock() { return m_clock; }
    Comm1& port() { return m_port; }

private:
    void traceLine(const char* dir, const QByteArray& bytes);
    void completeMessage();
    void dropGarbled(Slot& slot, int length);
    // isAnswer nullptr: the echo ends the wait.
    Answer waitFor(const int* bytes, int lastIndex, const AnswerMatch* isAnswer, double timeout);
    // How long the wait may sleep through the rest of the message being assembled; 0 when none
    // is under way, its length is not known yet or too little of it is missing.
    double restOfMessageSeconds() const;

    std::array<Slot, RingSlots> ReceiveRing{};
    int RingWriteIndex = 0;
    bool Receiving = false;
    int ExpectedLength = 0;
    int ByteIndex = 0;
    // 255 nobody waits for the ready message, 0 someone waits, 1 it has been seen.
    int ReadyFlag = 255;
    // The answer of the exchange under way; all zero until one comes.
    Slot m_reply{};

    Comm1& m_port;
    Clock& m_clock;
    const Settings& m_settings;
    void matchCompleted(const Slot& slot, int length);

    QIODevice* m_trace = nullptr;
    std::vector<std::pair<int, BusListener>> m_listeners;
    int m_nextListener = 1;
    // The tool's last message until its echo came: the listeners hear the echo as the own one.
    QByteArray m_pendingEcho;

    // The exchange under way: its request as sent (checksum included) and what it has seen.
    struct Wait {
        bool active = false;
        QByteArray request;
        const AnswerMatch* isAnswer = nullptr;
        bool echoSeen = false;
        bool answered = false;
        bool lost = false;  // the answer came with a wrong checksum
    };
    Wait m_wait;
    int m_garbled = 0;
    int m_lastSendResult = 0;
    double m_pausedSeconds = 0;
    std::function<bool()> m_cancelCheck;
    bool m_cancelled = false;
    bool m_closing = false;
};

// Upper-case hexadecimal, at least two digits: 0 -> "00", 15 -> "0F", 255 -> "FF".
QString ByteToHex(int value);

// The LocoNet checksum of bytes[0..lastIndex]: 0xFF exclusive-or every byte.
int locoNetChecksum(const int* bytes, int lastIndex);

} // namespace kx2
