#include "editor/gui/MagSymFrm.h"

#include "editor/RangePrint.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

// What the pictures show, by number from 1.
QStringList rangeSymbolMeanings()
{
    return {
        QString(),
        QCoreApplication::translate("MagSymFrm", "Weiche links"),
        QCoreApplication::translate("MagSymFrm", "Weiche rechts"),
        QCoreApplication::translate("MagSymFrm", "Magnetartikel allgemein (rot/grün)"),
        QCoreApplication::translate("MagSymFrm", "Dreiwegweiche"),
        QCoreApplication::translate("MagSymFrm", "Doppelte Kreuzungsweiche"),
        QCoreApplication::translate("MagSymFrm", "Kreuzung"),
        QCoreApplication::translate("MagSymFrm", "Y-Weiche"),
        QCoreApplication::translate("MagSymFrm", "Lichthauptsignal (rot/grün)"),
        QCoreApplication::translate("MagSymFrm", "Lichthauptsignal Halt (rot)"),
        QCoreApplication::translate("MagSymFrm", "Lichthauptsignal Fahrt (grün)"),
        QCoreApplication::translate("MagSymFrm", "Lichtvorsignal"),
        QCoreApplication::translate("MagSymFrm", "Formhauptsignal"),
        QCoreApplication::translate("MagSymFrm", "Formvorsignal"),
        QCoreApplication::translate("MagSymFrm", "Rangiersignal / Gleissperrsignal"),
        QCoreApplication::translate("MagSymFrm", "Lichtsignal dreibegriffig"),
        QCoreApplication::translate("MagSymFrm", "Entkupplungsgleis"),
        QCoreApplication::translate("MagSymFrm", "Bahnübergang"),
        QCoreApplication::translate("MagSymFrm", "Schranke"),
        QCoreApplication::translate("MagSymFrm", "Drehscheibe"),
        QCoreApplication::translate("MagSymFrm", "Schiebebühne"),
        QCoreApplication::translate("MagSymFrm", "Relais"),
        QCoreApplication::translate("MagSymFrm", "Beleuchtung / Lampe"),
        QCoreApplication::translate("MagSymFrm", "Fahrstrom / Trennstelle"),
        QCoreApplication::translate("MagSymFrm", "Besetztmelder (Gleis besetzt)"),
        QCoreApplication::translate("MagSymFrm", "Gleiskontakt"),
        QCoreApplication::translate("MagSymFrm", "Motor / Antrieb"),
    };
}

SymbolChooserDesign magSymDesign()
{
    SymbolChooserDesign d;
    d.formName = "MagSymFrm";
    d.caption = QCoreApplication::translate("MagSymFrm", "Mag.Fkt.-Symbole");
    d.gridName = "MagSymGrid";
    d.pictureFolder = magSymbolFolder();
    d.symbolCount = MagSymFrm::SymbolCount;
    d.noSymbolLine = false;
    d.numberHeader = QCoreApplication::translate("MagSymFrm", "S-Nr.");
    d.pictureHeader = QCoreApplication::translate("MagSymFrm", "Symbol");
    d.symbolsPerLine = MagSymFrm::SymbolsPerLine;
    d.numberWidth = 30;
    d.pictureWidth = 80;
    d.rowHeight = 27;
    d.meanings = rangeSymbolMeanings();
    // The pictures are drawn to keep within the 27 pixels.
    d.scalePictures = false;
    d.cancelCaption = QCoreApplication::translate("MagSymFrm", "abbrechen");
    // A never-written record byte gives a preset far beyond 26.
    d.keepPresetInRange = true;
    return d;
}

} // namespace

QString magSymbolFolder()
{
    return rangeSymbolFolder();
}

MagSymFrm::MagSymFrm(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent)
    : SymbolChooser(magSymDesign(), pictures, std::move(pause), parent)
{
}

} // namespace kx2
