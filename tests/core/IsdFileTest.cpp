// The ISD file form every database's files share: cp1252, CRLF, a quoted header, one value a line.
#include "records/IsdFile.h"

#include "shell/InputFile.h"
#include "support/FakeDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

const QString kHeader = QStringLiteral("KX2-Lokdaten Version 1.0");

struct IsdFile : ::testing::Test {
    QString write(const QByteArray& bytes)
    {
        const QString p = dir.filePath(QStringLiteral("f%1.isd").arg(++files));
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return p;
    }
    QTemporaryDir dir;
    int files = 0;
};

} // namespace

TEST_F(IsdFile, WriterPutsAQuotedHeaderThenOneValuePerCrlfLineInCp1252)
{
    IsdWriter w(isdHeaderFeedback());
    w.writeCell(5);
    w.writeCell(-2147483647 - 1);
    w.writeCell(std::nullopt);
    w.writeNumber(255);
    w.writeText(QStringLiteral("Weiche \"Größe\""));
    EXPECT_EQ(w.lineCount(), 6);
    EXPECT_EQ(w.data(), QByteArray("\"KX2-R\xFC" "ckmelderdaten Version 1.0\"\r\n5\r\n-2147483648\r\n\r\n255\r\n\"Weiche 'Gr\xF6\xDF" "e'\"\r\n"));
    const QString p = dir.filePath(QStringLiteral("rm.isd"));
    ASSERT_EQ(w.saveTo(p), QString());
    IsdReader r;
    ASSERT_EQ(r.open(p, isdHeaderFeedback()), IsdError::None);
    std::optional<int> v;
    for (std::optional<int> e : {std::optional<int>(5), std::optional<int>(-2147483647 - 1), std::optional<int>(), std::optional<int>(255)}) {
        ASSERT_TRUE(r.readCell(v));
        EXPECT_EQ(v, e);
    }
    QString text;
    ASSERT_TRUE(r.readText(text));
    EXPECT_EQ(text, QStringLiteral("Weiche 'Größe'"));
    EXPECT_FALSE(r.readCell(v)) << "the last line end is no further value";
    EXPECT_EQ(r.error(), IsdError::Read);
}

// Each line: a file's lines after the header and the cells it gives (an empty cell as nullopt)
// before its first read error, at the line named (0: none). Line ends may be CRLF, LF or CR, the
// last one may be missing, blanks around a number are no matter; a value that is no whole number
// is an error, and nothing is handed out after it.
TEST_F(IsdFile, ReaderTakesWholeNumbersWithAnyLineEndAndNothingElse)
{
    const struct {
        QByteArray body;
        std::vector<std::optional<int>> cells;
        int errorLine;
    } rows[] = {
        {"1\n\n2\r3\r\n\r4", {1, std::nullopt, 2, 3, std::nullopt, 4}, 0},
        {"  12 \r\n\t-7\t\r\n   \r\n", {12, -7, std::nullopt}, 0},
        {"2147483647", {2147483647}, 0},
        {"", {}, 0},
    };
    for (const auto& row : rows) {
        IsdReader r;
        ASSERT_EQ(r.open(write("\"KX2-Lokdaten Version 1.0\"\r\n" + row.body), kHeader), IsdError::None);
        std::optional<int> v;
        for (const auto& e : row.cells) {
            ASSERT_TRUE(r.readCell(v)) << r.errorDetail().toStdString();
            EXPECT_EQ(v, e);
        }
        EXPECT_FALSE(r.readCell(v));
    }
    for (const QByteArray& bad : QByteArrayList{"abc", "12abc", "1.5", "\"5\"", "1,2", "-", "1 2", "2147483648",
                                                "99999999999999999999", QByteArray("12\0", 3)}) {
        IsdReader r;
        ASSERT_EQ(r.open(write(QByteArray("\"KX2-Lokdaten Version 1.0\"\r\n7\r\n") + bad + "\r\n8\r\n"), kHeader), IsdError::None);
        std::optional<int> v;
        ASSERT_TRUE(r.readCell(v));
        EXPECT_FALSE(r.readCell(v)) << bad.toStdString();
        EXPECT_EQ(r.error(), IsdError::Read) << bad.toStdString();
        EXPECT_TRUE(r.errorDetail().startsWith(QStringLiteral("Zeile 3"))) << r.errorDetail().toStdString();
        EXPECT_FALSE(r.readCell(v)) << "nothing after an error";
    }
}

