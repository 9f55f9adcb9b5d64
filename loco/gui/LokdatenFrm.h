#pragma once
#include "loco/LocoTable.h"
#include "shell/BrandCaptions.h"
#include "editor/gui/GridEditor.h"

#include <memory>
#include <vector>

namespace kx2 {

struct DatabaseContext;
class LokDatFormatFrm;
class LokFktSymFrm;
class LokmaxSpeedFrm;
class PictureCache;
struct LocoFileContext;
struct LocoGridLine;

// The locomotive editor: LocoTable as a grid, one line per locomotive with its address in the
// fixed column, the name typed into InpText over the name cell, the column dialogs for data
// format, function symbols and maximum speed, new locomotives on the entry line at the bottom,
// deleting a line, and single records saved and loaded besides the whole table.
class LokdatenFrm : public GridEditor {
    Q_OBJECT
public:
    // captions: the brand's device menu; empty texts keep "Kordavinex", "Daten aus der KX lesen"
    // and "Daten zur KX senden".
    LokdatenFrm(DatabaseContext& ctx, LocoData loco, const QString& programFolder, const DeviceMenuCaptions& captions,
                QWidget* parent = nullptr);
    ~LokdatenFrm() override;

    // --- public operations ---
    void start_tabelle() override;
    void save_data_from_grid(int row) override;
    void del_datensatz();
    void del_lokdata(int address);
    bool save_daten_satz(int address);
    void change_fkt_sym();
    void change_data_frm();
    void change_maxspeed();
    void edit_namen() override;
    // The name encoding lives with the table.
    QString ReadLokname(int slot) const { return m_loco.table.ReadLokname(slot); }
    void WriteLokname(int slot, const QString& text) { m_loco.table.WriteLokname(slot, text); }

    // --- menu actions of its own ---
    void LadenMenu_Click();
    void SpeichernMenu_Click();
    void ClrTabMenu_Click();
    void DS_LadenMenu_Click();
    void DS_SpeichernMenu_Click();
    // "Lokliste importieren (JMRI, Rocrail)...": a JMRI roster or a Rocrail plan taken into the
    // table as one step; names too long are cut only when the user agrees; what it did is told.
    void RosterImportMenu_Click();
    // The same with the file chosen.
    void importLocoList(const QString& path);
    // "Als JMRI-Roster exportieren...": the locomotives into a folder the user chooses.
    void RosterExportMenu_Click();
    // Where a user's own keyword table (lokfunktionen.txt) is looked for first: the folder of the
    // settings file. Without one only the table under the program folder is read.
    void setUserFolder(const QString& folder) { m_userFolder = folder; }

    bool SaveRecordPending = false; // the next grid click saves that line's record

    FlexGrid* LokdatenGrid() const { return grid(); }
    // The speed dialog; nullptr until first used.
    LokmaxSpeedFrm* speedDialog() const { return m_speedFrm; }
    PictureCache& pictures() { return *m_pictures; }

protected:
    void fillGrid() override;
    bool isNameCell(int row, int col) const override;
    int nameRoom(int row, int col) const override;
    int nameCapacity(int row, int col) const override;
    void gridClick() override;
    void gridKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void gridMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void nameBoxTab(bool back) override;
    bool readDatabase() override;
    bool sendDatabase() override;
    int recordOfLine(int row) const override;
    std::vector<int> showRecords(const std::vector<int>& slots, StepWay way) override;
    CsvTable csvTable() override;
    PrintTable printTable(const std::vector<int>& slots) override;

private:
    void fillLine(int row, const LocoGridLine& line);
    void addEntryLine(int row);
    void showSymbol(int row, int col, int symbol);
    int addressValue(int row) const;
    bool hasEmptyEntryLine() const;
    // A line left without record: `address` ("-" for a deleted one) and empty cells; `tag` says
    // which record it showed (LineTag: deletedTag or undoneNewTag), -1 none.
    void emptyLine(int row, const QString& address, int tag);
    // The line without record that carries `tag`; 0 when none.
    int emptyLineTagged(int tag) const;
    // The locomotive of a line deleted as one step (deleteLocomotive); a slot not found is told.
    std::optional<int> deleteLoco(int lineSlot, int address);
    // What a line without record showed, in its LineTag: the slot of a locomotive deleted on it
    // (the line is marked deleted while the slot is), or for a new locomotive taken back by an
    // undo a number below -1 (no mark). A redo or an undo finds the line again by it.
    static int deletedTag(int slot) { return slot; }
    static int undoneNewTag(int slot) { return -2 - slot; }

    DatabaseContext& m_ctx;
    LocoData m_loco;
    std::unique_ptr<PictureCache> m_pictures;
    std::unique_ptr<LocoFileContext> m_files;
    LokDatFormatFrm* m_formatFrm = nullptr;
    LokFktSymFrm* m_symbolFrm = nullptr;
    LokmaxSpeedFrm* m_speedFrm = nullptr;
    QString m_userFolder;
};

} // namespace kx2
