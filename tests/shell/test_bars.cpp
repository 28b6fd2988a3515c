// The seek bar and the volume toolbar: clamping, layout and the messages
// they post to the main window.
#include "SliderMouse.h"
#include "platform/WindowMessages.h"
#include "shell/DialogUnits.h"
#include "shell/SeekBar.h"
#include "shell/SeekSlider.h"
#include "shell/VolumeBar.h"
#include "shell/VolumeSlider.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QPixmap>

#include <map>
#include <memory>
#include <vector>

namespace taleno {
namespace {

using test::Drag;
using test::Press;
using test::Release;

struct Message {
    unsigned id;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Message&) const = default;
};

class Recorder : public MessageTarget {
public:
    Recorder() { SetMainMessageTarget(this); }
    ~Recorder() override { SetMainMessageTarget(nullptr); }
    void OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back({message, wParam, lParam});
    }
    std::vector<Message> Delivered() {
        QCoreApplication::processEvents();
        return messages;
    }
    std::vector<Message> messages;
};

TEST(SeekBar, MessageValue) { EXPECT_EQ(WM_SEEKBAR_SEEK, 0x464u); }

TEST(SeekBar, PositionsOutsideTheRangeShowZero) {
    CSeekBar bar;
    bar.SetSeekPosition(60);
    EXPECT_EQ(bar.GetSlider()->GetPosition(), 60);
    bar.SetSeekPosition(150);
    EXPECT_EQ(bar.GetSlider()->GetPosition(), 0);
    bar.SetSeekPosition(60);
    bar.SetSeekPosition(-1);
    EXPECT_EQ(bar.GetSlider()->GetPosition(), 0);
}

TEST(SeekBar, LayoutInDialogUnitsAndSliderAcrossTheWidth) {
    CSeekBar bar;
    EXPECT_EQ(bar.sizeHint(), DialogUnitsToPixels(QSize(330, 9), DialogFont()));
    bar.show();  // a hidden widget gets its resize event only when shown
    bar.resize(640, 30);
    EXPECT_EQ(bar.GetSlider()->geometry(), QRect(0, 0, 640, 14));
}

TEST(SeekBar, ClickPostsOneSeekWhenReleased) {
    Recorder recorder;
    CSeekBar bar;
    bar.show();
    bar.resize(200, 14);
    bar.SetSeekEnabled(true);
    CSeekSlider* slider = bar.GetSlider();
    Press(slider, {99, 7});
    EXPECT_TRUE(recorder.Delivered().empty());
    Release(slider, {99, 7});
    EXPECT_EQ(recorder.Delivered(), (std::vector<Message>{{WM_SEEKBAR_SEEK, 50, 0}}));
}

TEST(SeekBar, CancelledOrDisabledDragPostsNothing) {
    Recorder recorder;
    CSeekBar bar;
    bar.show();
    bar.resize(200, 14);
    CSeekSlider* slider = bar.GetSlider();
    Press(slider, {99, 7});  // still disabled
    Release(slider, {99, 7});

    bar.SetSeekEnabled(true);
    Press(slider, {99, 7});
    Drag(slider, {99, 7 - 101});
    Release(slider, {99, -94});

    Press(slider, {120, 7});
    bar.SetSeekEnabled(false);
    EXPECT_EQ(slider->GetPosition(), 0);
    Release(slider, {120, 7});
    EXPECT_TRUE(recorder.Delivered().empty());
}

class VolumeToolBarTest : public ::testing::Test {
protected:
    QAction* ActionFor(int command) {
        auto& slot = actions[command];
        if (!slot) {
            QPixmap image(CVolumeToolBar::kButtonImageSize);
            image.fill(Qt::darkBlue);
            slot = std::make_unique<QAction>(QIcon(image), QString::number(command));
        }
        return slot.get();
    }
    std::map<int, std::unique_ptr<QAction>> actions;
};

