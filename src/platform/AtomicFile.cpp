#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace taleno {

namespace {
bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The file a path names, following symbolic links, also one whose target
// does not exist yet: the link stays and the file it points to is written.
std::string FollowLinks(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) >= target.size()) {
            return path;
        }
        target.resize(static_cast<std::size_t>(n));
        const std::size_t slash = path.rfind('/');
        path = target.front() == '/' || slash == std::string::npos ? target : path.substr(0, slash + 1) + target;
    }
    return path;
}

// Writes the contents into the existing file itself, flushed: for a file
// the user may write in a folder where no file may be made beside it.
bool WriteInPlace(const std::string& path, std::string_view contents) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return false;
    }
    bool ok = WriteAll(fd, contents) && ::ftruncate(fd, static_cast<off_t>(contents.size())) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok;
}

// Creates a new, empty file beside `path` as an ordinary create does: mode
// 0666 less the umask (and the folder's default ACL). The umask is never
// changed to learn it, since that would give the wrong mode to files other
// threads create meanwhile.
int CreateTemporaryFile(const std::string& path, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Gives the unnamed file open as fd a temporary name beside `path`, for the
// rename; false when it cannot be named.
bool NameUnnamedFile(int fd, const std::string& path, std::string& name) {
    static std::atomic<unsigned> counter{0};
    const std::string fdPath = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + "." + std::to_string(::getpid()) + "-u" + std::to_string(counter++) + ".tmp";
        if (::linkat(AT_FDCWD, fdPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

// The folder a file path lies in, for opening it.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}
}  // namespace

bool WriteFileAtomically(const std::string& requestedPath, std::string_view contents) {
    // A settings file or playlist kept as a symbolic link stays a link: the
    // file it points to is the one replaced (or made).
    const std::string path = FollowLinks(requestedPath);
    // A file the user may not write (made read-only, say) is not replaced
    // behind the user's back, as an in-place write would not be either.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        return false;
    }
    // The new contents go to an unnamed file first, so that a process killed
    // while writing them leaves nothing behind; it is named only for the
    // rename. Where the file system has no unnamed files, a named temporary
    // file does the same with a wider window.
    std::string tmpl;
    int fd = ::open(FolderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    const bool unnamed = fd >= 0;
    if (!unnamed && errno != EACCES && errno != EPERM) {
        fd = CreateTemporaryFile(path, tmpl);
    }
    if (fd < 0) {
        // The folder is not the user's to write, but the file may be: then
        // the save the user asked for is made in the file itself.
        const bool folderClosed = errno == EACCES || errno == EPERM;
        return folderClosed && ::access(path.c_str(), W_OK) == 0 && WriteInPlace(path, contents);
    }
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    bool ok = WriteAll(fd, contents) && ::fsync(fd) == 0;
    if (ok && unnamed) {
        ok = NameUnnamedFile(fd, path, tmpl);
    }
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(tmpl.c_str(), path.c_str()) == 0) {
        return true;
    }
    if (!tmpl.empty()) {
        ::unlink(tmpl.c_str());
    }
    return false;
}

}  // namespace taleno
