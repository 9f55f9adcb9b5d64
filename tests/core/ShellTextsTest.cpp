// Leading and exact numbers, the program information box, the brand captions and the
// port choices. (The windows' fixed texts: WindowTextsTest.)
#include "shell/BrandCaptions.h"
#include "shell/AddressRange.h"
#include "shell/ExactNumber.h"
#include "shell/LeadingNumber.h"
#include "shell/PortChoices.h"
#include "shell/ProgramInfo.h"

#include "BuildInfo.h"

#include <climits>
#include <gtest/gtest.h>

using namespace kx2;

TEST(leadingNumber, TakesTheDigitsATextStartsWithAndZeroWithoutAny)
{
    const std::pair<const char*, int> rows[] = {
        {"12abc", 12}, {"16", 16},  {"  7", 7}, {"\t42 ", 42}, {"0012", 12}, {"+5", 5}, {"-3x", -3}, {"1 6", 1},
        {"12.7", 12},  {"abc", 0},  {"", 0},    {"   ", 0},    {"-", 0},     {"x12", 0}, {"2147483647", INT_MAX},
        {"2147483648", INT_MAX}, {"99999999999999999999999", INT_MAX}, {"-99999999999999999999999", INT_MIN}};
    for (const auto& [text, n] : rows)
        EXPECT_EQ(leadingNumber(QString::fromLatin1(text)), n) << text;
}

// Each row: a typed text, the whole number, the number where codes may be hex, the seconds it
// is (none: refused). Only a text that is the number all through is one.
TEST(ExactNumber, OnlyATextThatIsTheNumberAllThroughIsOne)
{
    const struct {
        const char* text;
        std::optional<long long> whole, orHex;
        std::optional<double> seconds;
    } rows[] = {
        {"16", 16, 16, 16.0}, {" 7\t", 7, 7, 7.0}, {"0012", 12, 12, 12.0}, {"-3", -3, -3, {}}, {"0x42", {}, 0x42, {}},
        {"0X7f", {}, 0x7F, {}}, {"0.25", {}, {}, 0.25}, {"1200000000", 1200000000, 1200000000, 1.2e9},
        {"1e3", {}, {}, {}}, {"20,5", {}, {}, {}}, {"12abc", {}, {}, {}}, {" ", {}, {}, {}}, {"", {}, {}, {}},
        {"+5", {}, {}, {}}, {"-", {}, {}, {}}, {"1 6", {}, {}, {}}, {"0x", {}, {}, {}}, {"0x4g", {}, {}, {}},
        {"1.", {}, {}, {}}, {".5", {}, {}, {}}, {"1.2.3", {}, {}, {}}, {"999999999999999", 999999999999999LL,
        999999999999999LL, 999999999999999.0}, {"1234567890123456", {}, {}, {}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(std::tuple(wholeNumber(r.text), wholeNumberOrHex(r.text), decimalNumber(r.text)),
                  std::tuple(r.whole, r.orHex, r.seconds)) << r.text;
}

// A typed range is whole numbers within 1..the highest address, the first not above the last.
TEST(AddressRange, TypedRangesWithinTheirLimitsOnly)
{
    const struct {
        const char *from, *to;
        std::optional<AddressRange> range;
    } rows[] = {{"1", "2048", AddressRange{1, 2048}}, {"2048", "2048", AddressRange{2048, 2048}}, {"0", "16", {}},
                {"1", "2049", {}}, {"17", "16", {}}, {"", "16", {}}, {"1", "", {}}, {"1e3", "2000", {}}};
    for (const auto& r : rows)
        EXPECT_EQ(parseAddressRange(r.from, r.to, 2048), r.range) << r.from << ".." << r.to;
}

// The box's six lines: the maker (13 blanks before, 17 after), 28 blanks, the product line (20 or
// 27 blanks before, 5 after), an empty line, the version (23 blanks before, 8 after), 28 blanks;
// carriage returns between them. Any brand code but "MRV" is the TQ7.
TEST(ProgramInfo, TitleAndLinesFollowTheBrandWithTheirExactBlanks)
{
    const ProgramInfo tq7 = makeProgramInfo(QStringLiteral("ZP1"), 1, 0, 0);
    EXPECT_EQ(tq7.title, QStringLiteral("TQ7 - Tool"));
    EXPECT_EQ(tq7.text.split(QChar(13)),
              (QStringList{"             Mervenholt Digital                 ", QString(28, ' '),
                           "                           TQ7 - Tool     ", "", "                       Version 1.0.0        ",
                           QString(28, ' ')}));
    EXPECT_EQ(makeProgramInfo(QStringLiteral("MRV"), 2, 13, 7).text.split(QChar(13)).mid(2, 3),
              (QStringList{"                    Kordavinex II - Tool     ", "", "                       Version 2.13.7        "}));
    EXPECT_EQ(makeProgramInfo(QStringLiteral("mrv"), 1, 0, 0).title, QStringLiteral("TQ7 - Tool"));
    const ProgramInfo built = buildProgramInfo();
    EXPECT_EQ(built.title, QString::fromLatin1(BrandCode) == QLatin1String("MRV") ? "Kordavinex II - Tool" : "TQ7 - Tool");
    EXPECT_TRUE(built.text.contains(QStringLiteral("Version %1.%2.%3 ").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision)));
}

// The TQ7 renames every editor's device menu; the Kordavinex keeps the designed captions and only
// names the locomotive editor's menu.
TEST(BrandCaptions, TheTQ7RenamesEveryDeviceMenuTheKordavinexOnlyTheLocomotives)
{
    EXPECT_EQ(mainWindowCaption(QStringLiteral("ZP1")), QStringLiteral(" TQ7 - Tool"));
    EXPECT_EQ(mainWindowCaption(QStringLiteral("MRV")), QStringLiteral(" Kordavinex II - Tool"));
    for (EditorKind e : {EditorKind::Loco, EditorKind::Accessory, EditorKind::Feedback, EditorKind::Routes}) {
        const DeviceMenuCaptions tq7 = editorDeviceMenuCaptions(QStringLiteral("ZP1"), e);
        EXPECT_EQ(std::tuple(tq7.menu, tq7.readItem, tq7.sendItem),
                  std::tuple(QString("TQ7"), QString("Daten aus der TQ7 lesen"), QString("Daten zur TQ7 senden")));
        const DeviceMenuCaptions mrv = editorDeviceMenuCaptions(QStringLiteral("MRV"), e);
        EXPECT_EQ(std::tuple(mrv.menu, mrv.readItem, mrv.sendItem),
                  std::tuple(e == EditorKind::Loco ? QString("Kordavinex") : QString(), QString(), QString()));
    }
}

TEST(PortChoices, SortedNaturallyWithoutRepeatsSimulatorLast)
{
    EXPECT_EQ(arrangePortChoices({"COM10", "COM9", "SIM", "COM9", QString(), "COM1"}),
              (QStringList{"COM1", "COM9", "COM10", "SIM"}));
    EXPECT_EQ(arrangePortChoices({}), QStringList{QStringLiteral("SIM")});
    EXPECT_EQ(serialPortChoices().last(), QStringLiteral("SIM"));
}
