#include "platform/IniProfile.h"

#include "platform/AtomicFile.h"
#include "platform/Utf8.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <string_view>
#include <utility>

namespace taleno {

namespace {

constexpr std::size_t npos = std::string::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

bool KeysMatch(std::string_view stored, std::string_view wanted, KeyMatch match) {
    return match == KeyMatch::Exact ? stored == wanted : EqualsIgnoreCase(stored, wanted);
}

// ---- Reading the file -------------------------------------------------------

enum class FileState { Missing, Read, Unreadable };

FileState ReadProfileFile(const std::string& path, std::string& out) {
    out.clear();
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unreadable;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<unsigned long long>(st.st_size) > kMaxProfileFileSize) {
        ::close(fd);
        return FileState::Unreadable;
    }
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t have = 0;
    bool ok = true;
    // Read until the end even if the file grew meanwhile, but never past the
    // size limit (one byte more tells that it was exceeded).
    for (;;) {
        if (have == out.size()) {
            if (out.size() > kMaxProfileFileSize) {
                ok = false;
                break;
            }
            out.resize(std::min(kMaxProfileFileSize + 1, out.size() + 4096));
        }
        ssize_t n = ::read(fd, out.data() + have, out.size() - have);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (!ok) {
        out.clear();
        return FileState::Unreadable;
    }
    out.resize(have);
    return FileState::Read;
}

// ---- Lines ------------------------------------------------------------------

struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;   // end of the text, before CR LF or LF
    std::size_t next = 0;  // start of the following line
};

bool NextLine(std::string_view text, std::size_t pos, LineSpan& line) {
    if (pos >= text.size()) return false;
    line.begin = pos;
    std::size_t nl = text.find('\n', pos);
    if (nl == npos) {
        line.end = line.next = text.size();
    } else {
        line.end = (nl > pos && text[nl - 1] == '\r') ? nl - 1 : nl;
        line.next = nl + 1;
    }
    return true;
}

enum class LineKind { Other, Header, Key };

struct LineInfo {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section name or key
    std::string_view value;  // value of a key line
};

LineInfo Classify(std::string_view line) {
    LineInfo info;
    std::string_view s = Trim(line);
    if (s.empty() || s.front() == ';') return info;
    if (s.front() == '[') {
        std::string_view name = s.substr(1);
        std::size_t close = name.find(']');
        if (close != npos) name = name.substr(0, close);
        info.kind = LineKind::Header;
        info.name = Trim(name);
        return info;
    }
    std::size_t eq = s.find('=');
    if (eq == npos) return info;
    info.kind = LineKind::Key;
    info.name = Trim(s.substr(0, eq));
    info.value = Trim(s.substr(eq + 1));
    return info;
}

// Where a key stands in the text: its section's header, its first line, and
// the line after which a new key of the section goes.
struct KeyLocation {
    bool sectionFound = false;
    bool keyFound = false;
    LineSpan key;
    std::string_view value;
    LineSpan lastKeyLine;  // the header when the section has no key lines
};

KeyLocation Locate(std::string_view text, std::string_view section, std::string_view key, KeyMatch match) {
    KeyLocation loc;
    LineSpan line;
    bool inSection = false;
    // A UTF-8 byte-order mark (files from Windows tools) is not part of the
    // first line; it stays in the file untouched.
    const std::size_t start = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    for (std::size_t pos = start; NextLine(text, pos, line); pos = line.next) {
        LineInfo info = Classify(text.substr(line.begin, line.end - line.begin));
        if (info.kind == LineKind::Header) {
            // Only the first section of the name counts.
            if (inSection) break;
            if (EqualsIgnoreCase(info.name, section)) {
                inSection = loc.sectionFound = true;
                loc.lastKeyLine = line;
            }
        } else if (inSection && info.kind == LineKind::Key) {
            loc.lastKeyLine = line;
            if (!loc.keyFound && KeysMatch(info.name, key, match)) {
                loc.keyFound = true;
                loc.key = line;
                loc.value = info.value;
            }
        }
    }
    return loc;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != npos; }

bool HasSurroundingBlank(std::string_view s) { return !s.empty() && (IsBlank(s.front()) || IsBlank(s.back())); }

bool ValidSection(std::string_view s) {
    return !s.empty() && s.find(']') == npos && !HasLineBreak(s) && !HasSurroundingBlank(s);
}

bool ValidKey(std::string_view k) {
    return !k.empty() && k.find('=') == npos && !HasLineBreak(k) && !HasSurroundingBlank(k) && k.front() != ';' &&
           k.front() != '[';
}

// A key's value, or nothing when the file, section or key is missing.
bool ReadValue(const std::string& file, const std::string& section, const std::string& key, KeyMatch match,
               std::string& value) {
    if (section.empty() || key.empty()) return false;
    std::string text;
    if (ReadProfileFile(file, text) != FileState::Read) return false;
    KeyLocation loc = Locate(text, section, key, match);
    if (!loc.keyFound) return false;
    value.assign(loc.value);
    return true;
}

// The integer reading of the Windows profile reader: optional sign, then
// decimal digits up to the first other byte.
int LeadingInteger(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        if (n <= static_cast<long long>(INT_MAX) + 1) n = n * 10 + (s[i] - '0');
    }
    if (negative) n = -n;
    if (n > INT_MAX) return INT_MAX;
    if (n < INT_MIN) return INT_MIN;
    return static_cast<int>(n);
}

}  // namespace

