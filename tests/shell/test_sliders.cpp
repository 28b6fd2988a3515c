// The seek bar and its slider: geometry, mouse tracking and what the bar
// reports.
#include "common/TestSupport.h"
#include "shell/SeekBar.h"
#include "shell/SeekSlider.h"

#include <QCoreApplication>
#include <QMouseEvent>

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

TEST(SeekBar, ClicksAndDragsReportOnReleaseOnlyAndHoldOffTheFrame) {
    CSeekBar bar;
    QSignalSpy seeks(&bar, &CSeekBar::SeekBarSeek);
    bar.show();           // a hidden widget gets its resize event only when shown
    bar.resize(200, 14);  // the slider spans the bar: channel 1..199, value span 173
    CSeekSlider* s = bar.GetSlider();
    bar.SetSeekPosition(50);
    EXPECT_EQ(s->GetThumbRect(), QRect(87, 2, 25, 10));
    bar.SetSeekPosition(150);  // out of range: shows 0
    EXPECT_EQ(s->GetPosition(), 0);
    Press(s, {99, 7});  // disabled
    Release(s, {99, 7});
    bar.SetSeekEnabled(true);

    Press(s, {99, 7});
    bar.SetSeekPosition(10);  // the frame's refresh must not fight the user
    EXPECT_TRUE(Delivered(seeks).empty());
    Release(s, {99, 7});
    Release(s, {99, 7});  // no press, no report
    bar.SetSeekPosition(30);
    const QPoint onThumb = s->GetThumbRect().topLeft() + QPoint(1, 1);  // keeps the value
    Press(s, onThumb);
    Release(s, onThumb);
    Press(s, {13, 7});
    Drag(s, {99, 107});  // exactly 100 below still drags
    EXPECT_EQ(s->GetPosition(), 50);
    Drag(s, {186, 108});  // 101: cancelled, the thumb stays
    Drag(s, {186, 7});    // coming back does not resume
    Release(s, {186, 7});
    EXPECT_EQ(s->GetPosition(), 50);
    EXPECT_EQ(Delivered(seeks), (std::vector<int>{50, 30}));

    Press(s, {99, 7});
    bar.SetSeekEnabled(false);  // resets to 0 and ends the drag
    Drag(s, {150, 7});
    Release(s, {150, 7});
    EXPECT_EQ(s->GetPosition(), 0);
    bar.SetSeekEnabled(true);
    Press(s, {99, 7});
    bar.hide();  // the bar hidden by its shortcut mid-drag: no release comes
    bar.SetSeekPosition(5);
    EXPECT_EQ(s->GetPosition(), 5);
    EXPECT_EQ(Delivered(seeks).size(), 2u);
}

}  // namespace
}  // namespace taleno
