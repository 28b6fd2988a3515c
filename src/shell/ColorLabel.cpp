#include "shell/ColorLabel.h"

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

bool OpenWithDesktop(const QUrl& url) { return QDesktopServices::openUrl(url); }

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

CColorLabel::CColorLabel(QWidget* parent, unsigned style, int controlId)
    : QWidget(parent),
      textColor(palette().color(QPalette::WindowText)),
      faceColor(palette().color(QPalette::Button)),
      logFont_(LogFontFromFont(font(), logicalDpiY())),
      style_(style),
      controlId_(controlId),
      opener_(OpenWithDesktop) {
    flashTimer.setInterval(kFlashPeriodMs);
    connect(&flashTimer, &QTimer::timeout, this, &CColorLabel::ToggleFlashPhase);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    RemakeFont();
}

CColorLabel& CColorLabel::SetBackground(const QColor& colour, const QColor& gradientEnd, bool useGradient) {
    backColor = colour;
    gradientEndColor = gradientEnd;
    useGradient_ = useGradient;
    backBrush.reset();
    if (!useGradient) {
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
CColorLabel& CColorLabel::SetText(const QString& text) {
    text_ = text;
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetBold(bool bold) {
    logFont_.weight = bold ? 700 : 400;
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetFontName(const QString& faceName, int charSet) {
    logFont_.charSet = charSet;
    logFont_.faceName = CutFaceName(faceName);
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetUnderline(bool underline) {
    logFont_.underline = underline;
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetItalic(bool italic) {
    logFont_.italic = italic;
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetFontSize(int points) {
    logFont_.height = PointsToLogHeight(points, logicalDpiY());
    logFont_.width = 0;
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

CColorLabel& CColorLabel::SetBorder(bool border) {
    border_ = border;
    UpdateFrameMargins();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    // A transparent label lets Qt paint the parent underneath it first.
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
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

CColorLabel& CColorLabel::SetLink(bool link, bool notifyParent) {
    linkType = link ? kWebLink : kNoLink;
    notifyParent_ = notifyParent;
    style_ = link ? (style_ | SS_NOTIFY) : (style_ & ~SS_NOTIFY);
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

CColorLabel& CColorLabel::Set3DText(bool embossed, bool raised) {
    embossed_ = embossed;
    embossRaised = raised;
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetRotation(int degrees, bool rotated) {
    logFont_.escapement = degrees * 10;
    logFont_.orientation = degrees * 10;
    rotated_ = rotated;
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetShadowColor(const QColor& colour) {
    shadowColor = colour;
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetLogFont(const LogFont& logFont) {
    logFont_ = logFont;
    logFont_.faceName = CutFaceName(logFont.faceName);
    RemakeFont();
    Redraw();
    return *this;
}

CColorLabel& CColorLabel::SetMailLink(bool link, bool notifyParent) {
    linkType = link ? kMailLink : kNoLink;
    notifyParent_ = notifyParent;
    style_ = link ? (style_ | SS_NOTIFY) : (style_ & ~SS_NOTIFY);
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

void CColorLabel::SetWindowText(const QString& text) {
    windowText = text;
    Redraw();
}

void CColorLabel::SetStyle(unsigned style) {
    style_ = style;
    Redraw();
}

void CColorLabel::SetUrlOpener(UrlOpener opener) { opener_ = opener ? std::move(opener) : UrlOpener(OpenWithDesktop); }

void CColorLabel::ToggleFlashPhase() {
    flashOn = !flashOn;
    Redraw();
}

void CColorLabel::OnLinkClick() {
    if (notifyParent_) {
        emit LinkNotify(controlId_, kLinkClickedCode);
        return;
    }
    // The address is the window text, or the shown text when the window
    // text is empty (a label filled with SetText alone).
    const QString address = (windowText.isEmpty() ? text_ : windowText).trimmed();
    if (linkType == kWebLink) {
        const QString target = linkTarget.isEmpty() ? address : linkTarget.trimmed();
        if (!target.isEmpty()) {
            opener_(QUrl::fromUserInput(target));
        }
    } else if (linkType == kMailLink && !address.isEmpty()) {
        opener_(QUrl(QStringLiteral("mailto:") + address));
    }
}

void CColorLabel::mousePressEvent(QMouseEvent* event) {
    // Only a label with SS_NOTIFY takes clicks; others pass them to the parent.
    if (event->button() == Qt::LeftButton && (style_ & SS_NOTIFY) != 0) {
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

void CColorLabel::RemakeFont() { font_ = MakeFont(logFont_); }

void CColorLabel::UpdateFrameMargins() {
    const int margin = (border_ ? 1 : 0) + (staticEdge ? 1 : 0);
    setContentsMargins(margin, margin, margin, margin);
}

void CColorLabel::StopFlashTimer() { flashTimer.stop(); }

QColor CColorLabel::SolidBackgroundColor() const {
    if (useGradient_) {
        return backColor;
    }
    return backBrush.value_or(faceColor);
}

void CColorLabel::DrawFrame(QPainter& painter) const {
    QRect outer = rect();
    if (border_) {
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

int CColorLabel::TextFlags(const QString& text) const {
    int flags = Qt::AlignTop;
    switch (style_ & SS_TYPEMASK) {
    case SS_CENTER: flags |= Qt::AlignHCenter | Qt::TextWordWrap; break;
    case SS_RIGHT: flags |= Qt::AlignRight | Qt::TextWordWrap; break;
    case SS_LEFTNOWORDWRAP: flags |= Qt::AlignLeft; break;
    default: flags |= Qt::AlignLeft | Qt::TextWordWrap; break;
    }
    if ((style_ & SS_CENTERIMAGE) != 0) {
        if (!text.contains(QLatin1String("\r\n"))) {
            flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
        } else {
            flags = (flags & ~Qt::AlignHorizontal_Mask) | Qt::AlignHCenter;
        }
    } else if (text.contains(QLatin1Char('\t'))) {
        flags |= Qt::TextExpandTabs;
    }
    return flags;
}

// Text is drawn literally: "&" is an ordinary character, so clip titles such
// as "Tom & Jerry" show as they are.
void CColorLabel::DrawText(QPainter& painter, const QRect& rect, const QString& text) const {
    int flags = TextFlags(text);
    QString shown = NormaliseLineBreaks(text);
    if (endEllipsis) {
        const QFontMetrics metrics(font_);
        if ((flags & Qt::TextWordWrap) != 0) {
            shown = WrapWithEndEllipsis(shown, font_, rect);
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
    const QString shown = text_.isEmpty() ? windowText : text_;

    // Background flashing swaps the colours in the off phase.
    QColor textColour = textColor;
    if (flashMode == kFlashBackground && !flashOn) {
        painter.fillRect(client, textColor);
        textColour = SolidBackgroundColor();
    } else if (!transparent_) {
        if (useGradient_) {
            FillGradient(painter, client, backColor, gradientEndColor, kMaxGradientBands);
        } else {
            painter.fillRect(client, SolidBackgroundColor());
        }
    }

    // Flashing text is left out in the off phase, whatever lies beneath it.
    if (flashMode == kFlashText && !flashOn) {
        return;
    }
    painter.setFont(font_);
    painter.setPen(textColour);

    if (rotated_) {
        // Baseline-centred on the middle of the label, turned by the escapement.
        QString line = NormaliseLineBreaks(shown);
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        painter.translate(client.left() + client.width() / 2, client.top() + client.height() / 2);
        painter.rotate(-logFont_.escapement / 10.0);
        painter.drawText(QPointF(-QFontMetrics(font_).horizontalAdvance(line) / 2.0, 0.0), line);
        return;
    }

    DrawText(painter, client, shown);
    if (embossed_) {
        const int offset = embossRaised ? 1 : -1;
        painter.setPen(shadowColor);
        DrawText(painter, client.translated(offset, offset), shown);
    }
}

}  // namespace taleno
