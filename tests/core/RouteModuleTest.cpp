// The route module's dialogue on the wire: the requests byte for byte, and what each operation
// makes of answers that do not fit, of other devices' messages and of silence.
#include "routes/RouteModule.h"
#include "sim/SimRouteModule.h"
#include "support/DbRig.h"

#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::bytesOf;
using kx2::test::DbRig;

namespace {

constexpr int kType = RouteModule::RouteModuleType;

std::vector<QByteArray> moduleRequests(const DbRig& rig)
{
    std::vector<QByteArray> out;
    for (const QByteArray& m : rig.onBus)
        if (m.size() == 15 && DbRig::at(m, 2) == 0x08 && DbRig::at(m, 3) == 0x05)
            out.push_back(m);
    return out;
}

// A peer reply of the module type (or another) for variable `number` holding `value`.
QByteArray peer(int type, int number, int value)
{
    ModuleFrame m;
    m.opcode = 0xE5;
    m.source = 0x05;
    m.destination = 0x0008;
    m.code = 0x21;
    m.typeNumber = type;
    m.variable = number;
    m.value = value;
    return m.encode();
}

} // namespace

// The requests as the protocol gives them; 6541 = 0x198D puts bit 0 into byte 6, and so do the
// address 65535, the variable 1980 (0x07BC), the value 1239 (0x04D7) and the address 456 (0x01C8).
TEST(RouteModule, RequestsGoOutByteForByte)
{
    DbRig rig;
    sim::SimRouteModule module(rig.bus);
    RouteModule m(rig.link);
    int address = RouteModule::AnyModuleAddress;
    int value = -1;
    const struct {
        std::function<int()> op;
        QByteArray bytes;
    } rows[] = {
        {[&] { const RouteModule::Answer a = m.RouteModuleProgOn(kType, address); address = a.value; return a.result; },
         bytesOf({0xED, 0x0F, 0x08, 0x05, 0x00, 0x21, 0x71, 0x0D, 0x19, 0x00, 0x00, 0x7F, 0x7F, 0x00})},
        {[&] { return m.RouteModuleWrite(kType, 1980, 1239); },
         bytesOf({0xED, 0x0F, 0x08, 0x05, 0x00, 0x20, 0x15, 0x0D, 0x19, 0x3C, 0x07, 0x57, 0x04, 0x00})},
        {[&] { const RouteModule::Answer a = m.RouteModuleRead(kType, 1980); value = a.value; return a.result; },
         bytesOf({0xED, 0x0F, 0x08, 0x05, 0x00, 0x21, 0x05, 0x0D, 0x19, 0x3C, 0x07, 0x00, 0x00, 0x00})},
        {[&] { return m.RouteModuleProgOff(kType, address); },
         bytesOf({0xE5, 0x0F, 0x08, 0x05, 0x00, 0x21, 0x11, 0x0D, 0x19, 0x00, 0x00, 0x48, 0x01, 0x40})},
    };
    for (const auto& row : rows) {
        rig.onBus.clear();
        EXPECT_EQ(row.op(), 0);
        const auto sent = moduleRequests(rig);
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0], sim::SimFramer::withChecksum(row.bytes));
    }
    EXPECT_EQ(address, 456) << "the module's own address, reported by programming-on";
    EXPECT_EQ(value, 1239);
    EXPECT_FALSE(module.programming());
}

