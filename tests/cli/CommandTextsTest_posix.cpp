#include "cli/Commands.h"
#include "shell/InputFile.h"
#include "support/MarkingTranslator.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdio>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using kx2::test::MarkingTranslator;

// What kx2ctl printed on stdout and stderr, caught at the file descriptors.
QString runCaught(const QStringList& args)
{
    QTemporaryFile caught;
    if (!caught.open())
        return {};
    std::fflush(stdout);
    std::fflush(stderr);
    const int out = dup(1);
    const int err = dup(2);
    dup2(caught.handle(), 1);
    dup2(caught.handle(), 2);
    kx2::cli::runCommandLine(args);
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(out, 1);
    dup2(err, 2);
    close(out);
    close(err);
    caught.seek(0);
    return QString::fromUtf8(caught.readAll());
}

// What did not pass through the translation: marked texts are taken out, the innermost first (a
// marked text may carry another as its argument, and span lines).
QString unmarked(QString output)
{
    static const QRegularExpression marked(QStringLiteral("\u27E6[^\u27E6\u27E7]*\u27E7"));
    while (output.contains(marked))
        output.remove(marked);
    return output;
}

// The words a line still holds. Data stays as it is: options and value names ("--port <port>"),
// numbers, paths and names with digits or dots, the words of the call (database names) and of
// the files (headers, names) and the wire's own words.
QStringList unmarkedWords(const QString& line, const QSet<QString>& data)
{
    static const QRegularExpression word(QStringLiteral("^[A-Za-zÄÖÜäöüß]{2,}$"));
    QStringList words;
    for (QString token : line.split(QRegularExpression(QStringLiteral("[\\s,;:()\\[\\]\"'|=]+")), Qt::SkipEmptyParts)) {
        if (token.startsWith(QLatin1Char('-')) || token.startsWith(QLatin1Char('<')))
            continue;
        if (token.endsWith(QLatin1Char('.')) || token.endsWith(QLatin1Char('!')) || token.endsWith(QLatin1Char('?')))
            token.chop(1);
        if (word.match(token).hasMatch() && !data.contains(token))
            words << token;
    }
    return words;
}

QSet<QString> wordsOf(const QStringList& texts)
{
    QSet<QString> words;
    for (const QString& t : texts)
        for (const QString& w : t.split(QRegularExpression(QStringLiteral("[^A-Za-zÄÖÜäöüß]+")), Qt::SkipEmptyParts))
            words << w;
    return words;
}

class CommandTexts : public ::testing::Test {
protected:
    void SetUp() override { QCoreApplication::installTranslator(&m_marking); }
    void TearDown() override { QCoreApplication::removeTranslator(&m_marking); }

    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    // The station's words: what the files written so far hold.
    QStringList fileTexts() const
    {
        QStringList texts;
        for (const char* name : {"a.isd", "b.csv"}) {
            QFile f(path(name));
            if (f.open(QIODevice::ReadOnly))
                texts << QString::fromLatin1(f.readAll());
        }
        return texts;
    }

    MarkingTranslator m_marking;
    QTemporaryDir m_dir;
};

