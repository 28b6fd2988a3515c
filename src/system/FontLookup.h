#pragma once
// The file of an installed font for a face name, as the Subtitles page needs
// it: the first installed font, in fontconfig's order, whose display name
// (its full name, such as "DejaVu Sans Bold") begins with the face name,
// ignoring letter case. fontconfig knows each file's full path, which takes
// the place of the Windows fonts folder and the registry's file name.

#include <optional>
#include <string>

namespace taleno {

struct FontFile {
    std::string displayName;
    std::string path;
};

// Nothing for an empty face name or when no installed font matches.
std::optional<FontFile> FindFontFile(const std::string& faceName);

}  // namespace taleno
