// The route editor and its command dialog, opened from the main window's button after a read of
// the simulated command station and handled through their real widgets.
#include "AppRig.h"

#include "routes/gui/FSDatenFrm.h"
#include "routes/gui/FSEingabeFrm.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace kx2;
using namespace kx2::test;

namespace {

using Entries = std::vector<int>;
using Answer = std::function<void(FSEingabeFrm&)>;

struct RouteRig : AppRig {
    RouteRig()
    {
        station.seedRoutes(80);
        win.show();
        QTest::mouseClick(win.findChild<QPushButton*>(QStringLiteral("FSDatenBut")), Qt::LeftButton);
        frm = &windows.fsDatenFrm();
    }
    FlexGrid* grid() const { return frm->FSdatenGrid(); }
    RouteTables& t() { return ctx.routes; }
    void click(int row, int col) const
    {
        const QModelIndex index = grid()->model()->index(row - 1, col);
        grid()->scrollTo(index);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
    }
    // Route r as read, with these entries from the start entry on and 8 after them.
    void setRoute(int r, const Entries& entries)
    {
        t().RouteData[size_t(r)].fill(RouteTables::EndOfRoute);
        std::copy(entries.begin(), entries.end(), t().RouteData[size_t(r)].begin() + 1);
        t().RouteDataChanged[size_t(r)].fill(false);
        t().RouteNames.set(r, RouteTables::State, 0);
        t().noteStationEntries(r);
        frm->GridLoaded = 0;
        frm->Form_Activate();
    }
    Entries entries(int r, int count) { return Entries(&t().RouteData[size_t(r)][1], &t().RouteData[size_t(r)][1 + count]); }
    Entries flagged(int r)
    {
        Entries j;
        for (int e = 1; e <= RouteTables::EntryCount; ++e)
            if (t().RouteDataChanged[size_t(r)][size_t(e)])
                j.push_back(e);
        return j;
    }
    // Clicks the cell and lets `answer` handle the command dialog once it shows; false when none showed.
    bool edit(int row, int col, const Answer& answer)
    {
        bool shown = false;
        const QMetaObject::Connection once = QObject::connect(
            frm, &GridEditor::columnDialogShown, frm,
            [&shown, answer](QDialog* d) {
                shown = true;
                answer(*qobject_cast<FSEingabeFrm*>(d));
            },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        click(row, col);
        QObject::disconnect(once);
        return shown;
    }
    void menu(const char* name) const { frm->menuItem(QString::fromLatin1(name))->trigger(); }
    FSDatenFrm* frm = nullptr;
};

Answer choose(int option, std::function<void(FSEingabeFrm&)> fill = {})
{
    return [option, fill](FSEingabeFrm& f) {
        f.BefehlArtOpt(option)->click();
        if (fill)
            fill(f);
        f.OKButton()->click();
        // Refused: the test goes on rather than waiting for ever.
        if (f.isVisible())
            f.close();
    };
}

// Replaces the box's text by typing; nothing typed empties it.
void type(QLineEdit* box, const QString& text)
{
    box->selectAll();
    text.isEmpty() ? QTest::keyClick(box, Qt::Key_Delete) : typeText(box, text);
}

} // namespace

// Route 5: start on contact 104 free, commands accessory 1 green, accessory 2 green, then the end.
TEST(FSDatenFrm, CommandDialogAnswersChangeTheRouteAndMarkWhatIsToBeSent)
{
    const auto range = [](int first) { Entries e; for (int j = first; j <= 25; ++j) e.push_back(j); return e; };
    const struct { const char* name; int col; Answer answer; MsgAnswer question; Entries after; Entries flags; int state; QStringList texts; } cases[] = {
        {"delete command 1", 4, choose(KindDelete), {}, {1048, 21, 8, 8}, range(2), 1, {"RM.Adr.104frei", "Mag.Art.2grün", "-"}},
        {"insert before command 1", 4, choose(KindInsert), {}, {1048, 0, 11, 21, 8}, range(2), 1, {"RM.Adr.104frei", "-", "Mag.Art.1grün", "Mag.Art.2grün"}},
        {"delete the route", 3, choose(KindDelete), MsgAnswer::Yes, {0, 8, 8, 8}, {1}, 1, {"leer", "-", "-"}},
        {"keep the route", 3, choose(KindDelete), MsgAnswer::No, {1048, 11, 21, 8}, {}, 0, {"RM.Adr.104frei", "Mag.Art.1grün"}},
        {"accessory 12 green", 5, choose(KindAccessory, [](FSEingabeFrm& f) { type(f.MagAdrTxt(), "12"); f.MagstatOpt()->button(1)->click(); }), {}, {1048, 11, 121, 8}, {3}, 1, {"RM.Adr.104frei", "Mag.Art.1grün", "Mag.Art.12grün"}},
        {"start on contact 7 occupied", 3, choose(KindFeedback, [](FSEingabeFrm& f) { type(f.RMAdrTxt(), "7"); f.RMstatOpt()->button(1)->click(); }), {}, {79, 11, 21, 8}, {1}, 1, {"RM.Adr.7belegt"}},
        // What the station holds already is not to be written.
        {"OK as it was", 4, [](FSEingabeFrm& f) { f.OKButton()->click(); }, {}, {1048, 11, 21, 8}, {}, 0, {"RM.Adr.104frei", "Mag.Art.1grün"}},
        {"end of route again", 6, [](FSEingabeFrm& f) { f.OKButton()->click(); }, {}, {1048, 11, 21, 8}, {}, 0, {"RM.Adr.104frei", "Mag.Art.1grün", "Mag.Art.2grün", "-"}},
        {"close box", 4, [](FSEingabeFrm& f) { f.BefehlArtOpt(KindDelete)->click(); f.close(); }, {}, {1048, 11, 21, 8}, {}, 0, {"RM.Adr.104frei", "Mag.Art.1grün"}},
        {"Abbrechen", 4, [](FSEingabeFrm& f) { f.BefehlArtOpt(KindDelete)->click(); f.AbbrechenButton()->click(); }, {}, {1048, 11, 21, 8}, {}, 0, {"RM.Adr.104frei", "Mag.Art.1grün"}},
        {"Escape", 4, [](FSEingabeFrm& f) { f.BefehlArtOpt(KindDelete)->click(); QApplication::setActiveWindow(&f); QTest::keyClick(&f, Qt::Key_Escape); }, {}, {1048, 11, 21, 8}, {}, 0, {"RM.Adr.104frei", "Mag.Art.1grün"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RouteRig rig;
        rig.setRoute(5, {1048, 11, 21});
        rig.dialogs.answerNext(c.question);
        ASSERT_TRUE(rig.edit(5, c.col, c.answer));
        EXPECT_FALSE(rig.frm->commandDialog()->isVisible());
        EXPECT_EQ(rig.entries(5, int(c.after.size())), c.after);
        EXPECT_EQ(rig.flagged(5), c.flags);
        EXPECT_EQ(rig.t().RouteNames.value(5, RouteTables::State), c.state);
        EXPECT_EQ(rig.dialogs.messageCount(), c.col == 3 && c.question != MsgAnswer::Ok ? 1 : 0);
        for (int i = 0; i < c.texts.size(); ++i)
            EXPECT_EQ(rig.grid()->TextMatrix(5, 3 + i), c.texts[i]);
    }
}

TEST(FSEingabeFrm, OffersWhatTheEntryCanHoldAndOnlyEntryColumnsOpenIt)
{
    RouteRig rig;
    for (int col : {0, 1, 2})
        EXPECT_FALSE(rig.edit(12, col, [](FSEingabeFrm& f) { f.close(); })) << col;
    rig.t().RouteData[12][14] = 1049;
    // Route 12 starts by itself, command 3 sets a direction, 13 holds a start kind, 14 the end.
    const struct { int col; const char* caption; Entries enabled; } cases[] = {
        {3, "Fahrstraße: 12 - Start mit Rückmeldung:", {1, 9, 11, 12}},
        {6, "Fahrstraße: 12 - Befehl: 3", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {16, "Fahrstraße: 12 - Befehl: 13 RM", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {17, "Fahrstraße: 12 - Befehl: 14 RM", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const auto& c : cases) {
        Entries enabled;
        QString caption;
        EXPECT_TRUE(rig.edit(12, c.col, [&](FSEingabeFrm& f) {
            // The fields of the other kinds show their empty state.
            caption = f.windowTitle() + (f.RMAdrTxt()->isEnabled() && f.RMstatOpt()->button(1)->isEnabled() ? " RM" : "")
                      + f.MagAdrTxt()->text() + f.UnterTxt()->text();
            for (int i = 0; i < FSEingabeFrm::OptionCount; ++i)
                if (f.BefehlArtOpt(i)->isEnabled())
                    enabled.push_back(i);
            f.close();
        }));
        EXPECT_EQ(caption, QString::fromUtf8(c.caption) + QStringLiteral("-1"));
        EXPECT_EQ(enabled, c.enabled);
    }
}

// What the fields show as they are typed into, and what OK then stores in route 7's command 1.
TEST(FSEingabeFrm, FieldsTakeDigitsKeepTheirLimitsAndEncodeWhatTheyShow)
{
    const struct { const char* name; int option; std::function<QLineEdit*(FSEingabeFrm&)> box; const char* typed; const char* shown; int stored; } cases[] = {
        {"speed above 100", KindLocoSpeed, &FSEingabeFrm::LokSpeedTxt, "150", "100", 1274},
        {"speed 25", KindLocoSpeed, &FSEingabeFrm::LokSpeedTxt, "2x5", "25", 334},
        {"sub-route above 80", KindSubRoute, &FSEingabeFrm::UnterTxt, "95", "80", 0},
        {"sub-route cleared", KindSubRoute, &FSEingabeFrm::UnterTxt, "", "1", 6},
        {"sub-route 3", KindSubRoute, &FSEingabeFrm::UnterTxt, "3", "3", 1037},
        {"pause", KindPause, &FSEingabeFrm::PauseTxt, "7 s", "7", 145},
        {"locomotive", KindLocoSelect, &FSEingabeFrm::LokAdrTxt, "12345", "1234", 51234},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RouteRig rig;
        // Route 80 starts with nothing, so that a call to it is no entry at all.
        rig.t().RouteData[80][1] = 0;
        const int before = rig.t().RouteData[7][2];
        QString shown;
        rig.edit(7, 4, choose(c.option, [&](FSEingabeFrm& f) {
            type(c.box(f), QString::fromLatin1(c.typed));
            shown = c.box(f)->text();
        }));
        EXPECT_EQ(shown, QString::fromLatin1(c.shown));
        // A call to route 80, which has no start, changes nothing.
        EXPECT_EQ(rig.t().RouteData[7][2], c.stored ? c.stored : before);
    }
}

TEST(FSEingabeFrm, EmergencyStopShowsNotAndRefusedFieldsKeepTheDialogOpen)
{
    RouteRig rig;
    QStringList speeds;
    bool openAfterRefusal = false;
    rig.edit(9, 4, [&](FSEingabeFrm& f) {
        f.BefehlArtOpt(KindLocoSpeed)->click();
        for (int click = 0; click < 3; ++click) {
            f.NotChk()->click();
            speeds << f.LokSpeedTxt()->text();
        }
        f.BefehlArtOpt(KindAccessory)->click();
        f.OKButton()->click();
        openAfterRefusal = f.isVisible() && f.CommandDialogOpen;
        f.BefehlArtOpt(KindLocoSpeed)->click();
        f.OKButton()->click();
    });
    EXPECT_EQ(speeds, (QStringList{"Not", "0", "Not"}));
    EXPECT_TRUE(openAfterRefusal);
    ASSERT_EQ(rig.dialogs.messageCount(), 1);
    EXPECT_EQ(rig.dialogs.last().text, QStringLiteral("Die Magnetartikeladresse muss eine ganze Zahl von 1 bis 4999 sein!"));
    EXPECT_EQ(rig.t().RouteData[9][2], 14);
    EXPECT_EQ(rig.grid()->TextMatrix(9, 4), QStringLiteral("Lok Nothalt"));
    // Opened again on a pause, the emergency stop is not left checked.
    bool notChecked = true;
    rig.edit(9, 5, [&](FSEingabeFrm& f) { notChecked = f.NotChk()->isChecked(); f.close(); });
    EXPECT_FALSE(notChecked);
}

// Line 1, the 13 and line 2 fit bytes 4..27: the box takes what is left beside the other line.
TEST(FSDatenFrm, NameBoxKeepsTheNameAreaEnterAndTabStoreEscapeGivesUp)
{
    const struct { int col, key; bool stored; int toCol; bool boxOpen; } cases[] = {
        {1, Qt::Key_Return, true, 1, false}, {1, Qt::Key_Tab, true, 2, true},
        {2, Qt::Key_Tab, true, 3, false},    {1, Qt::Key_Backtab, true, 0, false},
        {2, Qt::Key_Escape, false, 2, false},
    };
    for (const auto& c : cases) {
        RouteRig rig;
        const QString other = rig.t().ReadFSname(3 - c.col, 5);
        const QString before = rig.t().ReadFSname(c.col, 5);
        rig.click(5, c.col);
        type(rig.frm->InpText(), QString(30, QLatin1Char('x')));
        QTest::keyClick(rig.frm->InpText(), Qt::Key(c.key), c.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        const QString stored = QString(23 - int(other.size()), QLatin1Char('x'));
        EXPECT_EQ(rig.t().ReadFSname(c.col, 5), c.stored ? stored : before);
        EXPECT_EQ(rig.t().ReadFSname(3 - c.col, 5), other);
        EXPECT_EQ(rig.t().RouteNames.value(5, 48), c.stored ? 1 : 0);
        EXPECT_EQ(rig.grid()->TextMatrix(5, c.col), rig.t().ReadFSname(c.col, 5));
        EXPECT_EQ(std::pair(rig.grid()->Row(), rig.grid()->Col()), std::pair(5, c.toCol));
        EXPECT_EQ(rig.frm->InpText()->isVisible(), c.boxOpen);
    }
}

TEST(FSDatenFrm, ClearedRoutesAreNotSentEvenAfterANameVisitAndAFileBringsThemBackMarkedForSending)
{
    RouteRig rig;
    const QString path = rig.dir.filePath(QStringLiteral("fs.ISD"));
    rig.files.chooseNext(path);
    rig.menu("SpeichernMenu");
    rig.menu("ClrTabMenu");
    EXPECT_EQ(std::pair(rig.grid()->TextMatrix(1, 1), rig.grid()->TextMatrix(1, 3)), std::pair(QString(), QStringLiteral("leer")));
    rig.click(2, 1);
    rig.click(2, 2);
    const int requests = rig.station.requestCount();
    rig.menu("SendToKX2Menu");
    EXPECT_TRUE(rig.dialogs.calls.empty());
    EXPECT_EQ(rig.station.requestCount(), requests);

    rig.files.chooseNext(path);
    rig.menu("LadenMenu");
    EXPECT_EQ(rig.grid()->TextMatrix(2, 1), QStringLiteral("Fahrstraße 2"));
    for (int r : {1, 10, 11})
        EXPECT_EQ(rig.t().RouteNames.value(r, 48), r == 10 ? 0 : 1) << r;
}

// A changed start entry is what the sub-route calls of every route reach.
TEST(FSDatenFrm, ChangingAStartEntryRedrawsTheCallsOfEveryRoute)
{
    RouteRig rig;
    ASSERT_EQ(rig.grid()->TextMatrix(16, 4), QStringLiteral("UnterFS:1"));
    rig.edit(1, 3, choose(KindAutostart));
    EXPECT_EQ(rig.grid()->TextMatrix(16, 4), QStringLiteral("UnterFS:11"));
    // Undone, only route 1 is drawn anew, and with it every call of it.
    rig.menu("RueckgaengigMenu");
    EXPECT_EQ(rig.grid()->TextMatrix(16, 4), QStringLiteral("UnterFS:1"));
}

TEST(RouteEditorEndToEnd, ReadEditSendAndReadAgainFromTheMainWindow)
{
    RouteRig e;
    EXPECT_TRUE(e.frm->isVisible() && !e.win.isVisible() && e.dialogs.calls.empty());
    EXPECT_EQ(e.frm->KXMenu()->title().remove(QLatin1Char('&')), QStringLiteral("TQ7"));
    ASSERT_EQ(std::pair(e.grid()->Rows(), e.grid()->TextMatrix(80, 0)), std::pair(81, QStringLiteral("80")));

    e.click(4, 2);
    typeText(e.frm->InpText(), QStringLiteral(" Süd"));
    QTest::keyClick(e.frm->InpText(), Qt::Key_Return);
    e.edit(4, 6, choose(KindFunctionsF0F4, [](FSEingabeFrm& f) { f.FChk(0)->click(); f.FChk(3)->click(); }));
    EXPECT_EQ(e.grid()->TextMatrix(4, 6), QStringLiteral("Fkt. f0 f3 "));
    e.menu("SendToKX2Menu");
    ASSERT_EQ(e.dialogs.messageCount(), 1);
    const RouteTables sent = e.t();

    e.menu("ReadfromKX2Menu");
    EXPECT_EQ(e.dialogs.messageCount(), 1);
    for (int r = 1; r <= 80; ++r) {
        EXPECT_EQ(e.t().RouteData[size_t(r)], sent.RouteData[size_t(r)]) << r;
        for (int b = 4; b <= 33; ++b)
            ASSERT_EQ(e.t().RouteNames.value(r, b), sent.RouteNames.value(r, b)) << r << " " << b;
    }
    EXPECT_EQ(e.grid()->TextMatrix(4, 2), QStringLiteral("Gleis 5 Süd"));
    EXPECT_EQ(e.station.violations(), 0) << e.station.violationLog().join(QLatin1Char('\n')).toStdString();

    // A port that cannot be opened still opens the editor with the routes as they are.
    e.menu("AbbrechenMenu");
    e.port.setUnplugged(true);
    QTest::mouseClick(e.win.findChild<QPushButton*>(QStringLiteral("FSDatenBut")), Qt::LeftButton);
    EXPECT_TRUE(e.frm->isVisible());
    EXPECT_EQ(e.grid()->TextMatrix(4, 6), QStringLiteral("Fkt. f0 f3 "));
}
