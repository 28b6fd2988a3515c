#pragma once
// CMainFrame: the player's main window.
//
// It owns the playback session (the engine, the playlist and the rules of
// playback, session/PlaybackSession.h), the status panel, the toolbar with
// the volume slider, the seek bar, the video view and the playlist and Log
// windows, and turns every user command (menu, shortcut, toolbar button,
// mouse wheel, dropped files, a file handed over by a second instance) into
// calls on the session; what the session tells it back is shown: status,
// captions, window size, full screen.
//
// Menu items, shortcuts and toolbar buttons are QActions built from the
// command table (CommandTable.h); all of them end in OnCommand. The bars,
// the view and the windows reach the frame through their signals, taken
// queued (ConnectQueued): each answer runs once the call that caused it has
// returned, in the order they came.
//
// Use: construct (loads the settings), Create (builds the window), show.
// Everything runs on the user-interface thread.

#include "platform/PowerOff.h"
#include "player/CommandTable.h"
#include "player/VideoSizing.h"
#include "session/PlaybackSession.h"
#include "settings/Settings.h"

#include <QMainWindow>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QDialog;
class QMenu;

namespace taleno {

class CLogDlg;
class CPlaylistDlg;
class CSeekBar;
class CStatusPanel;
class CTALENOView;
class CVolumeToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // Reads the settings from "Taleno .ini" in moduleFolder and hands them
    // to the session. The window does not exist yet.
    explicit CMainFrame(const std::string& moduleFolder);
    ~CMainFrame() override;

    // Builds the rest of the window: menus, shortcuts, toolbar, the
    // playlist and Log windows; applies the bar settings, Always on Top at start-up and the
    // stored volume; centres the window. False when a part cannot be made.
    bool Create();

    // The file or URL of the command line, given before Create: a clip
    // starts at once in the video window, made for it now; anything else is
    // opened when the view reports that its video window exists
    // (OpenCommandLine). "" opens nothing.
    void SetCommandLineFile(const std::string& path);

    // Every way of opening (dialog, drop, command line, a second instance,
    // the media controls) ends here: the session opens the path.
    void OpenPath(const std::string& path) { session.OpenPath(path); }

    // Runs the preferences sheet over a copy of the settings; true when the
    // user confirmed it (the record then holds the new values). The sheet
    // lives above the frame, so the program hands it over.
    using PreferencesSheet = std::function<bool(SettingsRecord& record, QWidget* parent)>;
    void SetPreferencesSheet(PreferencesSheet sheet) { preferencesSheet = std::move(sheet); }

    // The face a remote control (the desktop's media controls) sees. Commands
    // go through the same dispatch as the menus and keys, so each keeps its
    // own rules per playback state.
    void RunCommand(int id) { OnCommand(id); }
    EngineState GetPlaybackState() const { return session.State(); }
    const MediaInfo& GetClipInfo() const { return session.Info(); }
    const std::string& GetClip() const { return session.Clip(); }
    const std::string& GetPageTitle() const { return session.PageTitle(); }
    double GetSpeed() const { return session.Speed(); }
    // The speed as the media controls set it (the status panel shows it).
    void SetSpeed(double speed);
    int GetVolume() const { return session.Volume(); }
    // Moves the volume slider and sets the engine's volume (0..100).
    void SetVolume(int volume);
    // Seeks to the second, as Go To does: only while playing and within the
    // clip. True when the seek went to the engine.
    bool SeekTo(int seconds) { return session.SeekTo(seconds); }

signals:
    // The playback state, the clip or what is known of it may have changed.
    void PlaybackChanged();
    void VolumeChanged();
    // A seek to the second went to the engine; the position jumps.
    void Seeked(int seconds);

protected:
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The command table's rows act on the frame; tests reach its state.
    friend std::span<const CommandRow> CommandTable();
    friend class MainFrameTestAccess;

    // Opens an address on the desktop (Home Page); returns success.
    using UrlOpener = std::function<bool(const QUrl&)>;
    // The Open dialog: the chosen path, or "" when cancelled.
    using OpenFileDialog = std::function<std::string(QWidget* parent)>;
    // A message box with an OK button and the application's title.
    using MessageBox = std::function<void(QWidget* parent, const QString& text)>;
    // Runs a modal dialog; its result (QDialog::Accepted or Rejected).
    using DialogRunner = std::function<int(QDialog& dialog)>;
    // Asks the system to power off (the after-playback Shutdown); true when
    // it accepted.
    using PowerOff = std::function<PowerOffResult()>;

