// The fixed texts of the windows, one table checked once against the real windows: captions,
// buttons, boxes, labels, menus and grid headers, quoted exactly as the program shows them, and
// none of the captions and labels cut short at the window's default size.
#include "AppRig.h"

#include "accessory/gui/MagDatenFrm.h"
#include "editor/gui/MagSymFrm.h"
#include "feedback/gui/RMDatenFrm.h"
#include "link/gui/ComWin.h"
#include "loco/gui/LokDatFormatFrm.h"
#include "loco/gui/LokFktSymFrm.h"
#include "loco/gui/LokmaxSpeedFrm.h"
#include "shell/gui/HelpWin.h"
#include "shell/gui/OptWin.h"
#include "editor/gui/PictureCache.h"
#include "shell/gui/TitleFit.h"
#include "routes/gui/FSDatenFrm.h"

#include <QAction>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>

using namespace kx2;
using namespace kx2::test;

namespace {

// The text an object shows: a window's caption (""), a grid header ("#3": column 3), or the
// text or title of the object of that name.
QString textOf(QWidget* window, const QString& what)
{
    if (what.isEmpty())
        return window->windowTitle();
    if (what.startsWith('#'))
        return window->findChild<FlexGrid*>()->TextMatrix(0, what.mid(1).toInt());
    QObject* o = window->findChild<QObject*>(what);
    if (!o)
        return QStringLiteral("<no %1>").arg(what);
    // Access keys aside.
    if (auto* menu = qobject_cast<QMenu*>(o))
        return menu->title().remove('&');
    if (auto* frame = qobject_cast<QGroupBox*>(o))
        return frame->title();
    return o->property("text").toString().remove('&');
}

// What does not fit at the default size: the caption in the title bar, a one-line label.
QStringList clipped(QWidget* window)
{
    window->show();
    QStringList found(window->width() < titleBarWidth(window->windowTitle()) ? 1 : 0, window->windowTitle());
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().contains('\n')
            && label->contentsRect().width()
                   < label->fontMetrics().horizontalAdvance(label->buddy() ? QString(label->text()).remove('&') : label->text()))
            found << label->text();
    return found;
}

} // namespace

