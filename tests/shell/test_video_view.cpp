#include <QSignalSpy>
#include "common/EventLoop.h"
#include "platform/X11Window.h"
#include "shell/ColorLabel.h"
#include "shell/TALENOView.h"
#include "shell/TALENOViewTestAccess.h"

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QWindow>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <functional>

namespace taleno {
namespace {

using test::PumpFor;
using test::PumpUntil;

TEST(VideoViewTest, LaysOutVideoAndCaptionsAndReportsLeftDoubleClicks) {
    CTALENOView view;
    const TALENOViewTestAccess parts(view);
    // Hidden flags of the video, the upper and lower captions and the logo.
    auto hidden = [&] {
        return std::vector<bool>{parts.VideoArea()->isHidden(), parts.UpperCaption()->isHidden(),
                                 parts.LowerCaption()->isHidden(), parts.LogoPanel()->isHidden()};
    };
    view.resize(644, 364);  // client area 640 x 360 inside the 2-pixel edge
    view.show();
    view.SetVideoMode(true);
    view.SetAspectWidth(4);
    view.SetAspectHeight(3);
    EXPECT_EQ(parts.VideoArea()->geometry(), QRect(2, 2, 640, 360));  // stored only
    view.PostLayout();
    PumpFor(20);
    EXPECT_EQ(parts.VideoArea()->geometry(), QRect(82, 2, 480, 360));
    EXPECT_EQ(hidden(), (std::vector<bool>{false, true, true, true}));

    // Keep aspect on but captions shown: everything spans the client area.
    view.SetVideoMode(false);
    view.resize(644, 500);
    EXPECT_EQ(parts.VideoArea()->geometry(), QRect(2, 2, 640, 496));
    EXPECT_EQ(hidden(), (std::vector<bool>{true, false, false, true}));

    // Full screen drops the edge and the client area grows with it.
    view.SetClientEdge(false);
    EXPECT_EQ(parts.VideoArea()->geometry(), QRect(0, 0, 644, 500));

    // Left double clicks are reported, from a caption too.
    QSignalSpy doubleClicks(&view, &CTALENOView::ViewDoubleClick);
    for (const auto& [target, button] : {std::pair<QWidget*, Qt::MouseButton>{parts.UpperCaption(), Qt::LeftButton},
                                         {&view, Qt::RightButton},
                                         {parts.VideoWindow(), Qt::LeftButton}}) {
        QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(10, 10), QPointF(10, 10), button, button, {});
        QCoreApplication::sendEvent(target, &event);
    }
    EXPECT_EQ(doubleClicks.count(), 2);
}

// --- Under a real X server (xvfb-run): the id the engine draws into. ---

xcb_connection_t* QtConnection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The X parent and geometry of a live window; {XCB_WINDOW_NONE, null} when it does not exist.
std::pair<xcb_window_t, QRect> XParentAndGeometry(WId id) {
    xcb_connection_t* c = QtConnection();
    const auto window = static_cast<xcb_window_t>(id);
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr);
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    const std::pair<xcb_window_t, QRect> result(tree != nullptr ? tree->parent : xcb_window_t{XCB_WINDOW_NONE},
                                                g != nullptr ? QRect(g->x, g->y, g->width, g->height) : QRect());
    std::free(tree);
    std::free(g);
    return result;
}

class VideoWindowX11Test : public testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb") {
            GTEST_SKIP() << "needs an X display";
        }
        frame.setCentralWidget(view);
        frame.setGeometry(40, 40, 400, 300);
        frame.show();
        view->SetVideoMode(true);
        PumpFor(200);
        id = view->GetVideoWindow();
        topLevel = frame.winId();
    }
    QMainWindow frame;
    CTALENOView* view = new CTALENOView(&frame);
    TALENOViewTestAccess parts{*view};
    WId id = 0;
    WId topLevel = 0;
};

TEST_F(VideoWindowX11Test, IdSurvivesAlwaysOnTopAndFullScreen) {
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"shown", [] {}},
        {"always on top, full screen",
         [&] {
             EXPECT_TRUE(SetAlwaysOnTop(frame.winId(), true));
             view->SetAspectWidth(16);
             view->SetAspectHeight(9);
             frame.showFullScreen();
             view->SetClientEdge(false);
         }},
        {"normal, not on top, shown again",
         [&] {
             frame.showNormal();
             view->SetClientEdge(true);
             EXPECT_TRUE(SetAlwaysOnTop(frame.winId(), false));
             frame.hide();
             frame.show();
         }},
    };
    for (const auto& [name, step] : steps) {
        step();
        PumpFor(200);
        // Same id, still a child of the top-level window, where the view placed it.
        EXPECT_EQ(view->GetVideoWindow(), id) << name;
        const QRect placed(parts.VideoArea()->mapTo(&frame, QPoint(0, 0)), parts.VideoArea()->size());
        EXPECT_EQ(XParentAndGeometry(id), std::make_pair(static_cast<xcb_window_t>(topLevel), placed)) << name;
    }
}

}  // namespace
}  // namespace taleno
