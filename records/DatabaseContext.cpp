#include "records/DatabaseContext.h"
#include "records/StoredSerial.h"

#include "link/LocoNetLink.h"

namespace kx2 {

EditorServices DatabaseContext::editorServices() const
{
    LocoNetLink& pauser = link;
    const StoredSerial& serial = storedSerial;
    return EditorServices{dialogs, files, [&pauser](double seconds) { pauser.Pause(seconds); }, EditRow, EditCol,
                          [&serial] { return serial.numberText(); }};
}

} // namespace kx2
