#pragma once
// Pieces of the freedesktop file association: how a program's path stands in
// a desktop entry's Exec line, and which MIME type the shared MIME database
// gives a file extension.

#include <string>
#include <vector>

namespace taleno {

// The program path as one argument of a desktop entry's Exec value, written
// as the file holds it: quoted when it holds a reserved character (a blank,
// a quote, "$", ...), with `"`, `` ` ``, `$` and `\` escaped inside the
// quotes and "%" doubled, then the value's own escapes applied (`\` as
// `\\`, a line break as `\n`).
std::string DesktopExecArgument(const std::string& path);

// The MIME type the shared MIME database's globs give "*.<extension>"
// (letter case ignored), looking in each folder's "mime/globs2" in order and
// taking the highest weight, the earlier folder on a tie; "" when none has it.
std::string MimeTypeForExtension(const std::string& extension, const std::vector<std::string>& dataFolders);

// Whether the text can be an associated extension: ASCII letters, digits,
// "+", "-", "_" and inner dots only, at most 64 of them, so that it fits
// every file it goes into (a MIME type, an XML attribute, a desktop entry's
// list, mimeapps.list's keys) as it stands.
bool IsAssociableExtension(const std::string& extension);

// A key's value in the entry's "[Desktop Entry]" group; "" when it has none.
std::string DesktopEntryValue(const std::string& entry, const std::string& key);

// The entry with each key of its "[Desktop Entry]" group set to its new
// value: in place where the key stands, else at the end of the group (which
// is made when missing). Every other line, group and translation is kept
// byte for byte.
std::string SetDesktopEntryKeys(const std::string& entry, const std::vector<std::pair<std::string, std::string>>& keys);

}  // namespace taleno
