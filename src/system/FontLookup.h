#pragma once
// Fonts through fontconfig, for the subtitles: the file of the face the user
// chose in the font dialog (the Subtitles page stores a font file path, as
// the settings file always has), and what the engine is to be told for that
// file. fontconfig knows each file's full path, which takes the place of the
// Windows fonts folder and the registry's file name.

#include <optional>
#include <string>

namespace taleno {

// A face as a font dialog gives it.
struct FontRequest {
    // The family; Qt tags a family that several foundries make with the
    // foundry, "Nimbus Sans [urw]".
    std::string family;
    std::string style;  // "Bold Italic", "Book", ...; may be empty
    int weight = 400;   // OpenType weight, 100 to 1000
    bool italic = false;
};

struct FontFile {
    std::string displayName;  // the font's full name, "DejaVu Serif Bold"
    std::string path;
};

// The file fontconfig draws the request with, as fc-match finds it (aliases
// such as "Serif" and "Monospace" resolved, the style kept), when the family
// is installed or is one of fontconfig's generic families. Nothing for an
// empty or unknown family: fontconfig would fall back to some other face.
std::optional<FontFile> FindFontFile(const FontRequest& request);

// What the engine's -font is handed for the stored font: for a font file,
// its family and, unless it is the family's regular face, its style as a
// fontconfig pattern ("DejaVu Serif", "DejaVu Serif:style=Bold"), since the
// engine draws subtitles through fontconfig and takes no file there; any
// other text (a family name, a file that is gone) as it stands.
std::string EngineFontName(const std::string& storedFont);

}  // namespace taleno
