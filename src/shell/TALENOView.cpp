#include "shell/TALENOView.h"

#include "engine/EngineArguments.h"

#include "platform/X11Window.h"
#include "shell/ColorLabel.h"
#include "shell/LetterboxFit.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace taleno {

namespace {

constexpr int kControlId = 0xFFFF;
constexpr QRect kInitialChildRect(0, 0, CTALENOView::kInitialChildSize, CTALENOView::kInitialChildSize);

// The engine's drawing target: a native X11 child window that Qt never
// paints. The X server fills it with the colour key on every exposure, so
// neither a repaint of ours nor a flush of the main window's backing store
// can draw over a video frame. No widget above it gets a native window of
// its own, so its X parent is the top-level window, and Qt keeps it there as
// long as the top-level window itself is not recreated.
class CVideoWindow final : public QWidget {
public:
    explicit CVideoWindow(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("video window"));
        setAttribute(Qt::WA_DontCreateNativeAncestors);
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    bool event(QEvent* event) override {
        // The native window exists from here on: give it the colour key.
        if (event->type() == QEvent::WinIdChange && internalWinId() != 0) {
            SetWindowBackground(internalWinId(), kVideoColorKey);
        }
        return QWidget::event(event);
    }

    void paintEvent(QPaintEvent*) override {}
};

// Holds the video window as its only child. Qt gives every sibling of a
// native widget a native window too (and those then create native windows
// for their ancestors); with the holder in between, the view and the
// captions stay ordinary widgets. The view places the holder; the video
// window always fills it.
class CVideoHolder final : public QWidget {
public:
    explicit CVideoHolder(QWidget* parent) : QWidget(parent), video_(new CVideoWindow(this)) {}

    QWidget* Video() const { return video_; }

protected:
    void resizeEvent(QResizeEvent*) override { video_->setGeometry(rect()); }

private:
    CVideoWindow* video_;
};

CColorLabel* MakeCaption(QWidget* parent, int points) {
    auto* caption = new CColorLabel(parent, CColorLabel::SS_LEFTNOWORDWRAP, kControlId);
    caption->setGeometry(kInitialChildRect);
    caption->SetFontName(QStringLiteral("Arial"), 0)
        .SetFontSize(points)
        .SetBold(false)
        .SetTransparent(false)
        .SetTextColor(QColor(255, 255, 255))
        .SetBackground(QColor(0, 0, 0), QColor(0, 0, 0), false)
        .SetEndEllipsis(true);
    caption->SetWindowText(QString());
    return caption;
}

}  // namespace

CTALENOView::CTALENOView(QWidget* parent)
    : QFrame(parent),
      // The program ships no logo picture: the panel holds its place and is
      // hidden in both video modes.
      logoPanel(new QLabel(this)),
      videoHolder(new CVideoHolder(this)),
      videoWindow(static_cast<CVideoHolder*>(videoHolder)->Video()),
      upperCaption(MakeCaption(this, kUpperCaptionPoints)),
      lowerCaption(MakeCaption(this, kLowerCaptionPoints)) {
    setObjectName(QStringLiteral("CTALENOView"));
    setAccessibleName(tr("Video"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The view is where the main window's keyboard focus rests, so the menu
    // key's context-menu request reaches it; keys it does not handle go on to
    // the frame. First in the window's focus chain and the only widget a
    // click focuses, it takes the focus when the window is activated; Tab
    // moves on to the bars' buttons and sliders.
    setFocusPolicy(Qt::StrongFocus);
    SetClientEdge(true);
    logoPanel->setObjectName(QStringLiteral("logo panel"));
    logoPanel->setAlignment(Qt::AlignCenter);
    logoPanel->setGeometry(kInitialChildRect);
    videoHolder->setGeometry(kInitialChildRect);
}

CTALENOView::~CTALENOView() = default;

WId CTALENOView::GetVideoWindow() { return videoWindow->winId(); }

void CTALENOView::SetVideoMode(bool on) {
    videoMode = on;
    if (on) {
        logoPanel->hide();
        upperCaption->hide();
        lowerCaption->hide();
        videoHolder->show();
    } else {
        videoHolder->hide();
        logoPanel->hide();
        upperCaption->show();
        lowerCaption->show();
    }
    logoPanel->setGeometry(contentsRect());
    videoHolder->setGeometry(contentsRect());
}

void CTALENOView::SetKeepAspect(bool on) { keepAspect = on; }

void CTALENOView::SetAspectWidth(int pixels) { aspectWidth = pixels; }

void CTALENOView::SetAspectHeight(int pixels) { aspectHeight = pixels; }

void CTALENOView::SetCaptions(const QString& upper, const QString& lower) {
    upperCaption->SetText(upper);
    lowerCaption->SetText(lower);
}

void CTALENOView::SetClientEdge(bool edge) {
    // A two-pixel sunken edge, the width of a client edge.
    setFrameStyle(edge ? (QFrame::WinPanel | QFrame::Sunken) : QFrame::NoFrame);
}

bool CTALENOView::HasClientEdge() const { return frameShape() != QFrame::NoFrame; }

void CTALENOView::SetContextMenu(QMenu* menu) { contextMenu = menu; }

void CTALENOView::PostLayout() {
    QMetaObject::invokeMethod(
        this, [this] { LayOut(); }, Qt::QueuedConnection);
}

void CTALENOView::OnInitialUpdate() {
    emit AttachVideoWindow();
    emit OpenCommandLine();
}

void CTALENOView::LayOut() {
    const QRect client = contentsRect();
    QRect area = client;
    if (keepAspect && videoMode) {
        area = LetterboxFit(area, aspectWidth, aspectHeight);
    }
    logoPanel->setGeometry(area);
    videoHolder->setGeometry(area);
    upperCaption->setGeometry(area.x(), client.y(), area.width(), kUpperCaptionHeight);
    lowerCaption->setGeometry(area.x(), client.y() + kUpperCaptionHeight, area.width(), kLowerCaptionHeight);
}

void CTALENOView::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (!initialUpdateDone) {
        initialUpdateDone = true;
        OnInitialUpdate();
    }
}

void CTALENOView::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    LayOut();
}

void CTALENOView::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    // Adding or removing the client edge changes the client area.
    if (event->type() == QEvent::ContentsRectChange) {
        LayOut();
    }
}

void CTALENOView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.end();
    QFrame::paintEvent(event);
}

void CTALENOView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (contextMenu == nullptr) {
        return;
    }
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard
                          ? mapToGlobal(contentsRect().topLeft() + QPoint(kKeyboardMenuOffset, kKeyboardMenuOffset))
                          : event->globalPos();
    // The menu runs its own event loop; the view may be gone when it returns.
    QPointer<CTALENOView> self(this);
    contextMenuOpen = true;
    contextMenu->exec(at);
    if (self != nullptr) {
        contextMenuOpen = false;
    }
}

void CTALENOView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit ViewDoubleClick();
    }
    QFrame::mouseDoubleClickEvent(event);
}

}  // namespace taleno
