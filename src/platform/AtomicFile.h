#pragma once
// Replacing a file so that it is never left cut or empty: the new contents go
// to a temporary file in the same folder, are flushed to disk, and are then
// renamed over the old file. On any failure the old file is untouched, the
// temporary file is removed and false is returned.

#include <string>
#include <string_view>

namespace taleno {

bool WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace taleno
