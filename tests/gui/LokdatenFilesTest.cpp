// The editor's file menu: whole-table and single-record files, clearing the table.
#include "LokdatenRig.h"

#include "dbproto/IsdFile.h"
#include "loco/LocoFiles.h"

#include <QAction>
#include <QFile>
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
    int lines(const QString& file) const
    {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        return int(f.readAll().count("\r\n"));
    }
    QTemporaryDir dir;
};

} // namespace

TEST(LokdatenFiles, LoadingATableFileReplacesTheTableAndRebuildsTheGrid)
{
    FileRig rig;
    LocoTable other;
    other.markAllForDeviceRead();
    putLoco(other, 4, 120, QStringLiteral("V 200"));
    putLoco(other, 9, 121, QStringLiteral("V 100"));
    StoredSerial serial;
    for (int n = 1; n <= 4; ++n)
        serial.set(n, 10 * n);
    const QString file = rig.path("andere.ISD");
    ASSERT_EQ(LocoTableFile(other, serial).saveTo(file), QString());

    const double pausedBefore = rig.ctx.link.pausedSeconds();
    rig.files.chooseNext(file);
    rig.menu("LadenMenu");
    ASSERT_EQ(rig.files.calls.size(), 1u);
    EXPECT_FALSE(rig.files.calls[0].save);
    EXPECT_EQ(rig.files.calls[0].title, QStringLiteral("Sicherungsdatei öffnen..."));
    EXPECT_GE(rig.ctx.link.pausedSeconds() - pausedBefore, 0.3);
    EXPECT_TRUE(rig.dialogs.calls.empty());

    EXPECT_EQ(rig.grid()->Rows(), 4);
    EXPECT_EQ(rig.grid()->TextMatrix(1, 2), QStringLiteral("V 200"));
    EXPECT_EQ(rig.grid()->RowData(1), 4);
    EXPECT_EQ(rig.grid()->TextMatrix(2, 0), QStringLiteral("121"));
    EXPECT_EQ(rig.ctx.loco.status(0), LocoTable::StatusEmpty);
    EXPECT_EQ(rig.ctx.loco.status(4), LocoTable::StatusChanged);
    EXPECT_EQ(rig.ctx.loco.value(4, LocoTable::FormatPending), 1);
    EXPECT_EQ(rig.ctx.storedSerial, serial);
    EXPECT_EQ(rig.ctx.LocoGridLoaded, 1);
    EXPECT_FALSE(rig.frm.Busy);
}

TEST(LokdatenFiles, CancelledOrWrongFileLeavesTheEditorAsItWas)
{
    FileRig rig;
    const int builds = rig.frm.rebuildCount();
    rig.files.cancelNext();
    rig.menu("LadenMenu");
    EXPECT_EQ(rig.frm.rebuildCount(), builds);
    EXPECT_FALSE(rig.frm.Busy);

    const QString file = rig.path("satz.ISD");
    ASSERT_EQ(LocoRecordFile(rig.ctx.loco, 0).saveTo(file), QString());
    rig.files.chooseNext(file);
    rig.menu("LadenMenu");
    ASSERT_EQ(rig.dialogs.messageCount(), 1);
    EXPECT_EQ(rig.dialogs.messages()[0].text, QStringLiteral("Falsches Fileformat"));
    EXPECT_EQ(rig.dialogs.messages()[0].title, QStringLiteral("Fehler"));
    EXPECT_EQ(rig.frm.rebuildCount(), builds);
    EXPECT_EQ(rig.ctx.loco.ReadLokname(1), QStringLiteral("Köf II"));
    EXPECT_FALSE(rig.frm.Busy);

    // Clicks work as before.
    rig.click(2, 2);
    EXPECT_TRUE(rig.inp()->isVisible());
}

TEST(LokdatenFiles, SavingWritesTheWholeTableWithANameBeingTyped)
{
    FileRig rig;
    rig.click(2, 2);
    rig.typeName(QStringLiteral("Köf III"));
    const QString file = rig.path("alle.ISD");
    rig.files.chooseNext(file);
    rig.menu("SpeichernMenu");
    ASSERT_EQ(rig.files.calls.size(), 1u);
    EXPECT_TRUE(rig.files.calls[0].save);
    EXPECT_EQ(rig.lines(file), LocoTableFileLines);

    LocoTable back;
    StoredSerial serial;
    ASSERT_TRUE(LoadLocoTableFile(file, back, serial).ok());
    EXPECT_EQ(back.ReadLokname(1), QStringLiteral("Köf III"));
    EXPECT_EQ(back.ReadLokname(2), QStringLiteral("E 94"));
    EXPECT_FALSE(rig.frm.Busy);
}

TEST(LokdatenFiles, ClearingEmptiesTableAndGridWithoutAQuestion)
{
    FileRig rig;
    rig.ctx.loco.set(1, LocoTable::FormatCode, 83);
    rig.frm.markTableUnchanged(); // as read: a table with unsaved changes asks first
    rig.click(2, 2);
    rig.menu("ClrTabMenu");
    EXPECT_TRUE(rig.dialogs.calls.empty());
    for (int row = 0; row <= 500; ++row) {
        ASSERT_EQ(rig.ctx.loco.status(row), LocoTable::StatusEmpty) << row;
        ASSERT_EQ(rig.ctx.loco.value(row, 32), 255) << row;
    }
    // The format columns stay.
    EXPECT_EQ(rig.ctx.loco.value(1, LocoTable::FormatCode), 83);
    EXPECT_EQ(rig.grid()->Rows(), 2);
    EXPECT_EQ(rig.grid()->RowData(1), -1);
    EXPECT_EQ(rig.grid()->TextMatrix(1, 2), QString());
    EXPECT_EQ(rig.grid()->Row(), 1);
    EXPECT_EQ(rig.grid()->Col(), 1);
    EXPECT_FALSE(rig.inp()->isVisible());
    EXPECT_EQ(rig.ctx.EditRow, 0);
    EXPECT_EQ(rig.ctx.LocoGridLoaded, 1);
    EXPECT_FALSE(rig.frm.Busy);
}

