#include "shell/Cp1252.h"

#include <gtest/gtest.h>

using namespace kx2;

TEST(Cp1252, UmlautsAndSharpSAreSingleBytes)
{
    EXPECT_EQ(toCp1252(QStringLiteral("Gleisüberwachung ß")), QByteArray("Gleis\xFC" "berwachung \xDF"));
    EXPECT_EQ(fromCp1252(QByteArray("\xC4\xD6\xDC\xE4\xF6\xFC\xDF")), QStringLiteral("ÄÖÜäöüß"));
}

TEST(Cp1252, EuroAndQuotesUseTheWindowsRow)
{
    EXPECT_EQ(toCp1252(QStringLiteral("€„“")), QByteArray("\x80\x84\x93"));
    EXPECT_EQ(fromCp1252(QByteArray("\x80\x9F")), QStringLiteral("€Ÿ"));
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(toCp1252(QStringLiteral("Lok ✓ 東")), QByteArray("Lok ? ?"));
    EXPECT_EQ(cp1252Code(QChar(0x2713)), -1);
}

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}
