#pragma once
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace kx2 {

// How a grid line shows its record: as it was sent, saved or read, or changed, new or deleted
// since.
enum class RecordMark { None, Changed, New, Deleted };

// What "changed" is for one database's table: its records with every cell a send or a save
// carries (the status cells included), and what a record's status says is waiting to be sent.
class TableChanges {
public:
    virtual ~TableChanges() = default;
    virtual int recordCount() const = 0;
    // The record's cells, in any fixed order.
    virtual void image(int record, std::vector<int32_t>& cells) const = 0;
    // Changed, New or Deleted when the record's status says it is to be sent; None otherwise.
    virtual RecordMark pending(int record) const = 0;
};

// Whether a table holds changes that neither went to the command station nor into a file: its
// records are compared with the way they were when the table was last sent, saved or read (or
// blanked, or its changes given up).
class UnsavedChanges {
public:
    explicit UnsavedChanges(std::unique_ptr<TableChanges> table);
    ~UnsavedChanges();

    // The table as it is now counts as unchanged.
    void settle();
    // Some record differs from the settled one.
    bool any() const;
    // How a grid line with this record is marked: what its status says the next send writes,
    // saved or not.
    RecordMark mark(int record) const;

    // The question every editor asks before its table is replaced, blanked or left.
    static QString questionText();

private:
    bool differs(int record) const;

    std::unique_ptr<TableChanges> m_table;
    std::vector<std::vector<int32_t>> m_settled;
    mutable std::vector<int32_t> m_scratch;
};

} // namespace kx2
