#include "loco/gui/LokFktSymFrm.h"

#include "loco/LocoGridModel.h"

namespace kx2 {

namespace {

// What the pictures show, by number from 1; 51 to 79 stand for the functions F0 to F28.
QStringList FunctionSymbolMeanings()
{
    QStringList meanings{
        QString(),
        QStringLiteral("Spitzenlicht"),
        QStringLiteral("Licht (allgemein)"),
        QStringLiteral("Schlusslicht"),
        QStringLiteral("Fernlicht"),
        QStringLiteral("Abblendlicht"),
        QStringLiteral("Führerstandsbeleuchtung"),
        QStringLiteral("Innenbeleuchtung"),
        QStringLiteral("Dimmer"),
        QStringLiteral("Rundumleuchte"),
        QStringLiteral("Warnblinklicht"),
        QStringLiteral("Feuerbüchse"),
        QStringLiteral("Signalhorn"),
        QStringLiteral("Pfeife (Dampfpfeife)"),
        QStringLiteral("Glocke"),
        QStringLiteral("Geräusch ein/aus"),
        QStringLiteral("Stummschaltung"),
        QStringLiteral("Lautstärke +"),
        QStringLiteral("Lautstärke -"),
        QStringLiteral("Fahrgeräusch"),
        QStringLiteral("Motor ein/aus"),
        QStringLiteral("Bahnhofsansage"),
        QStringLiteral("Schaffnerpfiff"),
        QStringLiteral("Abfahrauftrag (Befehlsstab)"),
        QStringLiteral("Kompressor"),
        QStringLiteral("Bremse"),
        QStringLiteral("Bremsenquietschen"),
        QStringLiteral("Kurvenquietschen"),
        QStringLiteral("Schienenstoß"),
        QStringLiteral("Entkuppeln"),
        QStringLiteral("Kupplung"),
        QStringLiteral("Rangiergang"),
        QStringLiteral("Anfahr-/Bremsverzögerung aus"),
        QStringLiteral("Langsamfahrt"),
        QStringLiteral("Rauchgenerator"),
        QStringLiteral("Dampf ablassen"),
        QStringLiteral("Kohleschaufeln"),
        QStringLiteral("Wasser fassen"),
        QStringLiteral("Sanden"),
        QStringLiteral("Lüfter"),
        QStringLiteral("Stromabnehmer"),
        QStringLiteral("Stromabnehmer vorn"),
        QStringLiteral("Stromabnehmer hinten"),
        QStringLiteral("Hauptschalter"),
        QStringLiteral("Türen"),
        QStringLiteral("Scheibenwischer"),
        QStringLiteral("Heizung"),
        QStringLiteral("Klimaanlage"),
        QStringLiteral("Zugfunk"),
        QStringLiteral("Kran heben/senken"),
        QStringLiteral("Kran drehen"),
    };
    for (int f = 0; f <= 28; ++f)
        meanings.append(QStringLiteral("Funktion F%1").arg(f));
    return meanings;
}

SymbolChooserDesign LokFktSymDesign()
{
    SymbolChooserDesign d;
    d.formName = "LokFktSymFrm";
    d.caption = QStringLiteral("Lok Fkt.-Symbole");
    d.gridName = "LokFktSymGrid";
    d.pictureFolder = FunctionSymbolFolder();
    d.symbolCount = LokFktSymFrm::SymbolRows - 1;
    d.noSymbolLine = true;
    d.noSymbolNumber = QStringLiteral("-");
    d.noSymbolText = NoSymbolText();
    d.numberHeader = QStringLiteral("F-Nr.");
    d.pictureHeader = QStringLiteral("Sym.");
    d.symbolsPerLine = LokFktSymFrm::SymbolsPerLine;
    d.numberWidth = LokFktSymFrm::CellSize;
    d.pictureWidth = LokFktSymFrm::CellSize;
    d.rowHeight = LokFktSymFrm::CellSize;
    d.meanings = FunctionSymbolMeanings();
    d.cancelCaption = QStringLiteral("abbrechen");
    d.keepPresetInRange = false;
    return d;
}

} // namespace

LokFktSymFrm::LokFktSymFrm(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent)
    : SymbolChooser(LokFktSymDesign(), pictures, std::move(pause), parent)
{
}

} // namespace kx2
