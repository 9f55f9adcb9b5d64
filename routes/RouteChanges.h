#pragma once
#include "shell/UnsavedChanges.h"

namespace kx2 {

class RouteTables;

// "Changed" for the routes: a route's name record with its state, and its start entry and
// commands with their to-be-written flags; it is to be sent when its name record is marked or
// any of its entries is.
class RouteChanges : public TableChanges {
public:
    explicit RouteChanges(const RouteTables& tables) : m_tables(tables) {}

    int recordCount() const override;
    void image(int route, std::vector<int32_t>& cells) const override;
    RecordMark pending(int route) const override;

private:
    const RouteTables& m_tables;
};

} // namespace kx2
