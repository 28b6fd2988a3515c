// The X half of the screen-saver guard, on a private Xorg server that has the
// DPMS extension (the tests' Xvfb has none), checked with `xset q` as a user
// would check it.
#include "common/PrivateXServer.h"
#include "common/TestSupport.h"
#include "platform/ScreenSaverGuard.h"

#ifndef TALENO_XORG_MODULE_DIR
#define TALENO_XORG_MODULE_DIR ""
#endif

namespace taleno {
namespace {

TEST(ScreenSaverGuardDpmsTest, DisableZeroesTheTimeOutsAndRestorePutsThemBack) {
    test::PrivateXServer server{TALENO_XORG_MODULE_DIR};
    if (!server.Started()) GTEST_SKIP() << server.SkipReason();
    // The guard talks to $DISPLAY: point it at the private server for this test only.
    const test::ScopedEnv display("DISPLAY", server.Display().c_str());
    const auto report = [&](const char* saver, const char* dpms, bool enabled) {
        return std::string("prefer blanking: no;timeout: ") + saver + ";Standby: " + dpms + ";DPMS is " +
               (enabled ? "Enabled;" : "Disabled;");
    };
    const std::string d = server.Display();
    test::RunXset(d, "s 321 123 s noblank dpms 600 700 800");
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "DPMS enabled" : "DPMS disabled");
        test::RunXset(d, enabled ? "+dpms" : "-dpms");
        const std::string idle = report("321 cycle: 123", "600 Suspend: 700 Off: 800", enabled);
        ASSERT_EQ(test::XsetTimeOuts(d), idle);
        {
            CScreenSaverGuard guard;
            guard.Disable();  // nothing captured: nothing to zero, nothing to lose
            EXPECT_EQ(test::XsetTimeOuts(d), idle);
            guard.Capture();
            guard.Disable();  // zeroed, DPMS not switched on or off, the rest kept
            EXPECT_EQ(test::XsetTimeOuts(d), report("0 cycle: 123", "0 Suspend: 0 Off: 0", enabled));
            guard.Capture();  // a second capture while disabled must not pick up the zeros
            guard.Restore();
            EXPECT_EQ(test::XsetTimeOuts(d), idle);
            guard.Restore();  // twice is harmless
            EXPECT_EQ(test::XsetTimeOuts(d), idle);
            guard.Disable();
        }  // a guard destroyed while disabled restores
        EXPECT_EQ(test::XsetTimeOuts(d), idle);
    }
}

}  // namespace
}  // namespace taleno
