#pragma once
#include "records/TableEditCommand.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <set>
#include <vector>

class QAction;
class QMenu;

namespace kx2 {

// Which way a table went: forward, as an edit is made or redone, or back, as it is undone.
enum class StepWay { Forward, Back };

// An editor's history of edits and its "Rückgängig" and "Wiederholen" items. The steps are the
// databases' own commands over their tables; after an undo or a redo the editor shows anew the
// rows the step changed. A read, a load and a successful send start a new history.
class EditHistory : public QObject {
    Q_OBJECT
public:
    explicit EditHistory(QObject* parent = nullptr);

    // The table rows a step changed (TableEditCommand::changedRows).
    using Rows = std::vector<int>;
    // "Rückgängig" (Ctrl+Z) and "Wiederholen" (Ctrl+Y, Ctrl+Shift+Z) into the menu. An item runs
    // only when `mayRun` agrees; afterwards `show` brings the grid in line with the rows the
    // step changed, told which way the step went.
    using Show = std::function<void(const Rows&, StepWay)>;
    void addTo(QMenu* menu, std::function<bool()> mayRun, Show show);

    // Keeps a step whose edit changed something (an obsolete one is dropped); true when kept.
    bool push(std::unique_ptr<TableEditCommand> step);
    // The editor's step over its whole table: it runs `edit` while keeping what changed.
    using WholeTableStep
        = std::function<std::unique_ptr<TableEditCommand>(const QString& text, const std::function<void()>& edit)>;
    void setWholeTableStep(WholeTableStep make) { m_wholeTable = std::move(make); }
    // `edit` as one step named `text` ("CSV-Import", "alle löschen"); the rows it changed.
    Rows runAsOneStep(const QString& text, const std::function<void()>& edit);
    void clear()
    {
        m_stack.clear();
        m_settled.clear();
    }

    // The table counts as unchanged where the history stands now: after a read, a load, a send
    // or a save only here; after a blanking here as well as where it did before (the blanking
    // put nothing anywhere, what was settled before is still safe).
    void settled(bool besidesEarlier);
    // The table, after an undo or a redo, is one that counted as unchanged.
    bool atSettledPoint() const { return m_settled.count(m_stack.index()) > 0; }

    QUndoStack& stack() { return m_stack; }
    void undo() { step(true); }
    void redo() { step(false); }

private:
    void step(bool back);
    void nameItems();

    QUndoStack m_stack;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    std::function<bool()> m_mayRun;
    Show m_show;
    WholeTableStep m_wholeTable;
    std::set<int> m_settled;
};

} // namespace kx2
