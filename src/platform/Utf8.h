#pragma once
// UTF-8 checks for text that arrives as bytes (paths, tags, INI values),
// which may as well be Latin-1.

#include <cstddef>
#include <string_view>

namespace taleno {

// Whether the bytes are well-formed UTF-8: no stray continuation bytes, no
// cut sequences, no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The length to cut the text to so that it holds at most maxBytes bytes:
// in valid UTF-8 text the cut falls on a character boundary, never inside a
// character; other text is cut at the byte.
std::size_t Utf8CutLength(std::string_view bytes, std::size_t maxBytes);

}  // namespace taleno
