#include "editor/gui/MagSymFrm.h"

#include "editor/RangePrint.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

// What the pictures show, by number from 1.
const char* const kRangeSymbolMeanings[MagSymFrm::SymbolCount] = {
    QT_TRANSLATE_NOOP("MagSymFrm", "Weiche links"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Weiche rechts"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Magnetartikel allgemein (rot/grün)"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Dreiwegweiche"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Doppelte Kreuzungsweiche"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Kreuzung"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Y-Weiche"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Lichthauptsignal (rot/grün)"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Lichthauptsignal Halt (rot)"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Lichthauptsignal Fahrt (grün)"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Lichtvorsignal"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Formhauptsignal"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Formvorsignal"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Rangiersignal / Gleissperrsignal"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Lichtsignal dreibegriffig"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Entkupplungsgleis"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Bahnübergang"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Schranke"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Drehscheibe"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Schiebebühne"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Relais"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Beleuchtung / Lampe"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Fahrstrom / Trennstelle"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Besetztmelder (Gleis besetzt)"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Gleiskontakt"),
    QT_TRANSLATE_NOOP("MagSymFrm", "Motor / Antrieb"),
};

QStringList rangeSymbolMeanings()
{
    QStringList meanings;
    for (int symbol = 0; symbol <= MagSymFrm::SymbolCount; ++symbol)
        meanings.append(rangeSymbolMeaning(symbol));
    return meanings;
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

QString rangeSymbolMeaning(int symbol)
{
    if (symbol < 1 || symbol > MagSymFrm::SymbolCount)
        return QString();
    return QCoreApplication::translate("MagSymFrm", kRangeSymbolMeanings[symbol - 1]);
}

QString magSymbolFolder()
{
    return rangeSymbolFolder();
}

MagSymFrm::MagSymFrm(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent)
    : SymbolChooser(magSymDesign(), pictures, std::move(pause), parent)
{
}

} // namespace kx2
