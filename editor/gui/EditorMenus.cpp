#include "editor/gui/EditorMenus.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace kx2 {

namespace {

// The device menu takes the first letter of the brand's caption as access key, its items the
// last word ("lesen", "senden"), unless the caption names its key itself (a language whose
// items end in the same word).
QString menuAccessKey(const QString& caption)
{
    return QStringLiteral("&") + caption;
}

QString itemAccessKey(const QString& caption)
{
    if (caption.contains(QLatin1Char('&')))
        return caption;
    const int lastWord = int(caption.lastIndexOf(QLatin1Char(' '))) + 1;
    return caption.left(lastWord) + QLatin1Char('&') + caption.mid(lastWord);
}

QString orDesign(const QString& brand, const char* design)
{
    return brand.isEmpty() ? QCoreApplication::translate("EditorMenus", design) : brand;
}

// What an item does, in a word for the status line and the tooltip, and its key.
struct ItemHelp {
    const char* name;
    const char* tip;
    QKeySequence key;
};

const ItemHelp* helpOf(const QString& name)
{
    static const ItemHelp help[] = {
        {"LadenMenu", QT_TRANSLATE_NOOP("EditorMenus", "Lädt die ganze Tabelle aus einer ISD-Datei."),
         QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"SpeichernMenu", QT_TRANSLATE_NOOP("EditorMenus", "Speichert die ganze Tabelle in einer ISD-Datei."),
         QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"ClrTabMenu", QT_TRANSLATE_NOOP("EditorMenus", "Leert die Tabelle; die Zentrale bleibt, wie sie ist."),
         QKeySequence()},
        {"DS_LadenMenu",
         QT_TRANSLATE_NOOP("EditorMenus", "Lädt eine einzelne Lok aus einer Datei in die gewählte Zeile."),
         QKeySequence()},
        {"DS_SpeichernMenu", QT_TRANSLATE_NOOP("EditorMenus", "Speichert die Lok der gewählten Zeile in einer Datei."),
         QKeySequence()},
        {"RosterImportMenu",
         QT_TRANSLATE_NOOP("EditorMenus", "Übernimmt Lokomotiven aus einer JMRI-Roster oder einem Rocrail-Plan."),
         QKeySequence()},
        {"RosterExportMenu",
         QT_TRANSLATE_NOOP("EditorMenus", "Schreibt die Lokomotiven als JMRI-Roster in einen Ordner."), QKeySequence()},
        {"CsvExportMenu",
         QT_TRANSLATE_NOOP("EditorMenus", "Schreibt die Tabelle als CSV-Datei für eine Tabellenkalkulation."),
         QKeySequence()},
        {"CsvImportMenu", QT_TRANSLATE_NOOP("EditorMenus", "Übernimmt die Tabelle aus einer CSV-Datei."),
         QKeySequence()},
        {"DruckenMenu", QT_TRANSLATE_NOOP("EditorMenus", "Druckt die Tabelle, wie das Fenster sie zeigt."),
         QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"PdfMenu",
         QT_TRANSLATE_NOOP("EditorMenus", "Speichert die Tabelle, wie das Fenster sie zeigt, als PDF-Datei."),
         QKeySequence()},
        {"AbbrechenMenu",
         QT_TRANSLATE_NOOP("EditorMenus", "Schließt den Editor und kehrt zum Hauptfenster zurück (Esc)."),
         QKeySequence(Qt::CTRL | Qt::Key_W)},
        {"ReadfromKX2Menu", QT_TRANSLATE_NOOP("EditorMenus", "Liest die Datenbank aus der Zentrale in die Tabelle."),
         QKeySequence(Qt::Key_F5)},
        {"SendToKX2Menu", QT_TRANSLATE_NOOP("EditorMenus", "Sendet die Tabelle zur Zentrale."), QKeySequence()},
    };
    for (const ItemHelp& h : help)
        if (name == QLatin1String(h.name))
            return &h;
    return nullptr;
}

QAction* addItem(QMenu* menu, QObject* context, const EditorMenuItem& item)
{
    QAction* action = menu->addAction(item.caption);
    action->setObjectName(QString::fromLatin1(item.name));
    if (const ItemHelp* help = helpOf(action->objectName())) {
        const QString tip = QCoreApplication::translate("EditorMenus", help->tip);
        action->setStatusTip(tip);
        action->setToolTip(tip);
        action->setShortcut(help->key);
    }
    QObject::connect(action, &QAction::triggered, context, item.action);
    return action;
}

// Escape closes the editor like "Abbrechen", except in a line that takes Escape itself: the name
// box gives up the typed name there, the search line its search. Such a line claims the key before
// the window's shortcut sees it.
class LinesKeepEscape : public QObject {
public:
    explicit LinesKeepEscape(QWidget* window) : QObject(window), m_window(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            if (auto* line = qobject_cast<QLineEdit*>(watched); line && line->window() == m_window) {
                event->accept();
                return true;
            }
        return false;
    }

private:
    QWidget* m_window;
};

void addEscape(QWidget* window, QAction* abbrechen)
{
    auto* escape = new QAction(window);
    escape->setObjectName(QStringLiteral("EscapeKey"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WindowShortcut);
    window->addAction(escape);
    new LinesKeepEscape(window);
    QObject::connect(escape, &QAction::triggered, abbrechen, &QAction::trigger);
}

} // namespace

void EditorMenus::build(QMenuBar* bar, QObject* context, const std::vector<EditorMenuItem>& fileItems,
                        const DeviceMenuCaptions& captions, const std::function<void()>& read,
                        const std::function<void()>& send)
{
    m_file = bar->addMenu(QCoreApplication::translate("EditorMenus", "&Datei"));
    m_file->setObjectName(QStringLiteral("DateiMenu"));
    m_file->setToolTipsVisible(true);
    for (const EditorMenuItem& item : fileItems) {
        QAction* action = addItem(m_file, context, item);
        if (action->objectName() == QLatin1String("AbbrechenMenu"))
            if (auto* window = qobject_cast<QWidget*>(context))
                addEscape(window, action);
    }

    m_edit = bar->addMenu(QCoreApplication::translate("EditorMenus", "&Bearbeiten"));
    m_edit->setObjectName(QStringLiteral("BearbeitenMenu"));
    m_edit->setToolTipsVisible(true);

    m_device = bar->addMenu(menuAccessKey(orDesign(captions.menu, QT_TRANSLATE_NOOP("EditorMenus", "Kordavinex"))));
    m_device->setObjectName(QStringLiteral("KXMenu"));
    m_device->setToolTipsVisible(true);
    addItem(m_device, context,
            {"ReadfromKX2Menu",
             itemAccessKey(orDesign(captions.readItem, QT_TRANSLATE_NOOP("EditorMenus", "Daten aus der KX lesen"))),
             read});
    addItem(m_device, context,
            {"SendToKX2Menu",
             itemAccessKey(orDesign(captions.sendItem, QT_TRANSLATE_NOOP("EditorMenus", "Daten zur KX senden"))),
             send});
}

QAction* EditorMenus::item(const QString& name) const
{
    for (QMenu* menu : {m_file, m_edit, m_device})
        if (menu)
            for (QAction* action : menu->actions())
                if (action->objectName() == name)
                    return action;
    return nullptr;
}

void EditorMenus::setOpen(bool open)
{
    m_file->menuAction()->setEnabled(open);
    m_edit->menuAction()->setEnabled(open);
    m_device->menuAction()->setEnabled(open);
}

} // namespace kx2