TEST(LokdatenFiles, SavingOneRecordIsArmedByTheMessageAndDoneByTheNextClick)
{
    FileRig rig;
    rig.dialogs.answerNext(MsgAnswer::Cancel);
    rig.menu("DS_SpeichernMenu");
    ASSERT_EQ(rig.dialogs.messageCount(), 1);
    const FakeDialogs::Call m = rig.dialogs.messages()[0]; // a copy: messages() returns a new list
    EXPECT_EQ(m.text, QStringLiteral("Klicken Sie den Datensatz an, der gespeichert werden soll!"));
    EXPECT_EQ(m.title, QStringLiteral("einen Datensatz speichern"));
    EXPECT_EQ(m.buttons, MsgButtons::OkCancel);
    EXPECT_FALSE(rig.frm.SaveRecordPending);

    rig.dialogs.answerNext(MsgAnswer::Ok);
    rig.menu("DS_SpeichernMenu");
    EXPECT_TRUE(rig.frm.SaveRecordPending);
    const QString file = rig.path("einer.ISD");
    rig.files.chooseNext(file);
    // A click on the line's address cell saves it and does not offer to delete it.
    rig.clickAddress(3);
    EXPECT_FALSE(rig.frm.SaveRecordPending);
    EXPECT_EQ(rig.dialogs.messageCount(), 2);
    ASSERT_EQ(rig.files.calls.size(), 1u);
    EXPECT_TRUE(rig.files.calls[0].save);
    EXPECT_EQ(rig.lines(file), LocoRecordFileLines);
    LocoRow row;
    ASSERT_TRUE(ReadLocoRecordFile(file, row).ok());
    for (int col = 0; col < LocoTable::Cols; ++col)
        ASSERT_EQ(row[size_t(col)], rig.ctx.loco.cell(2, col)) << col;
    EXPECT_EQ(rig.ctx.loco.status(2), LocoTable::StatusUnchanged);

    // The next click is an ordinary one again.
    rig.click(1, 2);
    EXPECT_EQ(rig.files.calls.size(), 1u);
    EXPECT_TRUE(rig.inp()->isVisible());
}

TEST(LokdatenFiles, SavingTheEntryLineFindsNoRecord)
{
    FileRig rig;
    rig.dialogs.answerNext(MsgAnswer::Ok);
    rig.menu("DS_SpeichernMenu");
    rig.click(4, 1);
    ASSERT_EQ(rig.dialogs.messageCount(), 2);
    EXPECT_EQ(rig.dialogs.messages()[1].text, QStringLiteral("Datensatz nicht gefunden!"));
    EXPECT_TRUE(rig.files.calls.empty());
}

TEST(LokdatenFiles, LoadingOneRecordWhoseAddressIsTakenAsksForAnother)
{
    FileRig rig;
    const QString file = rig.path("einer.ISD");
    ASSERT_EQ(LocoRecordFile(rig.ctx.loco, 1).saveTo(file), QString());

    // Cancel: nothing is inserted.
    rig.files.chooseNext(file);
    rig.dialogs.answerNext(MsgAnswer::Cancel);
    const int builds = rig.frm.rebuildCount();
    rig.menu("DS_LadenMenu");
    ASSERT_EQ(rig.dialogs.messageCount(), 2);
    EXPECT_EQ(rig.dialogs.messages()[0].text, QStringLiteral("Bitte ändern Sie die Lokadresse!"));
    EXPECT_EQ(rig.dialogs.messages()[0].title, QStringLiteral("Lokadresse des Datensatzes schon vorhanden!"));
    EXPECT_EQ(rig.dialogs.messages()[1].text, QStringLiteral("Datensatz wurde nicht eingefügt!"));
    EXPECT_EQ(rig.ctx.loco.status(3), LocoTable::StatusEmpty);
    EXPECT_EQ(rig.frm.rebuildCount(), builds);
    EXPECT_FALSE(rig.frm.Busy);

    // OK and a free address: the record goes into the first empty slot under that address.
    rig.dialogs.clear();
    rig.files.chooseNext(file);
    rig.dialogs.answerNext(MsgAnswer::Ok);
    rig.dialogs.inputNext(QStringLiteral("39"));
    rig.menu("DS_LadenMenu");
    ASSERT_EQ(rig.dialogs.calls.size(), 2u);
    EXPECT_EQ(rig.dialogs.calls[1].title, QStringLiteral("Lokadresse ändern"));
    EXPECT_EQ(rig.dialogs.calls[1].defaultText, QStringLiteral("38"));
    EXPECT_EQ(rig.ctx.loco.address(3), 39);
    EXPECT_EQ(rig.ctx.loco.status(3), LocoTable::StatusChanged);
    EXPECT_EQ(rig.ctx.loco.ReadLokname(3), QStringLiteral("Köf II"));
    EXPECT_EQ(rig.frm.rebuildCount(), builds + 1);
    ASSERT_EQ(rig.grid()->Rows(), 6);
    EXPECT_EQ(rig.grid()->TextMatrix(4, 0), QStringLiteral("39"));
    EXPECT_EQ(rig.grid()->TextMatrix(4, 2), QStringLiteral("Köf II"));
    EXPECT_FALSE(rig.frm.Busy);
}
