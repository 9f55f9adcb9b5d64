#include "sim/SimRouteModule.h"
#include "sim/SimWire.h"

#include "link/Clock.h"

#include <QCoreApplication>

namespace kx2::sim {

namespace {

constexpr int kAnyAddress = 0xFFFF;
// Requests go to destination 05 00; the module answers from source 05 to the tool's 08 00, so
// it never takes its own answers for requests.
constexpr int kOwnSource = 0x05;
constexpr int kToolSource = 0x08;

} // namespace

SimRouteModule::SimRouteModule(SimBus& bus, int address, SimRouteModuleFaults faults)
    : m_bus(bus), m_address(address), m_faults(faults)
{
    m_bus.attach(this);
}

SimRouteModule::~SimRouteModule()
{
    m_bus.detach(this);
}

int SimRouteModule::variable(int number) const
{
    const auto it = m_variables.find(number);
    return it == m_variables.end() ? 0 : it->second;
}

void SimRouteModule::setVariable(int number, int value)
{
    if (value == 0)
        m_variables.erase(number);
    else
        m_variables[number] = value & 0xFFFF;
}

void SimRouteModule::violation(const QString& text)
{
    if (m_violation)
        m_violation(QCoreApplication::translate("SimRouteModule", "FS-Modul: ") + text);
}

void SimRouteModule::refuse(const QString& text)
{
    violation(text);
    answerAck(kRefused);
}

void SimRouteModule::busReceive(const QByteArray& bytes)
{
    for (const QByteArray& message : m_rx.feed(bytes))
        handle(message);
}

void SimRouteModule::handle(const QByteArray& m)
{
    const int opcode = byteAt(m, 0);
    // Only 15-byte module messages to destination 05 00 concern the module.
    if ((opcode != 0xED && opcode != 0xE5) || m.size() != 15 || byteAt(m, 1) != 0x0F || byteAt(m, 3) != 0x05
        || byteAt(m, 4) != 0x00)
        return;
    if (m_faults.absent)
        return;
    if (!SimFramer::checksumOk(m) || (byteAt(m, 6) & 0x80)) {
        violation(QCoreApplication::translate("SimRouteModule", "Prüfsumme oder Byte 6 falsch: ") + hex(m));
        return;
    }
    std::array<int, 14> b{};
    for (int i = 0; i < 14; ++i)
        b[size_t(i)] = byteAt(m, i);
    for (int k = 0; k <= 6; ++k)
        if (b[6] & (1 << k))
            b[size_t(7 + k)] += 128;
    // Another type of module is addressed: not ours.
    if (b[7] + 256 * b[8] != TypeNumber)
        return;
    const int code = b[5];
    const int number = b[9] + 256 * b[10];
    const int value = b[11] + 256 * b[12];
    const int flags = b[13];
    if (b[2] != kToolSource)
        violation(
            QCoreApplication::translate("SimRouteModule", "Quelle 0x%1 statt 0x08: ").arg(b[2], 2, 16, QLatin1Char('0'))
            + hex(m));

    const bool forUs = value == kAnyAddress || value == m_address;
    if (opcode == 0xED && code == 0x21 && flags == 0x80 && number == 0) {
        if (!forUs)
            return;  // another module of this type
        if (m_faults.refuseProgramming) {
            answerAck(kRefused);
            return;
        }
        m_programming = true;
        answerPeer(0, m_address);
        if (m_log)
            m_log(QCoreApplication::translate("SimRouteModule", "FS-Modul: Programmiermodus ein"));
        return;
    }
    if (opcode == 0xE5 && code == 0x21 && flags == 0x40 && number == 0) {
        if (!forUs)
            return;
        m_programming = false;
        if (m_log)
            m_log(QCoreApplication::translate("SimRouteModule", "FS-Modul: Programmiermodus aus"));
        if (m_written && m_stored)
            m_stored();
        m_written = false;
        return;
    }
    const bool read = opcode == 0xED && code == 0x21 && flags == 0 && value == 0;
    const bool write = opcode == 0xED && code == 0x20 && flags == 0;
    if (!read && !write) {
        refuse(QCoreApplication::translate("SimRouteModule", "Unbekannte Anfrage: ") + hex(m));
        return;
    }
    const QString what = read ? QCoreApplication::translate("SimRouteModule", "Variable %1 lesen").arg(number)
                              : QCoreApplication::translate("SimRouteModule", "Variable %1 schreiben").arg(number);
    if (!m_programming) {
        refuse(what + QCoreApplication::translate("SimRouteModule", " außerhalb des Programmiermodus"));
        return;
    }
    if (number < FirstVariable || number > LastVariable) {
        refuse(what + QCoreApplication::translate("SimRouteModule", ": nur 5..2004"));
        return;
    }
    if (read) {
        answerPeer(number, variable(number));
        return;
    }
    ++m_writes;
    const bool corrupt = m_faults.corruptWritesEvery > 0 && m_writes % m_faults.corruptWritesEvery == 0;
    if (corrupt && m_log)
        m_log(QCoreApplication::translate("SimRouteModule", "FS-Modul: Variable %1 falsch gespeichert").arg(number));
    setVariable(number, corrupt ? value + 10 : value);
    m_written = true;
    answerAck(kAccepted);
}

void SimRouteModule::answer(const QByteArray& message)
{
    ++m_answers;
    if (m_faults.loseAnswerEvery > 0 && m_answers % m_faults.loseAnswerEvery == 0) {
        if (m_log)
            m_log(QCoreApplication::translate("SimRouteModule", "FS-Modul: Antwort %1 verloren").arg(m_answers));
        return;
    }
    const QByteArray sent = garbled(message, m_answers, m_faults.garbleEvery);
    if (sent != message && m_log)
        m_log(QCoreApplication::translate("SimRouteModule", "FS-Modul: Antwort %1 verfälscht").arg(m_answers));
    m_bus.clock().callAfter(m_faults.answerDelay, m_timers.guard([this, sent] { m_bus.transmit(this, sent); }));
}

void SimRouteModule::answerAck(int code)
{
    QByteArray ack;
    ack.append(char(0xB4)).append(char(0x6D)).append(char(code & 0x7F));
    answer(SimFramer::withChecksum(ack));
}

void SimRouteModule::answerPeer(int variable, int value)
{
    const int v[7] = {TypeNumber & 0xFF, TypeNumber >> 8, variable & 0xFF, variable >> 8, value & 0xFF, (value >> 8) & 0xFF, 0};
    int high = 0;
    for (int k = 0; k < 7; ++k)
        if (v[k] & 0x80)
            high |= 1 << k;
    QByteArray r;
    r.append(char(0xE5)).append(char(0x0F)).append(char(kOwnSource)).append(char(kToolSource)).append(char(0x00));
    r.append(char(0x21)).append(char(high));
    for (int k = 0; k < 7; ++k)
        r.append(char(v[k] & 0x7F));
    answer(SimFramer::withChecksum(r));
}

std::array<int, 25> SimRouteModule::sampleRoute(int r)
{
    std::array<int, 25> e{};
    e.fill(8);
    switch (r % 10) {
    case 0: e[0] = 0; return e;                            // empty: nothing after the start
    case 1: e[0] = 8; break;                               // "angehängt": run when called
    case 2: e[0] = 9; break;                               // "Autostart"
    default: e[0] = 10 * (100 + r) + (r % 2 ? 9 : 8); break; // contact 100 + r occupied or free
    }
    // Routes 1 to 4 start with 8, 9, 1039 and 1048, which the calls 6, 7, 1037 and 1046 reach.
    const int all[24] = {10 * r,           10 * (r + 100) + 1, 10 * (200 + r) + 2,  10 * (300 + r) + 3,
                         50000,            644,                10244,               20484 + 10 * (r % 32),
                         30724 + 10 * (r % 16), 20 * (r % 20 + 1) + 5, 59999,      1274,
                         4,                14,                 10254,               10264,
                         6,                7,                  1037,                1046,
                         0,                9,                  24,                  334};
    const int count = r == 3 ? 24 : 1 + (7 * r) % 24;
    for (int i = 0; i < count; ++i)
        e[size_t(1 + i)] = all[(r + i) % 24];
    return e;
}

} // namespace kx2::sim
