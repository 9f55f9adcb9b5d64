#pragma once
#include <QString>

namespace kx2 {

enum class EditorKind { Loco, Accessory, Feedback, Routes };

// What the brand changes on the windows at start-up. An empty text means: keep the caption the
// window was designed with.
struct DeviceMenuCaptions {
    QString menu;      // KXMenu
    QString readItem;  // ReadfromKX2Menu
    QString sendItem;  // SendToKX2Menu
};

// " TQ7 - Tool" or " Kordavinex II - Tool" (with the leading blank).
QString mainWindowCaption(const QString& brandCode);

// The device menu of an editor form: for the TQ7 brand every editor gets "TQ7",
// "Daten aus der TQ7 lesen" and "Daten zur TQ7 senden"; for the Kordavinex brand only the
// locomotive editor's menu becomes "Kordavinex" and everything else keeps its design.
DeviceMenuCaptions editorDeviceMenuCaptions(const QString& brandCode, EditorKind editor);

} // namespace kx2
