#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

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
}  // namespace

bool WriteFileAtomically(const std::string& requestedPath, std::string_view contents) {
    // A settings file or playlist kept as a symbolic link stays a link: the
    // file it points to is the one replaced.
    std::string path = requestedPath;
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* target = ::realpath(path.c_str(), nullptr)) {
            path = target;
            std::free(target);
        }
    }
    // A file the user may not write (made read-only, say) is not replaced
    // behind the user's back, as an in-place write would not be either.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        return false;
    }
    std::string tmpl;
    int fd = CreateTemporaryFile(path, tmpl);
    if (fd < 0) {
        return false;
    }
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    bool ok = WriteAll(fd, contents) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(tmpl.c_str(), path.c_str()) == 0) {
        return true;
    }
    ::unlink(tmpl.c_str());
    return false;
}

}  // namespace taleno
