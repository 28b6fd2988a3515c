#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <cstring>
#include <set>

namespace taleno {

namespace {

constexpr char kLockName[] = "{5C0E7A21-4B9D-4F63-A8E2-91D3B6C47F08}";
constexpr char kSocketName[] = "TALENOUniqueClassName";
// Held (write-locked) by the instance that serves, or is about to serve, the
// socket, from the moment it knows it is the first until it stops serving.
constexpr char kServerLockName[] = "TALENOUniqueClassName.lock";
constexpr char kAcknowledge = '\x06';
// A client that has not finished its message by then is dropped, so idle or
// stuck clients cannot pile up.
constexpr int kClientTimeoutMs = 5000;
// Connections served at once; later ones wait in the socket's queue (and a
// later instance retries while the queue is full), none is refused.
constexpr int kMaxOpenConnections = 16;
constexpr auto kRetryPause = std::chrono::milliseconds(20);

bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
           (info.st_mode & 077) == 0;
}

// Open-file-description locks: held per open of the file, so per process
// here, released when the process ends however it ends, and converted from
// write to read atomically.
bool SetLock(int fd, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

bool FillAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    path.copy(address.sun_path, path.size());
    return true;
}

// Whether a process other than this open of the file holds a lock on it.
bool LockedByOther(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return fd >= 0 && fcntl(fd, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

// One non-blocking connection attempt: the socket, or -1 with errno set
// (EAGAIN: the server lives but its queue is full).
int ConnectOnce(const sockaddr_un& address) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0 || connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return fd;
    }
    const int error = errno;
    close(fd);
    errno = error;
    return -1;
}

// Waits, with no time limit, until fd is ready or its peer has gone.
bool WaitFor(int fd, short events) {
    for (;;) {
        pollfd entry{fd, events, 0};
        if (poll(&entry, 1, -1) > 0) {
            return true;
        }
        if (errno != EINTR) {
            return false;
        }
    }
}

// Sends message on a connected socket and waits for the acknowledgement:
// true when it came, false when the server closed the connection first.
bool Deliver(int fd, const std::string& message) {
    std::size_t sent = 0;
    while (sent < message.size() && WaitFor(fd, POLLOUT)) {
        const ssize_t n = send(fd, message.data() + sent, message.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        }
        sent += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    while (sent == message.size() && WaitFor(fd, POLLIN)) {
        char reply = 0;
        const ssize_t n = recv(fd, &reply, 1, 0);
        if (n == 1) {
            return reply == kAcknowledge;
        }
        if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            return false;
        }
    }
    return false;
}

bool PeerIsOwnUser(int descriptor) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == geteuid();
}

}  // namespace

// The listening socket and the connections being served, read through
// socket notifiers on the event loop of the thread that called Listen (a
// plain Unix socket: the player needs no network library for it). Goes with
// its socket file; connections still open are closed.
struct CSingleInstance::Server {
    int fd = -1;
    std::string path;
    QObject context;  // the notifiers and timers; gone with the server
    QSocketNotifier* pending = nullptr;
    std::set<int> connections;

    ~Server() {
        for (const int connection : connections) close(connection);
        close(fd);
        unlink(path.c_str());
    }
};