std::string GetProfileString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& def, KeyMatch match, std::size_t maxLength) {
    std::string value;
    const bool found = ReadValue(file, section, key, match, value);
    if (!found) value = def;
    const std::size_t length = Utf8CutLength(value, maxLength);
    if (length < value.size()) {
        value.resize(length);
        // Blanks the cut brought to the end of a value read go as well: it
        // is then one that, written back, reads the same.
        while (found && !value.empty() && IsBlank(value.back())) value.pop_back();
    }
    return value;
}

int GetProfileInt(const std::string& file, const std::string& section, const std::string& key, int def,
                  KeyMatch match) {
    std::string value;
    if (!ReadValue(file, section, key, match, value) || value.empty()) return def;
    return LeadingInteger(value);
}

bool WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value, KeyMatch match) {
    ProfileEdit edit(file, section, match);
    return edit.Write(key, value) && edit.Commit();
}

bool DeleteProfileKey(const std::string& file, const std::string& section, const std::string& key, KeyMatch match) {
    ProfileEdit edit(file, section, match);
    return edit.Delete(key) && edit.Commit();
}

// ---- ProfileEdit ------------------------------------------------------------

ProfileEdit::ProfileEdit(std::string path, std::string sectionName, KeyMatch keyMatch)
    : file(std::move(path)), section(std::move(sectionName)), match(keyMatch) {
    readable = ReadProfileFile(file, text) != FileState::Unreadable;
    // New lines follow the file's first line end; CR LF when it has none.
    std::size_t nl = text.find('\n');
    lineEnd = (nl != npos && (nl == 0 || text[nl - 1] != '\r')) ? "\n" : "\r\n";
}

bool ProfileEdit::Write(const std::string& key, const std::string& value) {
    if (!readable || !ValidSection(section) || !ValidKey(key) || value.find('\n') != npos) {
        return false;
    }
    const std::string newLine = key + "=" + value;
    KeyLocation loc = Locate(text, section, key, match);
    if (loc.keyFound) {
        std::string_view old(text.data() + loc.key.begin, loc.key.end - loc.key.begin);
        if (old != newLine) {
            text.replace(loc.key.begin, loc.key.end - loc.key.begin, newLine);
            changed = true;
        }
        return true;
    }
    if (loc.sectionFound) {
        const LineSpan& after = loc.lastKeyLine;
        // The line we insert after may be the file's last one, without a line end.
        std::string insert = (after.end == after.next) ? lineEnd : std::string();
        insert += newLine;
        insert += lineEnd;
        text.insert(after.next, insert);
    } else {
        if (!text.empty() && text.back() != '\n') text += lineEnd;
        text += "[" + section + "]" + lineEnd + newLine + lineEnd;
    }
    changed = true;
    return true;
}

bool ProfileEdit::Delete(const std::string& key) {
    if (!readable || !ValidSection(section) || !ValidKey(key)) return false;
    // One pass that copies every line except those of the key in the first
    // section of the name.
    std::string kept;
    bool inSection = false;
    bool removed = false;
    LineSpan line;
    std::size_t copied = 0;  // text up to here is handled
    for (std::size_t pos = 0; NextLine(text, pos, line); pos = line.next) {
        LineInfo info = Classify(std::string_view(text).substr(line.begin, line.end - line.begin));
        if (info.kind == LineKind::Header) {
            if (inSection) break;
            inSection = EqualsIgnoreCase(info.name, section);
        } else if (inSection && info.kind == LineKind::Key && KeysMatch(info.name, key, match)) {
            kept.append(text, copied, line.begin - copied);
            copied = line.next;
            removed = true;
        }
    }
    if (removed) {
        kept.append(text, copied, npos);
        text = std::move(kept);
        changed = true;
    }
    return true;
}

bool ProfileEdit::Commit() {
    if (!readable) return false;
    if (!changed) return true;
    if (!WriteFileAtomically(file, text)) return false;
    changed = false;
    return true;
}

}  // namespace taleno
