// The accessory and feedback editors on records read from the simulated command station: names,
// symbols, data formats, the range boxes and the files, through the real widgets and menus.
#include "RangeEditorRig.h"

#include "accessory/AccessoryFiles.h"
#include "feedback/FeedbackFiles.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using namespace kx2;
using namespace kx2::test;

namespace {

struct RangeRig : SimRig, RangeHands {
    explicit RangeRig(const RangeKind& k)
        : kind(k)
        , table(k.accessories ? static_cast<RangeRecordTable&>(ctx.accessories) : ctx.feedback)
    {
        if (k.accessories) {
            station.seedAccessories(20);
            ctx.accessoryTransfer().ReadAccessoryDatabase();
            editor = std::make_unique<MagDatenFrm>(ctx.database, ctx.accessories, ctx.accessoryRange,
                                                   ctx.MagGridLoaded, buildFolder(), DeviceMenuCaptions{});
        } else {
            station.seedFeedback(20);
            ctx.feedbackTransfer().ReadFeedbackDatabase();
            editor = std::make_unique<RMDatenFrm>(ctx.database, ctx.feedback, ctx.feedbackRange, ctx.RmGridLoaded,
                                                  buildFolder(), DeviceMenuCaptions{});
        }
        frm = editor.get();
        editor->show();
        rebuild();
        dialogs.clear();
    }
    void rebuild()
    {
        editor->GridLoaded = 0;
        editor->Form_Activate();
    }
    AddressRange& range() { return kind.accessories ? ctx.accessoryRange : ctx.feedbackRange; }
    std::vector<int> symbolBytes(int a) const
    {
        return {table.value(a, 28), table.value(a, 29), table.value(a, 30), table.value(a, 31)};
    }

    RangeKind kind;
    RangeRecordTable& table;
    std::unique_ptr<RangeRecordEditor> editor;
    QTemporaryDir dir;
};

int fileLines(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? int(f.readAll().count("\r\n")) : -1;
}

} // namespace

