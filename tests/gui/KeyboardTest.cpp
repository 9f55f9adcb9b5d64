// The program from the keyboard alone and through a screen reader.
#include "RangeEditorRig.h"

#include "editor/gui/PictureCache.h"
#include "link/gui/ComWin.h"
#include "loco/LocoGridModel.h"
#include "loco/gui/LokDatFormatFrm.h"
#include "loco/gui/LokFktSymFrm.h"
#include "loco/gui/LokmaxSpeedFrm.h"
#include "routes/gui/FSDatenFrm.h"
#include "routes/gui/FSEingabeFrm.h"
#include "shell/Language.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>

using namespace kx2;
using kx2::test::AppRig;
using kx2::test::buildFolder;

// Each level a person reaches with Alt (a window's own items with its menu bar's titles, or one
// menu) offers each key once, in German and English; the items named here carry one.
TEST(AccessKeys, NoWindowOrMenuOffersAKeyTwiceInEitherLanguage)
{
    const QRegularExpression keyed(QStringLiteral(
        "^(MainWin/.*Dat.*But|OptWin/(UpDevOpt_.|BdrtOpt_.|OK_But|AbbrechenBut|PruefenChk|ComPortLbl|SpracheFrame)|"
        "FSEingabeFrm/(BefehlArtOpt_.*|OKButton|AbbrechenButton)|.*/(ReadfromKX2Menu|SendToKX2Menu))$"));
    for (const Language language : {Language::German, Language::English}) {
        Translations translations;
        ASSERT_TRUE(translations.install(language, buildFolder()));
        AppRig rig;
        PictureCache pictures(buildFolder());
        const auto pause = [](double) {};
        LokdatenFrm kordavinex(rig.ctx.database, rig.ctx.locoData, buildFolder(), editorDeviceMenuCaptions("MRV", EditorKind::Loco));
        QWidget* windows[] = {&kordavinex, &rig.win, &rig.windows.lokdatenFrm(), &rig.windows.magDatenFrm(), &rig.windows.rmDatenFrm(),
            &rig.windows.fsDatenFrm(), new OptWin(rig.ctx.settings, rig.win, {}, &rig.win), new HelpWin(buildFolder(), &rig.win),
            new FSEingabeFrm(rig.ctx.routes, rig.dialogs, &rig.win), new LokDatFormatFrm(&rig.win), new LokmaxSpeedFrm(&rig.win),
            new LokFktSymFrm(pictures, pause, &rig.win), new MagSymFrm(pictures, pause, &rig.win)};
        for (QWidget* window : windows) {
            std::map<QString, std::vector<std::pair<QString, QString>>> levels; // level: object name, caption
            const QString top = window->objectName();
            for (QWidget* w : window->findChildren<QWidget*>()) {
                const QString where = w->window() == window ? top : top + QLatin1Char('/') + w->window()->objectName();
                auto* b = qobject_cast<QAbstractButton*>(w);
                auto* l = qobject_cast<QLabel*>(w);
                auto* g = qobject_cast<QGroupBox*>(w);
                if (b || (l && l->buddy()) || g)
                    levels[where].emplace_back(w->objectName(), b ? b->text() : l ? l->text() : g->title());
                if (auto* m = qobject_cast<QMenu*>(w); m && m->parent() == window->findChild<QMenuBar*>())
                    for (QAction* a : QList<QAction*>{m->menuAction()} + m->actions())
                        levels[a == m->menuAction() ? top : top + QLatin1Char('/') + m->objectName()]
                            .emplace_back(a->objectName(), a->text());
            }
            for (const auto& level : levels) {
                std::map<int, QString> taken;
                for (const auto& item : level.second) {
                    const QKeySequence key = QKeySequence::mnemonic(item.second);
                    const std::string where = (level.first + QLatin1Char(' ') + item.second).toStdString();
                    EXPECT_TRUE(!key.isEmpty() || !keyed.match(level.first + QLatin1Char('/') + item.first).hasMatch()) << where;
                    if (!key.isEmpty() && !taken.emplace(key[0].toCombined(), item.second).second)
                        ADD_FAILURE() << where << " and " << taken[key[0].toCombined()].toStdString();
                }
            }
        }
    }
}

