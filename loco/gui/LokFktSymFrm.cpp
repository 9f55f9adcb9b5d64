#include "loco/gui/LokFktSymFrm.h"

#include "loco/LocoGridModel.h"

namespace kx2 {

namespace {

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
    d.gridWidth = 98;
    d.numberWidth = LokFktSymFrm::CellSize;
    d.pictureWidth = LokFktSymFrm::CellSize;
    d.rowHeight = LokFktSymFrm::CellSize;
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
