#pragma once
// INI profile files: reading and writing "key=value" lines grouped under
// "[section]" headers, with the behaviour Windows' private profile functions
// have, so settings files written there or by hand read the same here.
//
// Reading
//   - Lines end with LF or CR LF. Blanks (space, tab, CR, VT, FF) around
//     section names, keys and values are removed.
//   - A line whose first non-blank byte is "[" is a section header; its name
//     runs up to the first "]" (or the end of the line). A line whose first
//     non-blank byte is ";" is a comment. Any other line is a key line when
//     it holds a "="; the key is the text before the first "=", the value
//     the text after it. Lines without "=" are ignored.
//   - Section names always match ignoring ASCII case. Keys do too, unless the
//     caller asks for KeyMatch::Exact (byte for byte, case included).
//   - Only the first section of a name counts, and within it the first line
//     of a key: later duplicates are shadowed.
//   - A missing or unreadable file, a missing section or key gives the
//     default. So does a file that is not a regular file (a FIFO or device
//     would block or never end) or one larger than kMaxProfileFileSize.
//   - Values are taken as stored: no quote removal, any bytes (NUL included).
//
// Writing
//   - Only the key's own line changes: it is replaced in place by
//     "key=value". A new key goes after the last key line of its section (or
//     right after the header); a new section goes at the end of the file.
//     Every other byte of the file - comments, blank lines, other sections,
//     odd spacing, line ends - is kept. New lines use the file's own line
//     end (that of its first line); a new file gets CR LF.
//   - The file is replaced atomically (WriteFileAtomically), so a failed
//     write leaves the old file whole and reports false. When the new
//     contents equal the old ones nothing is written and the result is true.
//   - A file that exists but cannot be read (or is not a regular file, or is
//     too large) is never overwritten: the write reports false.
//   - Text that the format cannot hold is refused with false and nothing is
//     written: a value holding LF (it would inject further lines; a CR
//     inside a value is kept, since only LF ends a line, so a value read
//     from a file with a stray CR can always be written back); a
//     key that is empty, holds "=", CR or LF, begins with ";" or "[" or has
//     surrounding blanks (it could never be found again); a section name
//     that is empty, holds "]", CR or LF or has surrounding blanks.
//   - Deleting removes every line of the key in its section (so no shadowed
//     duplicate comes back into view). Deleting a key that is not there
//     succeeds without writing.

#include <cstddef>
#include <string>

namespace taleno {

enum class KeyMatch {
    IgnoreCase,  // ASCII letters match regardless of case (the profile rule)
    Exact,       // byte for byte
};

// Profile files larger than this are treated as unreadable: reads give the
// defaults and writes are refused, so the work per call stays bounded.
inline constexpr std::size_t kMaxProfileFileSize = 16u * 1024u * 1024u;

// Strings read from a profile are cut to this many bytes (UTF-8 text at the
// last whole character within them).
inline constexpr std::size_t kMaxProfileStringLength = 254;

// The key's value cut to maxLength bytes (kMaxProfileStringLength, the
// profile rule, unless a caller keeps whole paths) and any blanks the cut
// left at its end removed; the default (cut the same way) when the key is
// missing. A key present with an empty value gives "".
std::string GetProfileString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& def, KeyMatch match = KeyMatch::IgnoreCase,
                             std::size_t maxLength = kMaxProfileStringLength);

// The default when the key is missing or its value is empty; otherwise the
// decimal number the value begins with (an optional "+" or "-", then
// digits), 0 when it does not begin with one. Numbers beyond the int range
// are clamped to it.
int GetProfileInt(const std::string& file, const std::string& section, const std::string& key, int def,
                  KeyMatch match = KeyMatch::IgnoreCase);

bool WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value, KeyMatch match = KeyMatch::IgnoreCase);

bool DeleteProfileKey(const std::string& file, const std::string& section, const std::string& key,
                      KeyMatch match = KeyMatch::IgnoreCase);

// Several changes to one section with a single read and a single atomic
// write. The file is read when the edit is made; Write and Delete change
// the contents in memory (false: the text was refused, or the file could
// not be read, and nothing changed);
// Commit replaces the file (false: the file could not be read or written,
// the old file is intact). The result of every change follows the same
// rules as WriteProfileString and DeleteProfileKey.
class ProfileEdit {
public:
    ProfileEdit(std::string file, std::string section, KeyMatch match = KeyMatch::IgnoreCase);

    bool Write(const std::string& key, const std::string& value);
    bool Delete(const std::string& key);
    bool Commit();

private:
    std::string file;
    std::string section;
    KeyMatch match;
    bool readable = false;
    bool changed = false;
    std::string lineEnd;
    std::string text;  // the file's contents with the changes so far
};

}  // namespace taleno
