#pragma once
#include <QString>

class QWidget;

namespace kx2 {

// The width a window needs so that its caption is not cut short in the title bar: the caption
// in the title bar's (bold) font and the room of the window icon and the frame's buttons.
int titleBarWidth(const QString& title);
// Makes `window` at least that wide at its default size (a message box too, whose size its own
// layout sets: called when the box has its icon, texts and buttons, which lay it out anew).
void fitTitle(QWidget* window);

} // namespace kx2
