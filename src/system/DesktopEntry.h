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

}  // namespace taleno
