#include "editor/gui/SearchBar.h"

#include "editor/PaintedColours.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QCoreApplication>

namespace kx2 {

QString SearchBar::notFoundText()
{
    return QCoreApplication::translate("SearchBar", "nicht gefunden");
}

SearchBar::SearchBar(QWidget* parent)
    : QWidget(parent)
    , m_text(new QLineEdit(this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("SuchenLeiste"));
    m_text->setObjectName(QStringLiteral("SuchText"));
    m_status->setObjectName(QStringLiteral("SuchStatus"));
    m_text->setToolTip(
        QCoreApplication::translate("SearchBar",
                                    "Adresse, Name oder Text zum Suchen; Enter oder F3: nächster Treffer, "
                                    "Umschalt+F3: voriger, Escape: schließen"));
    m_text->setClearButtonEnabled(true);
    m_text->setMinimumWidth(220);
    // The bar keeps the width it had when it was laid out: room for the answer from the start.
    m_status->setMinimumWidth(m_status->fontMetrics().horizontalAdvance(notFoundText()) + 8);
    auto* label = new QLabel(QCoreApplication::translate("SearchBar", "&Suchen:"), this);
    label->setBuddy(m_text);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(label);
    row->addWidget(m_text);
    row->addWidget(m_status);
    row->addStretch(1);
    m_text->installEventFilter(this);
    connect(m_text, &QLineEdit::textEdited, this, &SearchBar::typed);
}

QString SearchBar::text() const
{
    return m_text->text();
}

void SearchBar::open()
{
    show();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}

void SearchBar::showFound(bool found)
{
    m_status->setText(found ? QString() : notFoundText());
    // The box itself tells too, for an eye on the typing rather than beside it.
    const PaintedColours colours = notFoundColours(palette());
    m_text->setStyleSheet(found ? QString()
                                : QStringLiteral("QLineEdit { background: %1; color: %2; }")
                                      .arg(colours.background.name(), colours.text.name()));
}

bool SearchBar::eventFilter(QObject* watched, QEvent* e)
{
    // Escape closes the line, before any shortcut of the window hears it.
    if (watched == m_text && e->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        e->accept();
        return true;
    }
    if (watched == m_text && e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Q_EMIT step((key->modifiers() & Qt::ShiftModifier) != 0);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            Q_EMIT closed();
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace kx2
