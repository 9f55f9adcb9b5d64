#include "loco/gui/LokFktSymFrm.h"

#include "loco/LocoGridModel.h"

#include <QCoreApplication>

#include <iterator>

namespace kx2 {

namespace {

// What the pictures show, by number from 1; 51 to 79 stand for the functions F0 to F28.
const char* const kFunctionSymbolMeanings[] = {
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Spitzenlicht"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Licht (allgemein)"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Schlusslicht"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Fernlicht"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Abblendlicht"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Führerstandsbeleuchtung"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Innenbeleuchtung"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Dimmer"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Rundumleuchte"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Warnblinklicht"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Feuerbüchse"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Signalhorn"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Pfeife (Dampfpfeife)"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Glocke"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Geräusch ein/aus"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Stummschaltung"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Lautstärke +"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Lautstärke -"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Fahrgeräusch"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Motor ein/aus"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Bahnhofsansage"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Schaffnerpfiff"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Abfahrauftrag (Befehlsstab)"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Kompressor"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Bremse"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Bremsenquietschen"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Kurvenquietschen"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Schienenstoß"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Entkuppeln"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Kupplung"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Rangiergang"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Anfahr-/Bremsverzögerung aus"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Langsamfahrt"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Rauchgenerator"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Dampf ablassen"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Kohleschaufeln"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Wasser fassen"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Sanden"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Lüfter"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Stromabnehmer"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Stromabnehmer vorn"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Stromabnehmer hinten"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Hauptschalter"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Türen"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Scheibenwischer"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Heizung"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Klimaanlage"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Zugfunk"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Kran heben/senken"),
    QT_TRANSLATE_NOOP("LokFktSymFrm", "Kran drehen"),
};
constexpr int kFunctionSymbolsNamed = int(std::size(kFunctionSymbolMeanings));
constexpr int kFirstFunctionSymbol = kFunctionSymbolsNamed + 1; // F0

QStringList functionSymbolMeanings()
{
    QStringList meanings;
    for (int symbol = 0; symbol < LokFktSymFrm::SymbolRows; ++symbol)
        meanings.append(functionSymbolMeaning(symbol));
    return meanings;
}

} // namespace

QString functionSymbolMeaning(int symbol)
{
    if (symbol >= 1 && symbol <= kFunctionSymbolsNamed)
        return QCoreApplication::translate("LokFktSymFrm", kFunctionSymbolMeanings[symbol - 1]);
    if (symbol >= kFirstFunctionSymbol && symbol < LokFktSymFrm::SymbolRows)
        return QCoreApplication::translate("LokFktSymFrm", "Funktion F%1").arg(symbol - kFirstFunctionSymbol);
    return QString();
}

namespace {

SymbolChooserDesign lokFktSymDesign()
{
    SymbolChooserDesign d;
    d.formName = "LokFktSymFrm";
    d.caption = QCoreApplication::translate("LokFktSymFrm", "Lok Fkt.-Symbole");
    d.gridName = "LokFktSymGrid";
    d.pictureFolder = functionSymbolFolder();
    d.symbolCount = LokFktSymFrm::SymbolRows - 1;
    d.noSymbolLine = true;
    d.noSymbolNumber = QStringLiteral("-");
    d.noSymbolText = noSymbolText();
    d.numberHeader = QCoreApplication::translate("LokFktSymFrm", "F-Nr.");
    d.pictureHeader = QCoreApplication::translate("LokFktSymFrm", "Sym.");
    d.symbolsPerLine = LokFktSymFrm::SymbolsPerLine;
    d.numberWidth = LokFktSymFrm::CellSize;
    d.pictureWidth = LokFktSymFrm::CellSize;
    d.rowHeight = LokFktSymFrm::CellSize;
    d.meanings = functionSymbolMeanings();
    d.cancelCaption = QCoreApplication::translate("LokFktSymFrm", "abbrechen");
    d.keepPresetInRange = false;
    return d;
}

} // namespace

LokFktSymFrm::LokFktSymFrm(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent)
    : SymbolChooser(lokFktSymDesign(), pictures, std::move(pause), parent)
{
}

} // namespace kx2
