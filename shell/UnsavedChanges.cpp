#include "shell/UnsavedChanges.h"

#include <QCoreApplication>

namespace kx2 {

UnsavedChanges::UnsavedChanges(std::unique_ptr<TableChanges> table) : m_table(std::move(table))
{
    settle();
}

UnsavedChanges::~UnsavedChanges() = default;

void UnsavedChanges::settle()
{
    const int n = m_table->recordCount();
    m_settled.resize(size_t(n));
    for (int r = 0; r < n; ++r)
        m_table->image(r, m_settled[size_t(r)]);
}

bool UnsavedChanges::differs(int record) const
{
    if (record < 0 || record >= int(m_settled.size()))
        return false;
    m_table->image(record, m_scratch);
    return m_scratch != m_settled[size_t(record)];
}

bool UnsavedChanges::any() const
{
    for (int r = 0; r < int(m_settled.size()); ++r)
        if (differs(r))
            return true;
    return false;
}

RecordMark UnsavedChanges::mark(int record) const
{
    if (record < 0 || record >= int(m_settled.size()))
        return RecordMark::None;
    return m_table->pending(record);
}

QString UnsavedChanges::questionText()
{
    return QCoreApplication::translate(
        "UnsavedChanges",
        "Die Tabelle enthält Änderungen, die weder gesendet noch gespeichert sind. Trotzdem fortfahren?");
}

} // namespace kx2
