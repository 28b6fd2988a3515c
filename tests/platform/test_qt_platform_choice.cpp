// The Qt platform the player runs on, for each environment it may meet.
#include "common/TestSupport.h"

#include "platform/QtPlatformChoice.h"

namespace taleno {
namespace {

TEST(QtPlatformChoiceTest, X11WheneverAnXDisplayAnswersUnlessAnotherPlatformWasChosen) {
    using C = QtPlatformChoice;
    const std::tuple<const char*, bool, C> cases[] = {
        {"", true, C::UseXcb},         // nothing chosen: X11, also on a Wayland desktop
        {"wayland", true, C::UseXcb},  // Wayland gives no X11 video window
        {"wayland-egl", true, C::UseXcb},
        {"wayland;xcb", true, C::UseXcb},
        {"xcb", true, C::Keep},
        {"offscreen", false, C::Keep},  // tests and other explicit choices stand
        {"", false, C::NoDisplay},
        {"wayland", false, C::NoDisplay},
    };
    for (const auto& [asked, reachable, choice] : cases) {
        EXPECT_EQ(ChooseQtPlatform(asked, reachable), choice) << asked << " " << reachable;
    }
}

}  // namespace
}  // namespace taleno