// Each line: the dialog and the key; the dialog is gone, and only Return took the choices over.
TEST(DialogKeys, EscapeCancelsReturnTakesTheDefaultButton)
{
    const struct { bool options; Qt::Key key; int rate; } rows[] = {
        {false, Qt::Key_Escape, 115200}, {false, Qt::Key_Return, 115200},
        {true, Qt::Key_Escape, 115200}, {true, Qt::Key_Return, 19200}};
    for (const auto& row : rows) {
        AppRig rig;
        rig.ctx.settings.UseUsbInterface = false; // the LocoNet interface, which allows 19200 too
        rig.ctx.settings.BaudRate = 115200;
        row.options ? rig.win.showOptions() : rig.win.showHelp();
        QDialog* dialog = row.options ? static_cast<QDialog*>(rig.win.optWin()) : rig.win.helpWin();
        if (row.options)
            rig.win.optWin()->bdrtOpt(2)->click();
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, row.key);
        EXPECT_FALSE(dialog->isVisible()) << row.key;
        EXPECT_EQ(rig.ctx.settings.BaudRate, row.rate) << row.key;
        EXPECT_TRUE(rig.win.findChild<QPushButton*>(QStringLiteral("LokDaten_But"))->isEnabled());
    }
}

// The focus starts on "Lokdaten", shown at once; Tab follows the layout past "Anzahl"; in the
// options it starts on the chosen kind, where an arrow chooses; Return presses a focused button.
TEST(FocusWay, TheMainWindowStartsOnLokdatenAndTabsAlongTheLayout)
{
    AppRig rig;
    rig.win.setRoutesAvailable(true);
    rig.win.show();
    QStringList way;
    QWidget* first = rig.win.focusWidget();
    ASSERT_NE(first, nullptr);
    for (QWidget* w = first; way.size() < 20 && (way.isEmpty() || w != first); w = w->nextInFocusChain())
        if (w->window() == &rig.win && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible())
            way << w->objectName();
    EXPECT_EQ(way.join(QLatin1Char(' ')), QStringLiteral("LokDaten_But MagDatenBut MagAdrStartTxt MagAdrEndTxt "
                                                         "RckmDatenBut RmAdrStartTxt RmAdrEndTxt FSDatenBut"));
    EXPECT_TRUE(rig.win.testAttribute(Qt::WA_KeyboardFocusChange));
    rig.win.showOptions();
    OptWin* opt = rig.win.optWin();
    QApplication::setActiveWindow(opt);
    QTest::keyClick(opt->focusWidget(), Qt::Key_Up);
    EXPECT_EQ(std::pair(opt->selectedUpDev(), opt->focusWidget()), std::pair(1, static_cast<QWidget*>(opt->upDevOpt(1))));
    opt->reject();
    int reads = 0;
    QObject::connect(&rig.win, &MainWin::lokDatenRequested, [&reads] { ++reads; });
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(reads, 1);
}

// The main window's boxes are named by their labels, the grid by its editor, the name box by its
// column, a symbol cell by its meaning; options and progress are dialogs.
TEST(ScreenReader, InputsGridAndSymbolCellsHaveNames)
{
    AppRig rig;
    const auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    QStringList boxes;
    for (const char* box : {"LokDatAnzTxt", "MagAdrStartTxt", "MagAdrEndTxt", "RmAdrStartTxt", "RmAdrEndTxt"})
        boxes << name(rig.win.findChild<QLineEdit*>(QLatin1String(box)));
    EXPECT_EQ(boxes, (QStringList{"Anzahl", "Mag.Art.daten von Adr.", "Mag.Art.daten bis Adr.", "Rückmelderdaten von Adr.",
                                  "Rückmelderdaten bis Adr."}));
    rig.ctx.loco.markAllForDeviceRead();
    test::putLoco(rig.ctx.loco, 0, 3, QStringLiteral("BR 03"));
    rig.ctx.loco.set(0, LocoTable::symbolColumn(2), 12);
    LokdatenFrm& frm = rig.windows.lokdatenFrm();
    rig.ctx.LocoGridLoaded = 0;
    frm.show();
    frm.Form_Activate();
    FlexGrid* grid = frm.LokdatenGrid();
    EXPECT_EQ(name(grid), QStringLiteral("Lok-Datensätze"));
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(
        0, LocoGrid::columnOfFunction(2) - grid->FixedCols());
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Signalhorn"));
    test::clickCell(grid, 1, LocoGrid::NameCol);
    EXPECT_EQ(name(frm.InpText()), QStringLiteral("Name"));
    ComWin progress;
    rig.win.showOptions();
    for (QWidget* dialog : {static_cast<QWidget*>(&progress), static_cast<QWidget*>(rig.win.optWin())})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog)->role(), QAccessible::Dialog) << dialog->objectName().toStdString();
}
