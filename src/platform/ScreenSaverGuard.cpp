#include "platform/ScreenSaverGuard.h"

#include <sys/stat.h>

#include <cstdlib>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QVariant>

// Xlib's macros (None, Bool, Status, ...) clash with Qt: include it last.
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

namespace taleno {

namespace {

constexpr char kScreenSaverService[] = "org.freedesktop.ScreenSaver";
constexpr const char* kScreenSaverPaths[] = {"/org/freedesktop/ScreenSaver", "/ScreenSaver"};
// The calls run on the user-interface thread: a hanging desktop service must
// not freeze the player for long.
constexpr int kBusCallTimeoutMs = 1000;

int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// One short-lived connection to the X server for each operation. Screen-saver
// and DPMS settings are server state and outlive the connection. X errors
// (the server refusing a value) are swallowed instead of ending the process.
class XConnection {
public:
    XConnection() : display_(XOpenDisplay(nullptr)) {
        if (display_ != nullptr) {
            previousHandler_ = XSetErrorHandler(&IgnoreXError);
        }
    }
    ~XConnection() {
        if (display_ != nullptr) {
            XSync(display_, False);
            XSetErrorHandler(previousHandler_);
            XCloseDisplay(display_);
        }
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    Display* get() const { return display_; }
    bool HasDpms() const {
        int eventBase = 0;
        int errorBase = 0;
        return DPMSQueryExtension(display_, &eventBase, &errorBase) && DPMSCapable(display_);
    }

private:
    Display* display_;
    XErrorHandler previousHandler_ = nullptr;
};

// The session bus address: the one the session announces, else the usual
// socket in the runtime folder. Empty when there is no session bus, so that
// nothing tries to launch one.
QString SessionBusAddress() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr && *address != '\0') {
        return QString::fromLocal8Bit(address);
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') {
        const std::string socketPath = std::string(runtime) + "/bus";
        struct stat info {};
        if (stat(socketPath.c_str(), &info) == 0 && S_ISSOCK(info.st_mode)) {
            return QStringLiteral("unix:path=") + QString::fromStdString(socketPath);
        }
    }
    return {};
}

bool ServiceHasOwner(const QDBusConnection& bus) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    call << QString::fromLatin1(kScreenSaverService);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kBusCallTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1 &&
           reply.arguments().front().toBool();
}

}  // namespace

CScreenSaverGuard::~CScreenSaverGuard() {
    if (disabled) {
        Restore();
    } else {
        Uninhibit();
    }
}

void CScreenSaverGuard::Capture() {
    if (disabled) {
        return;
    }
    lowPowerTimeout = suspendTimeout = powerOffTimeout = 0;
    screenSaveTimeout = screenSaveInterval = preferBlanking = allowExposures = 0;
    screenSaverCaptured = dpmsCaptured = false;

    XConnection x;
    if (x.get() == nullptr) {
        return;
    }
    if (x.HasDpms()) {
        CARD16 standby = 0;
        CARD16 suspend = 0;
        CARD16 off = 0;
        if (DPMSGetTimeouts(x.get(), &standby, &suspend, &off)) {
            lowPowerTimeout = standby;
            suspendTimeout = suspend;
            powerOffTimeout = off;
            dpmsCaptured = true;
        }
    }
    XGetScreenSaver(x.get(), &screenSaveTimeout, &screenSaveInterval, &preferBlanking, &allowExposures);
    screenSaverCaptured = true;
}

void CScreenSaverGuard::Disable() {
    if (screenSaverCaptured || dpmsCaptured) {
        XConnection x;
        if (x.get() != nullptr) {
            if (dpmsCaptured && x.HasDpms()) {
                DPMSSetTimeouts(x.get(), 0, 0, 0);
            }
            if (screenSaverCaptured) {
                XSetScreenSaver(x.get(), 0, screenSaveInterval, preferBlanking, allowExposures);
            }
            disabled = true;
        }
    }
    Inhibit();
}

void CScreenSaverGuard::Restore() {
    if (screenSaverCaptured || dpmsCaptured) {
        XConnection x;
        if (x.get() != nullptr) {
            if (dpmsCaptured && x.HasDpms()) {
                DPMSSetTimeouts(x.get(), static_cast<CARD16>(lowPowerTimeout), static_cast<CARD16>(suspendTimeout),
                                static_cast<CARD16>(powerOffTimeout));
            }
            if (screenSaverCaptured) {
                XSetScreenSaver(x.get(), screenSaveTimeout, screenSaveInterval, preferBlanking, allowExposures);
            }
        }
    }
    disabled = false;
    Uninhibit();
}

void CScreenSaverGuard::Inhibit() {
    if (inhibited || QCoreApplication::instance() == nullptr) {
        return;
    }
    const QString address = SessionBusAddress();
    if (address.isEmpty()) {
        return;
    }
    const QString name = QStringLiteral("taleno-screensaver-%1").arg(reinterpret_cast<quintptr>(this), 0, 16);
    QDBusConnection bus = QDBusConnection::connectToBus(address, name);
    if (bus.isConnected() && ServiceHasOwner(bus)) {
        for (const char* path : kScreenSaverPaths) {
            QDBusMessage call =
                QDBusMessage::createMethodCall(QString::fromLatin1(kScreenSaverService), QString::fromLatin1(path),
                                               QString::fromLatin1(kScreenSaverService), QStringLiteral("Inhibit"));
            // The reason the desktop shows among what keeps it awake.
            call << QStringLiteral("Taleno")
                 << QCoreApplication::translate("taleno::CScreenSaverGuard", "Playing a clip");
            const QDBusMessage reply = bus.call(call, QDBus::Block, kBusCallTimeoutMs);
            if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1) {
                inhibited = true;
                inhibitCookie = reply.arguments().front().toUInt();
                inhibitPath = path;
                busConnectionName = name.toStdString();
                return;
            }
        }
    }
    QDBusConnection::disconnectFromBus(name);
}

void CScreenSaverGuard::Uninhibit() {
    if (!inhibited) {
        return;
    }
    const QString name = QString::fromStdString(busConnectionName);
    QDBusConnection bus(name);
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kScreenSaverService), QString::fromStdString(inhibitPath),
                                       QString::fromLatin1(kScreenSaverService), QStringLiteral("UnInhibit"));
    call << inhibitCookie;
    bus.call(call, QDBus::Block, kBusCallTimeoutMs);
    // Leaving the bus ends the inhibition even if the call above failed.
    QDBusConnection::disconnectFromBus(name);
    inhibited = false;
    busConnectionName.clear();
    inhibitPath.clear();
}

}  // namespace taleno