CSingleInstance::CSingleInstance(std::string lockFolder) : folder(std::move(lockFolder)) {
    if (folder.empty()) {
        return;
    }
    lockFd = open((folder + "/" + kLockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd < 0) {
        return;
    }
    serverLockFd = open((folder + "/" + kServerLockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (SetLock(lockFd, F_WRLCK)) {
        // First: claim the server lock while no other instance can decide,
        // so every later one finds it held until this one stops serving;
        // then share the instance lock, so that it stays held by whichever
        // instances still run after this one ends.
        SetLock(serverLockFd, F_WRLCK);
        SetLock(lockFd, F_RDLCK);
        return;
    }
    alreadyRunning = errno == EAGAIN || errno == EACCES;
    // A process that is just testing for the write lock holds it for a moment.
    for (int attempt = 0; alreadyRunning && attempt < 50 && !SetLock(lockFd, F_RDLCK); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

CSingleInstance::~CSingleInstance() {
    StopServing();
    if (lockFd >= 0) {
        close(lockFd);
    }
}

void CSingleInstance::StopServing() {
    server.reset();  // closing the server removes its socket file
    if (serverLockFd >= 0) {
        close(serverLockFd);
        serverLockFd = -1;
    }
}

std::string CSingleInstance::DefaultFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return PrivateFolder(runtime != nullptr ? runtime : "", "/tmp");
}

std::string CSingleInstance::PrivateFolder(const std::string& runtimeDir, const std::string& fallbackParent) {
    if (!runtimeDir.empty() && IsPrivateFolder(runtimeDir)) {
        return runtimeDir;
    }
    const std::string own = fallbackParent + "/taleno-" + std::to_string(geteuid());
    if (mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    // An existing folder of that name may have been made by someone else, or
    // opened up: never use it then.
    return IsPrivateFolder(own) ? own : std::string();
}

std::string CSingleInstance::SocketPath() const { return folder + "/" + kSocketName; }

bool CSingleInstance::HandOff(const std::string& argument) const {
    sockaddr_un address;
    if (folder.empty() || argument.size() + 1 > kMaxMessageSize || !FillAddress(SocketPath(), address)) {
        return false;
    }
    const std::string message = argument + '\0';
    // The running instance may still be starting (no socket yet), busy (its
    // queue full) or drop the connection before reading it: all of these are
    // retried for as long as it lives. A message is sent again only when no
    // acknowledgement came, and the server acknowledges every message it
    // takes, so none is taken twice.
    for (;;) {
        const int fd = ConnectOnce(address);
        if (fd >= 0) {
            const bool delivered = Deliver(fd, message);
            close(fd);
            if (delivered) {
                return true;
            }
        } else if (errno != EAGAIN && !LockedByOther(serverLockFd)) {
            return false;  // nobody serves, and nobody is about to
        }
        std::this_thread::sleep_for(kRetryPause);
    }
}

bool CSingleInstance::Listen(std::function<void(const std::string&)> handler) {
    sockaddr_un address;
    const std::string path = SocketPath();
    if (server || folder.empty() || QCoreApplication::instance() == nullptr || !FillAddress(path, address)) {
        return false;
    }
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0) {
        if (!S_ISSOCK(info.st_mode)) {
            return false;
        }
        const int live = ConnectOnce(address);
        const bool served = live >= 0 || errno == EAGAIN;
        if (live >= 0) {
            close(live);
        }
        if (served) {
            return false;
        }
        unlink(path.c_str());  // left behind by an instance that crashed
    }
    // An instance that was not the first (its first has gone) claims the
    // server lock now, if nobody else has.
    SetLock(serverLockFd, F_WRLCK);
    auto listener = std::make_unique<Server>();
    listener->fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // Its file is its user's alone (the folder is too).
    if (listener->fd < 0 || bind(listener->fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        StopServing();  // later instances must not wait for a server that never comes
        return false;
    }
    listener->path = path;
    if (chmod(path.c_str(), 0600) != 0 || listen(listener->fd, 256) != 0) {
        StopServing();
        return false;
    }
    onArgument = std::move(handler);
    listener->pending = new QSocketNotifier(listener->fd, QSocketNotifier::Read, &listener->context);
    QObject::connect(listener->pending, &QSocketNotifier::activated, &listener->context,
                     [this] { AcceptConnections(); });
    server = std::move(listener);
    return true;
}

bool CSingleInstance::IsServingConnections() const {
    if (openConnections > 0) {
        return true;
    }
    pollfd queued{server ? server->fd : -1, POLLIN, 0};
    return queued.fd >= 0 && poll(&queued, 1, 0) > 0;
}

void CSingleInstance::AcceptConnections() {
    if (!server) {
        return;
    }
    while (openConnections < kMaxOpenConnections) {
        const int connection = accept4(server->fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0) {
            break;  // none waits
        }
        if (!PeerIsOwnUser(connection)) {
            close(connection);
            continue;
        }
        Serve(connection);
    }
    // Past the limit, connections stay queued until one being served ends.
    server->pending->setEnabled(openConnections < kMaxOpenConnections);
}

// Reads one argument, up to its NUL, from a connection, hands it over and
// acknowledges it. A connection that closes early, sends too much or takes
// longer than kClientTimeoutMs is dropped.
void CSingleInstance::Serve(int connection) {
    ++openConnections;
    server->connections.insert(connection);
    auto* readable = new QSocketNotifier(connection, QSocketNotifier::Read, &server->context);
    auto* timeout = new QTimer(readable);
    timeout->setSingleShot(true);
    auto message = std::make_shared<std::string>();
    QPointer<QSocketNotifier> alive(readable);
    // Ends the connection once (the read and the time-out may both ask),
    // unless the server has gone meanwhile and closed it itself.
    const auto end = [this, alive, connection] {
        if (!alive || !server || !server->connections.erase(connection)) {
            return;
        }
        alive->setEnabled(false);
        alive->deleteLater();
        close(connection);
        --openConnections;
        // A connection waiting past the limit is taken from the event loop,
        // not from inside this notifier's handler.
        QTimer::singleShot(0, &server->context, [this] { AcceptConnections(); });
    };
    QObject::connect(timeout, &QTimer::timeout, readable, end);
    QObject::connect(readable, &QSocketNotifier::activated, readable, [this, connection, message, timeout, alive, end] {
        char buffer[4096];
        const ssize_t count = read(connection, buffer, sizeof buffer);
        if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
            return;
        }
        const char* nul = count > 0 ? static_cast<const char*>(std::memchr(buffer, '\0', count)) : nullptr;
        if (count > 0) {
            message->append(buffer, nul != nullptr ? static_cast<std::size_t>(nul - buffer) : count);
        }
        if (count <= 0 || message->size() + 1 > kMaxMessageSize) {
            end();  // closed before its argument was whole, or too long
            return;
        }
        if (nul == nullptr) {
            return;
        }
        // One argument per connection: whatever follows the NUL is ignored.
        timeout->stop();
        alive->setEnabled(false);
        const std::string argument = std::move(*message);
        if (onArgument) {
            onArgument(argument);
        }
        if (alive && server && server->connections.count(connection) != 0) {
            (void)!write(connection, &kAcknowledge, 1);
        }
        end();
    });
    timeout->start(kClientTimeoutMs);
}

}  // namespace taleno
