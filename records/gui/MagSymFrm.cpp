#include "records/gui/MagSymFrm.h"

namespace kx2 {

namespace {

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
    d.gridWidth = 139;
    d.numberWidth = 30;
    d.pictureWidth = 80;
    d.rowHeight = 27;
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
