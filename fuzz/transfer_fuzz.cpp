// The locomotive read and send drivers against a command station that answers anything: every
// message the tool writes is echoed and followed by the next piece of the input, on virtual time.
// Nothing may crash, overrun or hang; the port is closed at the end, a success leaves only byte
// values in the records, and a failure is reported with a code.
#include "FuzzSupport.h"
#include "link/Clock.h"
#include "link/PortIo.h"
#include "link/ResultText.h"
#include "loco/LocoTransfer.h"
#include "app/AppContext.h"
#include "support/FakeComm1.h"

using namespace kx2;

namespace {

class YesDialogs : public UserDialogs {
public:
    MsgAnswer showMessage(const QString&, MsgButtons buttons, MsgIcon, const QString&, MsgAnswer) override
    {
        ++boxes;
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString& d) override { return d; }
    int boxes = 0;
};

class NoFiles : public FileDialog {
public:
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

QByteArray withChecksum(QByteArray bytes)
{
    int x = 0xFF;
    for (char c : bytes)
        x ^= static_cast<unsigned char>(c);
    bytes.append(char(x));
    return bytes;
}

// What a willing command station answers, so that a short input still leads the drivers deep
// into their work: acknowledges, empty pages and formats.
QByteArray defaultAnswer(const QByteArray& request)
{
    const auto at = [&](int i) { return i < request.size() ? static_cast<unsigned char>(request[i]) : 0; };
    if (request.isEmpty())
        return "]";  // the command station port's prompt
    const auto ack = [](int code) { return withChecksum(QByteArray("\xB4\x6D", 2) + char(code)); };
    if (at(0) == 0xED && at(1) == 0x0F) {
        const int code = at(5);
        if (code == 12 || code == 15)
            return ack(0x7F);
        QByteArray r("\xE5\x0F\x01KX", 5);
        r.append(char(code)).append(char(0x04)).append(char(at(7))).append(char(at(8)));
        r.append(char(0x52)).append(char(0x11)).append(QByteArray(3, '\0'));
        return withChecksum(r);
    }
    if (at(0) != 0xED || at(1) != 0x1F)
        return QByteArray();
    const int s1 = at(15) >> 4;
    const int s2 = at(20) >> 4;
    if (s1 == 3 && s2 == 7)
        return ack(0x01);
    if (s1 == 3 && s2 == 4)
        return ack(0x42);
    if (s1 == 4 && s2 == 4) {
        // Every data byte 0xFF: a page no record lives in.
        QByteArray r("\xE5\x1F\x01\x50\x43", 5);
        for (int g = 0; g < 5; ++g)
            r.append(char(g < 2 ? 0x7F : 0x0F)).append(QByteArray(4, char(0x7F)));
        return withChecksum(r);
    }
    return ack(0x7F);
}

// The device side: waits for whole messages (or a text command ended by CR) and answers each
// with its echo and the next piece of the input: one length byte, then that many bytes. When the
// input is used up it either falls silent or answers as a willing command station would.
class Responder {
public:
    Responder(test::FakeComm1& port, const uint8_t* data, size_t size, bool willing)
        : m_port(port), m_data(data), m_size(size), m_willing(willing)
    {
    }

    void written(const QByteArray& bytes)
    {
        for (char c : bytes)
            take(static_cast<unsigned char>(c));
    }

private:
    void take(int b)
    {
        if (b & 0x80) {
            m_message = QByteArray(1, char(b));
            m_expected = (b & 0x60) == 0x60 ? 0 : 2 + 2 * ((b >> 5) & 3);
            return;
        }
        if (m_message.isEmpty()) {
            if (b == '\r')
                answer(QByteArray());
            return;
        }
        m_message.append(char(b));
        if (m_expected == 0 && m_message.size() == 2)
            m_expected = b < 2 ? 2 : b;
        if (m_message.size() >= m_expected) {
            const QByteArray done = m_message;
            m_message.clear();
            answer(done);
        }
    }

    void answer(const QByteArray& echo)
    {
        QByteArray reply = echo;
        if (m_pos < m_size) {
            const size_t wanted = m_data[m_pos] % 64;
            ++m_pos;
            const size_t n = std::min(wanted, m_size - m_pos);
            reply.append(reinterpret_cast<const char*>(m_data + m_pos), int(n));
            m_pos += n;
        } else if (m_willing) {
            reply += defaultAnswer(echo);
        }
        if (!reply.isEmpty())
            m_port.feed(reply);
    }