// Each line: the first line of a file, what opening it for the locomotive table gives and how
// its detail starts. Like the program's own input routine, an unquoted header reads as the same
// text; a file saved as UTF-8 is named so, not shown as the mark's bytes.
TEST_F(IsdFile, TheHeaderMustBeExactlyTheFileType)
{
    const std::tuple<QByteArray, IsdError, QString> rows[] = {
        {"\"kx2-lokdaten Version 1.0\"\r\n", IsdError::WrongHeader, "Erwartet: \"KX2-Lokdaten Version 1.0\", gefunden: \"kx2-lokdaten Version 1.0\""},
        {"\"KX2-Lokdaten Version 1.0 \"\r\n", IsdError::WrongHeader, "Erwartet: \"KX2-Lokdaten Version 1.0\", gefunden: \"KX2-Lokdaten Version 1.0 \""},
        {"\"KX2-Lokdatensatz Version 1.0\"\r\n", IsdError::WrongHeader, "Erwartet: \"KX2-Lokdaten Version 1.0\", gefunden: \"KX2-Lokdatensatz Version 1.0\""},
        {"\r\n1\r\n", IsdError::WrongHeader, "Erwartet: \"KX2-Lokdaten Version 1.0\", gefunden: \"\""},
        {QByteArray(100, 'x'), IsdError::WrongHeader, "Erwartet: \"KX2-Lokdaten Version 1.0\", gefunden: \"" + QString(39, 'x') + "…\""},
        {"KX2-Lokdaten Version 1.0\r\n", IsdError::None, ""},
        {"", IsdError::Open, "die Datei ist leer"},
        {"\xEF\xBB\xBF\"KX2-Lokdaten Version 1.0\"\r\n", IsdError::Open, "Die Datei beginnt mit einer UTF-8-Kennung (BOM)"},
    };
    for (const auto& [first, error, detail] : rows) {
        IsdReader r;
        EXPECT_EQ(r.open(write(first), kHeader), error) << first.toStdString();
        EXPECT_EQ(r.errorDetail().left(detail.size()), detail) << first.toStdString();
    }
    IsdReader missing;
    EXPECT_EQ(missing.open(dir.filePath(QStringLiteral("fehlt.isd")), kHeader), IsdError::Open);

    FakeDialogs d;
    for (IsdError e : {IsdError::None, IsdError::WrongHeader, IsdError::Open, IsdError::Read})
        showIsdError(d, e);
    ASSERT_EQ(d.messageCount(), 3);
    const char* texts[] = {"Falsches Fileformat", "Fehler beim Öffnen des Files", "Fehler beim Öffnen des Files"};
    for (int k = 0; k < 3; ++k) {
        const auto& box = d.calls[size_t(k)];
        EXPECT_EQ(std::tuple(box.text, box.title, box.icon, box.buttons),
                  std::tuple(QString::fromUtf8(texts[k]), QString("Fehler"), MsgIcon::Critical, MsgButtons::Ok));
    }
}

// Each line: a file's size (zeros, sparse) and why it is not read; "": read whole.
TEST_F(IsdFile, AFileIsReadUpToTheSizeLimitAndRefusedBeyondIt)
{
    const std::pair<qint64, QString> rows[] = {
        {0, ""}, {MaxInputFileBytes, ""}, {MaxInputFileBytes + 1, "Datei zu groß: mehr als 64 MiB"}};
    for (const auto& [size, why] : rows) {
        QFile f(write({}));
        ASSERT_TRUE(f.resize(size));
        const InputFileBytes in = readInputFile(f.fileName());
        EXPECT_EQ(std::pair(in.bytes.size(), in.error), std::pair(why.isEmpty() ? size : 0, why));
    }
}

TEST_F(IsdFile, ASaveThatCannotBeWrittenReportsAndLeavesNothingBehind)
{
    IsdWriter w(kHeader);
    const QString missing = dir.filePath(QStringLiteral("gibtsnicht/x.isd"));
    EXPECT_EQ(w.saveTo(missing), QStringLiteral("Fehler beim Speichern des Files\r") + QDir::toNativeSeparators(missing)
                                     + QStringLiteral("\rOrdner nicht vorhanden"));
    EXPECT_FALSE(QFile::exists(missing));
    const QString blocker = write("kein Ordner");
    EXPECT_FALSE(w.saveTo(blocker + QStringLiteral("/x.isd")).isEmpty());
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("kein Ordner"));
}
