#pragma once
// Replacing a file so that it is never left cut or empty: the new contents go
// to a temporary file in the same folder, are flushed to disk, and are then
// renamed over the old file. On any failure the old file is untouched, the
// temporary file is removed and false is returned. The temporary file is an
// unnamed one (O_TMPFILE) given a name only for the rename, so a process
// killed while saving leaves nothing behind; file systems without unnamed
// files get a named one. A symbolic link stays a link: the file it points to
// is written, also when it does not exist yet. One exception to the
// replacement: a file the user may write in a folder where no file may be
// made beside it is written in place and flushed.

#include <string>
#include <string_view>

namespace taleno {

bool WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace taleno
