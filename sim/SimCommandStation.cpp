#include "sim/SimCommandStation.h"
#include "sim/SimWire.h"

#include "dbproto/DbConstants.h"
#include "link/Clock.h"
#include "shell/Cp1252.h"

#include <QCoreApplication>

namespace kx2::sim {

namespace {

// Wire index of page byte k within D1..D16.
int wireIndex(int k)
{
    return k < 8 ? 9 + k : 16 - k;
}
} // namespace

SimCommandStation::SimCommandStation(SimBus& bus, SimStationConfig config, SimFaults faults)
    : m_bus(bus), m_config(std::move(config)), m_faults(faults)
    , m_routeModule(std::make_unique<SimRouteModule>(bus, m_config.routeModuleAddress, faults.routeModule))
{
    m_routeModule->setViolationSink([this](const QString& text) { violation(text); });
    m_routeModule->setOnStored([this] { saveState(); });
    resetWorkBuffer();
    if (!m_config.statePath.isEmpty()) {
        QString error;
        if (!loadState(m_config.statePath, &error) && !error.isEmpty())
            note(QCoreApplication::translate("SimCommandStation", "Zustand nicht geladen: ") + error);
    }
    if (m_config.serial)
        setSerial(*m_config.serial);
    else if (area(Flash::Sam, 63).mid(252, 4) == QByteArray(4, char(0xFF)))
        setSerial(DefaultSerial);
    m_bus.attach(this);
    if (m_faults.chatterInterval > 0)
        setChatter(m_faults.chatterInterval);
}

void SimCommandStation::setChatter(double interval)
{
    m_faults.chatterInterval = interval;
    m_chatter.reset();
    if (interval > 0)
        m_chatter = std::make_unique<SimChatter>(m_bus, interval);
}

SimCommandStation::~SimCommandStation()
{
    m_bus.detach(this);
}

void SimCommandStation::note(const QString& text)
{
    if (m_log)
        m_log(text);
}

void SimCommandStation::violation(const QString& text)
{
    m_violations.append(text);
    note(QCoreApplication::translate("SimCommandStation", "VERSTOSS: ") + text);
}

void SimCommandStation::refuse(const QString& text)
{
    violation(text);
    answerLongAck(kRefused);
}

void SimCommandStation::busReceive(const QByteArray& bytes)
{
    for (const QByteArray& message : m_rx.feed(bytes))
        handleMessage(message);
}

void SimCommandStation::handleMessage(const QByteArray& m)
{
    // Only 0xED messages with "IK" (database command) or "KX" (data-format table) in bytes 3
    // and 4 are meant for the command station; everything else on the bus belongs to others.
    if (byteAt(m, 0) != 0xED || m.size() < 5)
        return;
    const bool db = m.at(3) == 'I' && m.at(4) == 'K';
    const bool format = m.at(3) == 'K' && m.at(4) == 'X';
    if (!db && !format)
        return;
    if (!SimFramer::checksumOk(m)) {
        violation(QCoreApplication::translate("SimCommandStation", "Prüfsumme falsch: ") + hex(m));
        return;
    }
    const int length = db ? 0x1F : 0x0F;
    const int source = db ? 0x08 : 0x01;
    if (byteAt(m, 1) != length || m.size() != length) {
        violation(QCoreApplication::translate("SimCommandStation", "Längenbyte falsch: ") + hex(m));
        return;
    }
    if (byteAt(m, 2) != source) {
        violation(QCoreApplication::translate("SimCommandStation", "Byte 2 falsch: ") + hex(m));
        return;
    }

    ++m_requests;
    if (m_faults.unplugAfterMessages > 0 && m_requests > m_faults.unplugAfterMessages) {
        note(QCoreApplication::translate("SimCommandStation", "Schnittstelle abgezogen"));
        m_bus.vanish();
        return;
    }
    if (m_faults.noAnswerEvery > 0 && m_requests % m_faults.noAnswerEvery == 0) {
        note(QCoreApplication::translate("SimCommandStation", "Anfrage %1 verloren").arg(m_requests));
        return;
    }
    if (db)
        handleDbCommand(m);
    else
        handleFormatMessage(m);
}

// --- the database command ---

void SimCommandStation::handleDbCommand(const QByteArray& m)
{
    Command c;
    for (int g = 1; g <= 5; ++g) {
        c.header[g] = byteAt(m, 5 * g);
        for (int k = 1; k <= 4; ++k) {
            int v = byteAt(m, 5 * g + k);
            if (c.header[g] & (1 << (k - 1)))
                v += 128;
            c.d[4 * (g - 1) + k] = v;
        }
    }
    c.s1 = c.header[3] >> 4;
    c.s2 = c.header[4] >> 4;
    c.s3 = c.header[5] >> 4;
    if ((c.header[1] & 0xF0) != 0x70 || (c.header[2] & 0xF0) != 0x70) {
        refuse(QCoreApplication::translate("SimCommandStation", "Gruppenkopf 1 oder 2 ohne 0x70: ") + hex(m));
        return;
    }

    const int sel = c.s1 * 100 + c.s2 * 10 + c.s3;
    switch (sel) {
    case 370: accessStep1(c); break;
    case 340: accessStep2(c); break;
    case 300: accessEnd(c); break;
    case 330: areaCommand(c); break;
    case 310:
    case 311:
    case 313: display(c); break;
    case 440: pageRead(c); break;
    case 420: pageWrite(c); break;
    default:
        refuse(QCoreApplication::translate("SimCommandStation", "Unbekannte Selektoren %1, %2, %3")
                   .arg(c.s1)
                   .arg(c.s2)
                   .arg(c.s3));
        break;
    }
}

bool SimCommandStation::signatureOk(const Command& c) const
{
    for (int i = 0; i < 8; ++i)
        if (c.d[9 + i] != kx2::DbSignature[i])
            return false;
    return true;
}

bool SimCommandStation::zero(const Command& c, int from, int to) const
{
    for (int k = from; k <= to; ++k)
        if (c.d[k] != 0)
            return false;
    return true;
}

void SimCommandStation::resetWorkBuffer()
{
    m_work.loaded = false;
    m_work.image = QByteArray(DataAreaSize, char(0xFF));
    m_work.written.assign(DataAreaSize, false);
}

void SimCommandStation::accessStep1(const Command& c)
{
    if (c.d[1] != 0 || c.d[2] != 0x7F || c.d[3] != 0x7F || c.d[4] != 0x7F || !zero(c, 5, 8)
        || !signatureOk(c) || !zero(c, 17, 20)) {
        refuse(QCoreApplication::translate("SimCommandStation", "Bootloader starten, Schritt 1: Felder falsch"));
        return;
    }
    // A new start is always allowed: after a failed transfer the tool does not close the access.
    m_readyOut = false;
    const int code = m_config.bootAckCode;
    if (code == kAccepted) {
        m_access = Access::Starting;
        note(QCoreApplication::translate("SimCommandStation", "Bootloader startet"));
        if (m_faults.ackAndReadyInOneWrite && !m_faults.readyNeverComes) {
            QByteArray burst = SimFramer::withChecksum(QByteArray::fromRawData("\xB4\x6D\x7F", 3));
            burst += readyMessage();
            // The ready message leaves with the acknowledge.
            m_readyOut = true;
            answer(burst);
        } else {
            answerLongAck(kAccepted);
            if (!m_faults.readyNeverComes)
                sendReady(m_faults.answerDelay + m_config.readyDelay);
        }
    } else if (code == 0x01) {
        m_access = Access::Starting;
        m_readyOut = true;
        answerLongAck(code);
    } else {
        m_access = Access::Closed;
        answerLongAck(code);
    }
}

void SimCommandStation::accessStep2(const Command& c)
{
    if (!zero(c, 1, 8) || !signatureOk(c) || !zero(c, 17, 20)) {
        refuse(QCoreApplication::translate("SimCommandStation", "Bootloader starten, Schritt 2: Felder falsch"));
        return;
    }
    if (m_access != Access::Starting) {
        refuse(QCoreApplication::translate("SimCommandStation", "Bootloader starten, Schritt 2 ohne Schritt 1"));
        return;
    }
    if (!m_readyOut) {
        refuse(QCoreApplication::translate("SimCommandStation", "Bootloader starten, Schritt 2 vor der Bereitmeldung"));
        return;
    }
    m_access = Access::Open;
    resetWorkBuffer();
    note(QCoreApplication::translate("SimCommandStation", "Datenbankzugriff offen"));
    answerLongAck(m_config.handle);
}

void SimCommandStation::accessEnd(const Command& c)
{
    if (c.d[2] != 0x7F || c.d[3] != 0x7F || c.d[4] != 0x7F || !zero(c, 5, 8) || !signatureOk(c)
        || !zero(c, 17, 20)) {
        refuse(QCoreApplication::translate("SimCommandStation", "Bootloader beenden: Felder falsch"));
        return;
    }
    if (m_access == Access::Open && c.d[1] != m_config.handle) {
        refuse(
            QCoreApplication::translate("SimCommandStation", "Bootloader beenden mit falschem Handle 0x%1 statt 0x%2")
                .arg(c.d[1], 2, 16, QLatin1Char('0'))
                .arg(m_config.handle, 2, 16, QLatin1Char('0')));
        return;
    }
    if (m_faults.refuseClose) {
        answerLongAck(m_faults.refusedCode);
        return;
    }
    // Closing what is not open is harmless and answered as accepted: the tool closes after a
    // failed start, and asks again for a close whose answer it lost.
    m_access = Access::Closed;
    resetWorkBuffer();
    note(QCoreApplication::translate("SimCommandStation", "Datenbankzugriff geschlossen"));
    saveState();
    answerLongAck(kAccepted);
}

void SimCommandStation::areaCommand(const Command& c)
{
    struct Kind {
        int d1, d2, d5, d8;
        Flash flash;
        bool write;
        const char* name;
    };
    static const Kind kinds[] = {
        {0x00, 0x08, 0x5A, 0x00, Flash::Sam, false, QT_TRANSLATE_NOOP("SimCommandStation", "SAM Flash lesen")},
        {0x5A, 0x08, 0x5B, 0x01, Flash::Sam, true, QT_TRANSLATE_NOOP("SimCommandStation", "SAM Flash schreiben")},
        {0x45, 0x0A, 0x00, 0x00, Flash::Data, false, QT_TRANSLATE_NOOP("SimCommandStation", "Datenflash lesen")},
        {0xDF, 0x0A, 0x00, 0x00, Flash::Data, true, QT_TRANSLATE_NOOP("SimCommandStation", "Datenflash schreiben")},
    };
    const Kind* kind = nullptr;
    for (const Kind& k : kinds)
        if (c.d[1] == k.d1 && c.d[2] == k.d2 && c.d[5] == k.d5 && c.d[6] == 0 && c.d[7] == 0 && c.d[8] == k.d8)
            kind = &k;
    if (!kind) {
        refuse(QCoreApplication::translate("SimCommandStation", "Unbekannter Bereichsbefehl D1=%1 D2=%2 D5=%3 D8=%4")
                   .arg(c.d[1])
                   .arg(c.d[2])
                   .arg(c.d[5])
                   .arg(c.d[8]));
        return;
    }
    const int number = c.d[3] + 256 * c.d[4];
    if (!signatureOk(c) || !zero(c, 17, 20)) {
        refuse(QCoreApplication::translate("SimCommandStation", "%1 %2: Signatur oder D17..D20 falsch")
                   .arg(QCoreApplication::translate("SimCommandStation", kind->name))
                   .arg(number));
        return;
    }
    if (m_access != Access::Open) {
        refuse(QCoreApplication::translate("SimCommandStation", "%1 %2 ohne offenen Datenbankzugriff")
                   .arg(QCoreApplication::translate("SimCommandStation", kind->name))
                   .arg(number));
        return;
    }
    const int size = areaSize(kind->flash);
    if (!kind->write) {
        m_work.loaded = true;
        m_work.kind = kind->flash;
        m_work.area = number;
        m_work.image = area(kind->flash, number) + QByteArray(DataAreaSize - size, char(0xFF));
        m_work.written.assign(DataAreaSize, false);
        answerLongAck(kAccepted);
        return;
    }
    // The pages written since the last area command go into the named area; every byte not
    // written keeps that area's content.
    for (int i = size; i < DataAreaSize; ++i) {
        if (m_work.written[i]) {
            refuse(QCoreApplication::translate("SimCommandStation",
                                               "%1 %2: Seite jenseits der Bereichsgröße %3 geschrieben")
                       .arg(QCoreApplication::translate("SimCommandStation", kind->name))
                       .arg(number)
                       .arg(size));
            return;
        }
    }
    QByteArray target = area(kind->flash, number);
    for (int i = 0; i < size; ++i)
        if (m_work.written[i])
            target[i] = m_work.image[i];
    if (kind->flash == Flash::Data && m_faults.corruptWritesEvery > 0) {
        for (int page = 0; page < size; page += PageSize) {
            if (!m_work.written[size_t(page)] || ++m_dataPagesWritten % m_faults.corruptWritesEvery != 0)
                continue;
            const int at = page + m_faults.corruptByte;
            target[at] = char((uchar(target[at]) + 1) & 0xFF);
            note(QCoreApplication::translate("SimCommandStation", "%1 %2, Seite %3: Byte %4 verfälscht gespeichert")
                     .arg(QCoreApplication::translate("SimCommandStation", kind->name))
                     .arg(number)
                     .arg(page)
                     .arg(m_faults.corruptByte));
        }
    }
    setArea(kind->flash, number, target);
    m_work.loaded = true;
    m_work.kind = kind->flash;
    m_work.area = number;
    m_work.image = target + QByteArray(DataAreaSize - size, char(0xFF));
    m_work.written.assign(DataAreaSize, false);
    note(QStringLiteral("%1 %2").arg(QCoreApplication::translate("SimCommandStation", kind->name)).arg(number));
    saveState();
    answerLongAck(kAccepted);
}

void SimCommandStation::pageRead(const Command& c)
{
    const int position = c.d[17] + 256 * c.d[18];
    if (!zero(c, 1, 16) || !zero(c, 19, 20)) {
        refuse(QCoreApplication::translate("SimCommandStation", "Seite lesen %1: D1..D16, D19, D20 nicht 0")
                   .arg(position));
        return;
    }
    if (m_access != Access::Open) {
        refuse(QCoreApplication::translate("SimCommandStation", "Seite lesen %1 ohne offenen Datenbankzugriff")
                   .arg(position));
        return;
    }
    if (!m_work.loaded) {
        refuse(QCoreApplication::translate("SimCommandStation", "Seite lesen %1 ohne vorher gelesenen Bereich")
                   .arg(position));
        return;
    }
    if (position + PageSize > areaSize(m_work.kind)) {
        refuse(QCoreApplication::translate("SimCommandStation", "Seite lesen %1 jenseits der Bereichsgröße %2")
                   .arg(position)
                   .arg(areaSize(m_work.kind)));
        return;
    }
    answer(dataReply(m_work.image.mid(position, PageSize), c));
}

void SimCommandStation::pageWrite(const Command& c)
{
    const int position = c.d[17] + 256 * c.d[18];
    if (!zero(c, 19, 20)) {
        refuse(QCoreApplication::translate("SimCommandStation", "Seite schreiben %1: D19, D20 nicht 0").arg(position));
        return;
    }
    if (m_access != Access::Open) {
        refuse(QCoreApplication::translate("SimCommandStation", "Seite schreiben %1 ohne offenen Datenbankzugriff")
                   .arg(position));
        return;
    }
    if (position + PageSize > DataAreaSize) {
        refuse(QCoreApplication::translate("SimCommandStation", "Seite schreiben %1 jenseits der Bereichsgröße")
                   .arg(position));
        return;
    }
    if (m_faults.refusePageWrites) {
        answerLongAck(m_faults.refusedCode);
        return;
    }
    for (int k = 0; k < PageSize; ++k) {
        const int w = wireIndex(k);
        m_work.image[position + k] = char((c.d[w] ^ kx2::RecordKey[w - 1]) & 0xFF);
        m_work.written[position + k] = true;
    }
    answerLongAck(kAccepted);
}

void SimCommandStation::display(const Command& c)
{
    if (c.s3 == 0) {
        if (!zero(c, 1, 20)) {
            refuse(QCoreApplication::translate("SimCommandStation", "Display löschen: Daten nicht 0"));
            return;
        }
        m_displayText.clear();
    } else if (c.s3 == 1) {
        if (c.d[3] != c.d[4] || !zero(c, 5, 20)) {
            refuse(QCoreApplication::translate("SimCommandStation", "Displaycursor setzen: Felder falsch"));
            return;
        }
        m_cursor = {c.d[1] + 256 * c.d[2], c.d[3]};
    } else {
        QByteArray text;
        for (int k = 1; k <= 20 && c.d[k] != 0; ++k)
            text.append(char(c.d[k]));
        m_displayText = kx2::fromCp1252(text);
    }
    answerLongAck(kAccepted);
}

// --- the data-format table ---

void SimCommandStation::handleFormatMessage(const QByteArray& m)
{
    std::array<int, 15> b{};
    for (int i = 0; i < 15; ++i)
        b[i] = byteAt(m, i);
    if (b[6] & 0x80) {
        refuse(QCoreApplication::translate("SimCommandStation", "Datenformat: Byte 6 mit Bit 7"));
        return;
    }
    for (int k = 0; k <= 6; ++k)
        if (b[6] & (1 << k))
            b[7 + k] += 128;
    const int code = b[5];
    const int address = b[7] + 256 * b[8];
    auto reply = [&](int value9, int value10) {
        QByteArray r;
        const int v[7] = {b[7], b[8], value9, value10, 0, 0, 0};
        int hb = 0;
        for (int k = 0; k < 7; ++k)
            if (v[k] & 0x80)
                hb |= 1 << k;
        r.append(char(0xE5)).append(char(0x0F)).append(char(0x01)).append('K').append('X');
        r.append(char(code)).append(char(hb));
        for (int k = 0; k < 7; ++k)
            r.append(char(v[k] & 0x7F));
        answer(SimFramer::withChecksum(r));
    };

    switch (code) {
    case 12:
        if (b[11] != 0 || b[12] != 0 || b[13] != 0) {
            refuse(QCoreApplication::translate("SimCommandStation", "Lokdatenformat schreiben %1: Bytes 11..13 nicht 0")
                       .arg(address));
            return;
        }
        if (m_faults.refuseFormatWrites) {
            answerLongAck(m_faults.refusedCode);
            return;
        }
        setLocoFormat(address, b[9], b[10]);
        saveState();
        answerLongAck(kAccepted);
        return;
    case 13:
        if (b[9] != 0 || b[10] != 0 || b[11] != 0 || b[12] != 0 || b[13] != 0) {
            refuse(QCoreApplication::translate("SimCommandStation", "Lokdatenformat lesen %1: Bytes 9..13 nicht 0")
                       .arg(address));
            return;
        }
        reply(locoFormat(address).first, locoFormat(address).second);
        return;
    case 15:
        if ((b[9] != 15 && b[9] != 143) || b[10] != 255 || b[11] != 255 || b[12] != 0 || b[13] != 0) {
            refuse(QCoreApplication::translate("SimCommandStation", "Magnetartikelformat schreiben %1: Felder falsch")
                       .arg(address));
            return;
        }
        if (m_faults.refuseFormatWrites) {
            answerLongAck(m_faults.refusedCode);
            return;
        }
        setAccessoryFormat(address, b[9]);
        saveState();
        answerLongAck(kAccepted);
        return;
    case 16:
        if (b[9] != 0 || b[10] != 0 || b[11] != 0 || b[12] != 0 || b[13] != 0) {
            refuse(QCoreApplication::translate("SimCommandStation", "Magnetartikelformat lesen %1: Bytes 9..13 nicht 0")
                       .arg(address));
            return;
        }
        reply(accessoryFormat(address), 0);
        return;
    default:
        refuse(QCoreApplication::translate("SimCommandStation", "Datenformat: unbekannter Anfragecode %1").arg(code));
        return;
    }
}

// --- answers ---

void SimCommandStation::answer(const QByteArray& bytes)
{
    ++m_answers;
    const bool stray = m_faults.strayBytes;
    const QByteArray sent = garbled(bytes, m_answers, m_faults.garbleEvery);
    if (sent != bytes)
        note(QCoreApplication::translate("SimCommandStation", "Antwort %1 verfälscht").arg(m_answers));
    m_bus.clock().callAfter(m_faults.answerDelay, m_timers.guard([this, sent, stray] {
        if (stray)
            m_bus.injectRaw(QByteArray::fromRawData("\x11\x22\x33", 3));
        m_bus.transmit(this, sent);
    }));
}

void SimCommandStation::answerLongAck(int code)
{
    QByteArray ack;
    ack.append(char(0xB4)).append(char(0x6D)).append(char(code & 0x7F));
    answer(SimFramer::withChecksum(ack));
}

QByteArray SimCommandStation::readyMessage() const
{
    QByteArray r;
    r.append(char(0xE5)).append(char(0x1F)).append(char(0x01)).append('P').append('C');
    r.append(char(0x70)).append(char(0x00)).append(char(0x7F)).append(char(0x7F)).append(char(0x7F));
    r.append(char(0x70)).append(QByteArray(4, '\0'));
    r.append(char(0x30));
    for (int i = 0; i < 4; ++i)
        r.append(char(kx2::DbSignature[i]));
    r.append(char(0x70));
    for (int i = 4; i < 8; ++i)
        r.append(char(kx2::DbSignature[i]));
    r.append(char(0x00)).append(QByteArray(4, '\0'));
    return SimFramer::withChecksum(r);
}

void SimCommandStation::sendReady(double delay)
{
    m_bus.clock().callAfter(delay, m_timers.guard([this] {
        if (m_access != Access::Starting)
            return;
        m_readyOut = true;
        m_bus.transmit(this, readyMessage());
    }));
}

QByteArray SimCommandStation::dataReply(const QByteArray& page, const Command& request) const
{
    std::array<int, 21> d{};
    for (int k = 0; k < PageSize; ++k) {
        const int w = wireIndex(k);
        d[w] = (static_cast<unsigned char>(page.at(k)) ^ kx2::RecordKey[w - 1]) & 0xFF;
    }
    d[17] = request.d[17];
    d[18] = request.d[18];
    // The reply's headers repeat the request's upper nibbles, as the ready message does for step 1.
    const int top[6] = {0, 0x70, 0x70, request.s1 << 4, request.s2 << 4, request.s3 << 4};
    QByteArray r;
    r.append(char(0xE5)).append(char(0x1F)).append(char(0x01)).append('P').append('C');
    for (int g = 1; g <= 5; ++g) {
        int bits = 0;
        for (int k = 1; k <= 4; ++k)
            if (d[4 * (g - 1) + k] & 0x80)
                bits |= 1 << (k - 1);
        r.append(char(top[g] | bits));
        for (int k = 1; k <= 4; ++k)
            r.append(char(d[4 * (g - 1) + k] & 0x7F));
    }
    return SimFramer::withChecksum(r);
}

} // namespace kx2::sim
