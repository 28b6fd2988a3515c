#pragma once
// Text from outside the program as it is shown: engine output (tags, codec
// names) and paths. Linux paths and tags are bytes; most are UTF-8, but files
// from old disks and archives, and ID3v1 tags, are Latin-1. Valid UTF-8 is
// read as UTF-8; anything else as Latin-1 (ISO 8859-1), which every byte
// sequence is. Control characters (C0 and DEL), which would break a caption
// or a list row or show nothing, become their visible marks from Unicode's
// control pictures ("\n" shows as U+240A). The shown text is never turned
// back into a path.

#include <QString>

#include <string_view>

namespace taleno {

QString DisplayText(std::string_view bytes);

}  // namespace taleno
