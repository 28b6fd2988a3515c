// The D-Bus half of the screen-saver guard, on a private session bus, with no
// X display (where the X half is a quiet no-op). The X time-outs are checked
// on a private Xorg server in test_screen_saver_guard_dpms.cpp.
#include "common/TestSupport.h"

#include <atomic>

#include <QDBusConnection>
#include <QObject>
#include <QThread>

#include "common/PrivateBus.h"
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
    test::PrivateBus bus;
    if (bus.address.isEmpty()) GTEST_SKIP() << "dbus-daemon is not available";
    const std::string address = bus.address.toStdString();
    test::ScopedEnv onBus("DBUS_SESSION_BUS_ADDRESS", address.c_str());
    test::ScopedEnv noX("DISPLAY", nullptr);

    {  // no display and a session without the service: nothing happens
        CScreenSaverGuard guard;
        guard.Capture();
        guard.Disable();
        guard.Restore();
    }

    QThread serviceThread;
    serviceThread.start();
    FakeScreenSaver fake;
    fake.moveToThread(&serviceThread);
    QDBusConnection service = bus.Connect("fake-service");
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
}

}  // namespace
}  // namespace taleno

#include "test_screen_saver_guard.moc"
