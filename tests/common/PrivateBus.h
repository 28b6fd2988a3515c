#pragma once
// A session bus of the test's own (never the desktop's), and Debian's
// playerctl run on it as the desktop's media controls would.

#include <QTest>

#include <QDBusConnection>
#include <QProcess>
#include <QStringList>

namespace taleno::test {

class PrivateBus {
public:
    PrivateBus() {
        daemon.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (daemon.waitForReadyRead(5000)) address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~PrivateBus() {
        daemon.kill();
        daemon.waitForFinished(2000);
    }
    QDBusConnection Connect(const QString& name) const { return QDBusConnection::connectToBus(address, name); }

    // playerctl for the player "taleno", with this process's event loop
    // turning so that a player inside it can answer; its standard output.
    QString Playerctl(const QStringList& arguments) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
        process.setProcessEnvironment(environment);
        process.start("playerctl", QStringList{"-p", "taleno"} + arguments);
        (void)QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000);
        QTest::qWait(40);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    QString address;  // empty when dbus-daemon did not start

private:
    QProcess daemon;
};

}  // namespace taleno::test
