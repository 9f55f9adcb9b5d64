#include "routes/RouteCommands.h"

#include "routes/RouteCommand.h"
#include "routes/RouteTables.h"

#include <QCoreApplication>

namespace kx2 {

namespace {

QString entryStep(int route, int entry, int answer)
{
    if (deletesRoute(entry, answer))
        return QCoreApplication::translate("RouteCommands", "Fahrstraße %1 gelöscht").arg(route);
    if (entry == RouteTables::StartEntry)
        return QCoreApplication::translate("RouteCommands", "FS-Start von Fahrstraße %1").arg(route);
    return QCoreApplication::translate("RouteCommands", "Befehl %1 von Fahrstraße %2")
        .arg(entry - RouteTables::StartEntry)
        .arg(route);
}

template <typename Array>
void appendAll(const Array& values, std::vector<int32_t>& image)
{
    for (const auto v : values)
        image.push_back(int32_t(v));
}

} // namespace

RouteEditCommand::RouteEditCommand(RouteTables& tables, const QString& text, const std::function<void()>& edit)
    : RouteEditCommand(tables, text)
{
    record({}, edit);
}

int RouteEditCommand::rowCount() const
{
    return RouteTables::Rows;
}

void RouteEditCommand::capture(int route, Image& image) const
{
    const size_t r = size_t(route);
    m_tables.RouteNames.copyRow(route, image);
    appendAll(m_tables.RouteData[r], image);
    appendAll(m_tables.RouteDataChanged[r], image);
    m_tables.Station[r].appendTo(image);
}

void RouteEditCommand::restore(int route, const Image& image)
{
    const size_t r = size_t(route);
    m_tables.RouteNames.restoreRow(route, image.data());
    const int32_t* at = image.data() + RouteTables::NameColumns;
    for (int& v : m_tables.RouteData[r])
        v = *at++;
    for (bool& v : m_tables.RouteDataChanged[r])
        v = *at++ != 0;
    m_tables.Station[r].takeFrom(at);
}

RouteEntryCommand::RouteEntryCommand(RouteTables& tables, int route, int entry, int answer)
    : RouteEditCommand(tables, entryStep(route, entry, answer))
{
    record({route}, [&] { shown = applyEntryAnswer(tables, route, entry, answer); });
}

RouteNameCommand::RouteNameCommand(RouteTables& tables, int route, const QString& line1, const QString& line2)
    : RouteEditCommand(tables, QCoreApplication::translate("RouteCommands", "Name von Fahrstraße %1").arg(route))
{
    record({route}, [&] { storeRouteNames(tables, route, line1, line2); });
}

} // namespace kx2
