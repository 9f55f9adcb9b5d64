// From the main window's accessory and feedback buttons to the command station and back: read a
// range, edit, send, read again, on the simulated command station and virtual time.
#include "AppRig.h"
#include "RangeEditorRig.h"

#include <QMenu>
#include <QPushButton>

using namespace kx2;
using namespace kx2::test;

namespace {

struct RangeEndToEnd : AppRig, RangeHands {
    explicit RangeEndToEnd(const RangeKind& k) : kind(k) {}
    // Types the range into the main window's boxes and clicks the database's button.
    void clickButton(const QString& from, const QString& to)
    {
        const QString prefix = kind.accessories ? QStringLiteral("Mag") : QStringLiteral("Rm");
        win.findChild<QLineEdit*>(prefix + QStringLiteral("AdrStartTxt"))->setText(from);
        win.findChild<QLineEdit*>(prefix + QStringLiteral("AdrEndTxt"))->setText(to);
        win.show();
        QTest::mouseClick(win.findChild<QPushButton*>(kind.accessories ? QStringLiteral("MagDatenBut")
                                                                       : QStringLiteral("RckmDatenBut")),
                          Qt::LeftButton);
        frm = kind.accessories ? static_cast<RangeRecordEditor*>(&windows.magDatenFrm()) : &windows.rmDatenFrm();
    }
    RangeRecordTable& table() { return kind.accessories ? static_cast<RangeRecordTable&>(ctx.accessories) : ctx.feedback; }
    RangeKind kind;
};

} // namespace

TEST(RangeEditorsEndToEnd, ReadEditSendAndReadAgainFromTheMainWindow)
{
    for (const RangeKind* kind : {&kAccessories, &kFeedback}) {
        SCOPED_TRACE(kind->name);
        RangeEndToEnd e(*kind);
        kind->accessories ? e.station.seedAccessories(40) : e.station.seedFeedback(40);
        e.clickButton(QStringLiteral("17"), QStringLiteral("24"));
        EXPECT_TRUE(e.frm->isVisible());
        EXPECT_FALSE(e.win.isVisible());
        EXPECT_TRUE(e.dialogs.calls.empty());
        EXPECT_EQ(e.frm->KXMenu()->title(), QStringLiteral("TQ7"));
        ASSERT_EQ(e.grid()->Rows(), 9);
        EXPECT_EQ(e.grid()->TextMatrix(1, 0), QStringLiteral("17"));
        EXPECT_EQ(e.frm->AdrEndTxt()->text(), QStringLiteral("24"));

        e.click(2, kind->line1);
        e.typeName(QStringLiteral("Stellwerk"));
        e.nameKey(Qt::Key_Return);
        e.chooseSymbol(3, [](MagSymFrm& f) {
            f.MagSymGrid()->selectCell(7, 1);
            QTest::keyClick(f.MagSymGrid(), Qt::Key_Return);
        });
        if (kind->accessories)
            e.click(4, MagDatenFrm::FormatCol);
        // The send takes the name still being typed.
        e.click(5, kind->line1 + 1);
        e.typeName(QStringLiteral("Süd"));
        e.menu("SendToKX2Menu");
        ASSERT_EQ(e.dialogs.messageCount(), 1);
        EXPECT_EQ(e.dialogs.messages()[0].title, QString::fromUtf8(kind->accessories ? "Magnetartikel" : "Rückmelder"));
        const RecordTable sent = e.table();

        e.menu("ReadfromKX2Menu");
        EXPECT_EQ(e.dialogs.messageCount(), 1);
        for (int a = 17; a <= 24; ++a) {
            for (int col = 0; col <= AccessoryTable::Format; ++col)
                ASSERT_EQ(e.table().cell(a, col), sent.cell(a, col)) << a << " " << col;
            EXPECT_EQ(e.table().status(a), 0);
        }
        EXPECT_EQ(e.grid()->TextMatrix(2, kind->line1), QStringLiteral("Stellwerk"));
        EXPECT_EQ(e.grid()->TextMatrix(5, kind->line1 + 1), QStringLiteral("Süd"));
        EXPECT_EQ(e.table().shownSymbol(19), 7);
        EXPECT_EQ(e.station.violations(), 0) << e.station.violationLog().join(QLatin1Char('\n')).toStdString();
        EXPECT_FALSE(e.port.portOpen());

        // Back at the main window, its boxes show the range the editor read last.
        e.boxes(QStringLiteral("30"), QStringLiteral("31"));
        e.menu("ReadfromKX2Menu");
        e.menu("AbbrechenMenu");
        EXPECT_TRUE(e.win.isVisible());
        const QString prefix = kind->accessories ? QStringLiteral("Mag") : QStringLiteral("Rm");
        EXPECT_EQ(e.win.findChild<QLineEdit*>(prefix + QStringLiteral("AdrStartTxt"))->text(), QStringLiteral("30"));
    }
}

TEST(RangeEditorsEndToEnd, APortThatCannotOpenStillOpensTheEditorWithTheRangeBlank)
{
    for (const RangeKind* kind : {&kAccessories, &kFeedback}) {
        SCOPED_TRACE(kind->name);
        RangeEndToEnd e(*kind);
        e.port.setUnplugged(true);
        e.clickButton(QStringLiteral("5"), QStringLiteral("8"));
        ASSERT_EQ(e.dialogs.messageCount(), 1);
        EXPECT_EQ(e.dialogs.messages()[0].title, QStringLiteral("Fehler beim Lesen der Datenbank"));
        EXPECT_TRUE(e.frm->isVisible());
        ASSERT_EQ(e.grid()->Rows(), 5);
        EXPECT_EQ(e.grid()->TextMatrix(4, 0), QStringLiteral("8"));
        EXPECT_EQ(e.grid()->TextMatrix(4, kind->line1), QString());
        EXPECT_EQ(e.table().status(8), 0);
    }
}
