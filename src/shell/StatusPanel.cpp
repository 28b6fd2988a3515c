#include "shell/StatusPanel.h"

#include "shell/ColorLabel.h"
#include "shell/DialogUnits.h"
#include "shell/TimeParts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QTimerEvent>

#include <algorithm>
#include <limits>

// The panel's images live in a resource file compiled into this static
// library; registering them here keeps the linker from dropping them.
static void RegisterStatusImages() { Q_INIT_RESOURCE(status); }

namespace taleno {

namespace {

// The panel is a status bar to assistive technology: a screen reader's
// "read the status bar" command finds it and reads its labels.
QAccessibleInterface* StatusBarAccessibleFactory(const QString&, QObject* object) {
    auto* panel = qobject_cast<CStatusPanel*>(object);
    return panel != nullptr ? new QAccessibleWidget(panel, QAccessible::StatusBar) : nullptr;
}

QString IconPath(int resourceId) {
    switch (resourceId) {
    case CStatusPanel::kIconNoAudio: return QStringLiteral(":/status/no-audio.png");
    case CStatusPanel::kIconStereoLeft: return QStringLiteral(":/status/stereo-left.png");
    case CStatusPanel::kIconStereoRight: return QStringLiteral(":/status/stereo-right.png");
    case CStatusPanel::kIconPlaying: return QStringLiteral(":/status/playing.png");
    case CStatusPanel::kIconStopped: return QStringLiteral(":/status/stopped.png");
    case CStatusPanel::kIconPaused: return QStringLiteral(":/status/paused.png");
    case CStatusPanel::kIconMono: return QStringLiteral(":/status/mono.png");
    case CStatusPanel::kIconFailed: return QStringLiteral(":/status/failed.png");
    default: return QStringLiteral(":/status/blank.png");
    }
}

QLabel* MakeIconView(QWidget* parent) {
    auto* view = new QLabel(parent);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return view;
}

CColorLabel* MakeTextLabel(QWidget* parent, unsigned style, const QString& text) {
    auto* label = new CColorLabel(parent, style);
    label->setGeometry(QRect(QPoint(26, 5), QPoint(200, 20) - QPoint(1, 1)));
    label->SetFontName(QStringLiteral("MS Sans Serif"), 0)
        .SetFontSize(9)
        .SetBold(false)
        .SetTextColor(QColor(255, 255, 255))
        .SetBackground(QColor(0, 0, 0), QColor(0, 0, 0), false)
        .SetTransparent(false)
        .SetText(text);
    return label;
}

}  // namespace

CStatusPanel::CStatusPanel(QWidget* parent)
    : QWidget(parent),
      statusIcon(MakeIconView(this)),
      channelIconA(MakeIconView(this)),
      channelIconB(MakeIconView(this)),
      statusLabel(
          MakeTextLabel(this, CColorLabel::SS_ENDELLIPSIS | CColorLabel::SS_LEFTNOWORDWRAP, QStringLiteral("Playing"))),
      timeLabel(MakeTextLabel(this, CColorLabel::SS_RIGHT, QStringLiteral("00:00 / 00:00"))) {
    RegisterStatusImages();
    infoTimer.setInterval(kInfoPeriodMs);
    connect(&infoTimer, &QTimer::timeout, this, &CStatusPanel::ShowNextInfoLine);
    noteTimer.setSingleShot(true);
    noteTimer.setInterval(kNoteMs);
    connect(&noteTimer, &QTimer::timeout, this, &CStatusPanel::ShowStatus);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    statusLabel->SetEndEllipsis(true);
    static const bool accessible = (QAccessible::installFactory(StatusBarAccessibleFactory), true);
    (void)accessible;
    setAccessibleName(tr("Status"));
    timeLabel->setAccessibleName(tr("Time"));
    totalSuffix.clear();
    timeFormat = 1;
    Layout();
}

QSize CStatusPanel::sizeHint() const {
    return DialogUnitsToPixels(QSize(kTemplateWidthUnits, kTemplateHeightUnits), DialogFont());
}

void CStatusPanel::SetStatusText(const QString& text) {
    statusText = text;
    ShowStatus();
}

void CStatusPanel::SetSpeedText(const QString& text) {
    speedText = text;
    ShowStatus();
}

void CStatusPanel::ShowNote(const QString& text, int ms) {
    noteText = text;
    noteTimer.start(ms > 0 ? ms : std::numeric_limits<int>::max());
    ShowStatus();
}

void CStatusPanel::ClearNote() {
    noteTimer.stop();
    ShowStatus();
}

void CStatusPanel::ShowStatus() {
    const QString shown = noteTimer.isActive()  ? noteText
                          : speedText.isEmpty() ? statusText
                                                : speedText + QStringLiteral("  ") + statusText;
    statusLabel->SetText(shown);
    // A screen reader reads the status as the label's name ("Playing",
    // "Paused", ...); Qt tells it of each new name.
    if (statusLabel->accessibleName() != shown) statusLabel->setAccessibleName(shown);
}

void CStatusPanel::SetStatusIcon(int state) {
    int resourceId = kIconBlank;
    switch (state) {
    case 1: resourceId = kIconPlaying; break;
    case 2: resourceId = kIconPaused; break;
    case 3: resourceId = kIconStopped; break;
    case 4: resourceId = kIconFailed; break;
    default: break;
    }
    ShowIcon(*statusIcon, statusIconId, resourceId);
}

void CStatusPanel::SetChannelIcons(int channels) {
    channelMode = channels;
    int a = kIconBlank;
    int b = kIconBlank;
    switch (channels) {
    case 0: b = kIconNoAudio; break;
    case 1: b = kIconMono; break;
    case 2:
        a = kIconStereoLeft;
        b = kIconStereoRight;
        break;
    case -1: break;
    default: channelMode = -1; break;
    }
    ShowIcon(*channelIconA, channelIconAId, a);
    ShowIcon(*channelIconB, channelIconBId, b);
    Layout();
}

void CStatusPanel::SetTotalTime(int seconds) {
    const TimeParts parts(seconds);
    if (parts.hours > 99) {
        totalSuffix = QString::asprintf("/ %02d:%02d:%02d", 99, parts.minutes, parts.seconds);
        timeFormat = 2;
    } else if (parts.hours != 0) {
        totalSuffix = QString::asprintf("/ %02d:%02d:%02d", parts.hours, parts.minutes, parts.seconds);
        timeFormat = 2;
    } else {
        totalSuffix = QString::asprintf("/ %02d:%02d", parts.minutes, parts.seconds);
        timeFormat = 1;
    }
    if (seconds <= 0) {
        // No known length, as for streams.
        totalSuffix.clear();
        timeFormat = 3;
    }
    Layout();
}

void CStatusPanel::SetCurrentTime(int seconds) {
    const TimeParts parts(seconds);
    const QByteArray suffix = totalSuffix.toUtf8();
    QString text;
    switch (timeFormat) {
    case 1: text = QString::asprintf("%02d:%02d %s", parts.minutes, parts.seconds, suffix.constData()); break;
    case 2:
        text = QString::asprintf("%02d:%02d:%02d %s", parts.hours >= 100 ? 99 : parts.hours, parts.minutes,
                                 parts.seconds, suffix.constData());
        break;
    case 3: text = QString::asprintf("%02d:%02d", parts.minutes, parts.seconds); break;
    default: text = QStringLiteral("ERROR"); break;
    }
    timeLabel->SetText(text);
    // Read on request, not announced: it changes twice a second.
    timeLabel->setAccessibleDescription(text);
}

void CStatusPanel::SetInfoText(int index, const QString& text) {
    if (index >= 0 && index < kInfoLineCount) {
        infoTexts[static_cast<size_t>(index)] = text;
    }
}

void CStatusPanel::StartInfoRotation() { infoTimer.start(); }

void CStatusPanel::StopInfoRotation() { infoTimer.stop(); }

void CStatusPanel::ResetPanel() {
    SetTotalTime(0);
    SetCurrentTime(0);
    SetStatusIcon(0);
    SetChannelIcons(-1);
    StopInfoRotation();
    infoTexts.fill(QString());
    infoIndex = 0;
    SetStatusText(tr("Ready"));
}

void CStatusPanel::ShowNextInfoLine() {
    // Empty lines show as an empty text: each line keeps its 8-second slot.
    SetStatusText(infoTexts[static_cast<size_t>(infoIndex)]);
    infoIndex = infoIndex + 1 > kInfoLineCount - 1 ? 0 : infoIndex + 1;
}

QString CStatusPanel::StatusText() const { return statusLabel->Text(); }

QString CStatusPanel::TimeText() const { return timeLabel->Text(); }

QString CStatusPanel::InfoText(int index) const {
    return index >= 0 && index < kInfoLineCount ? infoTexts[static_cast<size_t>(index)] : QString();
}

int CStatusPanel::TimeWidth(int format) const {
    // The classic widths were made for a narrow bitmap font; the desktop
    // font is usually wider, so the width grows to fit the widest text.
    int classic = 98;
    QString widest = QStringLiteral("00:00:00 / 00:00:00");
    if (format == 1) {
        classic = 68;
        widest = QStringLiteral("00:00 / 00:00");
    } else if (format == 3) {
        classic = 30;
        widest = QStringLiteral("00:00");
    }
    const int needed = QFontMetrics(timeLabel->PaintFont()).horizontalAdvance(widest) + 2;
    return std::max(classic, needed);
}

void CStatusPanel::Layout() {
    const QRect client = rect();
    const int left = client.left();
    const int top = client.top();
    const int right = client.left() + client.width();   // exclusive
    const int bottom = client.top() + client.height();  // exclusive
    const auto span = [](int l, int t, int r, int b) { return QRect(l, t, std::max(0, r - l), std::max(0, b - t)); };

    statusIcon->setGeometry(span(6, top + 4, 22, bottom - 4));
    int rightMargin = 39;
    if (channelMode == 2 || channelMode == -1) {
        channelIconA->setGeometry(span(right - 35, top + 4, right - 19, bottom - 4));
    } else {
        channelIconA->setGeometry(right - 35, top + 4, 0, 0);
        rightMargin = 39 - 8;
    }
    channelIconB->setGeometry(span(right - 19, top + 4, right - 3, bottom - 4));

    const int textLeft = left + 27;
    const int textTop = top + 5;
    const int textRight = right - rightMargin;
    const int textBottom = bottom - 4;
    const int split = textRight - TimeWidth(timeFormat);
    timeLabel->setGeometry(span(split, textTop, textRight, textBottom));
    statusLabel->setGeometry(span(textLeft, textTop, split, textBottom));
    update();
}

void CStatusPanel::ShowIcon(QLabel& view, int& shownId, int resourceId) {
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    QPixmap image(IconPath(resourceId));
    if (image.width() != size || image.height() != size) {
        image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    view.setPixmap(image);
    shownId = resourceId;
}

void CStatusPanel::paintEvent(QPaintEvent*) {
    // A sunken edge around the panel, black inside.
    QPainter painter(this);
    const QRect r = rect();
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), shadow);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), shadow);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), light);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), light);
    painter.fillRect(r.adjusted(1, 1, -1, -1), Qt::black);
}

void CStatusPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

}  // namespace taleno
