// The DPMS half of the screen-saver guard, on a private Xorg server that has
// the DPMS extension (the tests' Xvfb has none).
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <tuple>

#include <QProcess>
#include <QProcessEnvironment>

#include "common/PrivateXServer.h"
#include "platform/ScreenSaverGuard.h"

#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

#ifndef TALENO_XORG_MODULE_DIR
#define TALENO_XORG_MODULE_DIR ""
#endif

namespace taleno {
namespace {

// What `xset q` reports, read the way a user would check it.
struct XsetReport {
    int screenSaverTimeout = -1;
    int standby = -1, suspend = -1, off = -1;
    bool dpmsEnabled = false;
};

std::optional<XsetReport> RunXsetQuery(const std::string& display) {
    QProcess xset;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QString::fromStdString(display));
    xset.setProcessEnvironment(environment);
    xset.start("xset", {"q"});
    if (!xset.waitForFinished(10000) || xset.exitCode() != 0) {
        return std::nullopt;
    }
    const std::string text = xset.readAllStandardOutput().toStdString();
    std::smatch saver, dpms;
    if (!std::regex_search(text, saver, std::regex(R"(timeout:\s+(\d+)\s+cycle:)")) ||
        !std::regex_search(text, dpms, std::regex(R"(Standby:\s+(\d+)\s+Suspend:\s+(\d+)\s+Off:\s+(\d+))"))) {
        return std::nullopt;
    }
    return XsetReport{std::stoi(saver[1]), std::stoi(dpms[1]), std::stoi(dpms[2]), std::stoi(dpms[3]),
                      text.find("DPMS is Enabled") != std::string::npos};
}

class ScreenSaverGuardDpmsTest : public testing::Test {
protected:
    void SetUp() override {
        if (!server.Started()) {
            GTEST_SKIP() << server.SkipReason();
        }
        RecordProperty("xorg_startup_ms", static_cast<int>(server.StartupTime().count()));
        // The guard talks to $DISPLAY: point it at the private server for
        // this test only.
        if (const char* old = std::getenv("DISPLAY")) {
            oldDisplay = old;
        }
        setenv("DISPLAY", server.Display().c_str(), 1);
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        int eventBase = 0, errorBase = 0;
        ASSERT_TRUE(DPMSQueryExtension(display, &eventBase, &errorBase) && DPMSCapable(display));
        XSetScreenSaver(display, 321, 123, DontPreferBlanking, AllowExposures);
        ASSERT_TRUE(DPMSSetTimeouts(display, 600, 700, 800));
        XSync(display, False);
    }
    void TearDown() override {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
        if (server.Started()) {
            oldDisplay ? setenv("DISPLAY", oldDisplay->c_str(), 1) : unsetenv("DISPLAY");
        }
    }

    std::tuple<int, int, int> DpmsTimeouts() {
        CARD16 standby = 0, suspend = 0, off = 0;
        EXPECT_TRUE(DPMSGetTimeouts(display, &standby, &suspend, &off));
        return {standby, suspend, off};
    }
    bool DpmsEnabled() {
        CARD16 level = 0;
        BOOL enabled = False;
        EXPECT_TRUE(DPMSInfo(display, &level, &enabled));
        return enabled;
    }

    test::PrivateXServer server{TALENO_XORG_MODULE_DIR};
    std::optional<std::string> oldDisplay;
    Display* display = nullptr;
};

TEST_F(ScreenSaverGuardDpmsTest, DisableZeroesDpmsAndRestorePutsItBack) {
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "DPMS enabled" : "DPMS disabled");
        enabled ? DPMSEnable(display) : DPMSDisable(display);
        XSync(display, False);

        CScreenSaverGuard guard;
        guard.Capture();
        guard.Disable();
        EXPECT_EQ(DpmsTimeouts(), std::tuple(0, 0, 0));
        EXPECT_EQ(DpmsEnabled(), enabled);  // zeroed, not switched on or off
        const std::optional<XsetReport> playing = RunXsetQuery(server.Display());
        ASSERT_TRUE(playing);
        EXPECT_EQ(std::tuple(playing->screenSaverTimeout, playing->standby, playing->suspend, playing->off),
                  std::tuple(0, 0, 0, 0));
        EXPECT_EQ(playing->dpmsEnabled, enabled);

        guard.Capture();  // a second capture while disabled must not pick up the zeros
        guard.Restore();
        EXPECT_EQ(DpmsTimeouts(), std::tuple(600, 700, 800));
        EXPECT_EQ(DpmsEnabled(), enabled);
        const std::optional<XsetReport> stopped = RunXsetQuery(server.Display());
        ASSERT_TRUE(stopped);
        EXPECT_EQ(std::tuple(stopped->screenSaverTimeout, stopped->standby, stopped->suspend, stopped->off),
                  std::tuple(321, 600, 700, 800));
        EXPECT_EQ(stopped->dpmsEnabled, enabled);
    }
}

TEST_F(ScreenSaverGuardDpmsTest, DestroyedWhileDisabledRestores) {
    {
        CScreenSaverGuard guard;
        guard.Capture();
        guard.Disable();
        EXPECT_EQ(DpmsTimeouts(), std::tuple(0, 0, 0));
    }
    EXPECT_EQ(DpmsTimeouts(), std::tuple(600, 700, 800));
    int timeout = 0, interval = 0, blanking = 0, exposures = 0;
    XGetScreenSaver(display, &timeout, &interval, &blanking, &exposures);
    EXPECT_EQ(timeout, 321);
}

}  // namespace
}  // namespace taleno