TEST(RangeEditors, EnterStoresTheTypedNameTabDropsItOnlyInTheAccessoryEditor)
{
    const struct {
        const RangeKind& kind;
        int col;
        int key;
        bool stored;
        int toRow, toCol;
        bool boxOpen;
    } cases[] = {
        {kAccessories, 2, Qt::Key_Return, true, 5, 2, false}, {kAccessories, 2, Qt::Key_Tab, false, 5, 3, true},
        {kAccessories, 3, Qt::Key_Tab, false, 5, 4, false},   {kAccessories, 2, Qt::Key_Backtab, false, 5, 1, false},
        {kFeedback, 1, Qt::Key_Return, true, 5, 1, false},    {kFeedback, 1, Qt::Key_Tab, true, 5, 2, true},
        {kFeedback, 2, Qt::Key_Tab, true, 5, 3, false},       {kFeedback, 1, Qt::Key_Backtab, true, 4, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind.name << " column " << c.col << " key " << c.key);
        RangeRig rig(c.kind);
        const int line = c.col - c.kind.line1 + 1;
        const QString before = rig.table.nameLine(5, line);
        rig.click(5, c.col);
        ASSERT_TRUE(rig.inp()->isVisible());
        rig.typeName(QStringLiteral("Ausfahrt"));
        rig.nameKey(c.key, c.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(rig.table.nameLine(5, line), c.stored ? QStringLiteral("Ausfahrt") : before);
        EXPECT_EQ(rig.table.status(5), c.stored ? 1 : 0);
        EXPECT_EQ(rig.grid()->TextMatrix(5, c.col), rig.table.nameLine(5, line));
        EXPECT_EQ(rig.grid()->Row(), c.toRow);
        EXPECT_EQ(rig.grid()->Col(), c.toCol);
        EXPECT_EQ(rig.inp()->isVisible(), c.boxOpen);
    }
}

TEST(RangeEditors, TheNameBoxTakesOnlyWhatTheNameAreaHoldsAndOnlyCp1252)
{
    for (const RangeKind* kind : {&kAccessories, &kFeedback}) {
        SCOPED_TRACE(kind->name);
        RangeRig rig(*kind);
        const QString line2 = rig.table.nameLine(2, 2);
        const std::vector<int> symbol = rig.symbolBytes(2);
        rig.click(2, kind->line1);
        rig.typeName(QStringLiteral("Ω€ä") + QString(30, QLatin1Char('x')));
        const QString kept = QStringLiteral("€ä") + QString(23 - line2.size() - 2, QLatin1Char('x'));
        EXPECT_EQ(rig.inp()->text(), kept);
        rig.nameKey(Qt::Key_Return);
        EXPECT_EQ(rig.table.nameLine(2, 1), kept);
        EXPECT_EQ(rig.table.nameLine(2, 2), line2);
        EXPECT_EQ(rig.symbolBytes(2), symbol);
        // Line 2 has no room left.
        rig.click(2, kind->line1 + 1);
        typeText(rig.inp(), QStringLiteral("y"));
        EXPECT_EQ(rig.inp()->text(), line2);
    }
}

TEST(RangeEditors, CancelledChooserRewritesTheSymbolBytesUnmarkedAChoiceMarksTheRecord)
{
    for (const RangeKind* kind : {&kAccessories, &kFeedback}) {
        SCOPED_TRACE(kind->name);
        RangeRig rig(*kind);
        // Never-written flash: no picture, and the chooser starts at its last symbol.
        rig.table.set(4, 30, 255);
        rig.table.set(4, 31, 255);
        rig.rebuild();
        const int symbolCol = rig.grid()->Cols() - 1;
        EXPECT_TRUE(rig.grid()->CellPicture(4, symbolCol).isNull());
        int preset = 0;
        rig.chooseSymbol(4, [&](MagSymFrm& f) {
            preset = f.MagSymbolValue;
            QTest::mouseClick(f.AbbrechenButton(), Qt::LeftButton);
        });
        EXPECT_EQ(preset, 26);
        EXPECT_EQ(rig.symbolBytes(4), (std::vector<int>{255, 255, 57, 56}));
        EXPECT_EQ(rig.table.status(4), 0);
        EXPECT_FALSE(rig.grid()->CellPicture(4, symbolCol).isNull());

        rig.chooseSymbol(4, [](MagSymFrm& f) {
            f.MagSymGrid()->selectCell(5, 1);
            QTest::keyClick(f.MagSymGrid(), Qt::Key_Return);
        });
        EXPECT_EQ(rig.symbolBytes(4), (std::vector<int>{255, 255, 15, 14}));
        EXPECT_EQ(rig.table.status(4), 1);
    }
}

TEST(MagDatenFrm, FormatGoesFromDefaultToDccToMotorolaAndIsMarkedForSending)
{
    RangeRig rig(kAccessories);
    rig.ctx.accessories.Clear_MagDaten(2);
    rig.rebuild();
    EXPECT_EQ(rig.grid()->TextMatrix(2, MagDatenFrm::FormatCol), QStringLiteral("default"));
    const std::pair<int, const char*> steps[] = {{15, "DCC"}, {143, "Motorola"}, {15, "DCC"}};
    for (const auto& [value, text] : steps) {
        // A click or Enter on the format cell.
        if (value == 143)
            QTest::keyClick(rig.grid(), Qt::Key_Return);
        else
            rig.click(2, MagDatenFrm::FormatCol);
        EXPECT_EQ(rig.ctx.accessories.value(2, AccessoryTable::Format), value);
        EXPECT_EQ(rig.grid()->TextMatrix(2, MagDatenFrm::FormatCol), QString::fromLatin1(text));
        EXPECT_EQ(rig.ctx.accessories.value(2, AccessoryTable::FormatStatus), 1);
        EXPECT_EQ(rig.ctx.accessories.status(2), 0);
    }
}

TEST(RangeEditors, ARangeTheDatabaseDoesNotHaveIsRefusedBeforeReadingOrBlanking)
{
    const std::pair<const char*, const char*> ranges[] = {{"0", "5"}, {"9", "3"}, {"abc", "4"}, {"1", "4097"}};
    for (const RangeKind* kind : {&kAccessories, &kFeedback})
        for (const char* item : {"ReadfromKX2Menu", "ClrTabMenu"})
            for (const auto& [from, to] : ranges) {
                SCOPED_TRACE(testing::Message() << kind->name << " " << item << " " << from << ".." << to);
                RangeRig rig(*kind);
                const RecordTable before = rig.table;
                const int requests = rig.station.requestCount();
                rig.boxes(QString::fromLatin1(from), QString::fromLatin1(to));
                rig.menu(item);
                ASSERT_EQ(rig.dialogs.messageCount(), 1);
                EXPECT_EQ(rig.dialogs.messages()[0].title, QStringLiteral("Adressbereich"));
                EXPECT_EQ(rig.frm->AdrStartTxt()->text(), QStringLiteral("1"));
                EXPECT_EQ(rig.frm->AdrEndTxt()->text(), QStringLiteral("16"));
                EXPECT_EQ(rig.range(), (AddressRange{1, 16}));
                EXPECT_EQ(rig.station.requestCount(), requests);
                EXPECT_TRUE(rig.table == before);
                EXPECT_FALSE(rig.frm->Busy);
            }
}

TEST(RangeEditors, BlankingTakesTheBoxesRangeAndLeavesNothingToSend)
{
    for (const RangeKind* kind : {&kAccessories, &kFeedback}) {
        SCOPED_TRACE(kind->name);
        RangeRig rig(*kind);
        rig.boxes(QStringLiteral("3"), QStringLiteral("4"));
        rig.menu("ClrTabMenu");
        EXPECT_EQ(rig.range(), (AddressRange{3, 4}));
        ASSERT_EQ(rig.grid()->Rows(), 3);
        EXPECT_EQ(rig.grid()->TextMatrix(2, 0), QStringLiteral("4"));
        EXPECT_EQ(rig.table.nameLine(4, 1), QString());
        EXPECT_EQ(rig.table.shownSymbol(4), 3);
        EXPECT_FALSE(rig.table.nameLine(5, 1).isEmpty());
        // Opening and leaving a blank name changes nothing either.
        rig.click(1, kind->line1);
        rig.nameKey(Qt::Key_Return);
        EXPECT_EQ(rig.table.status(3), 0);
        const int requests = rig.station.requestCount();
        rig.menu("SendToKX2Menu");
        EXPECT_TRUE(rig.dialogs.calls.empty());
        EXPECT_EQ(rig.station.requestCount(), requests);
    }
}

TEST(RangeEditors, FilesGoRoundThroughTheMenusWithTheirRange)
{
    for (const RangeKind* kind : {&kAccessories, &kFeedback}) {
        SCOPED_TRACE(kind->name);
        RangeRig rig(*kind);
        const RecordTable read = rig.table;
        const QString path = rig.dir.filePath(QStringLiteral("daten.ISD"));
        rig.files.chooseNext(path);
        rig.menu("SpeichernMenu");
        EXPECT_EQ(fileLines(path), 567);

        // Blanked, and another range in use.
        rig.menu("ClrTabMenu");
        rig.boxes(QStringLiteral("18"), QStringLiteral("19"));
        rig.menu("ClrTabMenu");
        rig.files.chooseNext(path);
        rig.menu("LadenMenu");
        EXPECT_TRUE(rig.dialogs.calls.empty());
        EXPECT_EQ(rig.range(), (AddressRange{1, 16}));
        EXPECT_EQ(rig.frm->AdrStartTxt()->text(), QStringLiteral("1"));
        EXPECT_EQ(rig.frm->AdrEndTxt()->text(), QStringLiteral("16"));
        ASSERT_EQ(rig.grid()->Rows(), 17);
        EXPECT_EQ(rig.grid()->TextMatrix(16, kind->line1 + 1), QString::fromUtf8(kind->accessories ? "Bf Süd" : "Einfahrt"));
        for (int a = 1; a <= 16; ++a) {
            for (int col = 0; col < 32; ++col)
                ASSERT_EQ(rig.table.cell(a, col), read.cell(a, col)) << a << " " << col;
            EXPECT_EQ(rig.table.status(a), 1);
            if (kind->accessories)
                EXPECT_EQ(rig.table.value(a, AccessoryTable::FormatStatus), 1);
        }
    }
}

TEST(RangeEditors, AWrongKindOfFileOrOneThatEndsEarlyChangesNothing)
{
    for (const RangeKind* kind : {&kAccessories, &kFeedback}) {
        SCOPED_TRACE(kind->name);
        RangeRig rig(*kind);
        const RangeFileFormat own = kind->accessories ? AccessoryFileFormat() : FeedbackFileFormat();
        const RangeFileFormat other = kind->accessories ? FeedbackFileFormat() : AccessoryFileFormat();
        const QString wrong = rig.dir.filePath(QStringLiteral("andere.ISD"));
        ASSERT_EQ(RangeTableFile(other, rig.table, rig.ctx.storedSerial, {1, 16}).saveTo(wrong), QString());
        const QString cut = rig.dir.filePath(QStringLiteral("kurz.ISD"));
        ASSERT_EQ(RangeTableFile(own, rig.table, rig.ctx.storedSerial, {2, 20}).saveTo(cut), QString());
        QFile f(cut);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.resize(f.size() - 20);
        f.close();

        const std::pair<QString, QString> files[] = {{wrong, QStringLiteral("Falsches Fileformat")},
                                                     {cut, QStringLiteral("Fehler beim Öffnen des Files")}};
        for (const auto& [file, text] : files) {
            rig.table.set(1, 4, 'Q');
            const RecordTable before = rig.table;
            const int builds = rig.frm->rebuildCount();
            rig.dialogs.clear();
            rig.files.chooseNext(file);
            rig.menu("LadenMenu");
            ASSERT_EQ(rig.dialogs.messageCount(), 1);
            EXPECT_TRUE(rig.dialogs.messages()[0].text.startsWith(text)) << rig.dialogs.messages()[0].text.toStdString();
            EXPECT_EQ(rig.dialogs.messages()[0].title, QStringLiteral("Fehler"));
            EXPECT_TRUE(rig.table == before);
            EXPECT_EQ(rig.range(), (AddressRange{1, 16}));
            EXPECT_EQ(rig.frm->rebuildCount(), builds);
            EXPECT_FALSE(rig.frm->Busy);
        }
    }
}