    // Seek-bar refresh ticks skipped after a seek.
    static constexpr int kSeekHoldOffTicks = 2;

    // The address Home Page opens.
    static QUrl HomePageUrl();

    // --- commands -----------------------------------------------------------
    // Runs the command with this id, as its menu item, shortcut or button,
    // then updates the marks.
    void OnCommand(int id);
    // Sets every check and radio mark from the current state, as each menu
    // does before it opens.
    void UpdateCommandUI();
    // The main menu's action of a command id (nullptr for none).
    QAction* GetAction(int id) const;
    void BuildActions();
    void BuildMenus();
    void BuildShortcuts();
    QAction* MakeAction(const CommandRow& row, bool withShortcutText);

    void OnOpen();
    void OnOpenUrl();
    // File > Recent: the entries show the recent files as the menu opens;
    // choosing one opens it again, unless the file has gone (then it says
    // so and the entry goes).
    void UpdateRecentMenu();
    void OnRecentFile(int index);
    // A menu's list of tracks or chapters, made afresh as it opens: an item
    // for each, the present one marked, enabled while the clip plays.
    void FillMenuList(QMenu* menu, MenuList list);
    void OnGoTo();
    void OnAbout();
    // Options > Preferences: the sheet over every setting from its holder;
    // on OK back to the holders, the engine path resolved, the file saved.
    void OnPreferences();
    // The clip properties sheet, filled from what the engine announced.
    void OnProperties();
    void OnClose();
    void OnPlay();
    void OnStop();
    void OnSeekStep(int seconds);
    void OnToggleBar(QWidget* bar);
    // Shows a hidden window (the Log window) or hides a shown one.
    void OnToggleWindow(QWidget* window);
    // Hides the playlist window, or shows it below the frame's bottom-left
    // corner.
    void OnTogglePlaylist();
    void ShowPlaylistBelow();
    void PlacePlaylistBelow();
    void KeepPlaylistBelow();
    void ToggleKeepAspectRatio();
    void OnUserCommand(int index);
    // The subtitles' delay by the step (0: back to none), then shown in the
    // status panel for a moment.
    static constexpr int kSubtitleDelayStepMs = 100;
    void OnSubtitleDelay(int ms);
    // Slower (-1), faster (1) or normal (0); the speed shows in the status
    // panel while it is not normal.
    void OnSpeed(int direction);
    void ShowSpeed();
    // Frame Step: pauses a playing clip, steps a paused one.
    void OnFrameStep();

    // --- playback -------------------------------------------------------
    // The display after the engine stopped: timers, the stopped size, the
    // status panel and the seek bar at rest, "Stopped".
    void ResetAfterStop();
    void TogglePause();
    // Caption "<name> - TALENO", or "TALENO" for "".
    void SetCaption(const std::string& name);
    // Nothing is left to play: out of full screen, then the countdown if
    // the after-playback step is Shutdown.
    void OnPlaybackEnded(bool shutDown);

    // --- input that reaches the window --------------------------------------
    // One mouse-wheel message: a positive delta raises the volume by 10, a
    // negative one lowers it by 10.
    void OnMouseWheel(int delta);
    // Files dropped on the window: one is opened, several replace the list.
    void OnDropFiles(const std::vector<std::string>& paths);

    // --- signals of the session, the bars and the view ------------------------
    // Connects the signal to the handler, queued; after the handler the marks
    // are updated and PlaybackChanged emitted.
    template <typename Sender, typename Signal, typename Handler>
    void ConnectQueued(Sender* sender, Signal signal, Handler handler);
    void ConnectSignals();
    void ConnectWindowSignals();
    void OnClipStarting();
    void OnClipPlaying();
    void OnClipFailed();
    void OnSeekBarSeek(int percent);
    void OnVolumeBarChanged(int volume);
    void OnViewDoubleClick();

    // --- timers -------------------------------------------------------------
    void UpdateTimeDisplay();
    void UpdateSeekBar();
    void UpdateCacheFill();
    void HidePointer();
    void ShowPointer();

