// The program on other desktops and in other hands: dark palettes, small screens, large fonts,
// the keyboard alone and a screen reader.
#include "RangeEditorRig.h"

#include "editor/PaintedColours.h"
#include "editor/gui/PictureCache.h"
#include "link/gui/ComWin.h"
#include "link/gui/MonitorWin.h"
#include "loco/LocoGridModel.h"
#include "loco/gui/LokDatFormatFrm.h"
#include "loco/gui/LokFktSymFrm.h"
#include "loco/gui/LokmaxSpeedFrm.h"
#include "routes/gui/FSDatenFrm.h"
#include "routes/gui/FSEingabeFrm.h"
#include "shell/Language.h"
#include "shell/gui/ScreenFit.h"

#include <QAccessible>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

using namespace kx2;
using namespace kx2::test;

// Every background the program paints, with the text it draws on it, reads on a light desktop, a
// dark one, and a theme whose text is light on a light base (the mark's text is chosen anew).
TEST(Desktops, EveryPaintedColourKeepsItsTextReadableOnLightAndDarkPalettes)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark(QColor(53, 53, 53), QColor(35, 35, 35)), mismatched = fusion->standardPalette();
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(36, 31, 49));
    mismatched.setColor(QPalette::Text, QColor(235, 235, 235));
    for (const QPalette& palette : {fusion->standardPalette(), dark, mismatched}) {
        const PaintedColours painted[] = {*markColours(RecordMark::Changed, palette), *markColours(RecordMark::New, palette),
            *markColours(RecordMark::Deleted, palette), notFoundColours(palette),
            {palette.color(QPalette::Window), palette.color(QPalette::WindowText), {}}};
        for (const PaintedColours& colours : painted) {
            SCOPED_TRACE(palette.color(QPalette::Text).name().toStdString() + " on " + colours.background.name().toStdString());
            EXPECT_GE(contrastRatio(colours.background, colours.text), 4.5);
            EXPECT_NE(colours.background, palette.color(QPalette::Base)); // a mark still shows as one
        }
    }
}

// Each window, made as large as it likes (or as it was left), opens within a 1024 x 600 screen's
// room. The test screen is 800 x 800: the program's own watch keeps the width, this one the height.
TEST(Desktops, NoWindowOpensLargerThanTheScreen)
{
    AppRig rig;
    rig.win.showOptions();
    rig.win.showHelp();
    PictureCache pictures(buildFolder());
    LokFktSymFrm chooser(pictures, {});
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry() & QRect(0, 0, 1024, 600);
    ScreenFit smallScreen;
    smallScreen.setArea(room);
    for (QWidget* window : std::initializer_list<QWidget*>{&rig.win, rig.win.optWin(), rig.win.helpWin(),
             &rig.windows.lokdatenFrm(), &rig.windows.magDatenFrm(), &rig.windows.rmDatenFrm(), &rig.windows.fsDatenFrm(),
             &rig.windows.monitorWin(), &chooser}) {
        window->hide();
        window->resize(1600, 1000);
        window->show();
        EXPECT_LE(window->frameGeometry().width(), room.width()) << window->objectName().toStdString();
        EXPECT_LE(window->frameGeometry().height(), room.height()) << window->objectName().toStdString();
        window->hide();
    }
}

// What fits at the design font fits at twice its size: widths and heights grow with the font,
// and no heading has to shrink more than at the design size.
TEST(Desktops, GridColumnsAndLinesGrowWithTheFont)
{
    const QFont before = QApplication::font();
    std::vector<int> sizes[2];
    qreal headingShare[2];
    for (const int twice : {0, 1}) {
        QFont font = before;
        font.setPointSizeF(9.0 * (1 + twice));
        QApplication::setFont(font);
        AppRig rig;
        FlexGrid* grid = rig.windows.lokdatenFrm().grid();
        headingShare[twice] = grid->horizontalHeader()->font().pointSizeF() / font.pointSizeF();
        for (int col = 0; col < grid->Cols(); ++col)
            sizes[twice].push_back(grid->ColWidth(col));
        sizes[twice].push_back(grid->RowHeightPx(1));
    }
    QApplication::setFont(before);
    ASSERT_EQ(sizes[0].size(), sizes[1].size());
    for (size_t n = 0; n < sizes[0].size(); ++n)
        EXPECT_NEAR(sizes[1][n], 2 * sizes[0][n], 3) << n;
    EXPECT_GE(headingShare[1], headingShare[0] - 0.05);
}

