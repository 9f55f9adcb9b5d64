#include "accessory/gui/MagDatenFrm.h"

#include "accessory/AccessoryFiles.h"
#include "accessory/AccessoryTable.h"
#include "accessory/AccessoryTransfer.h"
#include "accessory/gui/MagSymFrm.h"
#include "shell/gui/FlexGrid.h"

namespace kx2 {

namespace {

RangeEditorDesign Design()
{
    RangeEditorDesign d;
    d.formName = "MagDatenFrm";
    d.caption = QStringLiteral("Magnetartikel-Datensätze:");
    d.gridName = "MagdatenGrid";
    d.ownColumns = {{QStringLiteral("D-For."), 50}};
    d.fromBoxName = "MagAdrStartTxt";
    d.toBoxName = "MagAdrEndTxt";
    d.clearCaption = QStringLiteral("alle Daten in der Tabelle  löschen");
    // Tab leaves the stored name as it was; only Enter and the arrows store what was typed.
    d.tabKeepsText = false;
    d.symbolFolder = MagSymbolFolder();
    return d;
}

} // namespace

MagDatenFrm::MagDatenFrm(DatabaseContext& ctx, AccessoryTable& accessories, AddressRange& range, int& gridLoaded,
                         const QString& programFolder, const DeviceMenuCaptions& captions, QWidget* parent)
    : RangeRecordEditor(ctx, Design(), accessories, range, gridLoaded, AccessoryFileFormat(), programFolder, captions,
                        parent)
    , m_accessories(accessories)
{
}

void MagDatenFrm::Clear_MagDaten(int a)
{
    m_accessories.Clear_MagDaten(a);
}

void MagDatenFrm::fillOwnCells(int row, int a)
{
    grid()->setTextMatrix(row, FormatCol, m_accessories.formatText(a));
}

void MagDatenFrm::change_data_frm()
{
    const int row = grid()->Row();
    if (!grid()->singleCellSelected() || row < 1 || grid()->Col() != FormatCol)
        return;
    if (const std::optional<int> a = addressOfLine(row)) {
        m_accessories.toggleFormat(*a);
        grid()->setTextMatrix(row, FormatCol, m_accessories.formatText(*a));
    }
}

std::unique_ptr<RangeTransfer> MagDatenFrm::transfer()
{
    return std::make_unique<AccessoryTransfer>(m_ctx, m_accessories, rangeInUse());
}

SymbolChooser* MagDatenFrm::newSymbolChooser()
{
    return new MagSymFrm(pictures(), [this](double seconds) { pause(seconds); }, this);
}

} // namespace kx2
