#pragma once
#include <QString>

namespace kx2 {

class AppWindows;

// Walks through the program's windows as a user would, on the command station that answers
// at the configured port, and saves a PNG of each into `folder`: the main window, the options
// dialog, the help window, the program information box, the progress window during a read,
// the locomotive editor with the locomotives read, its name edit and its three column dialogs,
// the accessory editor with the accessories read, a name being typed there and the symbol
// chooser over it, the feedback editor with the contacts read, and the route editor with the
// routes read and the command dialog over it, and the locomotive editor once more with new,
// changed and deleted lines marked and the question that leaving it then asks.
// Returns the number of pictures that could not be taken or saved.
int runScreenshotTour(AppWindows& windows, const QString& folder);

// The desktops other users have, before any window is made: "dark" a dark palette (Fusion, as a
// dark desktop theme gives it); anything else leaves the desktop as it is.
void useTourDesktop(const QString& desktop);
// A shorter walk for such a desktop, pictures 80 to 89: on "dark" the main window, the
// locomotive editor with marked lines and a search that found nothing, and the symbol chooser;
// on "small" (a 1024 x 600 screen) the main window, the help window and the locomotive and route
// editors as they open.
int runDesktopTour(AppWindows& windows, const QString& folder, const QString& desktop);

} // namespace kx2
