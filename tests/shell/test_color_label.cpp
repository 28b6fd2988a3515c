#include "shell/ColorLabel.h"

#include "ColorLabelTestAccess.h"
#include "LabelPixels.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <memory>
#include <vector>

namespace taleno {
namespace {

using test::InkBounds;
using test::IsLight;
using test::Render;

// A white-on-black label as the player configures its captions.
std::unique_ptr<CColorLabel> WhiteOnBlack(const QString& text, QSize size = {200, 30},
                                          unsigned style = CColorLabel::SS_LEFT) {
    auto label = std::make_unique<CColorLabel>(nullptr, style);
    label->resize(size);
    label->SetFontName(QStringLiteral("Arial")).SetFontSize(14);
    label->SetTextColor(Qt::white).SetBackground(Qt::black, Qt::black, false).SetText(text);
    return label;
}

TEST(ColorLabelGradient, BandsFollowTheFixedPointSteps) {
    // 40 pixels wide: 40 bands of one pixel, red rising by 200 * 256 / 40 / 256 = 5 a column.
    QImage image(40, 4, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        FillGradient(painter, image.rect(), QColor(0, 0, 0), QColor(200, 100, 40), 100);
    }
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(image.pixelColor(x, 0), QColor(5 * x, (100 * 256 / 40) * x / 256, (40 * 256 / 40) * x / 256))
            << "column " << x;
        EXPECT_EQ(image.pixelColor(x, 3), image.pixelColor(x, 0));
    }

    // Wider than 100 pixels: 100 bands of width / 100, the last one reaching
    // the edge; no width paints nothing.
    QImage wide(250, 2, QImage::Format_RGB32);
    QPainter painter(&wide);
    FillGradient(painter, wide.rect(), QColor(0, 0, 0), QColor(0, 0, 200), 100);
    FillGradient(painter, QRect(0, 0, 0, 1), Qt::white, Qt::white, 100);
    painter.end();
    EXPECT_NE(wide.pixelColor(1, 0), wide.pixelColor(2, 0));
    EXPECT_EQ(wide.pixelColor(249, 1), QColor(0, 0, (200 * 256 / 100) * 99 / 256));
    EXPECT_EQ(wide.pixelColor(198, 1), wide.pixelColor(249, 1));
}

bool HasText(CColorLabel& label) { return !InkBounds(Render(label), IsLight).isEmpty(); }

TEST(ColorLabelPaint, WindowTextStandsInAndFlashingTextVanishesOnAlternateTicks) {
    auto owned = WhiteOnBlack(QString());
    CColorLabel& label = *owned;
    EXPECT_FALSE(HasText(label));
    label.SetWindowText(QStringLiteral("Hello"));  // shown while the text is empty
    EXPECT_TRUE(HasText(label));
    label.SetText(QStringLiteral("&"));  // drawn literally, not taken as a mnemonic
    EXPECT_TRUE(HasText(label));
    label.SetText(QStringLiteral("FLASH")).FlashText(true);
    EXPECT_TRUE(ColorLabelTestAccess(label).IsFlashTimerSet());
    EXPECT_FALSE(HasText(label));
    ColorLabelTestAccess(label).OnFlashTick();
    EXPECT_TRUE(HasText(label));
    ColorLabelTestAccess(label).OnFlashTick();
    EXPECT_FALSE(HasText(label));
    // Stopping either flash brings the text back for good.
    label.FlashBackground(false);
    EXPECT_FALSE(ColorLabelTestAccess(label).IsFlashTimerSet());
    EXPECT_TRUE(HasText(label));
}

TEST(ColorLabelPaint, FlashingTextVanishesOverTheFaceColourAndEmbossToo) {
    CColorLabel label;
    label.resize(200, 30);
    label.SetTextColor(Qt::black).SetText(QStringLiteral("FLASH")).Set3DText(true, true).FlashText(true);
    const QImage off = Render(label);
    const QColor face = off.pixelColor(0, 0);
    EXPECT_TRUE(InkBounds(off, [&](QColor c) { return c != face; }).isEmpty());
    ColorLabelTestAccess(label).OnFlashTick();
    EXPECT_FALSE(InkBounds(Render(label), [&](QColor c) { return c != face; }).isEmpty());
}

TEST(ColorLabelPaint, EndEllipsisEndsALongLineInDots) {
    const QString longText(60, QLatin1Char('W'));
    auto label = WhiteOnBlack(longText, {120, 30}, CColorLabel::SS_LEFTNOWORDWRAP);
    const QImage plain = Render(*label);
    const QImage dotted = Render(label->SetEndEllipsis(true).SetText(longText));

    // Ink of the letters reaches the top of the text line at the right end
    // without an ellipsis; with one, the last few columns hold only dots.
    const QRect all = InkBounds(plain, IsLight);
    ASSERT_FALSE(all.isEmpty());
    const int upperHalf = all.top() + all.height() / 2;
    const QRect rightEndUpper(110, all.top(), 10, upperHalf - all.top());
    EXPECT_FALSE(InkBounds(plain, IsLight, rightEndUpper).isEmpty());
    const QRect dottedInk = InkBounds(dotted, IsLight);
    EXPECT_TRUE(
        InkBounds(dotted, IsLight, QRect(dottedInk.right() - 2, all.top(), 3, upperHalf - all.top())).isEmpty());
    EXPECT_FALSE(
        InkBounds(dotted, IsLight, QRect(dottedInk.right() - 2, upperHalf, 3, all.bottom() - upperHalf + 1)).isEmpty());
}

TEST(ColorLabelPaint, WrappedEndEllipsisKeepsOnlyWholeLines) {
    auto label = WhiteOnBlack(QString(), {120, 1});  // left-aligned, word-wrapped
    const int lineHeight = QFontMetrics(label->PaintFont()).height();
    label->resize(120, lineHeight + lineHeight / 2);
    label->SetEndEllipsis(true).SetText(QStringLiteral("many words that cannot fit on one line of this label"));
    const QRect ink = InkBounds(Render(*label), IsLight);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.bottom(), lineHeight);  // no half-cut second line
}

