// The seek and volume sliders and the bars they sit in: geometry, mouse
// tracking and the messages the bars post to the main window.
#include <QSignalSpy>
#include "shell/SeekBar.h"
#include "shell/SeekSlider.h"
#include "shell/VolumeSlider.h"
#include "shell/VolumeToolBar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>

#include <map>
#include <memory>
#include <vector>

namespace taleno {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(p), QPointF(widget->mapToGlobal(p)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}
void Press(QWidget* w, QPoint p) { SendMouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
void Drag(QWidget* w, QPoint p) { SendMouse(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
void Release(QWidget* w, QPoint p) { SendMouse(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }

// The values a bar's signal carried so far.
std::vector<int> Delivered(const QSignalSpy& spy) {
    std::vector<int> values;
    for (const QList<QVariant>& arguments : spy) values.push_back(arguments.at(0).toInt());
    return values;
}

// A 200 x 14 seek slider: channel 1..199, value span 199 - 25 - 1 = 173.
struct SeekSliderTest : ::testing::Test {
    SeekSliderTest() {
        s.resize(200, 14);
        QObject::connect(&s, &CSkinnedSlider::thumbPositionReleased, [this](int p) { released.push_back(p); });
    }
    CSeekSlider s;
    std::vector<int> released;
};

TEST_F(SeekSliderTest, ThumbGeometryAndValueFromX) {
    s.SetPosition(50);
    EXPECT_EQ(s.GetThumbRect(), QRect(87, 2, 25, 10));
    s.SetPosition(100);
    EXPECT_EQ(s.GetThumbRect(), QRect(172, 2, 25, 10));  // right edge at channel right - 2
    for (auto [x, value] : std::vector<std::pair<int, int>>{{12, 0}, {13, 0}, {99, 50}, {185, 100}, {186, 100}}) {
        EXPECT_EQ(s.ValueFromX(x), value) << x;
    }
    s.resize(20, 14);  // narrower than the thumb: its right edge stays inside
    EXPECT_EQ(s.GetThumbRect(), QRect(-8, 2, 25, 10));
}

TEST_F(SeekSliderTest, ClickJumpsReportsOnReleaseAndHoldsOffTheFrame) {
    s.SetEnabled(true);
    Press(&s, {99, 7});
    s.SetPosition(10);  // the frame's refresh must not fight the user
    EXPECT_TRUE(released.empty());
    Release(&s, {99, 7});
    Release(&s, {99, 7});  // no press, no report
    s.SetPosition(30);
    const QPoint onThumb = s.GetThumbRect().topLeft() + QPoint(1, 1);  // keeps the value
    Press(&s, onThumb);
    Release(&s, onThumb);
    EXPECT_EQ(released, (std::vector<int>{50, 30}));
}

TEST_F(SeekSliderTest, DragCancelsBeyond100PixelsVertically) {
    s.SetEnabled(true);
    Press(&s, {13, 7});
    Drag(&s, {99, 107});  // exactly 100 below still drags
    EXPECT_EQ(s.GetPosition(), 50);
    Drag(&s, {186, 108});  // 101: cancelled, the thumb stays
    Drag(&s, {186, 7});    // coming back does not resume
    Release(&s, {186, 7});
    EXPECT_EQ(s.GetPosition(), 50);
    EXPECT_TRUE(released.empty());
}

TEST_F(SeekSliderTest, DisabledOrHiddenLeavesNoDragBehind) {
    Press(&s, {99, 7});  // disabled
    Release(&s, {99, 7});
    s.SetEnabled(true);
    Press(&s, {99, 7});
    s.SetEnabled(false);  // resets to 0 and ends the drag
    Drag(&s, {150, 7});
    Release(&s, {150, 7});
    EXPECT_EQ(s.GetPosition(), 0);
    s.SetEnabled(true);
    s.show();
    Press(&s, {99, 7});
    s.hide();  // e.g. the bar hidden by its shortcut mid-drag: no release comes
    s.SetPosition(5);
    EXPECT_EQ(s.GetPosition(), 5);
    EXPECT_TRUE(released.empty());
}

TEST(SeekBar, ClampsAndReportsOnlyCompletedClicks) {
    CSeekBar bar;
    QSignalSpy recorder(&bar, &CSeekBar::SeekBarSeek);
    bar.show();           // a hidden widget gets its resize event only when shown
    bar.resize(200, 20);  // the slider spans the bar
    CSeekSlider* slider = bar.GetSlider();
    bar.SetSeekPosition(60);
    bar.SetSeekPosition(150);  // out of range: shows 0
    EXPECT_EQ(slider->GetPosition(), 0);
    bar.SetSeekEnabled(true);
    Press(slider, {99, 7});
    EXPECT_TRUE(Delivered(recorder).empty());
    Release(slider, {99, 7});
    EXPECT_EQ(Delivered(recorder), std::vector<int>{50});
}

// Every button's action made on demand, so a test can hold some back.
struct VolumeToolBarTest : ::testing::Test {
    QAction* ActionFor(int command) {
        auto& action = actions[command];
        if (!action) action = std::make_unique<QAction>();
        return action.get();
    }
    std::function<QAction*(int)> All() {
        return [this](int id) { return ActionFor(id); };
    }
    std::map<int, std::unique_ptr<QAction>> actions;
};

TEST_F(VolumeToolBarTest, ButtonsAreTheFramesActionsAndTheSliderReportsTheReleasedVolume) {
    CVolumeToolBar missing;
    EXPECT_FALSE(missing.Create(nullptr, [this](int id) { return id == 32803 ? nullptr : ActionFor(id); }));
    EXPECT_EQ(missing.GetVolumePosition(), 0);

    CVolumeToolBar bar;
    QSignalSpy recorder(&bar, &CVolumeToolBar::VolumeBarChanged);
    ASSERT_TRUE(bar.Create(nullptr, All()));
    EXPECT_FALSE(bar.Create(nullptr, All()));
    const QList<QAction*> items = bar.actions();
    ASSERT_EQ(items.size(), 13);
    for (int i = 0; i < 12; ++i) {  // the buttons are the frame's actions, with the compiled-in images
        const int command = CVolumeToolBar::kItems[static_cast<std::size_t>(i)].command;
        EXPECT_TRUE(command == 0 ? items[i]->isSeparator() == (i != CVolumeToolBar::kStretchIndex)
                                 : items[i] == ActionFor(command) && !items[i]->icon().isNull())
            << i;
    }
    EXPECT_EQ(bar.GetVolumePosition(), 100);
    bar.SetVolumePosition(101);  // shows 0, not 100
    EXPECT_EQ(bar.GetVolumePosition(), 0);
    CVolumeSlider* slider = bar.GetSlider();
    bar.resize(400, 40);
    bar.show();  // the slider lies over the bar's right end, 2 pixels below its top
    EXPECT_EQ(slider->geometry(), QRect(bar.width() - 50, 2, 50, bar.height() - 2));
    slider->resize(50, 21);
    slider->SetPosition(100);
    slider->SetPosition(150);  // keeps the old value
    EXPECT_EQ(slider->GetThumbRect(), QRect(40, 0, 10, 20));
    EXPECT_EQ(slider->ValueFromX(45), 100);
    Press(slider, {25, 10});
    EXPECT_EQ(slider->GetPosition(), 50);
    Drag(slider, {44, 300});  // far off the slider: the drag goes on
    Release(slider, {44, 300});
    EXPECT_EQ(Delivered(recorder), std::vector<int>{97});

    // Too narrow for its buttons: Qt's overflow button stays usable, the
    // slider steps aside, and comes back when there is room again.
    bar.resize(120, 40);
    const auto* overflow = bar.findChild<QWidget*>("qt_toolbar_ext_button");
    ASSERT_NE(overflow, nullptr);
    EXPECT_TRUE(overflow->isVisible());
    EXPECT_TRUE(slider->isHidden());
    bar.resize(400, 40);
    EXPECT_FALSE(slider->isHidden());
}

}  // namespace
}  // namespace taleno
