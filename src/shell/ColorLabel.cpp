#include "shell/ColorLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QTextLayout>
#include <QTimerEvent>

#include <algorithm>
#include <utility>

namespace taleno {

void FillGradient(QPainter& painter, const QRect& rect, const QColor& from, const QColor& to, int maxBands) {
    const int width = rect.width();
    const int bands = std::min(maxBands, width);
    const int divisor = bands > 1 ? bands : 1;
    int red = from.red() * 256;
    int green = from.green() * 256;
    int blue = from.blue() * 256;
    const int redStep = (to.red() - from.red()) * 256 / divisor;
    const int greenStep = (to.green() - from.green()) * 256 / divisor;
    const int blueStep = (to.blue() - from.blue()) * 256 / divisor;
    const int bandWidth = width / divisor;
    const int right = rect.left() + width;  // exclusive
    int left = rect.left();
    for (int i = 0; i < bands; ++i) {
        const int bandRight = i == bands - 1 ? right : left + bandWidth;
        painter.fillRect(QRect(left, rect.top(), bandRight - left, rect.height()),
                         QColor(red / 256, green / 256, blue / 256));
        left = bandRight;
        red += redStep;
        green += greenStep;
        blue += blueStep;
    }
}

namespace {

// Line breaks as the label understands them: "\r\n", "\n" or a lone "\r".
QString NormaliseLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString WithoutTrailingBlanks(QString line) {
    while (!line.isEmpty() && line.back().isSpace()) {
        line.chop(1);
    }
    return line;
}

// Word-wraps text to the width and keeps the lines that fit the height (at
// least one); when text is left over, the last kept line takes all of it and
// ends in "...".
QString WrapWithEndEllipsis(const QString& text, const QFont& font, const QRect& rect) {
    const QFontMetrics metrics(font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    QStringList lines;
    qsizetype lastStart = 0;  // where the last kept line starts in text
    qsizetype paragraphStart = 0;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(rect.width());
            if (!lines.isEmpty() && (lines.size() + 1) * metrics.height() > rect.height()) {
                layout.endLayout();
                QString rest = text.mid(lastStart);
                rest.replace(QLatin1Char('\n'), QLatin1Char(' '));
                lines.last() = metrics.elidedText(rest, Qt::ElideRight, rect.width());
                return lines.join(QLatin1Char('\n'));
            }
            lastStart = paragraphStart + line.textStart();
            lines << WithoutTrailingBlanks(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
        paragraphStart += paragraph.size() + 1;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

namespace {

// A label as a screen reader meets it: its text, or a link it can press.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(CColorLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    // A label may become a link after it was first asked about.
    QAccessible::Role role() const override { return Label()->IsLink() ? QAccessible::Link : QAccessible::StaticText; }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return Label()->Text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return Label()->IsLink() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (Label()->IsLink() && action == pressAction()) {
            Label()->ActivateLink();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    CColorLabel* Label() const { return static_cast<CColorLabel*>(widget()); }
};

QAccessibleInterface* LabelAccessibleFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<CColorLabel*>(object);
    return label != nullptr ? new LabelAccessible(label) : nullptr;
}

}  // namespace

CColorLabel::CColorLabel(QWidget* parent, unsigned styleBits, int id)
    : QWidget(parent),
      textColor(palette().color(QPalette::WindowText)),
      faceColor(palette().color(QPalette::Button)),
      logFont(LogFontFromFont(QWidget::font(), logicalDpiY())),
      style(styleBits),
      controlId(id) {
    static const bool accessible = (QAccessible::installFactory(LabelAccessibleFactory), true);
    (void)accessible;
    flashTimer.setInterval(kFlashPeriodMs);
    connect(&flashTimer, &QTimer::timeout, this, &CColorLabel::ToggleFlashPhase);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    RemakeFont();
}

CColorLabel& CColorLabel::SetBackground(const QColor& colour, const QColor& gradientEnd, bool gradient) {
    backColor = colour;
    gradientEndColor = gradientEnd;
    useGradient = gradient;
    backBrush.reset();
    if (!gradient) {
        backBrush = colour;
    }
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetTextColor(const QColor& colour) {
    textColor = colour;
    Redraw();
    return *this;
}

// The widget is its window, so there is no "before the window exists" here:
// the text always applies.
CColorLabel& CColorLabel::SetText(const QString& value) {
    text = value;
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetBold(bool bold) {
    logFont.weight = bold ? 700 : 400;
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetFontName(const QString& faceName, int charSet) {
    logFont.charSet = charSet;
    logFont.faceName = CutFaceName(faceName);
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetUnderline(bool underline) {
    logFont.underline = underline;
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetItalic(bool italic) {
    logFont.italic = italic;
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetFontSize(int points) {
    logFont.height = PointsToLogHeight(points, logicalDpiY());
    logFont.width = 0;
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetStaticEdge(bool edge) {
    staticEdge = edge;
    UpdateFrameMargins();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetBorder(bool on) {
    border = on;
    UpdateFrameMargins();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetTransparent(bool on) {
    transparent = on;
    // A transparent label lets Qt paint the parent underneath it first.
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::FlashText(bool flash) {
    StopFlashTimer();
    if (flash) {
        flashOn = false;
        flashTimer.start();
        flashMode = kFlashText;
    } else {
        flashMode = kNoFlash;
    }
    Redraw();
    return *this;
}

// Stopping the background flash also ends the flash mode: a label whose timer
// is gone must not stay in its off phase for good.
CColorLabel& CColorLabel::FlashBackground(bool flash) {
    StopFlashTimer();
    if (flash) {
        flashOn = false;
        flashTimer.start();
        flashMode = kFlashBackground;
    } else {
        flashMode = kNoFlash;
    }
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetLink(bool link, bool notify) {
    linkType = link ? kWebLink : kNoLink;
    notifyParent = notify;
    style = link ? (style | SS_NOTIFY) : (style & ~SS_NOTIFY);
    return *this;
}

CColorLabel& CColorLabel::SetLinkCursor(std::optional<QCursor> cursor) {
    linkCursor = std::move(cursor);
    if (linkCursor) {
        setCursor(*linkCursor);
    } else {
        unsetCursor();
    }
    return *this;
}

CColorLabel& CColorLabel::Set3DText(bool on, bool raised) {
    embossed = on;
    embossRaised = raised;
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetRotation(int degrees, bool on) {
    logFont.escapement = degrees * 10;
    logFont.orientation = degrees * 10;
    rotated = on;
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetShadowColor(const QColor& colour) {
    shadowColor = colour;
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetLogFont(const LogFont& value) {
    logFont = value;
    logFont.faceName = CutFaceName(value.faceName);
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetMailLink(bool link, bool notify) {
    linkType = link ? kMailLink : kNoLink;
    notifyParent = notify;
    style = link ? (style | SS_NOTIFY) : (style & ~SS_NOTIFY);
    return *this;
}

CColorLabel& CColorLabel::SetLinkTarget(const QString& target) {
    linkTarget = target;
    return *this;
}

CColorLabel& CColorLabel::SetEndEllipsis(bool ellipsis) {
    endEllipsis = ellipsis;
    return *this;
}

void CColorLabel::SetWindowText(const QString& value) {
    windowText = value;
    Redraw();
}

void CColorLabel::SetStyle(unsigned bits) {
    style = bits;
    Redraw();
}

void CColorLabel::ToggleFlashPhase() {
    flashOn = !flashOn;
    Redraw();
}

void CColorLabel::OnLinkClick() {
    if (notifyParent) {
        emit LinkNotify(controlId, kLinkClickedCode);
        return;
    }
    // The address is the window text, or the shown text when the window
    // text is empty (a label filled with SetText alone).
    const QString address = (windowText.isEmpty() ? text : windowText).trimmed();
    if (linkType == kWebLink) {
        const QString target = linkTarget.isEmpty() ? address : linkTarget.trimmed();
        if (!target.isEmpty()) {
            QDesktopServices::openUrl(QUrl::fromUserInput(target));
        }
    } else if (linkType == kMailLink && !address.isEmpty()) {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + address));
    }
}

void CColorLabel::mousePressEvent(QMouseEvent* event) {
    // Only a label with SS_NOTIFY takes clicks; others pass them to the parent.
    if (event->button() == Qt::LeftButton && (style & SS_NOTIFY) != 0) {
        OnLinkClick();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CColorLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        faceColor = palette().color(QPalette::Button);
        Redraw();
    }
    QWidget::changeEvent(event);
}

void CColorLabel::Redraw() { update(); }

void CColorLabel::RemakeFont() { font = MakeFont(logFont); }

void CColorLabel::UpdateFrameMargins() {
    const int margin = (border ? 1 : 0) + (staticEdge ? 1 : 0);
    setContentsMargins(margin, margin, margin, margin);
}

void CColorLabel::StopFlashTimer() { flashTimer.stop(); }

QColor CColorLabel::SolidBackgroundColor() const {
    if (useGradient) {
        return backColor;
    }
    return backBrush.value_or(faceColor);
}

void CColorLabel::DrawFrame(QPainter& painter) const {
    QRect outer = rect();
    if (border) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
        outer.adjust(1, 1, -1, -1);
    }
    if (staticEdge) {
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor light = palette().color(QPalette::Light);
        painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), 1), shadow);
        painter.fillRect(QRect(outer.left(), outer.top(), 1, outer.height()), shadow);
        painter.fillRect(QRect(outer.left(), outer.bottom(), outer.width(), 1), light);
        painter.fillRect(QRect(outer.right(), outer.top(), 1, outer.height()), light);
    }
}

int CColorLabel::TextFlags(const QString& shownText) const {
    int flags = Qt::AlignTop;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: flags |= Qt::AlignHCenter | Qt::TextWordWrap; break;
    case SS_RIGHT: flags |= Qt::AlignRight | Qt::TextWordWrap; break;
    case SS_LEFTNOWORDWRAP: flags |= Qt::AlignLeft; break;
    default: flags |= Qt::AlignLeft | Qt::TextWordWrap; break;
    }
    if ((style & SS_CENTERIMAGE) != 0) {
        if (!shownText.contains(QLatin1String("\r\n"))) {
            flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
        } else {
            flags = (flags & ~Qt::AlignHorizontal_Mask) | Qt::AlignHCenter;
        }
    } else if (shownText.contains(QLatin1Char('\t'))) {
        flags |= Qt::TextExpandTabs;
    }
    return flags;
}

// Text is drawn literally: "&" is an ordinary character, so clip titles such
// as "Tom & Jerry" show as they are.
void CColorLabel::DrawText(QPainter& painter, const QRect& rect, const QString& content) const {
    int flags = TextFlags(content);
    QString shown = NormaliseLineBreaks(content);
    if (endEllipsis) {
        const QFontMetrics metrics(font);
        if ((flags & Qt::TextWordWrap) != 0) {
            shown = WrapWithEndEllipsis(shown, font, rect);
            flags &= ~Qt::TextWordWrap;
        } else if ((flags & Qt::TextSingleLine) != 0) {
            shown =
                metrics.elidedText(shown.replace(QLatin1Char('\n'), QLatin1Char(' ')), Qt::ElideRight, rect.width());
        } else {
            QStringList lines = shown.split(QLatin1Char('\n'));
            for (QString& line : lines) {
                line = metrics.elidedText(line, Qt::ElideRight, rect.width());
            }
            shown = lines.join(QLatin1Char('\n'));
        }
    }
    painter.drawText(rect, flags, shown);
}

void CColorLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawFrame(painter);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    const QString shown = text.isEmpty() ? windowText : text;

    // Background flashing swaps the colours in the off phase.
    QColor textColour = textColor;
    if (flashMode == kFlashBackground && !flashOn) {
        painter.fillRect(client, textColor);
        textColour = SolidBackgroundColor();
    } else if (!transparent) {
        if (useGradient) {
            FillGradient(painter, client, backColor, gradientEndColor, kMaxGradientBands);
        } else {
            painter.fillRect(client, SolidBackgroundColor());
        }
    }

    // Flashing text is left out in the off phase, whatever lies beneath it.
    if (flashMode == kFlashText && !flashOn) {
        return;
    }
    painter.setFont(font);
    painter.setPen(textColour);

    if (rotated) {
        // Baseline-centred on the middle of the label, turned by the escapement.
        QString line = NormaliseLineBreaks(shown);
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        painter.translate(client.left() + client.width() / 2, client.top() + client.height() / 2);
        painter.rotate(-logFont.escapement / 10.0);
        painter.drawText(QPointF(-QFontMetrics(font).horizontalAdvance(line) / 2.0, 0.0), line);
        return;
    }

    DrawText(painter, client, shown);
    if (embossed) {
        const int offset = embossRaised ? 1 : -1;
        painter.setPen(shadowColor);
        DrawText(painter, client.translated(offset, offset), shown);
    }
}

}  // namespace taleno