// Sends a left-button press to the label as a user's click would.
bool Click(CColorLabel& label) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&label, &press);
    return press.isAccepted();
}

TEST(ColorLabelLink, ClicksOpenTheAddressOrNotifyTheParent) {
    struct {
        CColorLabel::LinkType type;
        bool notify;
        const char *window, *shown, *target, *opened;
    } const cases[] = {
        {CColorLabel::kNoLink, false, "www.example.org", "", "", ""},  // the click goes to the parent
        {CColorLabel::kWebLink, false, "www.example.org", "", "", "http://www.example.org"},
        {CColorLabel::kWebLink, false, "www.example.org", "", "https://taleno.example/help",
         "https://taleno.example/help"},
        {CColorLabel::kMailLink, false, "someone@example.org", "", "", "mailto:someone@example.org"},
        {CColorLabel::kWebLink, false, "", "example.net", "", "http://example.net"},  // the shown text stands in
        {CColorLabel::kWebLink, false, "", "", "", ""},                               // no address opens nothing
        {CColorLabel::kMailLink, false, "", "", "", ""},
        {CColorLabel::kWebLink, true, "www.example.org", "", "", ""},  // the parent is told instead
    };
    for (const auto& c : cases) {
        CColorLabel label;
        label.resize(100, 20);
        std::vector<QUrl> opened;
        std::vector<std::pair<int, unsigned>> notes;
        ColorLabelTestAccess(label).SetUrlOpener([&](const QUrl& url) { return opened.push_back(url), true; });
        QObject::connect(&label, &CColorLabel::LinkNotify,
                         [&](int id, unsigned code) { notes.emplace_back(id, code); });
        label.SetWindowText(QString::fromLatin1(c.window));
        label.SetText(QString::fromLatin1(c.shown)).SetLinkTarget(QString::fromLatin1(c.target));
        if (c.type == CColorLabel::kWebLink) label.SetLink(true, c.notify);
        if (c.type == CColorLabel::kMailLink) label.SetMailLink(true, c.notify);
        EXPECT_EQ(Click(label), c.type != CColorLabel::kNoLink) << c.opened;
        EXPECT_EQ(opened, *c.opened ? std::vector<QUrl>{QUrl(QString::fromLatin1(c.opened))} : std::vector<QUrl>())
            << c.opened;
        using Notes = std::vector<std::pair<int, unsigned>>;
        EXPECT_EQ(notes, c.notify ? Notes({{0xFFFF, 0x8200u}}) : Notes());
    }
}

}  // namespace
}  // namespace taleno
