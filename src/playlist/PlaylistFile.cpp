// Playlist files: one entry per line, entries below the playlist's folder
// stored relative to it. The same line format serves txt, pls, m3u, m3u8 and
// ram; header and comment lines of those formats are skipped. One other form
// is read as well: a file whose first line is "[playlist]" (the PLS format of
// internet radio) gives its "FileN=" entries in order of N.
#include "platform/AtomicFile.h"
#include "playlist/Playlist.h"
#include "system/PathUtils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace taleno {

namespace {

// Reads lines of at most kMaxPlaylistLineLength bytes; longer lines are
// skipped whole, so memory stays bounded whatever the file holds.
class LineReader {
public:
    explicit LineReader(int fd) : fd_(fd) {}

    // The next line without its LF (a CR before it stays, for the caller's
    // trimming). False at the end of the file or on a read error.
    bool Next(std::string& line) {
        line.clear();
        bool tooLong = false;
        bool anyBytes = false;
        for (;;) {
            if (pos_ == len_ && !Refill()) {
                return anyBytes && !tooLong && !failed_;
            }
            anyBytes = true;
            const char* start = buffer_ + pos_;
            const void* lf = std::memchr(start, '\n', len_ - pos_);
            std::size_t n =
                lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : len_ - pos_;
            if (!tooLong && line.size() + n <= kMaxPlaylistLineLength) {
                line.append(start, n);
            } else {
                tooLong = true;
                line.clear();
            }
            pos_ += n;
            if (lf == nullptr) {
                continue;
            }
            ++pos_;
            if (!tooLong) {
                return true;
            }
            // Skip the overlong line and go on with the next one.
            tooLong = false;
            anyBytes = false;
        }
    }

    bool Failed() const { return failed_; }

private:
    bool Refill() {
        pos_ = 0;
        len_ = 0;
        ssize_t n;
        do {
            n = ::read(fd_, buffer_, sizeof buffer_);
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            failed_ = true;
            return false;
        }
        len_ = static_cast<std::size_t>(n);
        return len_ != 0;
    }

    int fd_;
    char buffer_[16 * 1024];
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    bool failed_ = false;
};

// Opens a regular file for reading, or returns -1. Anything else (a folder,
// a device that never ends, a pipe that would block) counts as a file that
// cannot be opened.
int OpenRegularFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

constexpr std::string_view kBlanks = " \t\n\v\f\r";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool IsCommentLine(std::string_view line) {
    return !line.empty() && (line.front() == '#' || line.front() == ';' || line.front() == '[');
}

// The folder that relative entries belong to. A playlist named relative to
// the working folder is taken from there; without this, a bare "list.txt"
// would have no folder at all and its relative entries no meaning.
bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The entry of a PLS line "FileN=entry" (N a number, "File" in any case),
// with N; nothing for any other line.
std::optional<std::pair<long, std::string_view>> PlsEntry(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || eq <= 4 || !EqualsIgnoreCase(line.substr(0, 4), "file")) {
        return std::nullopt;
    }
    const std::string_view digits = Trim(line.substr(4, eq - 4));
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return std::pair{std::stol(std::string(digits)), Trim(line.substr(eq + 1))};
}

// A PLS file keeps at most this many entries before it is sorted.
constexpr std::size_t kMaxPlsEntries = 4 * MAX_PLAYLIST_ENTRIES;

std::string PlaylistFolder(const std::string& path) {
    if (PathIsAbsolute(path)) {
        return PathGetDirectory(path);
    }
    std::error_code error;
    std::filesystem::path cwd = std::filesystem::current_path(error);
    if (error) {
        return PathGetDirectory(path);
    }
    return PathGetDirectory((cwd / path).lexically_normal().string());
}

}  // namespace

bool CPlaylist::LoadPlaylist(const std::string& path) {
    RemoveAll();
    int fd = OpenRegularFile(path);
    if (fd < 0) {
        return false;
    }
    const std::string base = PlaylistFolder(path);
    View().OnBeginBatch();
    // Relative entries belong to the playlist's folder; false when the list is full.
    const auto add = [&](std::string_view line) {
        std::string entry(line);
        if (!PathIsAbsolute(entry)) {
            entry = PathMakeAbsolute(entry, base);
            if (entry.empty()) {
                return true;
            }
        }
        return AddFile(entry);
    };
    LineReader reader(fd);
    std::string raw;
    bool firstLine = true;
    bool pls = false;
    std::vector<std::pair<long, std::string>> plsEntries;
    while (reader.Next(raw)) {
        std::string_view line = Trim(raw);
        if (firstLine) {
            // A UTF-8 byte-order mark (files from Windows tools) is no part of the entry.
            if (line.starts_with(kByteOrderMark)) {
                line = Trim(line.substr(3));
            }
            if (line.empty()) {
                continue;
            }
            firstLine = false;
            pls = EqualsIgnoreCase(line, "[playlist]");
        }
        if (pls) {
            if (const auto entry = PlsEntry(line); entry && !entry->second.empty()) {
                plsEntries.emplace_back(entry->first, entry->second);
                if (plsEntries.size() == kMaxPlsEntries) {
                    break;
                }
            }
            continue;
        }
        if (line.empty() || IsCommentLine(line)) {
            continue;
        }
        if (!add(line)) {
            break;
        }
    }
    std::stable_sort(plsEntries.begin(), plsEntries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [number, entry] : plsEntries) {
        if (!add(entry)) {
            break;
        }
    }
    bool failed = reader.Failed();
    ::close(fd);
    View().OnEndBatch();
    return !failed;
}

bool CPlaylist::SavePlaylist(const std::string& path) const {
    if (path.empty()) {
        return false;
    }
    const std::string base = PlaylistFolder(path);
    std::string contents;
    for (const std::string& entry : entries) {
        std::string line = PathMakeRelative(entry, base);
        // A relative form that would read back as something else - a comment
        // (a file "#1.mp3" beside the playlist) or trimmed (" 1.mp3") - is
        // written as "./#1.mp3", which reads back as the same entry.
        if (line != entry && (IsCommentLine(line) || kBlanks.find(line.front()) != std::string::npos)) {
            line.insert(0, "./");
        }
        // A first entry beginning with a byte-order mark keeps it: the
        // reader drops the mark written before it.
        if (contents.empty() && line.starts_with(kByteOrderMark)) {
            contents = kByteOrderMark;
        }
        contents += line;
        contents += "\r\n";
    }
    return WriteFileAtomically(path, contents);
}

}  // namespace taleno
