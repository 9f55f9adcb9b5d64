#include "routes/RouteChanges.h"

#include "records/DatabaseLayout.h"
#include "routes/RouteTables.h"

namespace kx2 {

int RouteChanges::recordCount() const
{
    return RouteTables::Rows;
}

void RouteChanges::image(int route, std::vector<int32_t>& cells) const
{
    m_tables.RouteNames.copyRow(route, cells);
    for (int j = 1; j <= RouteTables::EntryCount; ++j) {
        cells.push_back(m_tables.RouteData[size_t(route)][size_t(j)]);
        cells.push_back(m_tables.RouteDataChanged[size_t(route)][size_t(j)] ? 1 : 0);
    }
}

RecordMark RouteChanges::pending(int route) const
{
    if (m_tables.RouteNames.value(route, RouteTables::State) == status::Changed)
        return RecordMark::Changed;
    for (int j = 1; j <= RouteTables::EntryCount; ++j)
        if (m_tables.RouteDataChanged[size_t(route)][size_t(j)])
            return RecordMark::Changed;
    return RecordMark::None;
}

} // namespace kx2
