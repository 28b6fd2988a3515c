// The display check before Qt starts keeps its connection until Qt has its
// own: an X server with no other client resets when its last one leaves and
// refuses the next one for a moment, which ended the player at start-up.
// Seen on a private Xvfb that resets (no -noreset): a root window property
// set meanwhile survives only while the check's connection is open.
#include "common/TestSupport.h"

#include <QProcess>

#include "platform/QtPlatformChoice.h"

namespace taleno {
namespace {

TEST(DisplayProbeTest, TheServerDoesNotResetBetweenTheCheckAndQtsConnection) {
    QProcess server;
    server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "64x64x24"});
    ASSERT_TRUE(server.waitForReadyRead(10000)) << "Xvfb did not start";
    const std::string display = ":" + server.readLine().trimmed().toStdString();
    const test::ScopedEnv onServer("DISPLAY", display.c_str());
    const auto xprop = [](const QStringList& arguments) {
        QProcess run;
        run.start("xprop", QStringList{"-root"} + arguments);
        run.waitForFinished(10000);
        return run.readAllStandardOutput().toStdString();
    };
    ASSERT_TRUE(XDisplayReachable());
    xprop({"-f", "TALENO_MARK", "8s", "-set", "TALENO_MARK", "kept"});
    EXPECT_NE(xprop({"TALENO_MARK"}).find("\"kept\""), std::string::npos);
    ReleaseDisplayProbe();  // the last client gone: the server resets
    QTest::qWait(200);
    EXPECT_EQ(xprop({"TALENO_MARK"}).find("\"kept\""), std::string::npos);
    server.terminate();
    server.waitForFinished(5000);
}

}  // namespace
}  // namespace taleno
