// The player on a Wayland desktop: a headless weston compositor with
// Xwayland, in a runtime folder of the test's own. Whether the desktop or
// the user asks Qt for Wayland, the player runs on X11 through Xwayland and
// the engine is given an X11 window that exists.
#include "common/TestSupport.h"

#include <QProcess>

#include <regex>

#include "PlayerProcess.h"

namespace taleno {
namespace {

// weston with its headless back end and Xwayland; skipped when not installed.
class WestonSession {
public:
    WestonSession() {
        if (std::system("command -v weston >/dev/null && command -v Xwayland >/dev/null") != 0) return;
        ::chmod(runtime.Path().c_str(), 0700);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.Path()));
        weston.setProcessEnvironment(environment);
        weston.setProcessChannelMode(QProcess::MergedChannels);
        weston.start("weston", {"--backend=headless-backend.so", "--xwayland", "--socket=" + QString(kSocket),
                                "--idle-time=0", "--no-config"});
        const std::regex listening("xserver listening on display (:[0-9]+)");
        std::string log;
        (void)QTest::qWaitFor(
            [&] {
                weston.waitForReadyRead(50);
                log += weston.readAll().toStdString();
                std::smatch found;
                if (std::regex_search(log, found, listening)) xDisplay = found[1];
                return !xDisplay.empty() || weston.state() == QProcess::NotRunning;
            },
            10000);
        if (xDisplay.empty()) ADD_FAILURE() << "weston did not start:\n" << log;
    }
    ~WestonSession() {
        weston.kill();
        weston.waitForFinished(5000);
    }
    bool Installed() const { return weston.state() != QProcess::NotRunning || !xDisplay.empty(); }

    static constexpr const char* kSocket = "taleno-wayland";
    test::ScratchFolder runtime;
    QProcess weston;
    std::string xDisplay;  // Xwayland's display, ":N"
};

TEST(WaylandDesktopTest, ThePlayerRunsOnXwaylandAndTheEngineGetsAnXWindow) {
    WestonSession session;
    if (!session.Installed()) GTEST_SKIP() << "weston or Xwayland not installed";
    ASSERT_FALSE(session.xDisplay.empty());
    const test::ScopedEnv display("DISPLAY", session.xDisplay.c_str());
    const test::ScopedEnv wayland("WAYLAND_DISPLAY", WestonSession::kSocket);
    const test::ScopedEnv sessionType("XDG_SESSION_TYPE", "wayland");
    test::PlayerInstall install(test::StandInEngineSettings());
    test::WriteWholeFile(install.Folder() + "/clip.standin", "print-id\nstarting\n");
    for (const char* asked : {static_cast<const char*>(nullptr), "wayland"}) {
        SCOPED_TRACE(asked ? asked : "nothing asked");
        const test::ScopedEnv platform("QT_QPA_PLATFORM", asked);
        test::PlayerProcess player(install, session.runtime.Path(), {install.Folder() + "/clip.standin"});
        unsigned long window = 0;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (window = test::EngineWindow(player.Pid())) != 0; }, 15000));
        EXPECT_NE(test::XTool("xwininfo", {"-id", QString::number(window)}), "") << window;
    }
}

}  // namespace
}  // namespace taleno
