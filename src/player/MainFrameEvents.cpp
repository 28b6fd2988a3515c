// CMainFrame: the answers to the messages of the engine controller, the bars
// and the view; the frame's timers; what follows the end of a clip.

#include "player/MainFrame.h"

#include "platform/DisplayText.h"
#include "player/ShutdownDlg.h"
#include "shell/LogDlg.h"
#include "shell/PlaylistDlg.h"
#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/TALENOView.h"
#include "shell/VolumeToolBar.h"
#include "system/PathUtils.h"

#include <QCursor>

#include <cstdint>

namespace taleno {

namespace {

constexpr int kTimeDisplayPeriodMs = 500;
constexpr int kSeekBarPeriodMs = 1000;
constexpr int kCacheFillPeriodMs = 300;
constexpr int kHidePointerPeriodMs = 1000;

// A clip's name in the caption: a URL goes by its whole text, a file by its
// file name.
std::string ClipName(const std::string& clip) { return PathIsUrl(clip) ? clip : PathGetFileName(clip); }

// The view's lower caption when the clip names no artist or title: the name
// above without its extension (for a URL, its text up to the last dot).
std::string ClipTitle(const std::string& clip) {
    if (!PathIsUrl(clip)) {
        return PathGetTitle(clip);
    }
    return clip.substr(0, clip.rfind('.'));
}

}  // namespace

template <typename Sender, typename Signal, typename Handler>
void CMainFrame::ConnectQueued(Sender* sender, Signal signal, Handler handler) {
    connect(
        sender, signal, this,
        [this, handler](auto&&... arguments) {
            handler(arguments...);
            UpdateCommandUI();
            emit PlaybackChanged();
        },
        Qt::QueuedConnection);
}

void CMainFrame::ConnectSignals() {
    ConnectQueued(seekBar, &CSeekBar::SeekBarSeek, [this](int percent) { OnSeekBarSeek(percent); });
    ConnectQueued(toolBar, &CVolumeToolBar::VolumeBarChanged, [this](int volume) { OnVolumeBarChanged(volume); });
    ConnectQueued(view, &CTALENOView::OpenCommandLine, [this] {
        if (!commandLineFile.empty()) {
            OpenPath(commandLineFile);
        }
    });
    ConnectQueued(view, &CTALENOView::ViewDoubleClick, [this] { OnViewDoubleClick(); });

    // The session answers the engine and the playlist queued already.
    connect(&session, &CPlaybackSession::ClipStarting, this, &CMainFrame::OnClipStarting);
    connect(&session, &CPlaybackSession::ClipPlaying, this, &CMainFrame::OnClipPlaying);
    connect(&session, &CPlaybackSession::ClipFailed, this, &CMainFrame::OnClipFailed);
    connect(&session, &CPlaybackSession::ClipStopped, this, &CMainFrame::ResetAfterStop);
    connect(&session, &CPlaybackSession::EngineNotFound, this, [this] { SetStatusText(tr("Engine not found!")); });
    connect(&session, &CPlaybackSession::OpenFailed, this, [this] { messageBox(this, tr("unable to open file")); });
    connect(&session, &CPlaybackSession::Seeked, this, &CMainFrame::Seeked);
    connect(&session, &CPlaybackSession::ScreenshotSaved, this,
            [this](const std::string& path) { statusPanel->ShowNote(tr("Screenshot saved: ") + DisplayText(path)); });
    connect(&session, &CPlaybackSession::Resolving, this, [this] { statusPanel->ShowNote(tr("Resolving..."), 0); });
    connect(&session, &CPlaybackSession::ResolveEnded, this, [this] { statusPanel->ClearNote(); });
    connect(&session, &CPlaybackSession::ResolveFailed, this,
            [this](const std::string& message) { messageBox(this, DisplayText(message)); });
    connect(&session, &CPlaybackSession::SubtitlesFailed, this, [this](const std::string& reason) {
        messageBox(this, tr("The subtitles were not loaded: ") + DisplayText(reason));
    });
    connect(&session, &CPlaybackSession::ScreenshotFailed, this, [this](const std::string& reason) {
        statusPanel->ShowNote(tr("Screenshot not saved: ") + DisplayText(reason));
    });
    connect(&session, &CPlaybackSession::PlaybackEnded, this, &CMainFrame::OnPlaybackEnded);
    connect(&session, &CPlaybackSession::Changed, this, [this] {
        UpdateCommandUI();
        emit PlaybackChanged();
    });
    // Taken at once: the line is in the Log window before the engine goes on.
    connect(&session, &CPlaybackSession::LogLine, this, [this](const std::string& line) {
        if (logDlg != nullptr) {
            logDlg->AppendLine(DisplayText(line));
        }
    });

    for (auto [timer, periodMs] : {std::pair{&timeDisplayTimer, kTimeDisplayPeriodMs},
                                   {&seekBarTimer, kSeekBarPeriodMs},
                                   {&cacheFillTimer, kCacheFillPeriodMs},
                                   {&hidePointerTimer, kHidePointerPeriodMs}}) {
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(periodMs);
    }
    connect(&timeDisplayTimer, &QTimer::timeout, this, &CMainFrame::UpdateTimeDisplay);
    connect(&seekBarTimer, &QTimer::timeout, this, &CMainFrame::UpdateSeekBar);
    connect(&cacheFillTimer, &QTimer::timeout, this, &CMainFrame::UpdateCacheFill);
    connect(&hidePointerTimer, &QTimer::timeout, this, &CMainFrame::HidePointer);
}

void CMainFrame::ConnectWindowSignals() {
    // The Log and playlist windows hide themselves; the marks follow.
    for (QDialog* window : {static_cast<QDialog*>(logDlg), static_cast<QDialog*>(playlistDlg)}) {
        ConnectQueued(window, &QDialog::finished, [](int) {});
    }
}

// --- bars and view ------------------------------------------------------------

void CMainFrame::OnSeekBarSeek(int percent) {
    if (session.SeekToPercent(percent)) {
        seekHoldOff = kSeekHoldOffTicks;
    }
}

void CMainFrame::OnVolumeBarChanged(int volume) {
    if (volume != session.Volume()) {
        session.SetVolume(volume);
        emit VolumeChanged();
    }
}

void CMainFrame::OnViewDoubleClick() {
    if (session.State() == ENGINE_STOPPED) {
        OnOpen();
    } else {
        ToggleFullScreen();
    }
}

// --- what the session tells ---------------------------------------------------------

void CMainFrame::OnClipStarting() {
    SetStatusText(tr("Starting..."));
    timeDisplayTimer.start();
    seekBarTimer.start();
    cacheFillTimer.start();
    statusPanel->SetStatusIcon(0);
}

void CMainFrame::OnClipPlaying() {
    cacheFillTimer.stop();
    const MediaInfo& info = session.Info();
    std::vector<double> marks;
    for (const MediaChapter& chapter : info.tracks.chapters) {
        if (info.length > 0) marks.push_back(static_cast<double>(chapter.startMs) / (1000.0 * info.length));
    }
    seekBar->SetMarks(std::move(marks));

    const EngineState state = session.State();
    if (state == ENGINE_PLAYING || state == ENGINE_PAUSED) {
        statusPanel->SetTotalTime(info.length);
    }

    const bool hasVideo = info.hasVideo;
    const int width = ClampVideoExtent(session.VideoWidth());
    const int height = ClampVideoExtent(session.VideoHeight());
    if (hasVideo) {
        if (fullScreen) {
            FitWindowToVideo(true, width, height);
        } else {
            ApplyZoomMode();
            if (settings.bLaunchInFullscreen) {
                ToggleFullScreen();
            }
        }
    } else {
        FitWindowToVideo(false, width, height);
    }

    if (info.length > 0) {
        seekBar->SetSeekEnabled(true);
    }
    // A web page's stream goes by the page's title.
    const std::string& page = session.PageTitle();
    SetCaption(page.empty() ? ClipName(session.Clip()) : page);
    const std::string& artist = info.artist;
    const std::string& title = info.title;
    if (artist != "-" || title != "-") {
        view->SetCaptions(DisplayText(artist), DisplayText(title));
    } else {
        view->SetCaptions(QString(), DisplayText(page.empty() ? ClipTitle(session.Clip()) : page));
    }

    statusPanel->SetChannelIcons(info.audioChannels);
    statusPanel->SetStatusIcon(1);
    SetStatusText(tr("Playing"));
    // The sum is formed in 64 bits: two bit rates near the 32-bit limit
    // would otherwise overflow.
    const std::int64_t bitrate = (static_cast<std::int64_t>(session.VideoBitrate()) + info.audioBitrate) / 1000;
    statusPanel->SetInfoText(0, tr("Now Playing: %1 Kbps").arg(static_cast<long>(bitrate)));
    if (hasVideo) {
        statusPanel->SetInfoText(1, tr("Clip: ") + DisplayText(title));
        statusPanel->SetInfoText(2, tr("Author: ") + DisplayText(artist));
        statusPanel->SetInfoText(3, tr("Copyright: ") + DisplayText(info.clipCopyright));
        statusPanel->SetInfoText(4, tr("Rating: ") + DisplayText(info.clipRating));
    } else {
        statusPanel->SetInfoText(1, tr("Album: ") + DisplayText(info.album));
        statusPanel->SetInfoText(2, tr("Title: ") + DisplayText(title));
        statusPanel->SetInfoText(3, tr("Artist: ") + DisplayText(artist));
        statusPanel->SetInfoText(4, tr("Genre: ") + DisplayText(info.genre));
    }
    statusPanel->StartInfoRotation();
}

void CMainFrame::OnClipFailed() {
    ResetAfterStop();
    SetStatusText(tr("MPlayer failed to start"));
    statusPanel->SetStatusIcon(4);
}

void CMainFrame::OnPlaybackEnded(bool shutDown) {
    // Out of full screen, then the countdown (its result does not matter;
    // Cancel keeps the choice).
    if (fullScreen) {
        ToggleFullScreen();
    }
    if (shutDown) {
        CShutdownDlg countdown(powerOff, this);
        dialogRunner(countdown);
    }
}

// --- timers ---------------------------------------------------------------------

void CMainFrame::UpdateTimeDisplay() {
    if (session.State() != ENGINE_PLAYING) {
        return;
    }
    const int time = session.Info().timePosition;
    if (time != lastShownTime) {
        lastShownTime = time;
        statusPanel->SetCurrentTime(time);
    }
}

void CMainFrame::UpdateSeekBar() {
    if (seekHoldOff > 0) {
        --seekHoldOff;
        return;
    }
    const auto position = static_cast<float>(session.Info().timePosition);
    const auto length = static_cast<float>(session.Info().length);
    if (position > length) {
        return;
    }
    const int percent = length == 0.0f ? 0 : static_cast<int>(position * 100.0f / length);
    if (percent != lastSeekBarPercent) {
        lastSeekBarPercent = percent;
        seekBar->SetSeekPosition(percent);
    }
}

void CMainFrame::UpdateCacheFill() {
    const float fill = session.Info().cacheFill;
    if (fill != lastCacheFill) {
        lastCacheFill = fill;
        SetStatusText(tr("Cache fill: %1%").arg(QString::asprintf("%2.02f", static_cast<double>(fill))));
    }
}

void CMainFrame::HidePointer() {
    if (!view->IsContextMenuOpen() && frameGeometry().contains(QCursor::pos()) && !pointerHidden) {
        pointerHidden = true;
        setCursor(Qt::BlankCursor);
    }
}

void CMainFrame::ShowPointer() {
    if (pointerHidden) {
        pointerHidden = false;
        unsetCursor();
    }
}

}  // namespace taleno
