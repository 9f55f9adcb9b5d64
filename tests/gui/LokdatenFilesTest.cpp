// The editor's file menu: what the window does around the files (their contents: LocoFilesTest).
#include "LokdatenRig.h"

#include "records/IsdFile.h"
#include "loco/LocoFiles.h"

#include <QAction>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace kx2;
using kx2::test::LokdatenRig;
using kx2::test::putLoco;

namespace {

struct FileRig : LokdatenRig {
    FileRig()
    {
        putLoco(ctx.loco, 0, 3, QStringLiteral("BR 03"));
        putLoco(ctx.loco, 1, 38, QStringLiteral("Köf II"));
        putLoco(ctx.loco, 2, 75, QStringLiteral("E 94"));
        open();
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void menu(const char* name) { frm.menuItem(QString::fromLatin1(name))->trigger(); }
    QTemporaryDir dir;
};

} // namespace

// A load that is cancelled or refused leaves the grid as it was and the editor usable; a load
// that succeeds rebuilds it from the file's table, after the load's pause.
TEST(LokdatenFiles, OnlyATakenFileRebuildsTheGrid)
{
    FileRig rig;
    LocoTable other;
    other.markAllForDeviceRead();
    putLoco(other, 4, 120, QStringLiteral("V 200"));
    ASSERT_EQ(locoTableFile(other, StoredSerial()).saveTo(rig.path("andere.ISD")), QString());
    ASSERT_EQ(locoRecordFile(rig.ctx.loco, 0).saveTo(rig.path("satz.ISD")), QString());
    const int builds = rig.frm.rebuildCount();
    rig.files.cancelNext();
    rig.menu("LadenMenu");
    rig.files.chooseNext(rig.path("satz.ISD"));
    rig.menu("LadenMenu");
    ASSERT_EQ(rig.dialogs.messageCount(), 1);
    EXPECT_EQ(rig.dialogs.last().text, QStringLiteral("Falsches Fileformat") + QChar(13)
                                           + "Erwartet: \"KX2-Lokdaten Version 1.0\", gefunden: \"KX2-Lokdatensatz Version 1.0\"");
    EXPECT_EQ(rig.frm.rebuildCount(), builds);
    EXPECT_FALSE(rig.frm.Busy());
    rig.click(2, 2);
    EXPECT_TRUE(rig.inp()->isVisible()) << "clicks work as before";
    rig.nameKey(Qt::Key_Return);

    const double pausedBefore = rig.ctx.link.pausedSeconds();
    rig.files.chooseNext(rig.path("andere.ISD"));
    rig.menu("LadenMenu");
    EXPECT_GE(rig.ctx.link.pausedSeconds() - pausedBefore, 0.3);
    EXPECT_EQ(rig.frm.rebuildCount(), builds + 1);
    EXPECT_EQ(std::tuple(rig.grid()->Rows(), rig.grid()->TextMatrix(1, 2), rig.grid()->RowData(1)), std::tuple(3, QString("V 200"), 4));
    EXPECT_EQ(std::pair(rig.ctx.LocoGridLoaded, rig.frm.Busy()), std::pair(1, false));
}

// A save takes the name still being typed; one record is saved by the click after the armed
// message (a click on the address then saves, not deletes), and the entry line has no record.
TEST(LokdatenFiles, SavesTakeTheNameBeingTypedAndOneRecordIsTheNextLineClicked)
{
    FileRig rig;
    rig.click(2, 2);
    rig.typeName(QStringLiteral("Köf III"));
    rig.files.chooseNext(rig.path("alle.ISD"));
    rig.menu("SpeichernMenu");
    LocoTable back;
    StoredSerial serial;
    ASSERT_TRUE(loadLocoTableFile(rig.path("alle.ISD"), back, serial).ok());
    EXPECT_EQ(back.ReadLokname(1), QStringLiteral("Köf III"));

    rig.dialogs.answerNext(MsgAnswer::Cancel);
    rig.menu("DS_SpeichernMenu");
    EXPECT_EQ(std::tuple(rig.dialogs.last().text, rig.dialogs.last().title, rig.dialogs.last().buttons),
              std::tuple(QString("Klicken Sie den Datensatz an, der gespeichert werden soll!"), QString("einen Datensatz speichern"),
                         MsgButtons::OkCancel));
    EXPECT_FALSE(rig.frm.SaveRecordPending);
    rig.menu("DS_SpeichernMenu");
    EXPECT_TRUE(rig.frm.SaveRecordPending);
    rig.files.chooseNext(rig.path("einer.ISD"));
    rig.clickAddress(3);
    EXPECT_FALSE(rig.frm.SaveRecordPending);
    EXPECT_EQ(rig.dialogs.messageCount(), 2) << "no question to delete";
    LocoRow row;
    ASSERT_TRUE(readLocoRecordFile(rig.path("einer.ISD"), row).ok());
    for (int col = 0; col < LocoTable::Cols; ++col)
        ASSERT_EQ(row[size_t(col)], rig.ctx.loco.cell(2, col)) << col;
    rig.click(1, 2);
    EXPECT_EQ(rig.files.calls.size(), 2u) << "the next click is an ordinary one again";
    EXPECT_TRUE(rig.inp()->isVisible());
    rig.nameKey(Qt::Key_Return);

    rig.menu("DS_SpeichernMenu");
    rig.click(4, 1);
    EXPECT_EQ(rig.dialogs.last().text, QStringLiteral("Datensatz nicht gefunden!"));
    EXPECT_EQ(rig.files.calls.size(), 2u);
}

TEST(LokdatenFiles, ClearingEmptiesTableAndGridWithoutAQuestion)
{
    FileRig rig;
    rig.ctx.loco.set(1, LocoTable::FormatCode, 83);
    rig.frm.markTableUnchanged(); // as read: a table with unsaved changes asks first
    rig.click(2, 2);
    rig.menu("ClrTabMenu");
    EXPECT_TRUE(rig.dialogs.calls.empty());
    EXPECT_EQ(std::tuple(rig.ctx.loco.status(1), rig.ctx.loco.value(1, 32), rig.ctx.loco.value(1, LocoTable::FormatCode)),
              std::tuple(255, 255, 83));
    EXPECT_EQ(std::tuple(rig.grid()->Rows(), rig.grid()->RowData(1), rig.grid()->Row(), rig.grid()->Col()), std::tuple(2, -1, 1, 1));
    EXPECT_EQ(std::tuple(rig.inp()->isVisible(), rig.ctx.EditRow, rig.ctx.LocoGridLoaded, rig.frm.Busy()), std::tuple(false, 0, 1, false));
}

// A record whose address is taken: cancelled, nothing is inserted and the grid stays; with a free
// address it is inserted and the grid rebuilt with its line.
TEST(LokdatenFiles, ARecordWhoseAddressIsTakenRebuildsOnlyOnceInserted)
{
    FileRig rig;
    ASSERT_EQ(locoRecordFile(rig.ctx.loco, 1).saveTo(rig.path("einer.ISD")), QString());
    const int builds = rig.frm.rebuildCount();
    rig.files.chooseNext(rig.path("einer.ISD"));
    rig.dialogs.answerNext(MsgAnswer::Cancel);
    rig.menu("DS_LadenMenu");
    EXPECT_EQ(std::tuple(rig.dialogs.messageCount(), rig.frm.rebuildCount(), rig.frm.Busy()), std::tuple(2, builds, false));
    rig.files.chooseNext(rig.path("einer.ISD"));
    rig.dialogs.inputNext(QStringLiteral("39"));
    rig.menu("DS_LadenMenu");
    EXPECT_EQ(rig.frm.rebuildCount(), builds + 1);
    EXPECT_EQ(std::tuple(rig.grid()->Rows(), rig.grid()->TextMatrix(4, 0), rig.grid()->TextMatrix(4, 2)),
              std::tuple(6, QString("39"), QString("Köf II")));
    EXPECT_FALSE(rig.frm.Busy());
}

// "Als PDF speichern..." writes the table with the station in the heading; "CSV importieren..."
// takes a file's names into the grid, a refused file is told with its line.
TEST(LokdatenFiles, PdfHoldsTheTableAndCsvImportShowsInTheGrid)
{
    FileRig rig;
    rig.ctx.storedSerial.set(1, 7), rig.ctx.storedSerial.set(2, 0x41), rig.ctx.storedSerial.set(3, 2), rig.ctx.storedSerial.set(4, 3);
    rig.files.chooseNext(rig.path("lok.pdf"));
    rig.menu("PdfMenu");
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF's text cannot be checked";
    QProcess text;
    text.start(pdftotext, {rig.path("lok.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* word : {"BR 03", "Köf II", "E 94", "Zentrale 1200147719"})
        EXPECT_TRUE(words.contains(QString::fromUtf8(word))) << word << " in " << words.toStdString();

    QFile csv(rig.path("lok.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("Adresse;Name\n38;V 60\n");
    csv.close();
    rig.files.chooseNext(rig.path("lok.csv"));
    rig.menu("CsvImportMenu");
    EXPECT_EQ(std::tuple(rig.grid()->TextMatrix(2, 2), rig.ctx.loco.status(1)), std::tuple(QString("V 60"), LocoTable::StatusChanged));
    ASSERT_TRUE(csv.open(QIODevice::Append));
    csv.write("99;X\n");
    csv.close();
    rig.files.chooseNext(rig.path("lok.csv"));
    rig.menu("CsvImportMenu");
    EXPECT_TRUE(rig.dialogs.last().text.endsWith("Zeile 3: Adresse 99 ist nicht in der Tabelle"));
}

// A locomotive list comes in as one step after the question about a name too long (Nein: nothing
// changes), its lines marked and its count told; the export writes the roster into the folder chosen.
TEST(LokdatenFiles, ALocomotiveListComesInAsOneStepAndGoesOutAsARoster)
{
    FileRig rig;
    QFile plan(rig.path("plan.xml"));
    ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
    plan.write(u8R"(<plan><lclist><lc id="Köf II neu" addr="38" prot="N"/>
                  <lc id="BR 50 mit Kabinentender 3022" addr="99"><fundef fn="0" text="Licht"/></lc></lclist></plan>)");
    plan.close();
    const LocoTable before = rig.ctx.loco;
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        rig.files.chooseNext(plan.fileName());
        rig.dialogs.answerNext(answer);
        rig.menu("RosterImportMenu");
    }
    ASSERT_EQ(rig.dialogs.messageCount(), 3);
    EXPECT_TRUE(rig.dialogs.messages()[0].text.contains("BR 50 mit Kabinentender 3022"));
    // "1 Lokomotive(n) geändert, 1 neu, 1 Name(n) gekürzt", whichever the German plural says.
    EXPECT_TRUE(rig.dialogs.last().text.startsWith("1 Lokomotive") && rig.dialogs.last().text.contains(", 1 neu, 1 Name"));
    EXPECT_EQ(std::tuple(rig.grid()->Rows(), rig.grid()->TextMatrix(2, 2), rig.frm.lineMark(2), rig.frm.lineMark(4)),
              std::tuple(6, QString("Köf II neu"), RecordMark::Changed, RecordMark::New));
    EXPECT_EQ(rig.ctx.loco.symbol(3, 0), 1);
    rig.frm.history().undo();
    EXPECT_TRUE(rig.ctx.loco == before);

    rig.files.chooseNext(rig.path("jmri"));
    rig.menu("RosterExportMenu");
    EXPECT_TRUE(QFile::exists(rig.path("jmri/roster") + QStringLiteral("/Köf_II.xml")));
    EXPECT_EQ(rig.dialogs.last().text, QStringLiteral("3 Lokomotiven nach %1 exportiert.").arg(QDir::toNativeSeparators(rig.path("jmri"))));
}
