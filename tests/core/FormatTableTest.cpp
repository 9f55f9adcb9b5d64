// The data-format messages: request layout, bit-7 packing, reply evaluation and failures.
#include "support/DbRig.h"

#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::bytesOf;
using kx2::test::DbRig;

namespace {

struct Format : ::testing::Test {
    DbRig rig;
    int f(int i) const { return rig.db.FormatMessage[i]; }
    int w(int i) const { return DbRig::at(rig.lastRequest(), i); }
};

} // namespace

TEST_F(Format, Address200PacksBit7OfItsLowByte)
{
    int code = 0, value = 0, r = 0;
    rig.db.ReadLocoFormat(200, code, value, r);
    EXPECT_EQ(f(0), 0xED);
    EXPECT_EQ(f(1), 0x0F);
    EXPECT_EQ(f(2), 0x01);
    EXPECT_EQ(f(3), 'K');
    EXPECT_EQ(f(4), 'X');
    EXPECT_EQ(f(5), 13);
    EXPECT_EQ(f(6), 0x01);
    EXPECT_EQ(f(7), 0x48);
    EXPECT_EQ(f(8), 0);
    for (int i = 9; i <= 13; ++i)
        EXPECT_EQ(f(i), 0);
    // On the wire: the same 14 bytes and the checksum.
    const QByteArray m = rig.lastRequest();
    ASSERT_EQ(m.size(), 15);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(w(i), f(i));
    EXPECT_TRUE(sim::SimFramer::checksumOk(m));
    EXPECT_EQ(r, 13);
}

TEST_F(Format, Address9999UsesBits8To13)
{
    int code = 0, value = 0, r = 0;
    rig.db.ReadLocoFormat(9999, code, value, r);
    EXPECT_EQ(f(6), 0);
    EXPECT_EQ(f(7), 0x0F);
    EXPECT_EQ(f(8), 0x27);
    rig.db.ReadLocoFormat(0x7FFF, code, value, r);
    EXPECT_EQ(f(8), 0x3F);
}

TEST_F(Format, LocoWriteCarriesCodeAndValueUnpacked)
{
    int r = 0;
    rig.db.WriteLocoFormat(3, 83, 81, r);
    EXPECT_EQ(f(5), 12);
    EXPECT_EQ(f(6), 0);
    EXPECT_EQ(f(9), 83);
    EXPECT_EQ(f(10), 81);
    EXPECT_EQ(f(11), 0);
}

TEST_F(Format, AccessoryWriteNormalisesTo143Or15)
{
    int value = 200, r = 0;
    rig.db.WriteAccessoryFormat(5, value, r);
    EXPECT_EQ(value, 143);
    EXPECT_EQ(f(5), 15);
    EXPECT_EQ(f(6), 0x1C);
    EXPECT_EQ(f(9), 15);
    EXPECT_EQ(f(10), 127);
    EXPECT_EQ(f(11), 127);
    value = 5;
    rig.db.WriteAccessoryFormat(5, value, r);
    EXPECT_EQ(value, 15);
    EXPECT_EQ(f(6), 0x18);
    EXPECT_EQ(f(9), 15);
}

TEST_F(Format, ReplyByte6Bit2AddsTo128ToByte9)
{
    rig.device([](const QByteArray&) {
        return sim::SimFramer::withChecksum(bytesOf({0xE5, 0x0F, 0x01, 'K', 'X', 13, 0x04, 0x48, 0, 0x0F, 0x11, 0, 0, 0}));
    });
    int code = 0, value = 0, r = 0;
    rig.db.ReadLocoFormat(200, code, value, r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(code, 0x8F);
    EXPECT_EQ(value, 0x11);
    int acc = 0;
    rig.db.ReadAccessoryFormat(7, acc, r);
    EXPECT_EQ(acc, 0x8F);
}

TEST_F(Format, WriteRefusedGives401032)
{
    rig.device(sim::SimScriptedDevice::longAck(0x00));
    int r = 0;
    rig.db.WriteLocoFormat(3, 82, 17, r);
    EXPECT_EQ(r, 401032);
    int value = 143;
    rig.db.WriteAccessoryFormat(3, value, r);
    EXPECT_EQ(r, 401032);
}

TEST_F(Format, WriteTimeOutGives401032EvenAfterAnAcceptedOne)
{
    rig.device(sim::SimScriptedDevice::longAck(0x7F));
    int r = 0;
    rig.db.WriteLocoFormat(3, 82, 17, r);
    ASSERT_EQ(r, 0);
    rig.dev.reset(); // nobody answers any more; the accepting answer must not count twice
    rig.db.WriteLocoFormat(3, 82, 17, r);
    EXPECT_EQ(r, 401032);
}

TEST_F(Format, ReadTimeOutGives13)
{
    int code = 0, value = 0, r = 0;
    rig.db.ReadLocoFormat(3, code, value, r);
    EXPECT_EQ(r, 13);
}

TEST_F(Format, UnpackingAnOldReplyTwiceStaysWithinAByte)
{
    auto& slot = rig.link.reply();
    slot[6] = 0x04;
    slot[9] = 0x0F;
    rig.db.UnpackFormatReply();
    rig.db.UnpackFormatReply();
    EXPECT_EQ(slot[9], 0x8F);
}

TEST_F(Format, StationKeepsWhatWasWritten)
{
    rig.station();
    int r = 0;
    rig.db.WriteLocoFormat(200, 83, 81, r);
    ASSERT_EQ(r, 0);
    int code = 0, value = 0;
    rig.db.ReadLocoFormat(200, code, value, r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(code, 83);
    EXPECT_EQ(value, 81);
    // An address never written answers with the station's default.
    rig.db.ReadLocoFormat(201, code, value, r);
    EXPECT_EQ(code, sim::SimCommandStation::DefaultLocoFormatCode);
    EXPECT_EQ(value, sim::SimCommandStation::DefaultLocoFormatParam);

    int acc = 200;
    rig.db.WriteAccessoryFormat(2048, acc, r);
    ASSERT_EQ(r, 0);
    int back = 0;
    rig.db.ReadAccessoryFormat(2048, back, r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(back, 143);
    EXPECT_EQ(rig.cs->accessoryFormat(2048), 143);
    EXPECT_EQ(rig.cs->violations(), 0);
}

TEST_F(Format, StationRefusesWritesOnRequest)
{
    sim::SimFaults faults;
    faults.refuseFormatWrites = true;
    rig.station({}, faults);
    int r = 0;
    rig.db.WriteLocoFormat(200, 83, 81, r);
    EXPECT_EQ(r, 401032);
    EXPECT_FALSE(rig.cs->hasLocoFormat(200));
}
