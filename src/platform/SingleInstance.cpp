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
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

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

bool PeerIsOwnUser(qintptr descriptor) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == geteuid();
}

}  // namespace

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
    auto listener = std::make_unique<QLocalServer>();
    listener->setSocketOptions(QLocalServer::UserAccessOption);
    listener->setListenBacklogSize(256);
    if (!listener->listen(QString::fromStdString(path))) {
        StopServing();  // later instances must not wait for a server that never comes
        return false;
    }
    onArgument = std::move(handler);
    QObject::connect(listener.get(), &QLocalServer::newConnection, listener.get(), [this] { AcceptConnections(); });
    server = std::move(listener);
    return true;
}

bool CSingleInstance::IsServingConnections() const {
    if (openConnections > 0) {
        return true;
    }
    pollfd queued{server ? static_cast<int>(server->socketDescriptor()) : -1, POLLIN, 0};
    return queued.fd >= 0 && poll(&queued, 1, 0) > 0;
}

void CSingleInstance::AcceptConnections() {
    if (!server) {
        return;
    }
    // Past the limit, connections stay queued (QLocalServer stops accepting
    // while its own queue is full) until one served ends.
    while (openConnections < kMaxOpenConnections && server->hasPendingConnections()) {
        QLocalSocket* socket = server->nextPendingConnection();
        if (!PeerIsOwnUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++openConnections;
        socket->setReadBufferSize(static_cast<qint64>(kMaxMessageSize));
        QObject::connect(socket, &QObject::destroyed, server.get(), [this] {
            --openConnections;
            AcceptConnections();
        });
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto* timeout = new QTimer(socket);
        timeout->setSingleShot(true);
        QObject::connect(timeout, &QTimer::timeout, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        timeout->start(kClientTimeoutMs);
        auto message = std::make_shared<std::string>();
        QObject::connect(socket, &QLocalSocket::readyRead, socket,
                         [this, socket, message] { Receive(socket, *message); });
    }
}

void CSingleInstance::Receive(QLocalSocket* socket, std::string& message) {
    const QByteArray data = socket->readAll();
    const qsizetype end = data.indexOf('\0');
    message.append(data.constData(), static_cast<std::size_t>(end < 0 ? data.size() : end));
    if (message.size() + 1 > kMaxMessageSize) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    if (end < 0) {
        return;
    }
    // One argument per connection: whatever follows the NUL is ignored.
    socket->disconnect(socket, &QLocalSocket::readyRead, nullptr, nullptr);
    for (QTimer* timer : socket->findChildren<QTimer*>()) {
        timer->stop();
    }
    const std::string argument = std::move(message);
    QPointer<QLocalSocket> alive(socket);
    if (onArgument) {
        onArgument(argument);
    }
    if (alive) {
        alive->write(&kAcknowledge, 1);
        alive->disconnectFromServer();
    }
}

}  // namespace taleno
