#include "accessory/gui/MagDatenFrm.h"

#include "accessory/AccessoryCommands.h"
#include "accessory/AccessoryCsv.h"
#include "accessory/AccessoryFiles.h"
#include "accessory/AccessoryPrint.h"
#include "accessory/AccessoryTable.h"
#include "accessory/AccessoryTransfer.h"
#include "editor/gui/MagSymFrm.h"
#include "editor/gui/FlexGrid.h"
#include "editor/gui/PictureCache.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

RangeEditorDesign magDatenDesign()
{
    const RangeEditorColumn format{QCoreApplication::translate("GridHeading", "D-For."), 50};
    return {"MagDatenFrm", accessoryEditorCaption(), "MagdatenGrid",
            {format}, "MagAdrStartTxt", "MagAdrEndTxt",
            QCoreApplication::translate("MagDatenFrm", "alle Daten in der &Tabelle  löschen"), magSymbolFolder(),
            &MagSymFrm::create};
}

} // namespace

void MagDatenFrm::fillOwnCells(int row, int a)
{
    grid()->setTextMatrix(row, FormatCol, m_accessories.formatText(a));
}

MagDatenFrm::MagDatenFrm(DatabaseContext& ctx, AccessoryTable& accessories, AddressRange& range, int& gridLoaded,
                         const QString& programFolder, const DeviceMenuCaptions& captions, QWidget* parent)
    : RangeRecordEditor(ctx, magDatenDesign(), accessories, range, gridLoaded, accessoryFileFormat(), programFolder, captions,
                        parent)
    , m_accessories(accessories)
{
}

void MagDatenFrm::change_data_frm()
{
    const int row = grid()->Row();
    if (!grid()->singleCellSelected() || row < 1 || grid()->Col() != FormatCol)
        return;
    if (const std::optional<int> a = addressOfLine(row)) {
        history().push(std::make_unique<AccessoryFormatCommand>(m_accessories, *a));
        grid()->setTextMatrix(row, FormatCol, m_accessories.formatText(*a));
    }
}

CsvTable MagDatenFrm::csvTable()
{
    return accessoryCsv(m_accessories, rangeInUse());
}

PrintTable MagDatenFrm::printTable(const std::vector<int>& addresses)
{
    return accessoryPrintTable(m_accessories, addresses, printSource(pictures().programFolder()));
}

void MagDatenFrm::blankRecord(int a)
{
    m_accessories.Clear_MagDaten(a);
}

std::unique_ptr<RangeTransfer> MagDatenFrm::transfer()
{
    return std::make_unique<AccessoryTransfer>(m_ctx, m_accessories, rangeInUse());
}

} // namespace kx2
