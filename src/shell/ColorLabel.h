#pragma once
// CColorLabel: a text label that paints its own text with a chosen font and
// colours over a solid or gradient background, optionally embossed, rotated
// or flashing, and that can act as a web or mail link. To assistive
// technology it is text named by what it shows (unless given a name), or a
// link that can be pressed.
//
// The label keeps the static-control model of the player's windows: a style
// word (alignment, notify, centre-image bits), a window text, and a separate
// painted text that falls back to the window text while it is empty. Every
// setter returns the label so calls can be chained.

#include "shell/LogFont.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <optional>

class QPainter;

namespace taleno {

// Fills rect with a horizontal gradient from `from` (left) to `to` (right)
// in at most maxBands solid bands, with 8-bit fixed-point colour steps; the
// last band reaches the right edge.
void FillGradient(QPainter& painter, const QRect& rect, const QColor& from, const QColor& to, int maxBands);

class CColorLabel : public QWidget {
    Q_OBJECT

public:
    // Style bits (the values of the static-control styles they stand for).
    static constexpr unsigned SS_LEFT = 0x0000;
    static constexpr unsigned SS_CENTER = 0x0001;
    static constexpr unsigned SS_RIGHT = 0x0002;
    static constexpr unsigned SS_LEFTNOWORDWRAP = 0x000C;
    static constexpr unsigned SS_TYPEMASK = 0x001F;
    static constexpr unsigned SS_NOTIFY = 0x0100;
    static constexpr unsigned SS_CENTERIMAGE = 0x0200;
    static constexpr unsigned SS_ENDELLIPSIS = 0x4000;

    // Code of the notification a link click sends when notifyParent is set.
    static constexpr unsigned kLinkClickedCode = 0x8200;
    static constexpr int kFlashPeriodMs = 500;
    static constexpr int kMaxGradientBands = 100;

    enum LinkType { kNoLink = 0, kWebLink = 1, kMailLink = 2 };
    enum FlashMode { kNoFlash = 0, kFlashText = 1, kFlashBackground = 2 };

    explicit CColorLabel(QWidget* parent = nullptr, unsigned style = SS_LEFT, int controlId = 0xFFFF);

    virtual CColorLabel& SetBackground(const QColor& colour, const QColor& gradientEnd, bool useGradient);
    virtual CColorLabel& SetTextColor(const QColor& colour);
    virtual CColorLabel& SetText(const QString& text);
    virtual CColorLabel& SetBold(bool bold);
    virtual CColorLabel& SetFontName(const QString& faceName, int charSet = 0);
    virtual CColorLabel& SetUnderline(bool underline);
    virtual CColorLabel& SetItalic(bool italic);
    virtual CColorLabel& SetFontSize(int points);
    virtual CColorLabel& SetStaticEdge(bool edge);
    virtual CColorLabel& SetBorder(bool border);
    virtual CColorLabel& SetTransparent(bool transparent);
    virtual CColorLabel& FlashText(bool flash);
    virtual CColorLabel& FlashBackground(bool flash);
    virtual CColorLabel& SetLink(bool link, bool notifyParent);
    virtual CColorLabel& SetLinkCursor(std::optional<QCursor> cursor);
    virtual CColorLabel& Set3DText(bool embossed, bool raised);
    virtual CColorLabel& SetRotation(int degrees, bool rotated);
    virtual CColorLabel& SetShadowColor(const QColor& colour);
    virtual CColorLabel& SetLogFont(const LogFont& logFont);
    virtual CColorLabel& SetMailLink(bool link, bool notifyParent);
    virtual CColorLabel& SetLinkTarget(const QString& target);
    virtual CColorLabel& SetEndEllipsis(bool ellipsis);

    // The window text: painted while the label's own text is empty, and the
    // address of a link.
    void SetWindowText(const QString& text);

    void SetStyle(unsigned style);

    QString Text() const { return text; }
    bool IsLink() const { return linkType != kNoLink; }
    // What a click on a link does (a screen reader's "press" does the same).
    void ActivateLink() { OnLinkClick(); }
    QFont PaintFont() const { return font; }

signals:
    // The link was clicked and notifyParent is set (delivered synchronously).
    void LinkNotify(int controlId, unsigned code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // One tick of the flash timer: the other phase.
    void ToggleFlashPhase();
    // The left-button press on the label: notifies the parent or opens the
    // link. Pressing the mouse on a label with SS_NOTIFY calls it.
    void OnLinkClick();
    void Redraw();
    void RemakeFont();
    void UpdateFrameMargins();
    void StopFlashTimer();
    QColor SolidBackgroundColor() const;
    void DrawFrame(QPainter& painter) const;
    void DrawText(QPainter& painter, const QRect& rect, const QString& text) const;
    int TextFlags(const QString& text) const;

    QColor textColor;
    QColor shadowColor{255, 255, 255};
    QColor faceColor;
    std::optional<QColor> backBrush;
    LogFont logFont;
    QFont font;
    bool flashOn = false;
    QTimer flashTimer;
    LinkType linkType = kNoLink;
    bool transparent = false;
    bool embossed = false;
    bool notifyParent = false;
    bool rotated = false;
    FlashMode flashMode = kNoFlash;
    std::optional<QCursor> linkCursor;
    bool embossRaised = false;
    bool useGradient = false;
    QColor gradientEndColor{0, 0, 0};
    QColor backColor{0, 0, 0};
    QString linkTarget;
    bool endEllipsis = false;
    QString text;
    QString windowText;
    unsigned style;
    int controlId;
    bool staticEdge = false;
    bool border = false;
};

}  // namespace taleno
