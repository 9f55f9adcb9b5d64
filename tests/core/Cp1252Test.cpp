#include "shell/Cp1252.h"

#include <gtest/gtest.h>

using namespace kx2;

// Names and texts travel to the command station and into the files as cp1252: umlauts, sharp s,
// the euro sign and the quotes of the Windows row are single bytes, everything else a "?".
TEST(Cp1252, TextsBecomeSingleBytesAndEveryByteComesBack)
{
    EXPECT_EQ(toCp1252(QStringLiteral("Gleisüberwachung ß")), QByteArray("Gleis\xFC" "berwachung \xDF"));
    EXPECT_EQ(fromCp1252(QByteArray("\xC4\xD6\xDC\xE4\xF6\xFC\xDF")), QStringLiteral("ÄÖÜäöüß"));
    EXPECT_EQ(toCp1252(QStringLiteral("€„“")), QByteArray("\x80\x84\x93"));
    EXPECT_EQ(fromCp1252(QByteArray("\x80\x9F")), QStringLiteral("€Ÿ"));
    EXPECT_EQ(toCp1252(QStringLiteral("Lok ✓ 東")), QByteArray("Lok ? ?"));
    EXPECT_EQ(cp1252Code(QChar(0x2713)), -1);
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}
