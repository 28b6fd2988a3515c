// The screen-saver guard: its X half on the test's own X display, read back
// with `xset q` as a user would check it, and its D-Bus half on a private
// session bus with no X display (where the X half is a quiet no-op).
#include "common/TestSupport.h"

#include <atomic>

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
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

// Runs xset on the test's display; what it printed.
std::string Xset(const QStringList& arguments) {
    QProcess xset;
    xset.start("xset", arguments);
    xset.waitForFinished(10000);
    return xset.readAllStandardOutput().toStdString();
}

TEST(ScreenSaverGuardXTest, DisableZeroesTheTimeOutAndRestorePutsItBack) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
    const auto timeOut = [] {
        const std::string report = Xset({"q"});
        const std::size_t at = report.find("timeout:");
        return at == std::string::npos ? "none" : report.substr(at, report.find('\n', at) - at);
    };
    Xset({"s", "321", "123"});
    const std::string idle = timeOut();
    ASSERT_NE(idle.find("321"), std::string::npos) << idle;
    {
        CScreenSaverGuard guard;
        guard.Disable();  // nothing captured: nothing to zero, nothing to lose
        EXPECT_EQ(timeOut(), idle);
        guard.Capture();
        guard.Disable();
        EXPECT_NE(timeOut().find("timeout:  0"), std::string::npos) << timeOut();
        guard.Capture();  // a second capture while disabled must not pick up the zero
        guard.Restore();
        guard.Restore();  // twice is harmless
        EXPECT_EQ(timeOut(), idle);
        guard.Disable();
    }  // a guard destroyed while disabled restores
    EXPECT_EQ(timeOut(), idle);
    Xset({"s", "default"});
}

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
