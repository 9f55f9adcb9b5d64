#pragma once
#include "editor/gui/RangeRecordEditor.h"

namespace kx2 {

class AccessoryTable;

// The accessory editor: the accessories of the range in use, one line each with its data
// format ("default", "DCC", "Motorola", switched by a click), its two name lines and its symbol.
class MagDatenFrm : public RangeRecordEditor {
    Q_OBJECT
public:
    static constexpr int FormatCol = 1;

    // range, gridLoaded: the accessory range in use and MagGridLoaded; captions: the brand's
    // device menu (empty texts keep the designed ones).
    MagDatenFrm(DatabaseContext& ctx, AccessoryTable& accessories, AddressRange& range, int& gridLoaded,
                const QString& programFolder, const DeviceMenuCaptions& captions, QWidget* parent = nullptr);

    // The format column clicked: "default" becomes DCC, then DCC and Motorola take turns; the
    // format is to be sent.
    void change_data_frm();
    void change_mag_sym() { changeSymbol(); }

protected:
    // Clear_MagDaten.
    void blankRecord(int a) override;
    std::unique_ptr<RangeTransfer> transfer() override;
    void fillOwnCells(int row, int a) override;
    void ownColumnClick() override { change_data_frm(); }
    CsvTable csvTable() override;
    PrintTable printTable(const std::vector<int>& addresses) override;

private:
    AccessoryTable& m_accessories;
};

} // namespace kx2
