#include "dbproto/DatabaseContext.h"

#include "link/LocoNetLink.h"

namespace kx2 {

EditorServices DatabaseContext::editorServices() const
{
    LocoNetLink& pauser = link;
    return EditorServices{dialogs, files, [&pauser](double seconds) { pauser.Pause(seconds); }, EditRow, EditCol};
}

} // namespace kx2
