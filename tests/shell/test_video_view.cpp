// The view: where the video, the captions and the logo go, and which
// double clicks it reports.
#include <QTest>
#include "shell/ColorLabel.h"
#include "shell/TALENOView.h"
#include "shell/TALENOViewTestAccess.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace taleno {
namespace {

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
    QTest::qWait(20);
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

}  // namespace
}  // namespace taleno
