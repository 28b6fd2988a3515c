#include <QSignalSpy>
#include "common/EventLoop.h"
#include "platform/X11Window.h"
#include "shell/ColorLabel.h"
#include "shell/LetterboxFit.h"
#include "shell/TALENOView.h"
#include "shell/TALENOViewTestAccess.h"

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
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

TEST(LetterboxFitTest, LetterboxesAndPillarboxesAboutTheCentre) {
    // 4:3 in 16:9: full height, truncated width, centred horizontally.
    EXPECT_EQ(LetterboxFit(QRect(0, 0, 1600, 900), 4, 3), QRect(200, 0, 1200, 900));
    // 16:9 in 4:3: full width, truncated height, centred vertically.
    EXPECT_EQ(LetterboxFit(QRect(0, 0, 800, 600), 16, 9), QRect(0, 75, 800, 450));
    // No usable ratio: square. A client area of height 0: window ratio 1.
    EXPECT_EQ(LetterboxFit(QRect(0, 0, 400, 200), 640, 0), QRect(100, 0, 200, 200));
    EXPECT_EQ(LetterboxFit(QRect(0, 0, 400, 200), 0, 480), QRect(100, 0, 200, 200));
    EXPECT_EQ(LetterboxFit(QRect(0, 0, 300, 0), 4, 3), QRect(0, -112, 300, 225));
}

TEST(VideoViewTest, LaysOutVideoAndCaptions) {
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
}

TEST(VideoViewTest, LeftDoubleClicksAreReported) {
    CTALENOView view;
    QSignalSpy doubleClicks(&view, &CTALENOView::ViewDoubleClick);
    const TALENOViewTestAccess parts(view);
    view.setGeometry(100, 100, 300, 200);
    view.show();
    view.SetVideoMode(false);
    auto doubleClick = [&](QWidget* target, Qt::MouseButton button) {
        QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(10, 10), QPointF(10, 10), button, button, {});
        QCoreApplication::sendEvent(target, &event);
    };
    doubleClick(parts.UpperCaption(), Qt::LeftButton);  // a caption passes it on
    doubleClick(&view, Qt::RightButton);
    doubleClick(parts.VideoWindow(), Qt::LeftButton);
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
        {"always on top", [&] { EXPECT_TRUE(SetAlwaysOnTop(frame.winId(), true)); }},
        {"full screen",
         [&] {
             view->SetAspectWidth(16);
             view->SetAspectHeight(9);
             frame.showFullScreen();
         }},
        {"no edge", [&] { view->SetClientEdge(false); }},
        {"normal",
         [&] {
             frame.showNormal();
             view->SetClientEdge(true);
         }},
        {"not on top", [&] { EXPECT_TRUE(SetAlwaysOnTop(frame.winId(), false)); }},
        {"shown again",
         [&] {
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
        // A resize leaves no old picture behind.
        xcb_connection_t* c = QtConnection();
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, static_cast<xcb_window_t>(id)), nullptr);
        ASSERT_NE(attributes, nullptr);
        EXPECT_EQ(attributes->bit_gravity, XCB_GRAVITY_BIT_FORGET) << name;
        std::free(attributes);
    }
}

TEST_F(VideoWindowX11Test, MenuKeyOpensTheContextMenuBesideTheViewsCorner) {
    QMenu menu;
    menu.addAction(QStringLiteral("&Play"));
    view->SetContextMenu(&menu);
    frame.activateWindow();
    ASSERT_TRUE(PumpUntil([&] { return frame.isActiveWindow(); }, 2000));
    // The menu key reaches the window as a keyboard context-menu request;
    // the window hands it to the widget holding the keyboard focus.
    QPoint shownAt(-1, -1);
    bool openWhileShown = false;
    QTimer::singleShot(100, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            shownAt = popup->pos();
            openWhileShown = view->IsContextMenuOpen();
            popup->close();
        }
    });
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QCoreApplication::sendEvent(frame.windowHandle(), &request);
    PumpFor(200);
    EXPECT_EQ(shownAt, view->mapToGlobal(view->contentsRect().topLeft() + QPoint(5, 5)));
    EXPECT_TRUE(openWhileShown);
    EXPECT_FALSE(view->IsContextMenuOpen());
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = r->atom;
    return std::free(r), atom;
}

TEST_F(VideoWindowX11Test, AboveStateReachesTheWindowManager) {
    // A mapped window: the request goes to whoever manages the root window.
    // This test listens there the way a window manager does.
    xcb_connection_t* manager = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(manager), 0);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(manager)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(manager, xcb_change_window_attributes_checked(manager, root, XCB_CW_EVENT_MASK, &mask));
    const xcb_atom_t state = Atom(manager, "_NET_WM_STATE");
    const xcb_atom_t above = Atom(manager, "_NET_WM_STATE_ABOVE");
    ASSERT_TRUE(SetAlwaysOnTop(frame.winId(), true));
    bool asked = false;
    PumpUntil(
        [&] {
            while (xcb_generic_event_t* event = xcb_poll_for_event(manager)) {
                const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
                asked = asked ||
                        ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE && message->window == topLevel &&
                         message->type == state && message->data.data32[0] == 1 && message->data.data32[1] == above);
                std::free(event);
            }
            return asked;
        },
        2000);
    xcb_disconnect(manager);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(SetAlwaysOnTop(0x7FFFFFF, true));  // no such window
}

}  // namespace
}  // namespace taleno