    // --- sizing -----------------------------------------------------------
    void SetZoom(ZoomMode zoom);
    void ApplyZoomMode();
    void FitWindowToVideo(bool show, int width, int height);
    void ToggleFullScreen();
    void ToggleAlwaysOnTop();
    // Pixels between the window's height and the view's height: menu bar
    // and the visible bars.
    int VerticalOverhead() const;
    // Pixels between the window's width and the view's width.
    int HorizontalOverhead() const;
    // Grows the window to its minimum height after bars came or went.
    void RecalcLayout();
    QRect DesktopRect() const;
    // Device pixels of the screen (the video's own sizes) in the widgets'
    // pixels, which are larger on a scaled screen.
    int ToWidgetPixels(int devicePixels) const;
    // The view's video window was created: hand it to the engine.
    void AttachVideoWindow();

    // --- settings ---------------------------------------------------------
    // Hands a changed record to the frame and the session (after the
    // preferences).
    void ApplySettings(const SettingsRecord& record);
    // Writes the settings file; shows "Failed to Save Settings!" when that
    // fails. Returns success.
    bool SaveSettings();

    // The close sequence up to the framework's destruction.
    void CloseSequence();
    void SetStatusText(const QString& text);

    // Desktop seams; empty functions restore the desktop's versions.
    void SetUrlOpener(UrlOpener opener);
    void SetOpenFileDialog(OpenFileDialog dialog);
    // The Load Subtitles dialog: the chosen file, or "" when cancelled.
    void SetSubtitleFileDialog(OpenFileDialog dialog);
    void SetMessageBox(MessageBox box);
    void SetDialogRunner(DialogRunner runner);
    void SetPowerOff(PowerOff request);

    // Settings.
    std::string moduleFolder;
    SettingsRecord settings;

    // Owned components.
    CPlaybackSession session;
    QTimer timeDisplayTimer;  // 500 ms while a clip runs
    QTimer seekBarTimer;      // 1000 ms while a clip runs
    QTimer cacheFillTimer;    // 300 ms while the engine starts
    QTimer hidePointerTimer;  // 1000 ms, full screen only
    CStatusPanel* statusPanel = nullptr;
    CVolumeToolBar* toolBar = nullptr;
    CSeekBar* seekBar = nullptr;
    CTALENOView* view = nullptr;
    QWidget* central = nullptr;
    CLogDlg* logDlg = nullptr;            // hidden until shown; destroyed on close
    CPlaylistDlg* playlistDlg = nullptr;  // likewise

    // What is shown of the playback.
    int lastShownTime = -1;
    int lastSeekBarPercent = -1;
    float lastCacheFill = 0.0f;
    int seekHoldOff = 0;
    int zoomMode = ZOOM_ORIGINAL;
    bool fullScreen = false;
    bool showPlaylistOnExpose = false;  // bShowPlaylist, until the window is first shown
    QPoint playlistPlacedAt;            // where the playlist window was last put below the frame
    bool alwaysOnTop = false;
    bool keepAspectRatio = true;
    int loadedVolume = 100;
    std::string commandLineFile;

    // Full screen: what is saved on entering and restored on leaving.
    QRect savedWindowRect;
    bool wasMaximized = false;
    QRect desktopRect;
    bool toolbarWasVisible = false;
    bool statusPanelWasVisible = false;
    bool seekBarWasVisible = false;
    bool playlistWasVisible = false;
    bool pointerHidden = false;

    WId videoWindow = 0;
    // Every status text the frame puts into the status panel goes here too.
    std::function<void(const QString&)> statusObserver;

    std::map<int, QAction*> actions;       // the main menu's items
    std::vector<QAction*> contextActions;  // the view's context menu
    std::vector<QAction*> keyActions;      // the shortcuts
    std::vector<QMenu*> menus;
    std::map<QMenu*, std::vector<QAction*>> listActions;  // FillMenuList's items
    QMenu* contextMenu = nullptr;

    UrlOpener urlOpener;
    OpenFileDialog openFileDialog;
    OpenFileDialog subtitleFileDialog;
    MessageBox messageBox;
    DialogRunner dialogRunner;
    PowerOff powerOff;
    PreferencesSheet preferencesSheet;
};

}  // namespace taleno
