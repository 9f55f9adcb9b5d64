#include "editor/gui/GridFind.h"

#include "editor/gui/FlexGrid.h"
#include "editor/gui/SearchBar.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

namespace kx2 {

GridFind::GridFind(QMainWindow* window, FlexGrid& grid, FindHooks hooks)
    : m_grid(grid), m_hooks(std::move(hooks)), m_line(new QToolBar(window)), m_bar(new SearchBar(m_line))
{
    m_line->setObjectName(QStringLiteral("SuchenZeile"));
    m_line->setMovable(false);
    m_line->setFloatable(false);
    m_line->toggleViewAction()->setVisible(false);
    m_line->addWidget(m_bar);
    window->addToolBar(Qt::TopToolBarArea, m_line);
    m_line->hide();
    QObject::connect(m_bar, &SearchBar::typed, window, [this] { find(SearchStep::Here); });
    QObject::connect(m_bar, &SearchBar::step, window,
                     [this](bool back) { find(back ? SearchStep::Previous : SearchStep::Next); });
    QObject::connect(m_bar, &SearchBar::closed, window, [this] {
        m_line->hide();
        m_grid.setFocus();
    });
}

void GridFind::addTo(QMenu* menu, QObject* context)
{
    menu->addSeparator();
    const auto add = [menu, context](const char* name, const QString& caption, const QList<QKeySequence>& keys,
                                     const QString& tip, const std::function<void()>& run) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setStatusTip(tip);
        QObject::connect(action, &QAction::triggered, context, run);
    };
    add("SuchenMenu", QCoreApplication::translate("GridFind", "&Suchen..."), {QKeySequence::Find},
        QCoreApplication::translate("GridFind", "Eine Adresse oder einen Namen in der Tabelle suchen"),
        [this] { open(); });
    add("WeiterSuchenMenu", QCoreApplication::translate("GridFind", "W&eitersuchen"), {QKeySequence(Qt::Key_F3)},
        QCoreApplication::translate("GridFind", "Zum nächsten Treffer"), [this] { find(SearchStep::Next); });
    add("RueckwaertsSuchenMenu", QCoreApplication::translate("GridFind", "Rüc&kwärts suchen"),
        {QKeySequence(Qt::SHIFT | Qt::Key_F3)}, QCoreApplication::translate("GridFind", "Zum vorigen Treffer"),
        [this] { find(SearchStep::Previous); });
}

void GridFind::open()
{
    m_line->show();
    m_bar->open();
}

void GridFind::find(SearchStep step)
{
    if (m_hooks.busy())
        return;
    if (m_line->isHidden()) {
        open();
        if (m_bar->text().isEmpty())
            return;
    }
    const QString typed = m_bar->text();
    if (typed.isEmpty()) {
        m_bar->showFound(true);
        return;
    }
    GridCell from{m_grid.Row(), m_grid.Col()};
    if (from == m_shown)
        from = m_at;
    const std::optional<GridCell> found = findInGrid([this](int row, int col) { return m_grid.TextMatrix(row, col); },
                                                     m_grid.Rows(), m_hooks.cols(), from, step, typed);
    m_bar->showFound(found.has_value());
    if (!found)
        return;
    m_hooks.jump(*found);
    m_at = *found;
    m_shown = {m_grid.Row(), m_grid.Col()};
}

} // namespace kx2
