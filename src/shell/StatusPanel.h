#pragma once
// CStatusPanel: the black strip at the bottom of the main window, in the
// manner of a display. From left to right: a status icon, the status text,
// the playing time with the clip's total length, and one or two audio channel
// icons. While a clip plays, the status text cycles through five information
// lines, one every 8 seconds. The frame drives the panel entirely; the panel
// only formats and lays out.
//
// Size: 330 x 15 dialog units of the dialog font (see DialogUnits.h); the
// width follows the window the panel is docked in, the height is fixed.
//
// Icons are the images under res/status (16 x 16 pixels, compiled in), shown
// at the style's small-icon size and named by their historic resource
// numbers: 166 no audio, 167/168 the left and right loudspeaker of stereo,
// 169 blank (black, invisible on the panel), 170 playing, 171 stopped,
// 173 paused, 174 mono, 175 failure.

#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;

namespace taleno {

class CColorLabel;

class CStatusPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBarId = 154;
    static constexpr int kTemplateWidthUnits = 330;
    static constexpr int kTemplateHeightUnits = 15;
    static constexpr int kInfoPeriodMs = 8000;
    static constexpr int kInfoLineCount = 5;
    // How long a note stands in place of the status text.
    static constexpr int kNoteMs = 3000;

    static constexpr int kIconNoAudio = 166;
    static constexpr int kIconStereoLeft = 167;
    static constexpr int kIconStereoRight = 168;
    static constexpr int kIconBlank = 169;
    static constexpr int kIconPlaying = 170;
    static constexpr int kIconStopped = 171;
    static constexpr int kIconPaused = 173;
    static constexpr int kIconMono = 174;
    static constexpr int kIconFailed = 175;

    explicit CStatusPanel(QWidget* parent = nullptr);

    void SetStatusText(const QString& text);
    // A mark before the status text while it is not empty (the playback
    // speed, "1.5×"); it stays through status changes and ResetPanel.
    void SetSpeedText(const QString& text);
    // A note in place of the status text for a time (kNoteMs unless told;
    // 0: until ClearNote), such as the subtitle delay or a screenshot's
    // file; a later note replaces it.
    void ShowNote(const QString& text, int ms = kNoteMs);
    void ClearNote();
    // 1 playing, 2 paused, 3 stopped, 4 failed to start; anything else blank.
    void SetStatusIcon(int state);
    // -1 unknown, 0 no audio, 1 mono, 2 stereo; other values count as -1.
    void SetChannelIcons(int channels);
    void SetTotalTime(int seconds);
    void SetCurrentTime(int seconds);
    // Stores information line index (0..4; other indexes are ignored); it
    // shows when the rotation reaches it.
    void SetInfoText(int index, const QString& text);
    void StartInfoRotation();
    void StopInfoRotation();
    // Back to idle: "Ready", "00:00", no icons, no information lines.
    void ResetPanel();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Tests read what the panel shows through it.
    friend class StatusPanelTestAccess;

    // One tick of the information rotation: the next line.
    void ShowNextInfoLine();
    // The status label: the note while one stands, else the speed mark and
    // the status text.
    void ShowStatus();
    QString StatusText() const;
    QString TimeText() const;
    QString InfoText(int index) const;
    // Width of the time text for a time format: at least the classic widths
    // (68, 98 and 30 pixels), widened until the format's widest text fits in
    // the panel's font.
    int TimeWidth(int timeFormat) const;
    void Layout();
    void ShowIcon(QLabel& view, int& shownId, int resourceId);

    QLabel* statusIcon;
    QLabel* channelIconA;
    QLabel* channelIconB;
    CColorLabel* statusLabel;
    CColorLabel* timeLabel;
    int statusIconId = 0;
    int channelIconAId = 0;
    int channelIconBId = 0;
    int timeFormat = 1;
    QString totalSuffix;
    int channelMode = -1;
    std::array<QString, kInfoLineCount> infoTexts;
    int infoIndex = 0;
    QTimer infoTimer;
    QString statusText;
    QString speedText;
    QString noteText;
    QTimer noteTimer;
};

}  // namespace taleno
