#include "app/QuitSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include <QSocketNotifier>

namespace taleno {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Written by the handler, which may only make async-signal-safe calls.
volatile sig_atomic_t g_writeFd = -1;

void OnSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    if (g_writeFd >= 0) {
        [[maybe_unused]] const ssize_t ignored = write(g_writeFd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> callback) : onQuit(std::move(callback)) {
    if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeFds[0] = pipeFds[1] = -1;
        return;
    }
    g_writeFd = pipeFds[1];
    notifier = std::make_unique<QSocketNotifier>(pipeFds[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] { Drain(); });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // The handler stays for one signal only: a second one, should the close
    // sequence hang, gets the default handling and ends the process.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signalNumber : kSignals) {
        sigaction(signalNumber, &action, nullptr);
    }
}

QuitSignals::~QuitSignals() {
    for (int signalNumber : kSignals) {
        signal(signalNumber, SIG_DFL);
    }
    g_writeFd = -1;
    notifier.reset();
    for (int fd : pipeFds) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void QuitSignals::Drain() {
    unsigned char bytes[16];
    bool received = false;
    while (read(pipeFds[0], bytes, sizeof bytes) > 0) {
        received = true;
    }
    if (received && onQuit) {
        onQuit();
    }
}

}  // namespace taleno
