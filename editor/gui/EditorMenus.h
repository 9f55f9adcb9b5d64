#pragma once
#include "shell/BrandCaptions.h"

#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace kx2 {

// An item of an editor's menu.
struct EditorMenuItem {
    const char* name; // object name: "LadenMenu"
    QString caption;
    std::function<void()> action;
};

// An editor's menus: "Datei", "Bearbeiten", and the device menu with its read and send items. The
// items known by name carry their key (Ctrl+O laden, Ctrl+S speichern, Ctrl+P drucken, F5 read,
// Ctrl+W and Escape close) and a word of what they do. The device
// menu's captions come from the brand; empty ones keep "Kordavinex", "Daten aus der KX lesen"
// and "Daten zur KX senden".
class EditorMenus {
public:
    // The actions run in `context` and end with it.
    void build(QMenuBar* bar, QObject* context, const std::vector<EditorMenuItem>& fileItems,
               const DeviceMenuCaptions& captions, const std::function<void()>& read, const std::function<void()>& send);
    QMenu* file() const { return m_file; }
    QMenu* edit() const { return m_edit; }
    QMenu* device() const { return m_device; }
    // The item with this object name ("LadenMenu", "SendToKX2Menu", ...), or none.
    QAction* item(const QString& name) const;
    // All menus shut (while a transfer runs) or open again.
    void setOpen(bool open);

private:
    QMenu* m_file = nullptr;
    QMenu* m_edit = nullptr;
    QMenu* m_device = nullptr;
};

} // namespace kx2