// Each line: a message's bytes and the type, variable, value and flags they carry (bit 7 of bytes
// 7..13 from bit 0..6 of byte 6); a message shorter than its 14 bytes before the checksum is none.
TEST(RouteModule, MessagesDecodeAgainstLiteralBytes)
{
    const struct {
        const char* what;
        QByteArray bytes;
        std::optional<std::array<int, 4>> fields;
    } rows[] = {
        {"programming-off of module 456", bytesOf({0xE5, 0x0F, 0x08, 0x05, 0x00, 0x21, 0x11, 0x0D, 0x19, 0x00, 0x00, 0x48, 0x01, 0x40}),
         std::array<int, 4>{kType, 0, 456, 0x40}},
        {"write 1239 to variable 1980", bytesOf({0xED, 0x0F, 0x08, 0x05, 0x00, 0x20, 0x15, 0x0D, 0x19, 0x3C, 0x07, 0x57, 0x04, 0x00}),
         std::array<int, 4>{kType, 1980, 1239, 0}},
        {"full: every bit", bytesOf({0xE5, 0x0F, 0x05, 0x08, 0x00, 0x21, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F}),
         std::array<int, 4>{0xFFFF, 0xFFFF, 0xFFFF, 0xFF}},
        {"one byte short", bytesOf({0xE5, 0x0F, 0x05, 0x08, 0x00, 0x21, 0, 0, 0, 0, 0, 0, 0}), std::nullopt},
        {"empty", {}, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<ModuleFrame> f = ModuleFrame::decode(row.bytes);
        ASSERT_EQ(f.has_value(), row.fields.has_value());
        if (f) {
            EXPECT_EQ((std::array<int, 4>{f->typeNumber, f->variable, f->value, f->flags}), *row.fields);
        }
    }
}

TEST(RouteModule, OnlyMissingAnswersCostAttemptsOtherMessagesArePassedOver)
{
    using Reply = sim::SimScriptedDevice::Reply;
    const Reply none;  // nobody answers: the bus gives the echo alone
    const Reply wrongVariable = [](const QByteArray&) { return peer(kType, 6, 1); };
    const Reply otherModuleFirst = [](const QByteArray&) { return peer(0x1234, 5, 1) + peer(kType, 5, 77); };
    // Programming-on's answer, late: it must not be taken for the read's.
    const Reply lateAnswerFirst = [](const QByteArray&) { return peer(kType, 0, 456) + peer(kType, 5, 77); };
    const Reply refusal = [](const QByteArray&) { return kx2::test::longAck(0x00); };
    enum Op { On, Read, Write, Off };
    const struct {
        const char* name;
        Op op;
        Reply reply;
        int result;
        size_t requests;
        double seconds;  // the time-outs the attempts wait
    } rows[] = {
        {"no module: programming-on", On, none, modrc::ProgOnNoAnswer, 10, 10 * 0.2},
        {"no module: read", Read, none, modrc::ReadNoAnswer, 10, 10 * 0.5},
        {"no module: write", Write, none, modrc::WriteNoAnswer, 10, 10 * 0.5},
        {"no module: programming-off needs its echo only", Off, none, 0, 1, 0},
        {"answers for another variable are passed over", Read, wrongVariable, modrc::ReadNoAnswer, 10, 10 * 0.5},
        {"another module speaks first", Read, otherModuleFirst, 0, 1, 0},
        {"a late answer to an earlier request comes first", Read, lateAnswerFirst, 0, 1, 0},
        {"refused write, not tried again", Write, refusal, modrc::WriteRefused, 1, 0},
        {"refused programming", On, refusal, modrc::ProgOnRefused, 1, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        DbRig rig;
        if (row.reply)
            rig.device(row.reply);
        RouteModule m(rig.link);
        int address = RouteModule::AnyModuleAddress;
        int value = 0;
        int result = -1;
        const double start = rig.clock.now();
        switch (row.op) {
        case On: result = m.RouteModuleProgOn(kType, address).result; break;
        case Read: { const RouteModule::Answer a = m.RouteModuleRead(kType, 5); result = a.result; value = a.value; break; }
        case Write: result = m.RouteModuleWrite(kType, 5, 1); break;
        case Off: result = m.RouteModuleProgOff(kType, address); break;
        }
        EXPECT_EQ(result, row.result);
        EXPECT_EQ(moduleRequests(rig).size(), row.requests);
        EXPECT_NEAR(rig.clock.now() - start, row.seconds, 0.1);
        if (row.result == 0 && row.op == Read) {
            EXPECT_EQ(value, 77);
        }
    }
}