TEST_F(CommandTexts, EveryWordACommandPrintsPassesThroughTheTranslation)
{
    const QString a = path("a.isd");
    const QString csv = path("b.csv");
    QFile bad(csv);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("Adresse;Symbol\r\n1;99\r\n");
    bad.close();
    const QString plan = path("plan.xml");
    QFile list(plan);
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("<plan><lclist><lc id=\"123456789012345678901234\" addr=\"9\"/></lclist></plan>");
    list.close();
    const QStringList port{"--port", "SIM", "--sim-state", path("station.state")};
    // In this order: the reads make the file the later rows use.
    const std::vector<QStringList> calls = {
        {},
        {"--help"},
        {"--version"},
        {"bogus"},
        {"read"},
        {"read", "loco"},
        QStringList{"read", "acc", "--from", "0", "--to", "5", "-o", a} + port,
        QStringList{"read", "acc", "--from", "1", "--to", "1e3", "-o", a} + port,
        QStringList{"read", "acc", "--from", "1", "--to", "3", "-o", a} + port,
        QStringList{"send", "acc", "-i", a} + port,
        QStringList{"send", "acc", "-i", a, "--yes", "--verify"} + port,
        {"send", "acc"},
        {"show", a},
        {"show", a, "--bogus"},
        {"show", path("missing.isd")},
        {"diff", a, a},
        {"diff", a},
        {"import-csv", "acc", csv, "-i", a, "-o", path("n.isd")},
        {"import-csv"},
        {"read", "loco", "-o", path("l.isd"), "--port", "SIM", "--sim-state", path("station.state")},
        {"import-roster", plan, "-i", path("l.isd"), "-o", path("n.isd")},
        {"import-roster", plan, "-i", path("l.isd"), "-o", path("n.isd"), "--shorten"},
        {"import-roster", csv, "-i", path("l.isd"), "-o", path("n.isd")},
        {"import-roster"},
        {"export-roster", path("l.isd"), "-o", path("jmri")},
        {"export-roster", a, "-o", path("jmri")},
        {"backup"},
        {"restore"},
        {"sim"},
        {"sim", "--answer-delay", "x", "--pty", path("tty")},
        {"loconet", "B4"},
        {"read", "--help"},
        {"send", "--help"},
        {"show", "--help"},
        {"backup", "--help"},
        {"restore", "--help"},
        {"diff", "--help"},
        {"import-csv", "--help"},
        {"import-roster", "--help"},
        {"export-roster", "--help"},
        {"loconet", "--help"},
        {"monitor", "--help"},
        {"sim", "--help"},
        {"read", "acc", "--bogus"},
    };
    for (const QStringList& call : calls) {
        const QString rest = unmarked(runCaught(call));
        // The wire's directions, program, brand and maker names and a data format are the same in every language.
        const QSet<QString> names{"TX", "RX", "kx2ctl", "sim", "DCC", "Qt", "Tool", "Mervenholt", "Digital"};
        const QSet<QString> data = wordsOf(call + fileTexts()) + names;
        for (const QString& line : rest.split(QLatin1Char('\n')))
            EXPECT_EQ(unmarkedWords(line, data).join(QLatin1Char(' ')).toStdString(), "")
                << call.join(QLatin1Char(' ')).toStdString() << ": " << line.toStdString();
    }
}

// Each line: a thing that is no file to read and why kx2ctl refuses it. Every command that reads a
// file refuses it at once, also as a backup's file (a pipe made them wait, /dev/zero filled memory).
TEST(SpecialInputs, EveryCommandRefusesWhatIsNoPlainFileAtOnce)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.isd"), x = dir.filePath("x"), backup = dir.filePath("sicherung");
    const QStringList port{"--port", "SIM", "--sim-state", dir.filePath("station.state")};
    runCaught(QStringList{"read", "acc", "--from", "1", "--to", "1", "-o", a} + port);
    ASSERT_TRUE(QDir().mkpath(backup) && QFile::link(x, backup + "/sicherung.txt"));
    const std::pair<std::function<bool(const char*)>, const char*> kinds[] = {
        {[](const char* p) { return mkfifo(p, 0600) == 0; }, "keine gewöhnliche Datei"},
        {[](const char* p) { return symlink("/dev/zero", p) == 0; }, "keine gewöhnliche Datei"},
        {[](const char* p) { return mkdir(p, 0700) == 0; }, "ist ein Ordner"},
        {[](const char* p) { QFile f(p); return f.open(QIODevice::WriteOnly) && f.resize(kx2::MaxInputFileBytes + 1); },
         "Datei zu groß"},
    };
    for (const auto& [make, why] : kinds) {
        std::remove(QFile::encodeName(x).constData());
        ASSERT_TRUE(make(QFile::encodeName(x).constData())) << why;
        for (const QStringList& call : {QStringList{"show", x}, {"diff", a, x}, QStringList{"send", "acc", "-i", x} + port,
                                        {"import-csv", "acc", x, "-i", a, "-o", dir.filePath("n.isd")},
                                        {"import-csv", "acc", a, "-i", x, "-o", dir.filePath("n.isd")},
                                        {"import-roster", x, "-i", a, "-o", dir.filePath("n.isd")},
                                        QStringList{"restore", "-d", backup} + port})
            EXPECT_TRUE(runCaught(call).contains(QString::fromUtf8(why))) << call.join(' ').toStdString() << ": " << why;
    }
}

} // namespace