TEST(WindowTexts, EveryWindowShowsItsOwnTexts)
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
    LokdatenFrm unbranded(rig.ctx.database, rig.ctx.locoData, buildFolder(), DeviceMenuCaptions{});
    QWidget* main = &rig.win;
    QWidget* loco = &rig.windows.lokdatenFrm();
    QWidget* opt = rig.win.optWin();
    QWidget* mag = &rig.windows.magDatenFrm();
    QWidget* rm = &rig.windows.rmDatenFrm();
    const struct {
        QWidget* window;
        const char* what;
        const char* text;
    } rows[] = {
        {main, "", " TQ7 - Tool"}, {main, "LokDaten_But", "Lokdaten"}, {main, "MagDatenBut", "Mag.Art.daten"},
        {main, "RckmDatenBut", "Rückmelderdaten"}, {main, "FSDatenBut", "Fahrstraßen"}, {main, "LokDatAnzLbl", "Anzahl:"},
        {main, "LokDatAnzTxt", "5"}, {main, "MagAdrStartLbl", "von Adr.:"}, {main, "MagAdrStartTxt", "1"},
        {main, "MagAdrEndLbl", "bis Adr.:"}, {main, "MagAdrEndTxt", "16"}, {main, "RmAdrStartLbl", "von Adr.:"},
        {main, "RmAdrStartTxt", "1"}, {main, "RmAdrEndLbl", "bis Adr.:"}, {main, "RmAdrEndTxt", "16"},
        {main, "ComPortNrLbl", "ComPort Nr.:"}, {main, "BdRtLbl", "Baudrate:"}, {main, "Datei_menu", "Datei"},
        {main, "Opt_menu", "Optionen"}, {main, "ende_menu", "Beenden"}, {main, "InfoMenu", "Info"},
        {main, "HilfeMenu", "Hilfe"}, {main, "ProgInfoMenu", "Progamminfo"},
        {opt, "", "Optionen"}, {opt, "UpDevFrame", "Update über "}, {opt, "UpDevOpt_0", "Quarnellis/Kordavinex"},
        {opt, "UpDevOpt_1", "Mervenholt 58230 - LocoNet Interface"}, {opt, "UpDevOpt_2", "Mervenholt 58240 - LocoNet USB Interface"},
        {opt, "BdrtFrame", "Baurate:"}, {opt, "BdrtOpt_0", "9600"}, {opt, "BdrtOpt_1", "16666"}, {opt, "BdrtOpt_2", "19200"},
        {opt, "BdrtOpt_3", "115200"}, {opt, "ComPortFrame", "ComPort:"}, {opt, "ComPortLbl", "Nummer:"}, {opt, "OK_But", "O.K."},
        {rig.win.helpWin(), "", "Hilfe"}, {rig.win.helpWin(), "OKButton", "OK"},
        {&progress, "", "Fortschritt:"}, {&progress, "ComTxt", "- "},
        {loco, "", "Lok-Datensätze:"}, {loco, "DateiMenu", "Datei"}, {loco, "LadenMenu", "alle Datensätze laden"},
        {loco, "SpeichernMenu", "alle Datensätze speichern"}, {loco, "ClrTabMenu", "alle Daten in der Tabelle  löschen"},
        {loco, "DS_LadenMenu", "einen Datensatz laden"}, {loco, "DS_SpeichernMenu", "einen Datensatz speichern"},
        {loco, "AbbrechenMenu", "Abbrechen"}, {loco, "KXMenu", "TQ7"}, {loco, "ReadfromKX2Menu", "Daten aus der TQ7 lesen"},
        {loco, "SendToKX2Menu", "Daten zur TQ7 senden"}, {loco, "#0", "Adr."}, {loco, "#1", "D-For."}, {loco, "#2", "Name"},
        {loco, "#3", "max.Geschw."}, {loco, "#4", "f0"}, {loco, "#32", "f28"},
        {mag, "", "Magnetartikel-Datensätze:"}, {mag, "LadenMenu", "laden"}, {mag, "SpeichernMenu", "speichern"},
        {mag, "ClrTabMenu", "alle Daten in der Tabelle  löschen"}, {mag, "#0", "Adr."}, {mag, "#1", "D-For."},
        {mag, "#2", "Name Zeile1"}, {mag, "#3", "Name Zeile2"}, {mag, "#4", "Symbol"}, {mag, "KXMenu", "TQ7"},
        {rm, "", "Rückmelder-Datensätze:"}, {rm, "LadenMenu", "laden"}, {rm, "SpeichernMenu", "speichern"},
        {rm, "ClrTabMenu", "alle Daten aus Tabelle löschen"}, {rm, "SendToKX2Menu", "Daten zur TQ7 senden"},
        {&unbranded, "KXMenu", "Kordavinex"}, {&unbranded, "ReadfromKX2Menu", "Daten aus der KX lesen"},
        {&unbranded, "SendToKX2Menu", "Daten zur KX senden"},
        {&format, "", "Lokdatenformat"}, {&format, "LokdataFrmOpt_0", "Motorala alt"}, {&format, "LokdataFrmOpt_1", "Motorala neu"},
        {&format, "LokdataFrmOpt_4", "DCC 128"}, {&format, "OKButton", "OK"},
        {&speed, "", "max. Lokgeschwindigkeit in der Fahrpultanzeige"}, {&speed, "Label2", "Km/h"},
        {&speed, "CancelButton", "Abbrechen"},
        {&functionSymbols, "", "Lok Fkt.-Symbole"}, {&functionSymbols, "#0", "F-Nr."}, {&functionSymbols, "#1", "Sym."},
        {&accessorySymbols, "", "Mag.Fkt.-Symbole"}, {&accessorySymbols, "#0", "S-Nr."}, {&accessorySymbols, "#1", "Symbol"},
        {&accessorySymbols, "AbbrechenButton", "abbrechen"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(textOf(row.window, QString::fromLatin1(row.what)), QString::fromUtf8(row.text))
            << row.window->objectName().toStdString() << " " << row.what;

    QInputDialog newRecord;
    newRecord.setWindowTitle(QStringLiteral("Neuer Datensatz")), fitTitle(&newRecord);
    for (QWidget* w : std::initializer_list<QWidget*>{main, opt, rig.win.helpWin(), &progress, loco, mag, rm, &format, &speed,
                                                      &functionSymbols, &accessorySymbols, &rig.windows.fsDatenFrm(), &newRecord})
        EXPECT_EQ(clipped(w), QStringList()) << w->objectName().toStdString() << " cut short";
}
