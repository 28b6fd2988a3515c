// The D-Bus half of the screen-saver guard, on a private session bus, with no
// X display (where the X half is a quiet no-op). The X time-outs are checked
// on a private Xorg server in test_screen_saver_guard_dpms.cpp.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QThread>

#include "common/ScopedEnv.h"
#include "common/ScratchFolder.h"
#include "platform/ScreenSaverGuard.h"

namespace taleno {
namespace {

// A stand-in for the desktop's screen-saver service.
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
    test::ScratchFolder folder;
    const std::string address = "unix:path=" + folder.File("bus");
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--address=" + QString::fromStdString(address)});
    if (!daemon.waitForStarted(5000)) GTEST_SKIP() << "dbus-daemon is not available";
    for (int i = 0; i < 500 && !std::filesystem::exists(folder.File("bus")); ++i) QThread::msleep(10);
    test::ScopedEnv bus("DBUS_SESSION_BUS_ADDRESS", address.c_str());
    test::ScopedEnv noX("DISPLAY", nullptr);

    {  // no display and a session without the service: nothing happens, quickly
        const auto start = std::chrono::steady_clock::now();
        CScreenSaverGuard guard;
        guard.Capture();
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
    QMetaObject::invokeMethod(
        &fake, [&] { fake.moveToThread(testThread); }, Qt::BlockingQueuedConnection);
    serviceThread.quit();
    serviceThread.wait();
    daemon.kill();
    daemon.waitForFinished();
}

}  // namespace
}  // namespace taleno

#include "test_screen_saver_guard.moc"
