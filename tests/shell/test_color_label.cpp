// The coloured label: what it paints (window text, flashing, ellipsis) and
// where its link clicks go.
#include "shell/ColorLabel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>

#include <vector>

#include "common/EventLoop.h"

namespace taleno {
namespace {

using test::PumpUntil;

// Bounding box of the light pixels of the label's picture within area.
QRect LightInk(CColorLabel& label, QRect area = QRect()) {
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    label.render(&image);
    if (area.isNull()) area = image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).lightness() > 128) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A white-on-black label as the player configures its captions.
CColorLabel& WhiteOnBlack(CColorLabel& label, QSize size, const QString& text) {
    label.resize(size);
    label.SetFontName(QStringLiteral("Arial")).SetFontSize(14);
    label.SetTextColor(Qt::white).SetBackground(Qt::black, Qt::black, false).SetText(text);
    return label;
}

TEST(ColorLabelPaint, WindowTextStandsInFlashingTextBlinksAndALongLineEndsInDots) {
    CColorLabel label;
    WhiteOnBlack(label, {200, 30}, QString());
    EXPECT_TRUE(LightInk(label).isEmpty());
    label.SetWindowText(QStringLiteral("Hello"));  // shown while the text is empty
    EXPECT_FALSE(LightInk(label).isEmpty());
    label.SetText(QStringLiteral("&"));  // drawn literally, not taken as a mnemonic
    EXPECT_FALSE(LightInk(label).isEmpty());
    label.SetText(QStringLiteral("FLASH")).FlashText(true);
    EXPECT_TRUE(LightInk(label).isEmpty());
    EXPECT_TRUE(PumpUntil([&] { return !LightInk(label).isEmpty(); }, 2000));
    EXPECT_TRUE(PumpUntil([&] { return LightInk(label).isEmpty(); }, 2000));
    label.FlashBackground(false);  // stopping either flash brings the text back for good
    EXPECT_FALSE(LightInk(label).isEmpty());
    test::PumpFor(CColorLabel::kFlashPeriodMs + 100);
    EXPECT_FALSE(LightInk(label).isEmpty());

    // Letters reach the top of the line at the right end without an
    // ellipsis; with one, the last columns hold only dots.
    CColorLabel line(nullptr, CColorLabel::SS_LEFTNOWORDWRAP);
    WhiteOnBlack(line, {120, 30}, QString(60, QLatin1Char('W')));
    const QRect all = LightInk(line);
    const int middle = all.top() + all.height() / 2;
    EXPECT_FALSE(LightInk(line, QRect(110, all.top(), 10, middle - all.top())).isEmpty());
    line.SetEndEllipsis(true);
    const int end = LightInk(line).right() - 2;
    EXPECT_TRUE(LightInk(line, QRect(end, all.top(), 3, middle - all.top())).isEmpty());
    EXPECT_FALSE(LightInk(line, QRect(end, middle, 3, all.bottom() - middle + 1)).isEmpty());
}

// Takes the addresses the desktop is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }

public:
    std::vector<QUrl> opened;
};

TEST(ColorLabelLink, ClicksOpenTheAddressOrNotifyTheParent) {
    UrlCatcher catcher;
    for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::setUrlHandler(scheme, &catcher, "Open");
    struct {
        CColorLabel::LinkType type;
        bool notify;
        const char *window, *shown, *target, *opened;
    } const cases[] = {
        {CColorLabel::kNoLink, false, "www.example.org", "", "", ""},  // the click goes to the parent
        {CColorLabel::kWebLink, false, "x", "", "https://taleno.example/help", "https://taleno.example/help"},
        {CColorLabel::kMailLink, false, "someone@example.org", "", "", "mailto:someone@example.org"},
        {CColorLabel::kWebLink, false, "", "example.net", "", "http://example.net"},  // the shown text stands in
        {CColorLabel::kWebLink, true, "www.example.org", "", "", ""},                 // the parent is told instead
    };
    for (const auto& c : cases) {
        CColorLabel label;
        label.resize(100, 20);
        catcher.opened.clear();
        int notes = 0;
        QObject::connect(&label, &CColorLabel::LinkNotify, [&](int id, unsigned code) {
            notes += id == 0xFFFF && code == CColorLabel::kLinkClickedCode;
        });
        label.SetWindowText(QString::fromLatin1(c.window));
        label.SetText(QString::fromLatin1(c.shown)).SetLinkTarget(QString::fromLatin1(c.target));
        if (c.type == CColorLabel::kWebLink) label.SetLink(true, c.notify);
        if (c.type == CColorLabel::kMailLink) label.SetMailLink(true, c.notify);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&label, &press);
        EXPECT_EQ(press.isAccepted(), c.type != CColorLabel::kNoLink) << c.opened;
        EXPECT_EQ(catcher.opened,
                  *c.opened ? std::vector<QUrl>{QUrl(QString::fromLatin1(c.opened))} : std::vector<QUrl>())
            << c.opened;
        EXPECT_EQ(notes, c.notify ? 1 : 0);
    }
    for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
}

}  // namespace
}  // namespace taleno

#include "test_color_label.moc"
