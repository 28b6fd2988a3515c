// Shared main of every test program: a Qt application object exists for the
// whole run, so code that posts messages or runs timers works in tests.
// Widget tests get a QApplication; unless a display was given (the test
// script runs under Xvfb), they render offscreen.
#include <gtest/gtest.h>

#include <cstdlib>

#ifdef TALENO_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    // No test, nor any player a test starts, may reach the desktop's session
    // bus: point them at one that does not exist (the bus tests start their
    // own).
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/taleno-tests-have-no-session-bus", 1);
    // Nor the system bus, where a power-off request would go: the tests'
    // players use a recording stand-in, and this makes sure of it.
    setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/taleno-tests-have-no-system-bus", 1);
#ifdef TALENO_TEST_GUI
    if (std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
#endif
    testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
