#pragma once
// One player per user: detection of a running instance and hand-off of a
// file or URL to it.
//
// Every instance holds a lock on the file "{5C0E7A21-4B9D-4F63-A8E2-91D3B6C47F08}"
// in a folder of the user's own for as long as it runs. An instance that finds
// the lock held by another process "already existed". The instance that
// listens serves the local socket "TALENOUniqueClassName" in the same folder;
// a later instance writes its argument followed by one NUL byte to it and
// waits until the running instance has handled the argument. Only the same
// user can reach the folder, and the server ignores peers of other users.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace taleno {

class CSingleInstance {
public:
    // The longest message accepted, its closing NUL included.
    static constexpr std::size_t kMaxMessageSize = 64 * 1024;

    // Takes the lock in folder. An empty folder (no private folder could be
    // found) turns single-instance detection off: AlreadyRunning is false and
    // Listen and HandOff fail.
    explicit CSingleInstance(std::string folder = DefaultFolder());
    ~CSingleInstance();

    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // Whether another process held the lock when this object was made. Fixed
    // for the object's life, however other instances come and go.
    bool AlreadyRunning() const { return alreadyRunning; }

    // Hands argument to the listening instance and waits until it has taken
    // it, for as long as that instance lives: while it is still starting
    // (it holds the server lock but does not listen yet) or too busy to
    // accept. False when nobody serves and nobody is about to, or the
    // argument is longer than a message may be. Needs no event loop.
    bool HandOff(const std::string& argument) const;

    // Serves the socket on the calling thread's event loop (a QCoreApplication
    // must exist); onArgument runs there for every argument handed over. A
    // socket left behind by a crashed instance is replaced; one that another
    // live instance serves is left alone (false).
    bool Listen(std::function<void(const std::string&)> onArgument);
    // Closes the socket and releases the server lock: later instances stop
    // waiting for this one.
    void StopServing();
    // Whether later instances are being served or wait to be: a connection
    // is open, or queued on the socket.
    bool IsServingConnections() const;

    // $XDG_RUNTIME_DIR, else the folder "/tmp/taleno-<uid>".
    static std::string DefaultFolder();
    // runtimeDir when it is a real folder owned by this user and closed to
    // everyone else; otherwise "<fallbackParent>/taleno-<uid>", created with
    // mode 0700 if missing and used only if it passes the same checks.
    // Empty when neither qualifies.
    static std::string PrivateFolder(const std::string& runtimeDir, const std::string& fallbackParent);

private:
    std::string SocketPath() const;
    struct Server;
    void AcceptConnections();
    void Serve(int connection);

    std::string folder;
    int lockFd = -1;
    int serverLockFd = -1;
    bool alreadyRunning = false;
    std::unique_ptr<Server> server;
    std::function<void(const std::string&)> onArgument;
    int openConnections = 0;
};

}  // namespace taleno
