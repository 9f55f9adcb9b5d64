// The accessory and feedback editors after a read from the simulated command station: names,
// symbols, data formats, the range boxes and the files; and one whole story per database.
#include "RangeEditorRig.h"

#include "accessory/AccessoryFiles.h"
#include "app/StationDatabases.h"
#include "feedback/FeedbackFiles.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QLabel>
#include <QMenu>

using namespace kx2;
using namespace kx2::test;

namespace {
const RangeKind* const kBoth[] = {&kAccessories, &kFeedback};
} // namespace

// What is typed is cut to what the name area holds beside the other line (the count under the
// box, in the line's own strip, says how much both lines use), and a character cp1252 lacks is
// refused. Enter, Tab and Shift+Tab store it, Escape gives it up; the line is as high as before.
TEST(RangeEditors, EnterAndTabStoreTheTypedNameEscapeGivesItUp)
{
    // In row 5: the column and key, whether the text is stored, where the grid goes, whether the box reopens.
    const struct { const RangeKind& kind; int col, key; bool stored; int toRow, toCol; bool boxOpen; } cases[] = {
        {kAccessories, 2, Qt::Key_Return, true, 5, 2, false}, {kAccessories, 2, Qt::Key_Tab, true, 5, 3, true},
        {kAccessories, 3, Qt::Key_Tab, true, 5, 4, false},    {kAccessories, 2, Qt::Key_Backtab, true, 5, 1, false},
        {kAccessories, 3, Qt::Key_Escape, false, 5, 3, false},
        {kFeedback, 1, Qt::Key_Return, true, 5, 1, false},    {kFeedback, 1, Qt::Key_Tab, true, 5, 2, true},
        {kFeedback, 2, Qt::Key_Tab, true, 5, 3, false},       {kFeedback, 1, Qt::Key_Backtab, true, 4, 1, true},
        {kFeedback, 1, Qt::Key_Escape, false, 5, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind.name << " column " << c.col << " key " << c.key);
        RangeRig rig(c.kind);
        const int line = c.col - c.kind.line1 + 1;
        const QString before = rig.table.nameLine(5, line);
        const QString typed = QStringLiteral("Ausfahrt € ") + QString(30, QLatin1Char('x'));
        const int height = rig.grid()->RowHeightPx(5);
        rig.click(5, c.col);
        const QRect cell = rig.grid()->cellRect(5, c.col).translated(rig.grid()->geometry().topLeft());
        EXPECT_EQ(rig.inp()->geometry().topLeft(), cell.topLeft()) << "the name box lies over its cell";
        rig.typeName(QStringLiteral("Ω") + typed);
        const QRect count = rig.editor().InpTextRoom()->geometry();
        EXPECT_EQ(rig.editor().InpTextRoom()->text(), QStringLiteral("Zeile 1 + 2: 23 von 23 Zeichen"));
        EXPECT_EQ(std::tuple(count.left(), count.top(), count.bottom()), std::tuple(cell.left(), rig.inp()->geometry().bottom() + 1, cell.bottom()));
        EXPECT_GT(rig.inp()->width(), rig.inp()->fontMetrics().horizontalAdvance(QStringLiteral("Ausfahrt Gleis 3 Bf Süd")));
        QTest::keyClick(rig.inp(), Qt::Key(c.key), c.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        const QString kept = typed.left(23 - int(rig.table.nameLine(5, 3 - line).size()));
        EXPECT_EQ(rig.table.nameLine(5, line), c.stored ? kept : before);
        EXPECT_EQ(std::pair(rig.table.status(5), rig.table.shownSymbol(5)), std::pair(c.stored ? 1 : 0, 5));
        EXPECT_EQ(rig.grid()->TextMatrix(5, c.col), rig.table.nameLine(5, line));
        EXPECT_EQ(std::pair(rig.grid()->Row(), rig.grid()->Col()), std::pair(c.toRow, c.toCol));
        EXPECT_EQ(rig.inp()->isVisible(), c.boxOpen);
        EXPECT_EQ(rig.grid()->RowHeightPx(5) == height, !c.boxOpen || c.toRow != 5);
    }
}

// A record the station never wrote (its flash all 255) shows no name and no symbol; abbrechen in
// the chooser stores nothing, and either name line takes the whole room.
TEST(RangeEditors, ANeverWrittenRecordShowsNothingAndACancelledChooserStoresNothing)
{
    for (const RangeKind* kind : kBoth) {
        RangeRig rig(*kind);
        // The address column scrolls with the rest and can be current, but holds no name.
        EXPECT_EQ(std::pair(rig.grid()->Row(), rig.grid()->Col()), std::pair(1, 1));
        rig.click(2, 0);
        EXPECT_EQ(std::pair(rig.grid()->Col(), rig.inp()->isVisible()), std::pair(0, false));
        for (int b = 4; b < 32; ++b)
            rig.table.set(4, b, 255);
        rig.rebuild();
        EXPECT_EQ(rig.grid()->TextMatrix(4, kind->line1) + rig.grid()->TextMatrix(4, kind->line1 + 1), QString());
        rig.chooseSymbol(4, [](MagSymFrm& f) { f.AbbrechenButton()->click(); });
        EXPECT_EQ(std::tuple(rig.table.value(4, 28), rig.table.value(4, 31), rig.table.status(4)), std::tuple(255, 255, 0));
        EXPECT_TRUE(rig.grid()->CellPicture(4, rig.grid()->Cols() - 1).isNull());
        rig.click(4, kind->line1 + 1);
        rig.typeName(QString(23, QLatin1Char('z')));
        QTest::keyClick(rig.inp(), Qt::Key_Return);
        EXPECT_EQ(std::pair(rig.table.nameLine(4, 1), rig.table.nameLine(4, 2)), std::pair(QString(), QString(23, QLatin1Char('z'))));
    }
}

// The station holds Motorola for address 2: that format is no change to send.
TEST(MagDatenFrm, FormatGoesFromDefaultToDccToMotorolaAndIsMarkedUnlessItIsTheStations)
{
    RangeRig rig(kAccessories);
    AccessoryTable& t = rig.ctx.accessories;
    t.Clear_MagDaten(2);
    rig.rebuild();
    EXPECT_EQ(rig.grid()->TextMatrix(2, MagDatenFrm::FormatCol), QStringLiteral("default"));
    const std::tuple<int, const char*, int> steps[] = {{15, "DCC", 1}, {143, "Motorola", 0}, {15, "DCC", 1}};
    for (const auto& [value, text, pending] : steps) {
        // A click, or Enter on the format cell.
        value == 143 ? QTest::keyClick(rig.grid(), Qt::Key_Return) : rig.click(2, MagDatenFrm::FormatCol);
        EXPECT_EQ(rig.grid()->TextMatrix(2, MagDatenFrm::FormatCol), QString::fromLatin1(text));
        EXPECT_EQ(std::tuple(t.value(2, AccessoryTable::Format), t.value(2, 34), t.status(2)), std::tuple(value, pending, 0));
    }
}

TEST(RangeEditors, ARangeTheDatabaseDoesNotHaveIsRefusedBeforeReadingOrBlanking)
{
    for (const RangeKind* kind : kBoth)
        for (const char* item : {"ReadfromKX2Menu", "ClrTabMenu"})
            for (const auto& [from, to] : {std::pair("0", "5"), std::pair("9", "3"), std::pair("1", "4097")}) {
                SCOPED_TRACE(testing::Message() << kind->name << " " << item << " " << from << ".." << to);
                RangeRig rig(*kind);
                const RecordTable before = rig.table;
                const int requests = rig.station.requestCount();
                rig.boxes(QString::fromLatin1(from), QString::fromLatin1(to));
                rig.menu(item);
                ASSERT_EQ(rig.dialogs.messageCount(), 1);
                EXPECT_EQ(rig.dialogs.messages()[0].title, QStringLiteral("Adressbereich"));
                EXPECT_EQ(rig.range(), (AddressRange{1, 16}));
                EXPECT_EQ(rig.station.requestCount(), requests);
                EXPECT_TRUE(rig.table == before);
            }
}

// A printout of a range beyond the records in use asks first: cancelled, nothing is written;
// taken, the pages hold the records in use alone, word for word as kx2ctl prints the table.
TEST(RangeEditors, APrintoutAsksAboutUnusedLinesAndHoldsWhatKx2ctlPrints)
{
    RangeRig rig(kAccessories, QStringLiteral("1"), QStringLiteral("24"));
    QTemporaryDir dir;
    const QString window = dir.filePath(QStringLiteral("w.pdf")), core = dir.filePath(QStringLiteral("c.pdf"));
    rig.files.chooseNext(window);
    rig.dialogs.answerNext(MsgAnswer::Cancel);
    rig.menu("PdfMenu");
    EXPECT_EQ(rig.dialogs.last().text, QStringLiteral("20 von 24 Zeilen sind benutzt; nur sie kommen aufs Papier."));
    EXPECT_FALSE(QFile::exists(window));
    rig.menu("PdfMenu");
    const PrintSource source{rig.ctx.storedSerial.numberText(), buildFolder()};
    const PrintTable table = findStationDatabase(QStringLiteral("acc"))->print(rig.ctx, source, false);
    ASSERT_EQ(writeTablePdf(core, table), QString());
    EXPECT_EQ(std::pair(table.rows.size(), table.rows.back().value(2)), std::pair(size_t(20), QStringLiteral("Weiche 20")));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the pages cannot be compared";
    const auto text = [&pdftotext](const QString& path) {
        QProcess run;
        run.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        return run.waitForFinished(30000) ? run.readAllStandardOutput() : QByteArray();
    };
    EXPECT_EQ(text(window), text(core));
}

TEST(RangeEditors, FilesGoRoundThroughTheMenusAWrongOrCutFileAndABlankingLeaveNothingToSend)
{
    for (const RangeKind* kind : kBoth) {
        SCOPED_TRACE(kind->name);
        RangeRig rig(*kind);
        const RecordTable read = rig.table;
        const QString path = rig.dir.filePath(QStringLiteral("daten.ISD"));
        const QString wrong = rig.dir.filePath(QStringLiteral("andere.ISD"));
        const QString cut = rig.dir.filePath(QStringLiteral("kurz.ISD"));
        rig.files.chooseNext(path);
        rig.menu("SpeichernMenu");
        QFile saved(path);
        EXPECT_EQ(saved.open(QIODevice::ReadOnly) ? saved.readAll().count("\r\n") : 0, 567);
        QFile::copy(path, cut);
        QFile(cut).resize(saved.size() - 20);
        rangeTableFile(kind->accessories ? feedbackFileFormat() : accessoryFileFormat(), rig.table,
                       rig.ctx.storedSerial, {1, 16}).saveTo(wrong);

        // Blanked in another range; opening and leaving a blank name changes nothing either.
        rig.boxes(QStringLiteral("3"), QStringLiteral("18"));
        rig.menu("ClrTabMenu");
        EXPECT_EQ(rig.table.nameLine(16, 1), QString());
        rig.click(1, kind->line1);
        rig.menu("SendToKX2Menu");
        EXPECT_EQ(rig.dialogs.calls.size(), 0u);

        const RecordTable blanked = rig.table;
        for (const auto& [file, text] : {std::pair(wrong, "Falsches Fileformat"),
                                         std::pair(cut, "Fehler beim Öffnen des Files")}) {
            rig.files.chooseNext(file);
            rig.menu("LadenMenu");
            EXPECT_TRUE(rig.dialogs.last().text.startsWith(QString::fromUtf8(text)));
            EXPECT_TRUE(rig.table == blanked);
            EXPECT_EQ(rig.range(), (AddressRange{3, 18}));
        }

        rig.dialogs.clear();
        rig.files.chooseNext(path);
        rig.menu("LadenMenu");
        EXPECT_TRUE(rig.dialogs.calls.empty());
        EXPECT_EQ(rig.range(), (AddressRange{1, 16}));
        EXPECT_EQ(std::pair(rig.frm->AdrStartTxt()->text(), rig.grid()->Rows()), std::pair(QStringLiteral("1"), 17));
        for (int a = 1; a <= 16; ++a) {
            for (int col = 0; col < 32; ++col)
                ASSERT_EQ(rig.table.cell(a, col), read.cell(a, col)) << a << " " << col;
            // The file holds what this station holds: nothing of it is to be sent.
            EXPECT_EQ(std::pair(rig.table.status(a), rig.table.value(a, 34)), std::pair(0, 0));
        }
    }
}

TEST(RangeEditorsEndToEnd, ReadEditSendAndReadAgainFromTheMainWindow)
{
    for (const RangeKind* kind : kBoth) {
        SCOPED_TRACE(kind->name);
        RangeRig e(*kind, QStringLiteral("17"), QStringLiteral("24"), 40);
        EXPECT_TRUE(e.frm->isVisible() && !e.win.isVisible() && e.dialogs.calls.empty());
        EXPECT_EQ(e.frm->KXMenu()->title().remove(QLatin1Char('&')), QStringLiteral("TQ7"));
        ASSERT_EQ(std::pair(e.grid()->Rows(), e.grid()->TextMatrix(1, 0)), std::pair(9, QStringLiteral("17")));

        e.click(2, kind->line1);
        e.typeName(QStringLiteral("Stellwerk"));
        QTest::keyClick(e.inp(), Qt::Key_Return);
        e.chooseSymbol(3, [](MagSymFrm& f) {
            f.MagSymGrid()->selectCell(f.cellOf(7).first, f.cellOf(7).second);
            QTest::keyClick(f.MagSymGrid(), Qt::Key_Return);
        });
        if (kind->accessories)
            e.click(4, MagDatenFrm::FormatCol);
        // The send takes the name still being typed.
        e.click(5, kind->line1 + 1);
        e.typeName(QStringLiteral("Süd"));
        e.menu("SendToKX2Menu");
        ASSERT_EQ(e.dialogs.messageCount(), 1);
        const RecordTable sent = e.table;

        e.menu("ReadfromKX2Menu");
        EXPECT_EQ(e.dialogs.messageCount(), 1);
        for (int a = 17; a <= 24; ++a) {
            for (int col = 0; col <= AccessoryTable::Format; ++col)
                ASSERT_EQ(e.table.cell(a, col), sent.cell(a, col)) << a << " " << col;
            EXPECT_EQ(e.table.status(a), 0);
        }
        EXPECT_EQ(e.grid()->TextMatrix(5, kind->line1 + 1), QStringLiteral("Süd"));
        EXPECT_EQ(e.table.shownSymbol(19), 7);
        EXPECT_EQ(e.station.violations(), 0) << e.station.violationLog().join(QLatin1Char('\n')).toStdString();

        // Back at the main window, its boxes show the range the editor read last.
        e.boxes(QStringLiteral("30"), QStringLiteral("31"));
        e.menu("ReadfromKX2Menu");
        e.menu("AbbrechenMenu");
        EXPECT_TRUE(e.win.isVisible());
        EXPECT_EQ(e.mainBox("AdrStartTxt")->text(), QStringLiteral("30"));

        // A port that cannot be opened still opens the editor, the range blank.
        e.port.setUnplugged(true);
        e.clickButton();
        EXPECT_TRUE(e.frm->isVisible());
        EXPECT_EQ(std::pair(e.grid()->Rows(), e.grid()->TextMatrix(1, kind->line1)), std::pair(3, QString()));
    }
}
