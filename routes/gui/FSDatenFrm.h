#pragma once
#include "shell/BrandCaptions.h"
#include "editor/gui/GridEditor.h"

namespace kx2 {

class FSEingabeFrm;
class RouteTables;
struct ChangedEntries;
struct DatabaseContext;

// The route editor: all 80 routes, one line each with its number, its two name lines typed into
// InpText, its start entry and its 24 commands as their texts. An entry is changed, a command
// deleted or inserted and a whole route deleted through the command dialog FSEingabeFrm; the
// route files and the device's read and send are in the menus.
class FSDatenFrm : public GridEditor {
    Q_OBJECT
public:
    static constexpr int NrCol = 0;
    static constexpr int Line1Col = 1;
    static constexpr int Line2Col = 2;
    static constexpr int StartCol = 3; // entry j of a route is in column j + 2
    static constexpr int Cols = 28;

    // gridLoaded: RouteGridLoaded; captions: the brand's device menu (empty texts keep the
    // designed ones).
    FSDatenFrm(DatabaseContext& ctx, RouteTables& routes, int& gridLoaded, const DeviceMenuCaptions& captions,
               QWidget* parent = nullptr);
    ~FSDatenFrm() override;

    // --- public operations ---
    void start_tabelle() override;
    void save_data_from_grid(int row) override;
    QString ReadFSname(int line, int route) const;
    void Clear_FSDaten(int route);
    // The grid text of an entry, in the language in use.
    QString FS_Befehl_to_Text(int route, int entry) const;
    // The current cell's entry through the command dialog.
    void change_fs_daten();

    // --- menu actions of its own ---
    void LadenMenu_Click();
    void SpeichernMenu_Click();
    void ClrTabMenu_Click();

    FlexGrid* FSdatenGrid() const { return grid(); }
    // nullptr until first used.
    FSEingabeFrm* commandDialog() const { return m_dialog; }

protected:
    void fillGrid() override;
    bool isNameCell(int row, int col) const override;
    int nameRoom(int row, int col) const override;
    int nameCapacity(int row, int col) const override;
    bool twoNameLines() const override { return true; }
    void gridClick() override;
    void gridKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void nameBoxTab(bool back) override;
    bool readDatabase() override;
    bool sendDatabase() override;
    int recordOfLine(int row) const override;
    std::vector<int> showRecords(const std::vector<int>& routes, StepWay way) override;
    CsvTable csvTable() override;
    PrintTable printTable(const std::vector<int>& routes) override;
    bool recordInUse(int route) const override;
    std::vector<int> searchCols() const override;

private:
    // The route of a grid line, 0 when the line has none.
    int routeOfLine(int row) const;
    // A line's names and entries as the tables hold them.
    void fillLine(int row, int route);
    // A start entry is what sub-route calls reach: after it changed, a call in any route may
    // read differently.
    void showEveryCall();
    void showEntries(int row, int route, const ChangedEntries& entries);

    DatabaseContext& m_ctx;
    RouteTables& m_routes;
    FSEingabeFrm* m_dialog = nullptr;
};

} // namespace kx2
