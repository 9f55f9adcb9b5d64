// The symbol pictures drawn at build time must be where the editors look for them, in the
// size of a grid cell, and each one must be a picture of its own.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QString>

namespace {

struct PictureSet
{
    const char* folder;
    int count;
};

const PictureSet FunctionSet{"Fkt_Symbole", 79};
const PictureSet AccessorySet{"Mag_Symbole", 26};

// The test program lives in build/tests, the pictures in build/konf.
QString konfDir()
{
    return QDir(QCoreApplication::applicationDirPath() + "/../konf").absolutePath();
}

QString picturePath(const PictureSet& set, int number)
{
    return konfDir() + "/" + set.folder + "/S" + QString::number(number) + ".bmp";
}

QImage loadPicture(const PictureSet& set, int number)
{
    QImage img(picturePath(set, number), "BMP");
    return img.convertToFormat(QImage::Format_RGB32);
}

// Luminance of a pixel, 0..255.
int lightness(QRgb c) { return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000; }

void expectWholeSet(const PictureSet& set)
{
    QSet<QByteArray> seen;
    for (int n = 1; n <= set.count; ++n) {
        SCOPED_TRACE(picturePath(set, n).toStdString());
        ASSERT_TRUE(QFile::exists(picturePath(set, n)));
        const QImage img = loadPicture(set, n);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), 39);
        EXPECT_EQ(img.height(), 39);

        int dark = 0, light = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const int l = lightness(img.pixel(x, y));
                dark += l < 80;
                light += l > 200;
            }
        EXPECT_GE(dark, 20) << "too little drawn to be seen";
        EXPECT_GE(light, 200) << "no light background left";

        const QByteArray bits(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes()));
        EXPECT_FALSE(seen.contains(bits)) << "picture " << n << " repeats an earlier one";
        seen.insert(bits);
    }
}

TEST(SymbolPictures, FunctionSymbolsOneToSeventyNineAreDistinctCellSizedPictures)
{
    expectWholeSet(FunctionSet);
}

TEST(SymbolPictures, AccessorySymbolsOneToTwentySixAreDistinctCellSizedPictures)
{
    expectWholeSet(AccessorySet);
}

TEST(SymbolPictures, AccessoryPicturesSurviveTheLowAccessoryRows)
{
    // Accessory and feedback rows are 29 px high, the chooser's 27 px: a centred 39 px picture
    // loses 6 rows at top and bottom, so nothing may be drawn there.
    for (int n = 1; n <= AccessorySet.count; ++n) {
        SCOPED_TRACE(picturePath(AccessorySet, n).toStdString());
        const QImage img = loadPicture(AccessorySet, n);
        ASSERT_EQ(img.height(), 39);
        int drawnOutside = 0;
        for (int y = 0; y < img.height(); ++y) {
            if (y >= 6 && y <= 32)
                continue;
            for (int x = 0; x < img.width(); ++x)
                drawnOutside += lightness(img.pixel(x, y)) < 200;
        }
        EXPECT_EQ(drawnOutside, 0);
    }
}

TEST(SymbolPictures, PicturesAreTwentyFourBitBitmaps)
{
    // The editors load plain Windows bitmaps; 24 bits per pixel, no palette, no alpha.
    for (const PictureSet& set : {FunctionSet, AccessorySet}) {
        QFile f(picturePath(set, 1));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
        const QByteArray head = f.read(30);
        ASSERT_EQ(head.size(), 30);
        EXPECT_EQ(head.left(2), QByteArray("BM"));
        const int bitsPerPixel = quint8(head[28]) | (quint8(head[29]) << 8);
        EXPECT_EQ(bitsPerPixel, 24);
    }
}

TEST(SymbolPictures, NoPictureBeyondTheLastNumber)
{
    // Symbol 0 means "no picture", and the sets end at 79 and 26: the editors show their
    // text or an empty cell for those numbers, never a picture.
    EXPECT_FALSE(QFile::exists(konfDir() + "/Fkt_Symbole/S0.bmp"));
    EXPECT_FALSE(QFile::exists(konfDir() + "/Fkt_Symbole/S80.bmp"));
    EXPECT_FALSE(QFile::exists(konfDir() + "/Mag_Symbole/S0.bmp"));
    EXPECT_FALSE(QFile::exists(konfDir() + "/Mag_Symbole/S27.bmp"));
}

} // namespace
