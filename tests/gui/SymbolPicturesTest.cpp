// The symbol pictures drawn at build time are where the editors look for them: 79 function and
// 26 accessory symbols, each a bitmap that loads.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

TEST(SymbolPictures, AllSeventyNineAndTwentySixAreThereAndLoad)
{
    const QString konf = QCoreApplication::applicationDirPath() + QStringLiteral("/../konf/");
    for (const auto& [folder, count] : {std::pair("Fkt_Symbole", 79), std::pair("Mag_Symbole", 26)}) {
        for (int n = 0; n <= count + 1; ++n) {
            const QString path = konf + QLatin1String(folder) + QStringLiteral("/S%1.bmp").arg(n);
            const bool one = n >= 1 && n <= count;
            EXPECT_EQ(QFileInfo::exists(path), one) << path.toStdString();
            EXPECT_TRUE(!one || !QImage(path, "BMP").isNull()) << path.toStdString();
        }
    }
}
