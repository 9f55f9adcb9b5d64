#include "loco/gui/LokFktSymFrm.h"

#include "loco/LocoGridModel.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

// What the pictures show, by number from 1; 51 to 79 stand for the functions F0 to F28.
QStringList FunctionSymbolMeanings()
{
    QStringList meanings{
        QString(),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Spitzenlicht"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Licht (allgemein)"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Schlusslicht"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Fernlicht"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Abblendlicht"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Führerstandsbeleuchtung"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Innenbeleuchtung"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Dimmer"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Rundumleuchte"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Warnblinklicht"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Feuerbüchse"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Signalhorn"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Pfeife (Dampfpfeife)"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Glocke"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Geräusch ein/aus"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Stummschaltung"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Lautstärke +"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Lautstärke -"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Fahrgeräusch"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Motor ein/aus"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Bahnhofsansage"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Schaffnerpfiff"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Abfahrauftrag (Befehlsstab)"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Kompressor"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Bremse"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Bremsenquietschen"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Kurvenquietschen"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Schienenstoß"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Entkuppeln"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Kupplung"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Rangiergang"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Anfahr-/Bremsverzögerung aus"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Langsamfahrt"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Rauchgenerator"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Dampf ablassen"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Kohleschaufeln"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Wasser fassen"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Sanden"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Lüfter"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Stromabnehmer"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Stromabnehmer vorn"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Stromabnehmer hinten"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Hauptschalter"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Türen"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Scheibenwischer"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Heizung"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Klimaanlage"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Zugfunk"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Kran heben/senken"),
        QCoreApplication::translate("kx2::LokFktSymFrm", "Kran drehen"),
    };
    for (int f = 0; f <= 28; ++f)
        meanings.append(QCoreApplication::translate("kx2::LokFktSymFrm", "Funktion F%1").arg(f));
    return meanings;
}

SymbolChooserDesign LokFktSymDesign()
{
    SymbolChooserDesign d;
    d.formName = "LokFktSymFrm";
    d.caption = QCoreApplication::translate("kx2::LokFktSymFrm", "Lok Fkt.-Symbole");
    d.gridName = "LokFktSymGrid";
    d.pictureFolder = FunctionSymbolFolder();
    d.symbolCount = LokFktSymFrm::SymbolRows - 1;
    d.noSymbolLine = true;
    d.noSymbolNumber = QStringLiteral("-");
    d.noSymbolText = NoSymbolText();
    d.numberHeader = QCoreApplication::translate("kx2::LokFktSymFrm", "F-Nr.");
    d.pictureHeader = QCoreApplication::translate("kx2::LokFktSymFrm", "Sym.");
    d.symbolsPerLine = LokFktSymFrm::SymbolsPerLine;
    d.numberWidth = LokFktSymFrm::CellSize;
    d.pictureWidth = LokFktSymFrm::CellSize;
    d.rowHeight = LokFktSymFrm::CellSize;
    d.meanings = FunctionSymbolMeanings();
    d.cancelCaption = QCoreApplication::translate("kx2::LokFktSymFrm", "abbrechen");
    d.keepPresetInRange = false;
    return d;
}

} // namespace

LokFktSymFrm::LokFktSymFrm(PictureCache& pictures, std::function<void(double)> pause, QWidget* parent)
    : SymbolChooser(LokFktSymDesign(), pictures, std::move(pause), parent)
{
}

} // namespace kx2
