#include "link/LocoNetLink.h"

#include "link/Clock.h"
#include "link/Comm1.h"
#include "link/MessageText.h"
#include "link/ReadyMessage.h"
#include "link/ResultText.h"
#include "link/TcpComm1.h"
#include "shell/Settings.h"

#include <QIODevice>
#include <algorithm>

namespace kx2 {

namespace {
// A message longer than a slot, or a variable-length count below 2, can never complete inside
// the ring: such a message is abandoned and its slot reused.
constexpr int kMaxMessageLength = 64;
constexpr int kLocoNetBaud = 16666; // the bus rate, whatever the interface runs at
// A timed wait on the event loop may end this much later than asked (whole milliseconds).
constexpr double kTimerSlack = 0.002;
constexpr double kByteModeLimit = 3.0;   // the whole message, not each byte
constexpr double kChecksumCtsLimit = 5.0; // counted from the start of the message
// CTS changes raise no event, so a wait for CTS looks again after this long (sleeping meanwhile).
constexpr double kCtsPollInterval = 0.005;
} // namespace

QString ByteToHex(int value)
{
    QString text = QString::number(value, 16).toUpper();
    if (text.size() != 2)
        text.prepend(QLatin1Char('0'));
    return text;
}

int locoNetChecksum(const int* bytes, int lastIndex)
{
    int checksum = 0xFF;
    for (int i = 0; i <= lastIndex; ++i)
        checksum ^= (bytes[i] & 0xFF);
    return checksum;
}

LocoNetLink::LocoNetLink(Comm1& port, Clock& clock, const Settings& settings)
    : m_port(port), m_clock(clock), m_settings(settings)
{
}

void LocoNetLink::traceLine(const char* dir, const QByteArray& bytes)
{
    if (!m_trace)
        return;
    QByteArray line(dir);
    for (char b : bytes) {
        line += ' ';
        line += ByteToHex(static_cast<unsigned char>(b)).toLatin1();
    }
    line += '\n';
    m_trace->write(line);
}

void LocoNetLink::OnComm()
{
    // Take everything that waits; with InputLen 1 every input() hands over one byte.
    while (m_port.portOpen() && m_port.inBufferCount() > 0) {
        const QByteArray bytes = m_port.input();
        if (bytes.isEmpty())
            break;
        receiveBytes(bytes);
    }
}

void LocoNetLink::receiveBytes(const QByteArray& bytes)
{
    for (char c : bytes) {
        const int b = static_cast<unsigned char>(c);
        if (b & 0x80) {
            switch (b & 0xF0) {
            case 0x80: case 0x90: ExpectedLength = 2; break;
            case 0xA0: case 0xB0: ExpectedLength = 4; break;
            case 0xC0: case 0xD0: ExpectedLength = 6; break;
            default: ExpectedLength = 255; break;
            }
            Receiving = true;
            ByteIndex = 0;
        }
        if (!Receiving)
            continue; // a stray data byte
        ReceiveRing[RingWriteIndex][ByteIndex] = int16_t(b);
        ++ByteIndex;
        if (ExpectedLength == 255 && ByteIndex == 2) {
            ExpectedLength = b;
            if (ExpectedLength < 2 || ExpectedLength > kMaxMessageLength) {
                Receiving = false;
                continue;
            }
        }
        if (ByteIndex == ExpectedLength)
            completeMessage();
    }
}

void LocoNetLink::completeMessage()
{
    Receiving = false;
    auto& slot = ReceiveRing[RingWriteIndex];
    int checksum = 0;
    for (int i = 0; i < ExpectedLength; ++i)
        checksum ^= slot[i];
    if (checksum != 0xFF) {
        dropGarbled(slot, ExpectedLength);
        return;
    }
    slot[CompleteFlagCell] = -1;
    if (m_trace || !m_listeners.empty()) {
        QByteArray bytes;
        for (int i = 0; i < ExpectedLength; ++i)
            bytes.append(char(slot[i]));
        traceLine("RX", bytes);
        const bool own = !m_pendingEcho.isEmpty() && bytes == m_pendingEcho;
        if (own)
            m_pendingEcho.clear();
        // A copy: a listener may remove itself.
        const auto listeners = m_listeners;
        for (const auto& l : listeners)
            l.second(bytes, own);
    }
    if (ReadyFlag == 0)
        CheckReadyMessage();
    if (m_wait.active && !m_wait.answered)
        matchCompleted(slot, ExpectedLength);
    RingWriteIndex = (RingWriteIndex + 1) % RingSlots;
}

void LocoNetLink::dropGarbled(Slot& slot, int length)
{
    // A bit changed on the line: the message is not what its sender sent, so nothing may be
    // taken from it. Its slot is reused by the next message.
    ++m_garbled;
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes.append(char(slot[i]));
    traceNote(QStringLiteral("Prüfsumme falsch: ") + hexBytes(bytes));
    const auto listeners = m_listeners;
    for (const auto& l : listeners)
        l.second(bytes, false);
    // The answer the exchange waits for may be this very message: if it has the answer's shape,
    // the answer is lost and waiting on would only delay the repeat (or the failure of a write).
    if (m_wait.active && !m_wait.answered && m_wait.echoSeen && m_wait.isAnswer && (*m_wait.isAnswer)(slot))
        m_wait.lost = true;
    slot.fill(0);
}

void LocoNetLink::matchCompleted(const Slot& slot, int length)
{
    if (!m_wait.echoSeen) {
        // The bus returns the request to its sender byte for byte; until then nothing counts.
        bool echo = length == m_wait.request.size();
        for (int i = 0; echo && i < length; ++i)
            echo = slot[i] == static_cast<unsigned char>(m_wait.request[i]);
        // Anything else is another device's message and is passed over.
        if (echo && !m_wait.isAnswer) {
            m_reply = slot;
            m_wait.answered = true;
        } else if (echo) {
            m_wait.echoSeen = true;
        }
        return;
    }
    if ((*m_wait.isAnswer)(slot)) {
        m_reply = slot;
        m_wait.answered = true;
    }
}

void LocoNetLink::watchForReady()
{
    ReadyFlag = 0;
}

void LocoNetLink::stopWatchingReady()
{
    ReadyFlag = 255;
}

bool LocoNetLink::awaitReady(double limit)
{
    const double deadline = m_clock.now() + limit;
    while (ReadyFlag != 1) {
        if (m_clock.now() > deadline) {
            ReadyFlag = 255;
            return false;
        }
        m_clock.yieldUntil(deadline);
    }
    return true;
}

void LocoNetLink::CheckReadyMessage()
{
    if (isReadyMessage(ReceiveRing[RingWriteIndex]))
        ReadyFlag = 1;
}

bool LocoNetLink::isReadyMessage(const Slot& m)
{
    static const int fixed[][2] = {
        {0, 0xE5}, {1, 0x1F}, {2, 0x01}, {3, 0x50}, {4, 0x43}, {5, 0x70}, {7, 0x7F}, {8, 0x7F},
        {9, 0x7F}, {10, 0x70}, {11, 0x00}, {12, 0x00}, {13, 0x00}, {14, 0x00}, {15, 0x30},
        {20, 0x70}, {25, 0x00},
    };
    for (const auto& f : fixed)
        if (m[f[0]] != f[1])
            return false;
    for (int k = 0; k < 4; ++k) {
        if (m[16 + k] != DbSignature[k] || m[21 + k] != DbSignature[4 + k])
            return false;
    }
    return true;
}

void LocoNetLink::traceNote(const QString& text)
{
    if (m_trace)
        m_trace->write("# " + text.toUtf8() + '\n');
}

int LocoNetLink::addBusListener(BusListener listener)
{
    m_listeners.emplace_back(m_nextListener, std::move(listener));
    return m_nextListener++;
}

void LocoNetLink::removeBusListener(int id)
{
    m_listeners.erase(std::remove_if(m_listeners.begin(), m_listeners.end(),
                                     [id](const auto& l) { return l.first == id; }),
                      m_listeners.end());
}

void LocoNetLink::clearRing()
{
    for (auto& slot : ReceiveRing)
        slot.fill(0);
    RingWriteIndex = 0;
    Receiving = false;
    ByteIndex = 0;
}

void LocoNetLink::resetRingIndex()
{
    RingWriteIndex = 0;
}

int LocoNetLink::SendLocoNetMessage(const int* bytes, int lastIndex)
{
    m_port.discardInput();
    m_port.discardOutput();
    int checksum = 0xFF;

    const bool loconet = m_settings.UseLocoNetInterface;
    if ((loconet && m_settings.UseUsbInterface) || TcpComm1::isNetworkPort(m_port.commPort())) {
        // Whole-message mode: one write, no flow control (a network port sends whole messages).
        QByteArray message;
        message.reserve(lastIndex + 2);
        for (int i = 0; i <= lastIndex; ++i) {
            message.append(char(bytes[i] & 0xFF));
            checksum ^= (bytes[i] & 0xFF);
        }
        message.append(char(checksum));
        traceLine("TX", message);
        m_pendingEcho = message;
        return m_port.output(message) ? 0 : rc::SendFailed;
    }

    QByteArray sent;
    const double start = m_clock.now();
    for (int i = 0; i <= lastIndex; ++i) {
        for (;;) {
            if (m_clock.now() - start > kByteModeLimit) {
                return rc::SendFailed;
            }
            m_clock.yieldNow();
            if (!m_port.portOpen()) {
                return rc::SendFailed;
            }
            // The LocoNet interface does not use CTS.
            if (m_port.ctsHolding() || loconet) {
                const char c = char(bytes[i] & 0xFF);
                if (!m_port.output(QByteArray(1, c))) {
                    return rc::SendFailed;
                }
                sent.append(c);
                checksum ^= (bytes[i] & 0xFF);
                break;
            }
            m_clock.yieldUntil(std::min(start + kByteModeLimit, m_clock.now() + kCtsPollInterval));
        }
    }
    if (!loconet) {
        // The command station's own port: the checksum also waits for CTS.
        while (!m_port.ctsHolding()) {
            if (m_clock.now() - start > kChecksumCtsLimit) {
                return rc::SendFailed;
            }
            m_clock.yieldUntil(std::min(start + kChecksumCtsLimit, m_clock.now() + kCtsPollInterval));
        }
    }
    sent.append(char(checksum));
    m_pendingEcho = sent;
    if (!m_port.output(QByteArray(1, char(checksum)))) {
        return rc::SendFailed;
    }
    traceLine("TX", sent);
    return 0;
}

LocoNetLink::Answer LocoNetLink::exchange(const int* bytes, int lastIndex, const AnswerMatch& isAnswer, double timeout)
{
    return waitFor(bytes, lastIndex, &isAnswer, timeout);
}

LocoNetLink::Answer LocoNetLink::awaitEcho(const int* bytes, int lastIndex, double timeout)
{
    return waitFor(bytes, lastIndex, nullptr, timeout);
}

LocoNetLink::Answer LocoNetLink::waitFor(const int* bytes, int lastIndex, const AnswerMatch* isAnswer, double timeout)
{
    // One request at a time: a second one started while this waits (from a callback of the
    // port) would take the first one's answer.
    Q_ASSERT(!m_wait.active);
    Q_ASSERT(lastIndex >= 0 && lastIndex < SlotCells - 1);
    m_reply.fill(0);
    if (!m_closing && m_cancelCheck && m_cancelCheck()) {
        m_cancelled = true;
        m_lastSendResult = 0;
        return {rc::Cancelled, m_reply};
    }
    resetRingIndex();
    m_wait = Wait{};
    m_wait.active = true;
    m_wait.isAnswer = isAnswer;
    for (int i = 0; i <= lastIndex; ++i)
        m_wait.request.append(char(bytes[i] & 0xFF));
    m_wait.request.append(char(locoNetChecksum(bytes, lastIndex)));

    // The echo may come while the request is still being written byte by byte.
    int result = SendLocoNetMessage(bytes, lastIndex);
    m_lastSendResult = result;
    ExchangeStart = m_clock.now();
    const double deadline = ExchangeStart + timeout;
    bool held = false;
    while (!m_wait.answered) {
        // A port that closed itself (the device vanished, a USB cable was pulled) delivers
        // nothing more: the time-out is certain, so it comes at once. So does it for an answer
        // that arrived garbled.
        if (m_clock.now() - ExchangeStart > timeout || !m_port.portOpen() || m_wait.lost) {
            result = rc::ReplyTimeout;
            break;
        }
        // The rest of a message under way cannot come sooner than the line carries it: sleep
        // through it instead of waking for every byte, then take it in one piece.
        const double rest = held ? 0.0 : restOfMessageSeconds();
        held = rest > 0;
        if (held)
            m_port.holdInput(true);
        m_clock.yieldUntil(held ? std::min(deadline, m_clock.now() + rest) : deadline);
        if (held)
            m_port.holdInput(false);
    }
    m_wait.active = false;
    return {result, m_reply};
}

double LocoNetLink::restOfMessageSeconds() const
{
    if (!Receiving || ExpectedLength == 255)
        return 0.0; // between messages, or the length byte is still to come
    // Everything on LocoNet passes the bus at 16 666 baud; the command station's own port runs at
    // its own rate. Ten bits a byte at the least.
    const int baud = m_settings.UseLocoNetInterface ? kLocoNetBaud : m_port.settings().section(QLatin1Char(','), 0, 0).toInt();
    if (baud <= 0)
        return 0.0;
    // The wait ends before the last byte is due, so that its arrival ends it and the answer is
    // not late by the timer's slack.
    const double seconds = double(ExpectedLength - ByteIndex - 1) * 10.0 / double(baud) - kTimerSlack;
    return seconds >= kTimerSlack ? seconds : 0.0;
}

void LocoNetLink::Pause(double seconds)
{
    const double start = m_clock.now();
    const double end = start + seconds;
    while (m_clock.now() <= end && seconds > 0)
        m_clock.yieldUntil(end);
    m_pausedSeconds += m_clock.now() - start;
}

} // namespace kx2
