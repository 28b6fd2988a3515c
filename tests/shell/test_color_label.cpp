#include "shell/ColorLabel.h"

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

bool IsRed(QColor c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; }

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
    EXPECT_TRUE(label.IsFlashTimerSet());
    EXPECT_FALSE(HasText(label));
    label.OnTimer(CColorLabel::kFlashTimerId);
    EXPECT_TRUE(HasText(label));
    label.OnTimer(CColorLabel::kFlashTimerId);
    EXPECT_FALSE(HasText(label));
    label.OnTimer(CColorLabel::kFlashTimerId + 1);  // not the flash timer
    EXPECT_FALSE(HasText(label));
    // Stopping either flash brings the text back for good.
    label.FlashBackground(false);
    EXPECT_FALSE(label.IsFlashTimerSet());
    EXPECT_TRUE(HasText(label));
}

TEST(ColorLabelPaint, FlashingTextVanishesOverTheFaceColourAndEmbossToo) {
    CColorLabel label;
    label.resize(200, 30);
    label.SetTextColor(Qt::black).SetText(QStringLiteral("FLASH")).Set3DText(true, true).FlashText(true);
    const QImage off = Render(label);
    const QColor face = off.pixelColor(0, 0);
    EXPECT_TRUE(InkBounds(off, [&](QColor c) { return c != face; }).isEmpty());
    label.OnTimer(CColorLabel::kFlashTimerId);
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
    EXPECT_TRUE(InkBounds(dotted, IsLight, QRect(dottedInk.right() - 2, all.top(), 3, upperHalf - all.top()))
                    .isEmpty());
    EXPECT_FALSE(InkBounds(dotted, IsLight, QRect(dottedInk.right() - 2, upperHalf, 3, all.bottom() - upperHalf + 1))
                     .isEmpty());
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

TEST(ColorLabelPaint, AlignmentFollowsTheStyle) {
    EXPECT_GT(InkBounds(Render(*WhiteOnBlack(QStringLiteral("ab"), {200, 60}, CColorLabel::SS_RIGHT)), IsLight).left(),
              150);
    const unsigned centred = CColorLabel::SS_CENTER | CColorLabel::SS_CENTERIMAGE;
    const QRect ink = InkBounds(Render(*WhiteOnBlack(QStringLiteral("ab"), {200, 60}, centred)), IsLight);
    EXPECT_NEAR(ink.center().x(), 100, 3);
    EXPECT_NEAR(ink.center().y(), 30, 4);
}

TEST(ColorLabelPaint, EmbossOffsetFollowsRaised) {
    auto owned = WhiteOnBlack(QStringLiteral("I"), {60, 40});
    CColorLabel& label = owned->SetShadowColor(Qt::red);
    // The shadow pass lies one pixel lower and to the right when raised,
    // higher and to the left when not, over the text.
    for (const bool raised : {true, false}) {
        label.Set3DText(true, raised);
        const QImage image = Render(label);
        const QRect ink = InkBounds(image, [](QColor c) { return c != QColor(Qt::black); });
        const QRect lowRow(0, ink.bottom(), 60, 1);
        const QRect highRow(0, ink.top(), 60, 1);
        EXPECT_EQ(InkBounds(image, IsRed, lowRow).isValid(), raised);
        EXPECT_EQ(InkBounds(image, IsRed, highRow).isValid(), !raised);
    }
}

TEST(ColorLabelPaint, RotatedTextStandsUpright) {
    auto label = WhiteOnBlack(QStringLiteral("ROTATED"), {120, 120});
    const QRect flat = InkBounds(Render(*label), IsLight);
    EXPECT_GT(flat.width(), flat.height());
    label->SetRotation(90, true);
    const QRect upright = InkBounds(Render(*label), IsLight);
    EXPECT_GT(upright.height(), upright.width());
    EXPECT_LE(upright.right(), 60 + 2);  // baseline through the centre, text above it (left when turned)
}

TEST(ColorLabelPaint, TransparentLetsTheParentShowAndEdgesShrinkTheClient) {
    QWidget parent;
    parent.resize(100, 40);
    parent.setAutoFillBackground(true);
    parent.setPalette(QPalette(Qt::red));
    CColorLabel label(&parent);
    label.setGeometry(0, 0, 100, 40);
    label.SetBackground(Qt::black, Qt::black, false);
    EXPECT_EQ(Render(parent).pixelColor(50, 20), QColor(Qt::black));
    label.SetTransparent(true);
    EXPECT_EQ(Render(parent).pixelColor(50, 20), QColor(Qt::red));
    label.SetTransparent(false).SetBorder(true).SetStaticEdge(true);
    EXPECT_EQ(label.contentsRect(), QRect(2, 2, 96, 36));
}

// Sends a left-button press to the label as a user's click would.
bool Click(CColorLabel& label) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&label, &press);
    return press.isAccepted();
}

TEST(ColorLabelLink, ClicksOpenTheAddressOrNotifyTheParent) {
    CColorLabel label;
    label.resize(100, 20);
    std::vector<QUrl> opened;
    label.SetUrlOpener([&](const QUrl& url) { return opened.push_back(url), true; });
    label.SetWindowText(QStringLiteral("www.example.org"));

    EXPECT_FALSE(Click(label));  // not a link: the click goes to the parent
    EXPECT_TRUE(opened.empty());

    EXPECT_TRUE(Click(label.SetLink(true, false)));
    Click(label.SetLinkTarget(QStringLiteral("https://taleno.example/help")));
    label.SetWindowText(QStringLiteral("someone@example.org"));
    Click(label.SetMailLink(true, false));
    EXPECT_EQ(opened, (std::vector<QUrl>{QUrl(QStringLiteral("http://www.example.org")),
                                         QUrl(QStringLiteral("https://taleno.example/help")),
                                         QUrl(QStringLiteral("mailto:someone@example.org"))}));

    std::vector<std::pair<int, unsigned>> notes;
    QObject::connect(&label, &CColorLabel::LinkNotify,
                     [&](int id, unsigned code) { notes.emplace_back(id, code); });
    Click(label.SetLink(true, true));
    EXPECT_EQ(notes, (std::vector<std::pair<int, unsigned>>{{0xFFFF, 0x8200u}}));
    EXPECT_FALSE(Click(label.SetLink(false, false)));
    EXPECT_EQ(opened.size(), 3u);
}

TEST(ColorLabelLink, EmptyAddressOpensNothingAndShownTextStandsIn) {
    CColorLabel label;
    std::vector<QUrl> opened;
    label.SetUrlOpener([&](const QUrl& url) { return opened.push_back(url), true; });
    label.SetMailLink(true, false).OnLinkClick();
    label.SetLink(true, false).OnLinkClick();
    EXPECT_TRUE(opened.empty());
    label.SetText(QStringLiteral("example.net")).OnLinkClick();
    EXPECT_EQ(opened, std::vector<QUrl>{QUrl(QStringLiteral("http://example.net"))});
}

}  // namespace
}  // namespace taleno
