// Leading numbers of the address boxes, the program information box and the brand captions.
#include "shell/BrandCaptions.h"
#include "shell/LeadingNumber.h"
#include "shell/PortChoices.h"
#include "shell/ProgramInfo.h"

#include "BuildInfo.h"

#include <climits>
#include <gtest/gtest.h>

using namespace kx2;

TEST(LeadingNumber, TakesTheDigitsATextStartsWith)
{
    EXPECT_EQ(LeadingNumber(QStringLiteral("12abc")), 12);
    EXPECT_EQ(LeadingNumber(QStringLiteral("16")), 16);
    EXPECT_EQ(LeadingNumber(QStringLiteral("  7")), 7);
    EXPECT_EQ(LeadingNumber(QStringLiteral("\t42 ")), 42);
    EXPECT_EQ(LeadingNumber(QStringLiteral("0012")), 12);
    EXPECT_EQ(LeadingNumber(QStringLiteral("+5")), 5);
    EXPECT_EQ(LeadingNumber(QStringLiteral("-3x")), -3);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1 6")), 1);
    EXPECT_EQ(LeadingNumber(QStringLiteral("12.7")), 12);
}

TEST(LeadingNumber, NoLeadingDigitsGivesZero)
{
    EXPECT_EQ(LeadingNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(LeadingNumber(QString()), 0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("   ")), 0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("-")), 0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("x12")), 0);
}

TEST(LeadingNumber, HugeNumbersAreClampedNotWrapped)
{
    EXPECT_EQ(LeadingNumber(QStringLiteral("99999999999999999999999")), INT_MAX);
    EXPECT_EQ(LeadingNumber(QStringLiteral("-99999999999999999999999")), INT_MIN);
    EXPECT_EQ(LeadingNumber(QStringLiteral("2147483647")), INT_MAX);
}

TEST(ProgramInfo, TQ7BoxHasItsTitleAndExactPadding)
{
    const ProgramInfo info = MakeProgramInfo(QStringLiteral("ZP1"), 1, 0, 0);
    EXPECT_EQ(info.title, QStringLiteral("TQ7 - Tool"));
    const QStringList lines = info.text.split(QChar(13));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("             Mervenholt Digital                 "));
    EXPECT_EQ(lines[1], QStringLiteral("                            "));
    EXPECT_EQ(lines[2], QStringLiteral("                           TQ7 - Tool     "));
    EXPECT_EQ(lines[3], QString());
    EXPECT_EQ(lines[4], QStringLiteral("                       Version 1.0.0        "));
    EXPECT_EQ(lines[5], QStringLiteral("                            "));
    EXPECT_EQ(lines[0].size(), 13 + 18 + 17);
    EXPECT_EQ(lines[1].size(), 28);
    EXPECT_EQ(lines[2].size(), 27 + 10 + 5);
    EXPECT_FALSE(info.text.contains(QChar(10)));
    EXPECT_FALSE(info.text.endsWith(QChar(13)));
}

TEST(ProgramInfo, KordavinexBoxHasItsTitleAndExactPadding)
{
    const ProgramInfo info = MakeProgramInfo(QStringLiteral("MRV"), 2, 13, 7);
    EXPECT_EQ(info.title, QStringLiteral("Kordavinex II - Tool"));
    const QStringList lines = info.text.split(QChar(13));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[2], QStringLiteral("                    Kordavinex II - Tool     "));
    EXPECT_EQ(lines[4], QString(23, QLatin1Char(' ')) + QStringLiteral("Version 2.13.7") + QString(8, QLatin1Char(' ')));
}

TEST(ProgramInfo, AnyOtherBrandCodeIsTQ7)
{
    for (const char* code : {"", "mrv", "MRV ", "ZP2"})
        EXPECT_EQ(MakeProgramInfo(QString::fromLatin1(code), 1, 0, 0).title, QStringLiteral("TQ7 - Tool")) << code;
}

TEST(ProgramInfo, ThisBuildUsesItsBrandAndVersion)
{
    const ProgramInfo info = BuildProgramInfo();
    const bool kordavinex = QString::fromLatin1(BrandCode) == QLatin1String("MRV");
    EXPECT_EQ(info.title, kordavinex ? QStringLiteral("Kordavinex II - Tool") : QStringLiteral("TQ7 - Tool"));
    EXPECT_TRUE(info.text.contains(QStringLiteral("Version %1.%2.%3 ").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision)));
}

TEST(BrandCaptions, TQ7RenamesEveryEditorsDeviceMenu)
{
    EXPECT_EQ(MainWindowCaption(QStringLiteral("ZP1")), QStringLiteral(" TQ7 - Tool"));
    for (EditorKind e : {EditorKind::Loco, EditorKind::Accessory, EditorKind::Feedback, EditorKind::Routes}) {
        const DeviceMenuCaptions c = EditorDeviceMenuCaptions(QStringLiteral("ZP1"), e);
        EXPECT_EQ(c.menu, QStringLiteral("TQ7"));
        EXPECT_EQ(c.readItem, QStringLiteral("Daten aus der TQ7 lesen"));
        EXPECT_EQ(c.sendItem, QStringLiteral("Daten zur TQ7 senden"));
    }
}

TEST(BrandCaptions, KordavinexRenamesOnlyTheLocoMenu)
{
    EXPECT_EQ(MainWindowCaption(QStringLiteral("MRV")), QStringLiteral(" Kordavinex II - Tool"));
    const DeviceMenuCaptions loco = EditorDeviceMenuCaptions(QStringLiteral("MRV"), EditorKind::Loco);
    EXPECT_EQ(loco.menu, QStringLiteral("Kordavinex"));
    EXPECT_TRUE(loco.readItem.isEmpty());
    EXPECT_TRUE(loco.sendItem.isEmpty());
    for (EditorKind e : {EditorKind::Accessory, EditorKind::Feedback, EditorKind::Routes}) {
        const DeviceMenuCaptions c = EditorDeviceMenuCaptions(QStringLiteral("MRV"), e);
        EXPECT_TRUE(c.menu.isEmpty());
        EXPECT_TRUE(c.readItem.isEmpty());
        EXPECT_TRUE(c.sendItem.isEmpty());
    }
}

TEST(PortChoices, SortedNaturallyWithoutRepeatsSimulatorLast)
{
    const QStringList arranged = ArrangePortChoices({QStringLiteral("COM10"), QStringLiteral("COM9"),
                                                     QStringLiteral("SIM"), QStringLiteral("COM9"), QString(),
                                                     QStringLiteral("COM1")});
    EXPECT_EQ(arranged, (QStringList{QStringLiteral("COM1"), QStringLiteral("COM9"), QStringLiteral("COM10"),
                                     QStringLiteral("SIM")}));
    EXPECT_EQ(ArrangePortChoices({}), QStringList{QStringLiteral("SIM")});
    EXPECT_EQ(SerialPortChoices().last(), QStringLiteral("SIM"));
}