TEST_F(VolumeToolBarTest, ItemsInOrderWithSliderAtTheEnd) {
    QMainWindow frame;
    auto* bar = new CVolumeToolBar;
    EXPECT_EQ(bar->GetVolumePosition(), 0);
    bar->SetVolumePosition(40);  // no slider yet: nothing to set
    ASSERT_TRUE(bar->Create(&frame, [this](int id) { return ActionFor(id); }));
    frame.addToolBar(Qt::BottomToolBarArea, bar);
    EXPECT_EQ(bar->GetVolumePosition(), 100);
    EXPECT_EQ(WM_VOLUMEBAR_CHANGED, 0x465u);

    const QList<QAction*> items = bar->actions();
    ASSERT_EQ(items.size(), 13);
    for (int i = 0; i < 13; ++i) {
        const auto& item = CVolumeToolBar::kItems[static_cast<std::size_t>(i)];
        if (item.style == CVolumeToolBar::ItemStyle::Button) {
            EXPECT_EQ(items[i], ActionFor(item.command)) << i;
        } else if (i != CVolumeToolBar::kStretchIndex && item.style == CVolumeToolBar::ItemStyle::Separator) {
            EXPECT_TRUE(items[i]->isSeparator()) << i;
        }
    }
    EXPECT_EQ(bar->GetSlider()->toolTip(), QStringLiteral("Volume"));

    // The slider and Mute stay at the right end whatever the width.
    frame.show();
    for (int width : {700, 300}) {
        frame.resize(width, 200);
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();  // the toolbar lays out on a posted request
        }
        CVolumeSlider* slider = bar->GetSlider();
        const QRect s(slider->mapTo(bar, QPoint(0, 0)), slider->size());
        EXPECT_TRUE(slider->isVisible()) << width;
        EXPECT_EQ(s.width(), CVolumeToolBar::kSliderWidth);
        EXPECT_GE(s.x() + s.width(), bar->width() - 6) << width;
        EXPECT_EQ(s.y(), bar->widgetForAction(items[12])->y() + CVolumeToolBar::kSliderTopMargin);
        const QWidget* mute = bar->widgetForAction(ActionFor(32801));
        EXPECT_LE(s.x() - (mute->x() + mute->width()), 8) << width;
    }
}

TEST_F(VolumeToolBarTest, CreateFailsWithoutEveryButtonOrTwice) {
    CVolumeToolBar missing;
    EXPECT_FALSE(missing.Create(nullptr, [this](int id) { return id == 32803 ? nullptr : ActionFor(id); }));
    EXPECT_TRUE(missing.actions().isEmpty());
    EXPECT_EQ(missing.GetSlider(), nullptr);

    CVolumeToolBar bar;
    ASSERT_TRUE(bar.Create(nullptr, [this](int id) { return ActionFor(id); }));
    EXPECT_FALSE(bar.Create(nullptr, [this](int id) { return ActionFor(id); }));
    EXPECT_EQ(bar.actions().size(), 13);
}

TEST_F(VolumeToolBarTest, PositionsAndPostedVolume) {
    Recorder recorder;
    CVolumeToolBar bar;
    ASSERT_TRUE(bar.Create(nullptr, [this](int id) { return ActionFor(id); }));
    bar.SetVolumePosition(75);
    EXPECT_EQ(bar.GetVolumePosition(), 75);
    bar.SetVolumePosition(101);  // outside the range shows 0, not 100
    EXPECT_EQ(bar.GetVolumePosition(), 0);

    CVolumeSlider* slider = bar.GetSlider();
    slider->resize(50, 20);
    Press(slider, {25, 10});
    Drag(slider, {44, 300});
    Release(slider, {44, 300});
    EXPECT_EQ(recorder.Delivered(), (std::vector<Message>{{WM_VOLUMEBAR_CHANGED, 97, 0}}));
}

}  // namespace
}  // namespace taleno
