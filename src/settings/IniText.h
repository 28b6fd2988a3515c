#pragma once
// Bytes (a path or address) as the INI format can hold them, and back.
//
// A plain text is stored as it is. One the format could not hold - holding
// "=" or a control byte (tab, CR, LF, ...), beginning with ";", "[", "%" or a
// space, or ending with a space - is stored escaped instead: "%" followed by
// the text with every "%", "=", control byte and trailing space written as
// "%XX" (two upper-case hex digits of the byte). A stored text beginning
// with "%" is therefore always an escaped one, and undoing the "%XX" forms
// after the first "%" gives the bytes back. It serves as a key and as a
// value alike.

#include <string>

namespace taleno {

std::string IniText(const std::string& bytes);
std::string BytesFromIniText(const std::string& text);

}  // namespace taleno
