// Every window at its default size shows its caption and its labels whole.
#include "AppRig.h"

#include "accessory/gui/MagDatenFrm.h"
#include "feedback/gui/RMDatenFrm.h"
#include "link/gui/ComWin.h"
#include "routes/gui/FSDatenFrm.h"
#include "loco/gui/LokDatFormatFrm.h"
#include "loco/gui/LokFktSymFrm.h"
#include "loco/gui/LokmaxSpeedFrm.h"
#include "records/gui/MagSymFrm.h"
#include "routes/gui/FSEingabeFrm.h"
#include "shell/gui/PictureCache.h"
#include "shell/gui/TitleFit.h"

#include <QAction>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>

using namespace kx2;
using namespace kx2::test;

namespace {

// What does not fit in `window`: "caption" or the label's name and text, one per line.
QStringList clipped(QWidget* window)
{
    window->show();
    QStringList found;
    if (window->width() < TitleBarWidth(window->windowTitle()))
        found << QStringLiteral("caption \"%1\" in %2 px").arg(window->windowTitle()).arg(window->width());
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().contains('\n') || label->text().isEmpty())
            continue;
        const int need = label->fontMetrics().horizontalAdvance(label->text());
        if (label->contentsRect().width() < need)
            found << QStringLiteral("%1 \"%2\" in %3 of %4 px")
                         .arg(label->objectName(), label->text())
                         .arg(label->contentsRect().width())
                         .arg(need);
    }
    window->hide();
    return found;
}

} // namespace

TEST(WindowFit, NoCaptionOrLabelIsCutShortAtTheDefaultSize)
{
    AppRig rig;
    rig.win.findChild<QAction*>(QStringLiteral("HilfeMenu"))->trigger();
    rig.win.findChild<QAction*>(QStringLiteral("Opt_menu"))->trigger();
    PictureCache pictures(buildFolder());
    LokDatFormatFrm format;
    LokmaxSpeedFrm speed;
    LokFktSymFrm functionSymbols(pictures, {});
    MagSymFrm accessorySymbols(pictures, {});
    ComWin progress;
    FSEingabeFrm routeEntry(rig.ctx.routes, rig.dialogs);
    QInputDialog newRecord;
    newRecord.setWindowTitle(QStringLiteral("Neuer Datensatz"));
    newRecord.setLabelText(QStringLiteral("Lokadresse:"));
    FitTitle(&newRecord);
    QWidget* const windows[] = {&rig.win, rig.win.optWin(), rig.win.helpWin(), &progress, &format, &speed,
                                &functionSymbols, &accessorySymbols, &routeEntry, &newRecord,
                                &rig.windows.lokdatenFrm(), &rig.windows.magDatenFrm(), &rig.windows.rmDatenFrm(),
                                &rig.windows.fsDatenFrm()};
    for (QWidget* w : windows)
        EXPECT_EQ(clipped(w), QStringList()) << w->objectName().toStdString();
}
