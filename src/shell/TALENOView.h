#pragma once
// CTALENOView: the main window's client area. It holds the video window, the
// native X11 child window whose id the engine draws into ("-wid"), fits that
// window to the video's aspect ratio, shows two caption lines on black while
// no video is shown, and turns a double click and the context menu on the
// video area into frame actions.
//
// The video window is created once and is never reparented or recreated, so
// its id stays valid while the engine runs. The frame must not change its own
// window flags for that reason (use SetAlwaysOnTop of platform/X11Window.h
// for Always on Top; full screen through QWidget's window state is safe).

#include <QFrame>
#include <QPointer>
#include <QString>

#include <cstdint>

class QLabel;
class QMenu;

namespace taleno {

class CColorLabel;

class CTALENOView : public QFrame {
    Q_OBJECT

public:
    // Heights of the caption strips at the top of the client area.
    static constexpr int kUpperCaptionHeight = 25;
    static constexpr int kLowerCaptionHeight = 30;
    static constexpr int kUpperCaptionPoints = 14;
    static constexpr int kLowerCaptionPoints = 18;
    // Initial rectangle of every child.
    static constexpr int kInitialChildSize = 10;
    // A context menu opened from the keyboard appears this far right of and
    // below the client area's top-left corner.
    static constexpr int kKeyboardMenuOffset = 5;

    explicit CTALENOView(QWidget* parent = nullptr);
    ~CTALENOView() override;

    // The X11 id of the video window, the engine's drawing target. Creates
    // the native window (and the top-level one) if they do not exist yet.
    WId GetVideoWindow();

    // true: the video window shows and the captions hide; false: the
    // captions show on black. The logo panel and the video window are moved
    // to the whole client area; the aspect fit follows at the next layout.
    void SetVideoMode(bool videoMode);

    // Stored only; they apply at the next layout (resize or PostLayout).
    void SetKeepAspect(bool keepAspect);
    void SetAspectWidth(int pixels);
    void SetAspectHeight(int pixels);

    // Sets the upper caption's text, then the lower one's.
    void SetCaptions(const QString& upper, const QString& lower);

    // The sunken client edge: on while windowed, off in full screen.
    void SetClientEdge(bool edge);
    bool HasClientEdge() const;
    // Width of the client edge on one side (0 without it).
    int ClientEdgeWidth() const { return frameWidth(); }

    // The frame's "Context" popup (Play, Pause, Stop | zooms | Full Screen);
    // the view shows it on a context-menu request. Not owned.
    void SetContextMenu(QMenu* menu);
    bool IsContextMenuOpen() const { return contextMenuOpen; }

    // Queues a layout, as a size message posted to the view does.
    void PostLayout();

signals:
    // Emitted once, at the first initial update, before OpenCommandLine:
    // the frame takes the video window (GetVideoWindow), hands it to the
    // engine controller and calls SetVideoMode(false).
    void AttachVideoWindow();
    // Right after AttachVideoWindow: the frame opens the file or URL of the
    // command line (taken queued).
    void OpenCommandLine();
    // Every left double click on the view.
    void ViewDoubleClick();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Tests read the view's children and mode through it.
    friend class TALENOViewTestAccess;

    void OnInitialUpdate();
    void LayOut();

    QLabel* logoPanel;
    QWidget* videoHolder;  // the widget the view places the video window with
    QWidget* videoWindow;  // the native window the engine draws into
    CColorLabel* upperCaption;
    CColorLabel* lowerCaption;
    QPointer<QMenu> contextMenu;
    bool initialUpdateDone = false;
    bool keepAspect = true;
    bool videoMode = false;
    int aspectWidth = 320;
    int aspectHeight = 240;
    bool contextMenuOpen = false;
};

}  // namespace taleno
