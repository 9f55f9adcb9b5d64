#pragma once
#include <QString>
#include <QUndoCommand>
#include <cstdint>
#include <functional>
#include <vector>

namespace kx2 {

class RecordTable;
class StationImage;

// One step of an editor's history: the rows an edit touched, as they were before it and as it
// left them, every cell (status and format flags included) and what was known of the station
// for them. Undo puts the rows back as they were, so a table edited and undone again holds
// exactly what it held: nothing to send, no mark. Redo puts them back as the edit left them.
// The edit itself runs once, when the step is made; a step whose edit changed nothing is
// obsolete and the history drops it.
class TableEditCommand : public QUndoCommand {
public:
    void undo() override;
    void redo() override;
    // Some row reads differently since the edit.
    bool changed() const { return !m_rows.empty(); }
    // The rows that read differently since the edit, in table order: what an undo and a redo
    // change again, and all a view of the table has to show anew.
    std::vector<int> changedRows() const;

protected:
    using Image = std::vector<int32_t>;
    explicit TableEditCommand(const QString& text) : QUndoCommand(text) {}

    // Runs the edit and keeps the rows it changed among `rows` (none given: every row).
    void record(std::vector<int> rows, const std::function<void()>& edit);

    virtual int rowCount() const = 0;
    virtual void capture(int row, Image& image) const = 0;
    // `image` as capture gave it.
    virtual void restore(int row, const Image& image) = 0;

private:
    struct RowImages {
        int row;
        Image before;
        Image after;
    };
    std::vector<RowImages> m_rows;
    // The push runs redo once: the edit is done already.
    bool m_pushed = false;
};

// A step over a table of one row per record with its station image (locomotives, accessories,
// feedback contacts).
class RecordEditCommand : public TableEditCommand {
protected:
    RecordEditCommand(RecordTable& table, StationImage& station, const QString& text)
        : TableEditCommand(text), m_table(table), m_station(station)
    {
    }

    int rowCount() const override;
    void capture(int row, Image& image) const override;
    void restore(int row, const Image& image) override;

private:
    RecordTable& m_table;
    StationImage& m_station;
};

// A step of "alle löschen" or of a CSV import: any row of the table may change.
class WholeTableCommand : public RecordEditCommand {
public:
    WholeTableCommand(RecordTable& table, StationImage& station, const QString& text, const std::function<void()>& edit)
        : RecordEditCommand(table, station, text)
    {
        record({}, edit);
    }
};

} // namespace kx2
