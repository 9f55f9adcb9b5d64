// Every fixed text of the windows passes through the translation system: under a translation that
// marks what it translates, no caption, button, box, label, menu item, tooltip or grid heading
// may show letters without the mark. Values are not looked at: grid cells, and the boxes and
// labels named "...Txt" that show the port, the counts and the addresses.
#include "AppRig.h"

#include "support/MarkingTranslator.h"

#include "accessory/gui/MagDatenFrm.h"
#include "feedback/gui/RMDatenFrm.h"
#include "link/gui/ComWin.h"
#include "link/gui/MonitorWin.h"
#include "editor/gui/MagSymFrm.h"
#include "shell/gui/OptWin.h"
#include "loco/gui/LokDatFormatFrm.h"
#include "loco/gui/LokFktSymFrm.h"
#include "loco/gui/LokmaxSpeedFrm.h"
#include "routes/gui/FSDatenFrm.h"
#include "routes/gui/FSEingabeFrm.h"
#include "shell/BrandCaptions.h"
#include "shell/gui/HelpWin.h"
#include "editor/gui/PictureCache.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTableWidgetItem>

using namespace kx2;
using namespace kx2::test;

namespace {

// Names that stay as they are in every language: the product, the interfaces by their makers'
// names, and the language box's own caption, which names both languages for whoever reads neither.
bool isName(const QString& text)
{
    static const QStringList names = {mainWindowCaption(QStringLiteral("ZP1")), mainWindowCaption(QStringLiteral("MRV")), QStringLiteral("TQ7"),
                                      QStringLiteral("Kordavinex"), QStringLiteral("Sprache / Language")};
    return names.contains(text) || text.startsWith(QLatin1String("Mervenholt ")) || text == QLatin1String("Quarnellis/Kordavinex");
}

// What `window` shows without the mark, each text with where it stands.
QStringList unmarked(QWidget* window)
{
    QStringList found;
    const auto look = [&found](const QObject* where, const QString& text) {
        const QString shown = QString(text).remove(QLatin1Char('&'));
        if (std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.isLetter(); })
            && !shown.contains(MarkingTranslator::Open) && !isName(shown))
            found << where->objectName() + QStringLiteral(": ") + shown;
    };
    look(window, window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().endsWith(QLatin1String("Txt")))
            continue;
        look(w, w->toolTip());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            look(w, button->text());
        if (auto* label = qobject_cast<QLabel*>(w))
            look(w, label->text());
        if (auto* frame = qobject_cast<QGroupBox*>(w))
            look(w, frame->title());
        if (auto* menu = qobject_cast<QMenu*>(w))
            look(w, menu->title());
        if (auto* grid = qobject_cast<FlexGrid*>(w))
            for (int col = 0; col < grid->Cols(); ++col) {
                look(grid, grid->TextMatrix(0, col));
                if (QTableWidgetItem* item = grid->horizontalHeaderItem(col - grid->FixedCols()))
                    look(grid, item->toolTip());
            }
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        look(action, action->text());
        look(action, action->toolTip());
        look(action, action->statusTip());
    }
    return found;
}

} // namespace

TEST(WindowMarks, EveryFixedTextIsTranslated)
{
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    {
        AppRig rig;
        rig.win.findChild<QAction*>(QStringLiteral("HilfeMenu"))->trigger();
        rig.win.findChild<QAction*>(QStringLiteral("Opt_menu"))->trigger();
        PictureCache pictures(buildFolder());
        MagSymFrm accessorySymbols(pictures, {});
        ComWin progress;
        LokDatFormatFrm format;
        LokmaxSpeedFrm speed;
        LokFktSymFrm functionSymbols(pictures, {});
        FSEingabeFrm command(rig.ctx.routes, rig.dialogs);
        LokdatenFrm unbranded(rig.ctx.database, rig.ctx.locoData, buildFolder(), DeviceMenuCaptions{});
        for (QWidget* w : std::initializer_list<QWidget*>{
                 &rig.win, rig.win.helpWin(), rig.win.optWin(), &accessorySymbols, &progress,
                 &rig.windows.monitorWin(), &format, &speed, &functionSymbols, &command, &unbranded,
                 &rig.windows.lokdatenFrm(), &rig.windows.magDatenFrm(), &rig.windows.rmDatenFrm(),
                 &rig.windows.fsDatenFrm()})
            EXPECT_EQ(unmarked(w), QStringList()) << w->objectName().toStdString();
    }
    QCoreApplication::removeTranslator(&marking);
}
