// The seek bar and the volume toolbar: clamping, layout, images and the
// messages they post to the main window.
#include "SliderMouse.h"
#include "platform/WindowMessages.h"
#include "shell/DialogUnits.h"
#include "shell/SeekBar.h"
#include "shell/SeekSlider.h"
#include "shell/VolumeBar.h"
#include "shell/VolumeSlider.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace taleno {
namespace {

using namespace test;
using Message = std::tuple<unsigned, WPARAM, LPARAM>;

struct Recorder : MessageTarget {
    Recorder() { SetMainMessageTarget(this); }
    ~Recorder() override { SetMainMessageTarget(nullptr); }
    void OnMessage(unsigned m, WPARAM w, LPARAM l) override { messages.emplace_back(m, w, l); }
    std::vector<Message> Delivered() {
        QCoreApplication::processEvents();
        return messages;
    }
    std::vector<Message> messages;
};

TEST(SeekBar, ClampsLaysOutAndPostsOnlyCompletedClicks) {
    Recorder recorder;
    CSeekBar bar;
    EXPECT_EQ(bar.sizeHint(), DialogUnitsToPixels(QSize(330, 9), DialogFont()));
    bar.show();  // a hidden widget gets its resize event only when shown
    bar.resize(200, 20);
    CSeekSlider* slider = bar.GetSlider();
    EXPECT_EQ(slider->geometry(), QRect(0, 0, 200, 14));
    bar.SetSeekPosition(60);
    bar.SetSeekPosition(150);  // out of range: shows 0
    EXPECT_EQ(slider->GetPosition(), 0);
    bar.SetSeekEnabled(true);
    Press(slider, {99, 7});
    EXPECT_TRUE(recorder.Delivered().empty());
    Release(slider, {99, 7});
    EXPECT_EQ(recorder.Delivered(), std::vector<Message>{Message(0x464, 50, 0)});
}

// Every button's action made on demand, so a test can hold some back.
struct VolumeToolBarTest : ::testing::Test {
    QAction* ActionFor(int command) {
        auto& action = actions[command];
        if (!action) action = std::make_unique<QAction>();
        return action.get();
    }
    std::function<QAction*(int)> All() { return [this](int id) { return ActionFor(id); }; }
    std::map<int, std::unique_ptr<QAction>> actions;
};

TEST_F(VolumeToolBarTest, ItemsImagesAndSliderAtTheRightEnd) {
    QMainWindow frame;
    auto* bar = new CVolumeToolBar;
    ASSERT_TRUE(bar->Create(&frame, All()));
    frame.addToolBar(Qt::BottomToolBarArea, bar);
    const QList<QAction*> items = bar->actions();
    ASSERT_EQ(items.size(), 13);
    for (int i = 0; i < 12; ++i) {  // the buttons are the frame's actions, with the compiled-in images
        const int command = CVolumeToolBar::kItems[static_cast<std::size_t>(i)].command;
        EXPECT_TRUE(command == 0 ? items[i]->isSeparator() == (i != CVolumeToolBar::kStretchIndex)
                                 : items[i] == ActionFor(command) && !items[i]->icon().isNull())
            << i;
    }
    frame.show();
    for (int width : {700, 300}) {
        frame.resize(width, 200);
        QCoreApplication::processEvents();  // the toolbar lays out on a posted request
        CVolumeSlider* slider = bar->GetSlider();
        const QRect s(slider->mapTo(bar, QPoint(0, 0)), slider->size());
        const QWidget* mute = bar->widgetForAction(ActionFor(32801));
        EXPECT_TRUE(slider->isVisible() && s.width() == 50) << width;
        EXPECT_GE(s.x() + s.width(), bar->width() - 6) << width;
        EXPECT_LE(s.x() - (mute->x() + mute->width()), 8) << width;
    }
}

TEST_F(VolumeToolBarTest, CreateNeedsEveryButtonAndTheSliderPostsTheReleasedVolume) {
    CVolumeToolBar missing;
    EXPECT_FALSE(missing.Create(nullptr, [this](int id) { return id == 32803 ? nullptr : ActionFor(id); }));
    EXPECT_EQ(missing.GetVolumePosition(), 0);

    Recorder recorder;
    CVolumeToolBar bar;
    ASSERT_TRUE(bar.Create(nullptr, All()));
    EXPECT_FALSE(bar.Create(nullptr, All()));
    EXPECT_EQ(bar.GetVolumePosition(), 100);
    bar.SetVolumePosition(101);  // shows 0, not 100
    EXPECT_EQ(bar.GetVolumePosition(), 0);
    CVolumeSlider* slider = bar.GetSlider();
    slider->resize(50, 21);
    slider->SetPosition(100);
    slider->SetPosition(150);  // keeps the old value
    EXPECT_EQ(slider->GetThumbRect(), QRect(40, 0, 10, 20));
    EXPECT_EQ(slider->ValueFromX(45), 100);
    Press(slider, {25, 10});
    EXPECT_EQ(slider->GetPosition(), 50);
    Drag(slider, {44, 300});  // far off the slider: the drag goes on
    Release(slider, {44, 300});
    EXPECT_EQ(recorder.Delivered(), std::vector<Message>{Message(0x465, 97, 0)});
}

}  // namespace
}  // namespace taleno
