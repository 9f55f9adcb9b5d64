#include "records/gui/MagSymFrm.h"

namespace kx2 {

namespace {

// What the pictures show, by number from 1.
QStringList RangeSymbolMeanings()
{
    return {
        QString(),
        QStringLiteral("Weiche links"),
        QStringLiteral("Weiche rechts"),
        QStringLiteral("Magnetartikel allgemein (rot/grün)"),
        QStringLiteral("Dreiwegweiche"),
        QStringLiteral("Doppelte Kreuzungsweiche"),
        QStringLiteral("Kreuzung"),
        QStringLiteral("Y-Weiche"),
        QStringLiteral("Lichthauptsignal (rot/grün)"),
        QStringLiteral("Lichthauptsignal Halt (rot)"),
        QStringLiteral("Lichthauptsignal Fahrt (grün)"),
        QStringLiteral("Lichtvorsignal"),
        QStringLiteral("Formhauptsignal"),
        QStringLiteral("Formvorsignal"),
        QStringLiteral("Rangiersignal / Gleissperrsignal"),
        QStringLiteral("Lichtsignal dreibegriffig"),
        QStringLiteral("Entkupplungsgleis"),
        QStringLiteral("Bahnübergang"),
        QStringLiteral("Schranke"),
        QStringLiteral("Drehscheibe"),
        QStringLiteral("Schiebebühne"),
        QStringLiteral("Relais"),
        QStringLiteral("Beleuchtung / Lampe"),
        QStringLiteral("Fahrstrom / Trennstelle"),
        QStringLiteral("Besetztmelder (Gleis besetzt)"),
        QStringLiteral("Gleiskontakt"),
        QStringLiteral("Motor / Antrieb"),
    };
}

SymbolChooserDesign MagSymDesign()
{
    SymbolChooserDesign d;
    d.formName = "MagSymFrm";
    d.caption = QStringLiteral("Mag.Fkt.-Symbole");
    d.gridName = "MagSymGrid";
    d.pictureFolder = MagSymbolFolder();
    d.symbolCount = MagSymFrm::SymbolCount;
    d.noSymbolLine = false;
    d.numberHeader = QStringLiteral("S-Nr.");
    d.pictureHeader = QStringLiteral("Symbol");
    d.symbolsPerLine = MagSymFrm::SymbolsPerLine;
    d.numberWidth = 30;
    d.pictureWidth = 80;
    d.rowHeight = 27;
    d.meanings = RangeSymbolMeanings();
    // The pictures are drawn to keep within the 27 pixels.
    d.scalePictures = false;
    d.cancelCaption = QStringLiteral("abbrechen");
    // A never-written record byte gives a preset far beyond 26.
    d.keepPresetInRange = true;
    return d;
}

} // namespace

QString MagSymbolFolder()
{
    return QStringLiteral("Konf/Mag_Symbole");
}

MagSymFrm::MagSymFrm(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent)
    : SymbolChooser(MagSymDesign(), pictures, std::move(pause), parent)
{
}

} // namespace kx2