// Each level a person reaches with Alt (a window's own items with its menu bar's titles, or one
// menu) offers each key once, in German and English; every menu and the items named here carry one.
TEST(AccessKeys, NoWindowOrMenuOffersAKeyTwiceInEitherLanguage)
{
    const QRegularExpression keyed(QStringLiteral(
        "^(MainWin/.*Dat.*But|OptWin/(UpDevOpt_.|BdrtOpt_.|OK_But|AbbrechenBut|PruefenChk|ComPortLbl|SpracheFrame)|"
        "FSEingabeFrm/(BefehlArtOpt_.*|OKButton|AbbrechenButton)|.*Menu)$"));
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
            std::map<QString, std::map<int, QString>> taken; // level: key, caption
            const auto offer = [&](const QString& level, const QString& name, const QString& caption) {
                const QKeySequence key = QKeySequence::mnemonic(caption);
                const std::string where = (level + QLatin1Char(' ') + caption).toStdString();
                if (key.isEmpty())
                    EXPECT_FALSE(keyed.match(level + QLatin1Char('/') + name).hasMatch()) << where;
                else if (!taken[level].emplace(key[0].toCombined(), caption).second)
                    ADD_FAILURE() << where << " and " << taken[level][key[0].toCombined()].toStdString();
            };
            const QString top = window->objectName();
            for (QWidget* w : window->findChildren<QWidget*>()) {
                const QString where = w->window() == window ? top : top + QLatin1Char('/') + w->window()->objectName();
                auto* l = qobject_cast<QLabel*>(w);
                if (auto* b = qobject_cast<QAbstractButton*>(w))
                    offer(where, w->objectName(), b->text());
                else if (auto* g = qobject_cast<QGroupBox*>(w))
                    offer(where, w->objectName(), g->title());
                else if (l && l->buddy())
                    offer(where, w->objectName(), l->text());
                if (auto* m = qobject_cast<QMenu*>(w); m && m->parent() == window->findChild<QMenuBar*>()) {
                    offer(top, QStringLiteral("Menu"), m->title());
                    for (QAction* a : m->actions())
                        if (!a->isSeparator())
                            offer(top + QLatin1Char('/') + m->objectName(), QStringLiteral("Menu"), a->text());
                }
            }
        }
    }
}

// Each line: the dialog and the key; the dialog is gone, and only Return took the choices over.
TEST(DialogKeys, EscapeCancelsReturnTakesTheDefaultButton)
{
    const struct { bool options; Qt::Key key; int rate; } rows[] = {
        {false, Qt::Key_Escape, 115200}, {false, Qt::Key_Return, 115200}, {true, Qt::Key_Escape, 115200}, {true, Qt::Key_Return, 19200}};
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
// options an arrow chooses; Return presses a focused button.
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
    QApplication::setActiveWindow(rig.win.optWin());
    QTest::keyClick(rig.win.optWin()->focusWidget(), Qt::Key_Up);
    EXPECT_EQ(rig.win.optWin()->selectedUpDev(), 1);
    rig.win.optWin()->reject();
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
    QStringList names;
    for (const char* box : {"LokDatAnzTxt", "MagAdrStartTxt", "MagAdrEndTxt", "RmAdrStartTxt", "RmAdrEndTxt"})
        names << name(rig.win.findChild<QLineEdit*>(QLatin1String(box)));
    rig.ctx.loco.markAllForDeviceRead();
    test::putLoco(rig.ctx.loco, 0, 3, QStringLiteral("BR 03"));
    rig.ctx.loco.set(0, LocoTable::symbolColumn(2), 12);
    LokdatenFrm& frm = rig.windows.lokdatenFrm();
    rig.ctx.LocoGridLoaded = 0;
    frm.show();
    frm.Form_Activate();
    FlexGrid* grid = frm.LokdatenGrid();
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(
        0, LocoGrid::columnOfFunction(2) - grid->FixedCols());
    ASSERT_NE(cell, nullptr);
    names << name(grid) << cell->text(QAccessible::Name);
    test::clickCell(grid, 1, LocoGrid::NameCol);
    names << name(frm.InpText());
    EXPECT_EQ(names, (QStringList{"Anzahl", "Mag.Art.daten von Adr.", "Mag.Art.daten bis Adr.", "Rückmelderdaten von Adr.",
                                  "Rückmelderdaten bis Adr.", "Lok-Datensätze", "Signalhorn", "Name"}));
    ComWin progress;
    rig.win.showOptions();
    for (QWidget* dialog : {static_cast<QWidget*>(&progress), static_cast<QWidget*>(rig.win.optWin())})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog)->role(), QAccessible::Dialog) << dialog->objectName().toStdString();
}