    test::FakeComm1& m_port;
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_willing;
    QByteArray m_message;
    int m_expected = 0;
};

// Slot 0 changed, slot 1 new, slot 2 deleted, slot 3 with only its format pending.
void prepareSend(LocoTable& t)
{
    t.clearTable();
    t.markAllForDeviceRead();
    t.createRecord(0, 3, QStringLiteral("V 100"));
    t.setStatus(0, LocoTable::StatusChanged);
    t.createRecord(1, 4, QStringLiteral("Köf"));
    t.deleteRecord(2);
    // A record is created with a valid address; this one then loses it.
    t.createRecord(3, 6, QStringLiteral("ohne Adresse"));
    t.setAddress(3, 0);
    t.setStatus(3, LocoTable::StatusUnchanged);
    t.createRecord(4, 5, QStringLiteral("BR 01"));
    t.setStatus(4, LocoTable::StatusUnchanged);
    t.set(4, LocoTable::FormatCode, 83);
    t.set(4, LocoTable::FormatParam, 81);
    t.set(4, LocoTable::FormatPending, 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int mode = data[0];
    VirtualClock clock;
    test::FakeComm1 port(clock);
    NoPortIo portIo;
    YesDialogs dialogs;
    NoFiles files;
    NullProgress progress;
    NullMainControls controls;
    AppContext ctx(Platform{clock, port, portIo, dialogs, files, progress, controls});
    ctx.settings.ComPortNumber = QStringLiteral("1");
    // Bits 1 and 2 choose the interface: USB (whole messages), serial LocoNet interface (byte by
    // byte) or the command station's own port (text commands first, CTS before every byte).
    const int kind = (mode >> 1) & 3;
    ctx.settings.UseLocoNetInterface = kind != 2;
    ctx.settings.UseUsbInterface = kind == 0 || kind == 3;
    // Bit 4: the command station answers willingly once the input is used up.
    Responder device(port, data + 1, size - 1, (mode >> 4) & 1);
    port.onOutput = [&device](const QByteArray& bytes) { device.written(bytes); };

    const double start = clock.now();
    LocoTransfer transfer = ctx.locoTransfer();
    if (mode & 32) {
        // Accessories over two areas: the range transfer and its format steps.
        ctx.accessoryRange = {15, 18};
        AccessoryTransfer accessories = ctx.accessoryTransfer();
        if (mode & 1) {
            for (int a = 15; a <= 18; ++a)
                ctx.accessories.saveNames(a, QStringLiteral("W"), QString::number(a));
            ctx.accessories.toggleFormat(16);
            const SendOutcome out = accessories.SendAccessoryDatabase();
            fuzz::check((out == SendOutcome::Failed) == (accessories.lastSendResult() != 0));
        } else {
            const ReadOutcome out = accessories.ReadAccessoryDatabase();
            for (int a = 15; a <= 18 && out.result == 0; ++a)
                fuzz::check(ctx.accessories.status(a) == 0);
        }
    } else if (mode & 1) {
        prepareSend(ctx.loco);
        for (int k = 1; k <= 4; ++k)
            ctx.storedSerial.set(k, (mode >> 3) & 1 ? std::optional<int>(k) : std::nullopt);
        const LocoSendOutcome out = transfer.SendLocoDatabase();
        fuzz::check((out == LocoSendOutcome::Failed) == (transfer.lastSendResult() != 0));
        ResultText(transfer.lastSendResult());
    } else {
        const ReadOutcome out = transfer.ReadLocoDatabase();
        ResultText(out.result);
        if (out.result == 0) {
            for (int i = 0; i < LocoTable::SlotCount; ++i) {
                const int s = ctx.loco.status(i);
                fuzz::check(s == LocoTable::StatusUnchanged || s == LocoTable::StatusEmpty);
                for (int col = 0; col < LocoTable::RecordBytes; ++col)
                    fuzz::check(ctx.loco.value(i, col) >= 0 && ctx.loco.value(i, col) <= 255);
                fuzz::check(ctx.loco.value(i, LocoTable::FormatPending) == 0);
            }
        } else {
            fuzz::check(dialogs.boxes > 0);
        }
    }
    fuzz::check(!port.portOpen());
    // Every wait is bounded: a few seconds for each piece of input at the very most.
    fuzz::check(clock.now() - start < 60.0 + 10.0 * double(size));
    return 0;
}
