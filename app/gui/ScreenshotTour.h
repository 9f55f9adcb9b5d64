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

} // namespace kx2
