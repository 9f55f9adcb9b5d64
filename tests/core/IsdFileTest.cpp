#include "dbproto/IsdFile.h"

#include "support/LocoFakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>


using namespace kx2;

namespace {

class IsdFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString write(const char* name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray readAll(const QString& p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

const QString kHeader = QStringLiteral("KX2-Lokdaten Version 1.0");

} // namespace

TEST_F(IsdFileTest, WriterPutsQuotedHeaderThenOneValuePerCrlfLine)
{
    IsdWriter w(kHeader);
    w.writeCell(5);
    w.writeCell(-3);
    w.writeCell(std::nullopt);
    w.writeNumber(255);
    w.writeText(QStringLiteral("Größe"));
    EXPECT_EQ(w.lineCount(), 6);
    EXPECT_EQ(w.data(), QByteArray("\"KX2-Lokdaten Version 1.0\"\r\n5\r\n-3\r\n\r\n255\r\n\"Gr\xF6\xDF" "e\"\r\n"));
}

TEST_F(IsdFileTest, HeaderWithUmlautIsWrittenAndComparedInCp1252)
{
    const QString p = path("rm.isd");
    IsdWriter w(IsdHeaderFeedback());
    w.writeCell(1);
    ASSERT_EQ(w.saveTo(p), QString());
    EXPECT_TRUE(readAll(p).startsWith("\"KX2-R\xFC" "ckmelderdaten Version 1.0\"\r\n"));
    IsdReader r;
    EXPECT_EQ(r.open(p, IsdHeaderFeedback()), IsdError::None);
}

TEST_F(IsdFileTest, RoundTripOfCellsAndTexts)
{
    const QString p = path("a.isd");
    IsdWriter w(kHeader);
    w.writeCell(0);
    w.writeCell(std::nullopt);
    w.writeCell(2147483647);
    w.writeCell(-2147483647 - 1);
    w.writeText(QStringLiteral("Weiche \"links\""));
    ASSERT_EQ(w.saveTo(p), QString());

    IsdReader r;
    ASSERT_EQ(r.open(p, kHeader), IsdError::None);
    std::optional<int> v;
    ASSERT_TRUE(r.readCell(v));
    EXPECT_EQ(v, 0);
    ASSERT_TRUE(r.readCell(v));
    EXPECT_FALSE(v);
    ASSERT_TRUE(r.readCell(v));
    EXPECT_EQ(v, 2147483647);
    ASSERT_TRUE(r.readCell(v));
    EXPECT_EQ(v, -2147483647 - 1);
    QString text;
    ASSERT_TRUE(r.readText(text));
    EXPECT_EQ(text, QStringLiteral("Weiche 'links'"));
    // The line end of the last line is no further (empty) value.
    EXPECT_FALSE(r.readCell(v));
    EXPECT_EQ(r.error(), IsdError::Read);
}

TEST_F(IsdFileTest, ReaderAcceptsLfCrAndAMissingLastLineEnd)
{
    const QString p = write("lf.isd", "\"KX2-Lokdaten Version 1.0\"\n1\n\n2\r3\r\n\r4");
    IsdReader r;
    ASSERT_EQ(r.open(p, kHeader), IsdError::None);
    std::optional<int> v;
    const std::optional<int> expected[] = {1, std::nullopt, 2, 3, std::nullopt, 4};
    for (const auto& e : expected) {
        ASSERT_TRUE(r.readCell(v)) << r.errorDetail().toStdString();
        EXPECT_EQ(v, e);
    }
    EXPECT_FALSE(r.readCell(v));
}

TEST_F(IsdFileTest, BlanksAroundNumbersAreAcceptedAndBlankLinesAreEmptyCells)
{
    const QString p = write("b.isd", "\"KX2-Lokdaten Version 1.0\"\r\n  12 \r\n\t-7\t\r\n   \r\n");
    IsdReader r;
    ASSERT_EQ(r.open(p, kHeader), IsdError::None);
    std::optional<int> v;
    ASSERT_TRUE(r.readCell(v));
    EXPECT_EQ(v, 12);
    ASSERT_TRUE(r.readCell(v));
    EXPECT_EQ(v, -7);
    ASSERT_TRUE(r.readCell(v));
    EXPECT_FALSE(v);
}

TEST_F(IsdFileTest, ValuesThatAreNoWholeNumberAreReadErrors)
{
    const char* bad[] = {"abc", "12abc", "1.5", "\"5\"", "1,2", "-", "1 2", "2147483648", "99999999999999999999"};
    for (const char* b : bad) {
        const QString p = write("bad.isd", QByteArray("\"KX2-Lokdaten Version 1.0\"\r\n7\r\n") + b + "\r\n");
        IsdReader r;
        ASSERT_EQ(r.open(p, kHeader), IsdError::None);
        std::optional<int> v;
        ASSERT_TRUE(r.readCell(v));
        EXPECT_FALSE(r.readCell(v)) << b;
        EXPECT_EQ(r.error(), IsdError::Read) << b;
        EXPECT_TRUE(r.errorDetail().startsWith(QStringLiteral("Zeile 3"))) << r.errorDetail().toStdString();
        // Nothing more is handed out after an error.
        EXPECT_FALSE(r.readCell(v));
    }
}

TEST_F(IsdFileTest, HeaderComparisonIsExactAndCaseSensitive)
{
    IsdReader r1;
    EXPECT_EQ(r1.open(write("h1.isd", "\"kx2-lokdaten Version 1.0\"\r\n"), kHeader), IsdError::WrongHeader);
    IsdReader r2;
    EXPECT_EQ(r2.open(write("h2.isd", "\"KX2-Lokdaten Version 1.0 \"\r\n"), kHeader), IsdError::WrongHeader);
    IsdReader r3;
    EXPECT_EQ(r3.open(write("h3.isd", "\"KX2-Lokdatensatz Version 1.0\"\r\n"), kHeader), IsdError::WrongHeader);
    IsdReader r4;
    EXPECT_EQ(r4.open(write("h4.isd", "\r\n1\r\n"), kHeader), IsdError::WrongHeader);
    // Like the program's own input routine, an unquoted header line reads as the same text.
    IsdReader r5;
    EXPECT_EQ(r5.open(write("h5.isd", "KX2-Lokdaten Version 1.0\r\n"), kHeader), IsdError::None);
}

TEST_F(IsdFileTest, MissingOrEmptyFileIsAnOpenError)
{
    IsdReader r1;
    EXPECT_EQ(r1.open(path("fehlt.isd"), kHeader), IsdError::Open);
    IsdReader r2;
    EXPECT_EQ(r2.open(write("leer.isd", ""), kHeader), IsdError::Open);
}

TEST_F(IsdFileTest, ErrorsShowTheProgramsMessages)
{
    test::LocoScriptedDialogs d;
    ShowIsdError(d, IsdError::None);
    ShowIsdError(d, IsdError::WrongHeader);
    ShowIsdError(d, IsdError::Open);
    ShowIsdError(d, IsdError::Read);
    ASSERT_EQ(d.boxes.size(), 3u);
    EXPECT_EQ(d.boxes[0].text, QStringLiteral("Falsches Fileformat"));
    EXPECT_EQ(d.boxes[1].text, QStringLiteral("Fehler beim Öffnen des Files"));
    EXPECT_EQ(d.boxes[2].text, QStringLiteral("Fehler beim Öffnen des Files"));
    for (const auto& b : d.boxes) {
        EXPECT_EQ(b.title, QStringLiteral("Fehler"));
        EXPECT_EQ(b.icon, MsgIcon::Critical);
        EXPECT_EQ(b.buttons, MsgButtons::Ok);
    }
}

TEST_F(IsdFileTest, SaveIntoMissingFolderReportsAndCreatesNothing)
{
    IsdWriter w(kHeader);
    const QString p = path("gibtsnicht/x.isd");
    const QString error = w.saveTo(p);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Fehler beim Speichern des Files"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(p));
}

TEST_F(IsdFileTest, SaveBelowARegularFileReports)
{
    const QString blocker = write("datei", "kein Ordner");
    IsdWriter w(kHeader);
    EXPECT_FALSE(w.saveTo(blocker + QStringLiteral("/x.isd")).isEmpty());
    EXPECT_EQ(readAll(blocker), QByteArray("kein Ordner"));
}

