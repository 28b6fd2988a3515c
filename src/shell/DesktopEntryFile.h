#pragma once
// The desktop entry that installs with the player, compiled in, so that what
// the player tells the desktop at run time matches what it installed.

#include <QStringList>

namespace taleno {

// The MIME types of the entry's MimeType line, in its order.
QStringList DesktopEntryMimeTypes();

}  // namespace taleno
