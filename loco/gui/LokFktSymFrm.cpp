#include "loco/gui/LokFktSymFrm.h"

#include "loco/LocoGridModel.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

// What the pictures show, by number from 1; 51 to 79 stand for the functions F0 to F28.
QStringList functionSymbolMeanings()
{
    QStringList meanings{
        QString(),
        QCoreApplication::translate("LokFktSymFrm", "Spitzenlicht"),
        QCoreApplication::translate("LokFktSymFrm", "Licht (allgemein)"),
        QCoreApplication::translate("LokFktSymFrm", "Schlusslicht"),
        QCoreApplication::translate("LokFktSymFrm", "Fernlicht"),
        QCoreApplication::translate("LokFktSymFrm", "Abblendlicht"),
        QCoreApplication::translate("LokFktSymFrm", "Führerstandsbeleuchtung"),
        QCoreApplication::translate("LokFktSymFrm", "Innenbeleuchtung"),
        QCoreApplication::translate("LokFktSymFrm", "Dimmer"),
        QCoreApplication::translate("LokFktSymFrm", "Rundumleuchte"),
        QCoreApplication::translate("LokFktSymFrm", "Warnblinklicht"),
        QCoreApplication::translate("LokFktSymFrm", "Feuerbüchse"),
        QCoreApplication::translate("LokFktSymFrm", "Signalhorn"),
        QCoreApplication::translate("LokFktSymFrm", "Pfeife (Dampfpfeife)"),
        QCoreApplication::translate("LokFktSymFrm", "Glocke"),
        QCoreApplication::translate("LokFktSymFrm", "Geräusch ein/aus"),
        QCoreApplication::translate("LokFktSymFrm", "Stummschaltung"),
        QCoreApplication::translate("LokFktSymFrm", "Lautstärke +"),
        QCoreApplication::translate("LokFktSymFrm", "Lautstärke -"),
        QCoreApplication::translate("LokFktSymFrm", "Fahrgeräusch"),
        QCoreApplication::translate("LokFktSymFrm", "Motor ein/aus"),
        QCoreApplication::translate("LokFktSymFrm", "Bahnhofsansage"),
        QCoreApplication::translate("LokFktSymFrm", "Schaffnerpfiff"),
        QCoreApplication::translate("LokFktSymFrm", "Abfahrauftrag (Befehlsstab)"),
        QCoreApplication::translate("LokFktSymFrm", "Kompressor"),
        QCoreApplication::translate("LokFktSymFrm", "Bremse"),
        QCoreApplication::translate("LokFktSymFrm", "Bremsenquietschen"),
        QCoreApplication::translate("LokFktSymFrm", "Kurvenquietschen"),
        QCoreApplication::translate("LokFktSymFrm", "Schienenstoß"),
        QCoreApplication::translate("LokFktSymFrm", "Entkuppeln"),
        QCoreApplication::translate("LokFktSymFrm", "Kupplung"),
        QCoreApplication::translate("LokFktSymFrm", "Rangiergang"),
        QCoreApplication::translate("LokFktSymFrm", "Anfahr-/Bremsverzögerung aus"),
        QCoreApplication::translate("LokFktSymFrm", "Langsamfahrt"),
        QCoreApplication::translate("LokFktSymFrm", "Rauchgenerator"),
        QCoreApplication::translate("LokFktSymFrm", "Dampf ablassen"),
        QCoreApplication::translate("LokFktSymFrm", "Kohleschaufeln"),
        QCoreApplication::translate("LokFktSymFrm", "Wasser fassen"),
        QCoreApplication::translate("LokFktSymFrm", "Sanden"),
        QCoreApplication::translate("LokFktSymFrm", "Lüfter"),
        QCoreApplication::translate("LokFktSymFrm", "Stromabnehmer"),
        QCoreApplication::translate("LokFktSymFrm", "Stromabnehmer vorn"),
        QCoreApplication::translate("LokFktSymFrm", "Stromabnehmer hinten"),
        QCoreApplication::translate("LokFktSymFrm", "Hauptschalter"),
        QCoreApplication::translate("LokFktSymFrm", "Türen"),
        QCoreApplication::translate("LokFktSymFrm", "Scheibenwischer"),
        QCoreApplication::translate("LokFktSymFrm", "Heizung"),
        QCoreApplication::translate("LokFktSymFrm", "Klimaanlage"),
        QCoreApplication::translate("LokFktSymFrm", "Zugfunk"),
        QCoreApplication::translate("LokFktSymFrm", "Kran heben/senken"),
        QCoreApplication::translate("LokFktSymFrm", "Kran drehen"),
    };
    for (int f = 0; f <= 28; ++f)
        meanings.append(QCoreApplication::translate("LokFktSymFrm", "Funktion F%1").arg(f));
    return meanings;
}

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
