#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QThread>

#include "platform/ScreenSaverGuard.h"

#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

namespace taleno {
namespace {

// Sets or clears an environment variable for one test and puts it back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

struct XValues {
    int timeout = 0, interval = 0, blanking = 0, exposures = 0;
    CARD16 standby = 0, suspend = 0, off = 0;
};

// Talks to the test's X server directly, the way `xset q` reads it. The
// values found at the start are put back at the end of each test.
class ScreenSaverGuardXTest : public testing::Test {
protected:
    void SetUp() override {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) {
            GTEST_SKIP() << "no X display (the test script runs the tests under Xvfb)";
        }
        int eventBase = 0, errorBase = 0;
        dpms = DPMSQueryExtension(display, &eventBase, &errorBase) && DPMSCapable(display);
        original = Read();
        Write({321, 123, DontPreferBlanking, AllowExposures, 100, 200, 300});
    }
    void TearDown() override {
        if (display != nullptr) {
            Write(original);
            XCloseDisplay(display);
        }
    }
    XValues Read() {
        XValues v;
        XGetScreenSaver(display, &v.timeout, &v.interval, &v.blanking, &v.exposures);
        if (dpms) {
            DPMSGetTimeouts(display, &v.standby, &v.suspend, &v.off);
        }
        return v;
    }
    void Write(const XValues& v) {
        XSetScreenSaver(display, v.timeout, v.interval, v.blanking, v.exposures);
        if (dpms) {
            DPMSSetTimeouts(display, v.standby, v.suspend, v.off);
        }
        XSync(display, False);
    }
    void ExpectKnownValues() {
        const XValues v = Read();
        EXPECT_EQ(std::tie(v.timeout, v.interval, v.blanking), std::tuple(321, 123, DontPreferBlanking));
        if (dpms) {
            EXPECT_EQ(std::tie(v.standby, v.suspend, v.off), std::tuple(100, 200, 300));
        }
    }

    Display* display = nullptr;
    bool dpms = false;
    XValues original;
};

TEST_F(ScreenSaverGuardXTest, DisableZeroesAndRestorePutsBack) {
    CScreenSaverGuard guard;
    guard.Capture();
    guard.Disable();
    const XValues off = Read();  // the other screen-saver settings stay
    EXPECT_EQ(std::tie(off.timeout, off.interval, off.blanking), std::tuple(0, 123, DontPreferBlanking));
    if (dpms) {
        EXPECT_EQ(off.standby + off.suspend + off.off, 0);
    }
    guard.Capture();  // while disabled: still restores the values from before
    guard.Restore();
    ExpectKnownValues();
    guard.Restore();  // twice is harmless
    ExpectKnownValues();
    {
        CScreenSaverGuard dropped;
        dropped.Capture();
        dropped.Disable();
    }  // a guard destroyed while disabled restores
    ExpectKnownValues();
}

TEST_F(ScreenSaverGuardXTest, NothingWrittenWithoutCapture) {
    CScreenSaverGuard guard;
    {
        ScopedEnv noDisplay("DISPLAY", nullptr);
        guard.Capture();  // quiet no-op without a display
        guard.Disable();
        guard.Restore();
    }
    guard.Disable();  // nothing captured: nothing to zero, nothing to lose
    ExpectKnownValues();
}

// A stand-in for the desktop's screen-saver service on a private bus.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    std::atomic<int> inhibits{0};
    std::atomic<unsigned> released{0};
public slots:
    uint Inhibit(const QString& application, const QString&) {
        return application == QLatin1String("Taleno") ? 40 + ++inhibits : 0;
    }
    void UnInhibit(uint cookie) { released = cookie; }
};

TEST(ScreenSaverGuardBusTest, InhibitsWhileDisabled) {
    char folder[] = "/tmp/taleno-ssbus-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string socket = std::string(folder) + "/bus";
    const std::string address = "unix:path=" + socket;
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--address=" + QString::fromStdString(address)});
    if (!daemon.waitForStarted(5000)) {
        GTEST_SKIP() << "dbus-daemon is not available";
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!std::filesystem::exists(socket) && std::chrono::steady_clock::now() < deadline) {
        QThread::msleep(10);
    }
    ScopedEnv bus("DBUS_SESSION_BUS_ADDRESS", address.c_str());
    ScopedEnv noX("DISPLAY", nullptr);

    {  // a session without the service: nothing happens, quickly
        const auto start = std::chrono::steady_clock::now();
        CScreenSaverGuard guard;
        guard.Disable();
        guard.Restore();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
    }

    QThread serviceThread;
    serviceThread.start();
    FakeScreenSaver fake;
    fake.moveToThread(&serviceThread);
    QDBusConnection service = QDBusConnection::connectToBus(QString::fromStdString(address), "fake-service");
    ASSERT_TRUE(service.registerObject("/org/freedesktop/ScreenSaver", &fake, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService("org.freedesktop.ScreenSaver"));
    {
        CScreenSaverGuard guard;
        guard.Disable();
        guard.Disable();  // one inhibition only
        EXPECT_EQ(fake.inhibits, 1);
        guard.Restore();
        EXPECT_EQ(fake.released, 41u);
        guard.Disable();
        EXPECT_EQ(fake.inhibits, 2);
    }  // released by the destructor
    EXPECT_EQ(fake.released, 42u);

    QDBusConnection::disconnectFromBus("fake-service");
    QThread* testThread = QThread::currentThread();
    QMetaObject::invokeMethod(&fake, [&] { fake.moveToThread(testThread); }, Qt::BlockingQueuedConnection);
    serviceThread.quit();
    serviceThread.wait();
    daemon.kill();
    daemon.waitForFinished();
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace taleno

#include "test_screen_saver_guard.moc"
