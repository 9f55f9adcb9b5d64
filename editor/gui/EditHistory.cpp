#include "editor/gui/EditHistory.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QCoreApplication>

namespace kx2 {

namespace {

// "&Rückgängig: Name von Lok 38", or the bare word when there is no step.
QString stepCaption(const QString& word, const QString& step)
{
    return step.isEmpty() ? word : word + QStringLiteral(": ") + step;
}

} // namespace

EditHistory::EditHistory(QObject* parent) : QObject(parent) {}

void EditHistory::addTo(QMenu* menu, std::function<bool()> mayRun, Show show)
{
    m_mayRun = std::move(mayRun);
    m_show = std::move(show);
    m_undo = menu->addAction(QCoreApplication::translate("EditHistory", "&Rückgängig"));
    m_undo->setObjectName(QStringLiteral("RueckgaengigMenu"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = menu->addAction(QCoreApplication::translate("EditHistory", "&Wiederholen"));
    m_redo->setObjectName(QStringLiteral("WiederholenMenu"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_undo, &QAction::triggered, this, [this] { undo(); });
    connect(m_redo, &QAction::triggered, this, [this] { redo(); });
    connect(&m_stack, &QUndoStack::indexChanged, this, &EditHistory::nameItems);
    connect(&m_stack, &QUndoStack::undoTextChanged, this, &EditHistory::nameItems);
    connect(&m_stack, &QUndoStack::redoTextChanged, this, &EditHistory::nameItems);
    nameItems();
}

void EditHistory::nameItems()
{
    if (!m_undo)
        return;
    m_undo->setText(stepCaption(QCoreApplication::translate("EditHistory", "&Rückgängig"), m_stack.undoText()));
    m_undo->setEnabled(m_stack.canUndo());
    m_redo->setText(stepCaption(QCoreApplication::translate("EditHistory", "&Wiederholen"), m_stack.redoText()));
    m_redo->setEnabled(m_stack.canRedo());
}

bool EditHistory::push(std::unique_ptr<TableEditCommand> step)
{
    if (!step || step->isObsolete())
        return false;
    // The steps ahead are gone: so are the tables they led to.
    m_settled.erase(m_settled.upper_bound(m_stack.index()), m_settled.end());
    m_stack.push(step.release());
    return true;
}

void EditHistory::settled(bool besidesEarlier)
{
    if (!besidesEarlier)
        m_settled.clear();
    m_settled.insert(m_stack.index());
}

EditHistory::Rows EditHistory::runAsOneStep(const QString& text, const std::function<void()>& edit)
{
    if (!m_wholeTable) {
        edit();
        return {};
    }
    std::unique_ptr<TableEditCommand> step = m_wholeTable(text, edit);
    Rows rows = step->changedRows();
    push(std::move(step));
    return rows;
}

void EditHistory::step(bool back)
{
    if (back ? !m_stack.canUndo() : !m_stack.canRedo())
        return;
    if (m_mayRun && !m_mayRun())
        return;
    if (back)
        m_stack.undo();
    else
        m_stack.redo();
    // Every step on the stack came through push.
    const int done = back ? m_stack.index() : m_stack.index() - 1;
    const auto* stepped = static_cast<const TableEditCommand*>(m_stack.command(done));
    if (m_show)
        m_show(stepped->changedRows(), back ? StepWay::Back : StepWay::Forward);
}

} // namespace kx2
