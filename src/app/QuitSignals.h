#pragma once
// Ends the player in order when the session asks it to: SIGTERM, SIGINT and
// SIGHUP run a callback on the user-interface thread (the main window's close
// sequence, which stops the engine and puts the screen-saver time-outs back)
// instead of killing the process on the spot. A second signal of the same
// kind, while the first is still being handled, ends the process at once.

#include <functional>
#include <memory>

class QSocketNotifier;

namespace taleno {

class QuitSignals {
public:
    // Installs the handlers; onQuit runs from the event loop of the calling
    // thread. One object at a time.
    explicit QuitSignals(std::function<void()> onQuit);
    // Puts the default handling back.
    ~QuitSignals();

    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // Whether the handlers are in place.
    bool IsInstalled() const { return notifier != nullptr; }

private:
    void Drain();

    std::function<void()> onQuit;
    int pipeFds[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
};

}  // namespace taleno
