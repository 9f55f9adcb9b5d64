#include "shell/gui/EditorMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kx2 {

namespace {

// The device menu takes the first letter of the brand's caption as access key, its items the
// last word ("lesen", "senden").
QString menuAccessKey(const QString& caption)
{
    return QStringLiteral("&") + caption;
}

QString itemAccessKey(const QString& caption)
{
    const int lastWord = int(caption.lastIndexOf(QLatin1Char(' '))) + 1;
    return caption.left(lastWord) + QLatin1Char('&') + caption.mid(lastWord);
}

QString orDesign(const QString& brand, const char* design)
{
    return brand.isEmpty() ? QString::fromUtf8(design) : brand;
}

void addItem(QMenu* menu, QObject* context, const EditorMenuItem& item)
{
    QAction* action = menu->addAction(item.caption);
    action->setObjectName(QString::fromLatin1(item.name));
    QObject::connect(action, &QAction::triggered, context, item.action);
}

} // namespace

void EditorMenus::build(QMenuBar* bar, QObject* context, const std::vector<EditorMenuItem>& fileItems,
                        const DeviceMenuCaptions& captions, const std::function<void()>& read,
                        const std::function<void()>& send)
{
    m_file = bar->addMenu(QStringLiteral("&Datei"));
    m_file->setObjectName(QStringLiteral("DateiMenu"));
    for (const EditorMenuItem& item : fileItems)
        addItem(m_file, context, item);

    m_edit = bar->addMenu(QStringLiteral("&Bearbeiten"));
    m_edit->setObjectName(QStringLiteral("BearbeitenMenu"));

    m_device = bar->addMenu(menuAccessKey(orDesign(captions.menu, "Kordavinex")));
    m_device->setObjectName(QStringLiteral("KXMenu"));
    addItem(m_device, context, {"ReadfromKX2Menu", itemAccessKey(orDesign(captions.readItem, "Daten aus der KX lesen")), read});
    addItem(m_device, context, {"SendToKX2Menu", itemAccessKey(orDesign(captions.sendItem, "Daten zur KX senden")), send});
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
