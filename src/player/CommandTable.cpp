// The command table of the main window and the layout of its menus. The
// texts are the program's own and shown exactly as they stand here.

#include "player/CommandTable.h"

#include "player/CommandIds.h"
#include "player/MainFrame.h"
#include "shell/LogDlg.h"
#include "shell/PlaylistDlg.h"
#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/VolumeToolBar.h"

namespace taleno {

namespace {

constexpr QKeyCombination Ctrl(Qt::Key key) { return Qt::CTRL | key; }
constexpr QKeyCombination Alt(Qt::Key key) { return Qt::ALT | key; }

constexpr CommandMark kPlain = CommandMark::None;
constexpr CommandMark kCheck = CommandMark::Check;
constexpr CommandMark kRadio = CommandMark::Radio;

}  // namespace

// A friend of CMainFrame: the rows' actions reach into the frame.
std::span<const CommandRow> CommandTable() {
    using F = CMainFrame;
    using S = CPlaybackSession;
    // One row a command: id, menu text, shortcut text, keys, mark, prompt,
    // action, when marked.
    // clang-format off
    static const CommandRow rows[] = {
        // File
        {ID_FILE_OPEN, "&Open...", "Ctrl+O", {Ctrl(Qt::Key_O)}, kPlain, "",
         [](F& f) { f.OnOpen(); }, nullptr},
        {ID_FILE_OPENURL, "Open URL...", "", {}, kPlain, "Open URL", [](F& f) { f.OnOpenUrl(); }, nullptr},
        {ID_FILE_CLOSE, "&Close", "", {}, kPlain, "Close", [](F& f) { f.OnClose(); }, nullptr},
        {ID_FILE_PROPERTIES, "&Properties", "", {}, kPlain, "Clip properties", [](F& f) { f.OnProperties(); },
         nullptr},
        {ID_APP_EXIT, "E&xit", "", {}, kPlain, "", [](F& f) { f.close(); }, nullptr},
        // File > Recent: each entry's text is the file it opens, set as the
        // menu opens (UpdateRecentMenu).
        {ID_FILE_MRU_FILE1, "1", "", {}, kPlain, "Open this file again", [](F& f) { f.OnRecentFile(0); }, nullptr},
        {ID_FILE_MRU_FILE1 + 1, "2", "", {}, kPlain, "Open this file again", [](F& f) { f.OnRecentFile(1); }, nullptr},
        {ID_FILE_MRU_FILE1 + 2, "3", "", {}, kPlain, "Open this file again", [](F& f) { f.OnRecentFile(2); }, nullptr},
        {ID_FILE_MRU_FILE1 + 3, "4", "", {}, kPlain, "Open this file again", [](F& f) { f.OnRecentFile(3); }, nullptr},
        {ID_FILE_MRU_FILE1 + 4, "5", "", {}, kPlain, "Open this file again", [](F& f) { f.OnRecentFile(4); }, nullptr},
        {ID_FILE_MRU_FILE1 + 5, "6", "", {}, kPlain, "Open this file again", [](F& f) { f.OnRecentFile(5); }, nullptr},
        {ID_FILE_MRU_FILE1 + 6, "7", "", {}, kPlain, "Open this file again", [](F& f) { f.OnRecentFile(6); }, nullptr},
        {ID_FILE_MRU_FILE1 + 7, "8", "", {}, kPlain, "Open this file again", [](F& f) { f.OnRecentFile(7); }, nullptr},
        {ID_FILE_MRU_FILE1 + 8, "9", "", {}, kPlain, "Open this file again", [](F& f) { f.OnRecentFile(8); }, nullptr},
        {ID_FILE_MRU_FILE10, "10", "", {}, kPlain, "Open this file again", [](F& f) { f.OnRecentFile(9); }, nullptr},
        {ID_FILE_MRU_CLEAR, "&Clear List", "", {}, kPlain, "Empty the list of recent files",
         [](F& f) { f.session.ClearRecentFiles(); }, nullptr},

        // View
        {ID_VIEW_HALFSIZE, "&Half size", "Alt+1", {Alt(Qt::Key_1)}, kPlain, "Half video size",
         [](F& f) { f.SetZoom(ZOOM_HALF); }, nullptr},
        {ID_VIEW_ORIGINALSIZE, "&Original size", "Alt+2", {Alt(Qt::Key_2)}, kPlain, "Original video size",
         [](F& f) { f.SetZoom(ZOOM_ORIGINAL); }, nullptr},
        {ID_VIEW_DOUBLESIZE, "&Double size", "Alt+3", {Alt(Qt::Key_3)}, kPlain, "Double video size",
         [](F& f) { f.SetZoom(ZOOM_DOUBLE); }, nullptr},
        {ID_VIEW_PRESETSIZE, "Pr&eset size", "Alt+4", {Alt(Qt::Key_4)}, kPlain, "Preset video zoom size",
         [](F& f) { f.SetZoom(ZOOM_PRESET); }, nullptr},
        // Return on the main keys, Enter on the keypad.
        {ID_VIEW_FULLSCREEN, "&Full Screen", "Alt+Enter", {Alt(Qt::Key_Return), Alt(Qt::Key_Enter)}, kPlain,
         "Full Screen", [](F& f) { f.ToggleFullScreen(); }, nullptr},
        {ID_VIEW_KEEPASPECTRATIO, "Keep aspect &ratio", "", {}, kCheck, "Keep Aspect Ratio",
         [](F& f) { f.ToggleKeepAspectRatio(); }, [](const F& f) { return f.keepAspectRatio; }},
        {ID_VIEW_PROGRESSBAR, "&Progress Bar", "Ctrl+1", {Ctrl(Qt::Key_1)}, kCheck,
         "Show or hide the Progress Bar", [](F& f) { f.OnToggleBar(f.seekBar); },
         [](const F& f) { return !f.seekBar->isHidden(); }},
        // The menu item shows Ctrl+2, but the key sends the toolbar's own
        // command below, which toggles the same bar.
        {ID_VIEW_TOOLBAR_MENU, "&Toolbar", "Ctrl+2", {}, kCheck, "Show or hide the Toolbar",
         [](F& f) { f.OnToggleBar(f.toolBar); }, [](const F& f) { return !f.toolBar->isHidden(); }},
        {ID_VIEW_TOOLBAR, "", "", {Ctrl(Qt::Key_2)}, kPlain, "", [](F& f) { f.OnToggleBar(f.toolBar); }, nullptr},
        {ID_VIEW_STATUSBAR, "&Status Bar", "Ctrl+3", {Ctrl(Qt::Key_3)}, kCheck, "",
         [](F& f) { f.OnToggleBar(f.statusPanel); }, [](const F& f) { return !f.statusPanel->isHidden(); }},
        {ID_VIEW_PLAYLIST, "Play&list", "", {}, kCheck, "Show or hide the Playlist\nPlaylist",
         [](F& f) { f.OnTogglePlaylist(); },
         [](const F& f) { return f.playlistDlg != nullptr && f.playlistDlg->isVisible(); }},
        {ID_VIEW_LOG, "Lo&g", "", {}, kCheck, "Show or hide the log", [](F& f) { f.OnToggleWindow(f.logDlg); },
         [](const F& f) { return f.logDlg != nullptr && f.logDlg->isVisible(); }},
        {ID_VIEW_ALWAYSONTOP, "&Always on Top", "Ctrl+T", {Ctrl(Qt::Key_T)}, kCheck, "Toggle Always on Top",
         [](F& f) { f.ToggleAlwaysOnTop(); }, [](const F& f) { return f.alwaysOnTop; }},

        {ID_VIEW_SCREENSHOT, "Take Scree&nshot", "S", {Qt::Key_S}, kPlain,
         "Save the picture shown in the Taleno folder of your pictures", [](F& f) { f.session.TakeScreenshot(); },
         nullptr},

        // Play
        {ID_PLAY_PLAY, "&Play", "", {}, kCheck, "Start playback\nPlay", [](F& f) { f.OnPlay(); },
         [](const F& f) {
             const EngineState state = f.session.State();
             return state == ENGINE_PLAYING || state == ENGINE_PAUSED;
         }},
        {ID_PLAY_PAUSE, "P&ause", "Space", {Qt::Key_Space}, kCheck, "Pause\nPause", [](F& f) { f.TogglePause(); },
         [](const F& f) { return f.session.State() == ENGINE_PAUSED; }},
        {ID_PLAY_STOP, "&Stop", "Period", {Qt::Key_Period}, kPlain, "Stop\nStop", [](F& f) { f.OnStop(); },
         nullptr},
        {ID_PLAY_PREVIOUS, "Previous", "", {}, kPlain, "Previous\nPrevious",
         [](F& f) { f.session.Previous(); }, nullptr},
        {ID_PLAY_NEXT, "Next", "", {}, kPlain, "Next\nNext", [](F& f) { f.session.Next(); }, nullptr},
        {ID_PLAY_FORWARD10SECONDS, "Forward 10 Seconds", "Ctrl+Right", {Ctrl(Qt::Key_Right)}, kPlain,
         "FF 10 Seconds", [](F& f) { f.OnSeekStep(10); }, nullptr},
        {ID_PLAY_REWIND10SECONDS, "Rewind  10 Seconds", "Ctrl+Left", {Ctrl(Qt::Key_Left)}, kPlain,
         "RW 10 Seconds", [](F& f) { f.OnSeekStep(-10); }, nullptr},
        {ID_PLAY_FORWARD1MINUTE, "Forward  1 Minute", "Ctrl+Up", {Ctrl(Qt::Key_Up)}, kPlain, "FF 1 Minute",
         [](F& f) { f.OnSeekStep(60); }, nullptr},
        {ID_PLAY_REWIND1MINUTE, "Rewind   1 Minute", "Ctrl+Down", {Ctrl(Qt::Key_Down)}, kPlain, "RW 1 Minute",
         [](F& f) { f.OnSeekStep(-60); }, nullptr},
        {ID_PLAY_FORWARD10MINUTES, "Forward 10 Minutes", "Ctrl+PgUp", {Ctrl(Qt::Key_PageUp)}, kPlain,
         "FF 10 Minutes", [](F& f) { f.OnSeekStep(600); }, nullptr},
        {ID_PLAY_REWIND10MINUTES, "Rewind  10 Minutes", "Ctrl+PgDn", {Ctrl(Qt::Key_PageDown)}, kPlain,
         "RW 10 Minutes", [](F& f) { f.OnSeekStep(-600); }, nullptr},
        {ID_PLAY_GOTO, "&Go To...", "Ctrl+G", {Ctrl(Qt::Key_G)}, kPlain, "Go To", [](F& f) { f.OnGoTo(); }, nullptr},
        {ID_VOLUME_100, "100%", "", {}, kPlain, "100% Volume", [](F& f) { f.SetVolume(100); }, nullptr},
        {ID_VOLUME_75, "75%", "", {}, kPlain, "75% Volume", [](F& f) { f.SetVolume(75); }, nullptr},
        {ID_VOLUME_50, "50%", "", {}, kPlain, "50% Volume", [](F& f) { f.SetVolume(50); }, nullptr},
        {ID_VOLUME_25, "25%", "", {}, kPlain, "25% Volume", [](F& f) { f.SetVolume(25); }, nullptr},
        {ID_VOLUME_MUTE, "&Mute", "Ctrl+M", {Ctrl(Qt::Key_M)}, kPlain, "Mute\nMute", [](F& f) { f.session.Mute(); },
         nullptr},
        {ID_AFTERPLAYBACK_SHUTDOWN, "Shutdown", "", {}, kRadio, "",
         [](F& f) { f.session.SetAfterPlayback(S::AFTER_PLAYBACK_SHUTDOWN); },
         [](const F& f) { return f.session.AfterPlaybackAction() == S::AFTER_PLAYBACK_SHUTDOWN; }},
        {ID_AFTERPLAYBACK_DONOTHING, "Do Nothing", "", {}, kRadio, "",
         [](F& f) { f.session.SetAfterPlayback(S::AFTER_PLAYBACK_NOTHING); },
         [](const F& f) { return f.session.AfterPlaybackAction() == S::AFTER_PLAYBACK_NOTHING; }},
        {ID_PLAY_REPEAT, "&Repeat", "", {}, kCheck, "Repeat\nRepeat", [](F& f) { f.session.SetRepeat(!f.session.Repeat()); },
         [](const F& f) { return f.session.Repeat(); }},

        {ID_PLAY_SPEED_SLOWER, "&Slower", "[", {Qt::Key_BracketLeft}, kPlain, "Play slower, keeping the pitch",
         [](F& f) { f.OnSpeed(-1); }, nullptr},
        {ID_PLAY_SPEED_FASTER, "&Faster", "]", {Qt::Key_BracketRight}, kPlain, "Play faster, keeping the pitch",
         [](F& f) { f.OnSpeed(1); }, nullptr},
        {ID_PLAY_SPEED_NORMAL, "&Normal Speed", "Backspace", {Qt::Key_Backspace}, kPlain, "Play at normal speed",
         [](F& f) { f.OnSpeed(0); }, nullptr},
        {ID_PLAY_FRAMESTEP, "&Frame Step", "E", {Qt::Key_E}, kPlain, "Pause, or show the next frame while paused",
         [](F& f) { f.OnFrameStep(); }, nullptr},

        {ID_AUDIO_NEXTTRACK, "&Next Audio Track", "B", {Qt::Key_B}, kPlain, "Play the clip's next audio track",
         [](F& f) { f.session.NextAudioTrack(); }, nullptr},
        {ID_SUBTITLES_OFF, "&Off", "", {}, kCheck, "Show no subtitles", [](F& f) { f.session.SubtitlesOff(); },
         [](const F& f) { return f.session.Tracks().subtitleId < 0 && f.session.Tracks().subtitleFileId < 0; }},
        {ID_SUBTITLES_NEXT, "&Next Subtitles", "V", {Qt::Key_V}, kPlain,
         "Show the next subtitles, or none after the last", [](F& f) { f.session.NextSubtitles(); }, nullptr},
        {ID_SUBTITLES_LOAD, "&Load Subtitles...", "", {}, kPlain, "Load a subtitle file into the clip playing",
         [](F& f) {
             if (const std::string path = f.subtitleFileDialog(&f); !path.empty()) f.session.LoadSubtitles(path);
         },
         nullptr},
        {ID_SUBTITLES_EARLIER, "Subtitles &Earlier", "Z", {Qt::Key_Z}, kPlain, "Show the subtitles 100 ms earlier",
         [](F& f) { f.OnSubtitleDelay(-F::kSubtitleDelayStepMs); }, nullptr},
        {ID_SUBTITLES_LATER, "Subtitles La&ter", "X", {Qt::Key_X}, kPlain, "Show the subtitles 100 ms later",
         [](F& f) { f.OnSubtitleDelay(F::kSubtitleDelayStepMs); }, nullptr},
        {ID_SUBTITLES_DELAYRESET, "&Reset Subtitle Delay", "Shift+Z", {Qt::SHIFT | Qt::Key_Z}, kPlain,
         "Show the subtitles at their own times", [](F& f) { f.OnSubtitleDelay(0); }, nullptr},
        {ID_CHAPTER_PREVIOUS, "&Previous Chapter", "PgUp", {Qt::Key_PageUp}, kPlain,
         "To the start of this chapter, or of the one before", [](F& f) { f.session.PreviousChapter(); }, nullptr},
        {ID_CHAPTER_NEXT, "&Next Chapter", "PgDn", {Qt::Key_PageDown}, kPlain, "To the start of the next chapter",
         [](F& f) { f.session.NextChapter(); }, nullptr},

        // Options and Help
        {ID_OPTIONS_PREFERENCES, "&Preferences", "", {}, kPlain, "Show Preferences Dialog",
         [](F& f) { f.OnPreferences(); }, nullptr},
        {ID_HELP_HOMEPAGE, "Home Page", "", {}, kPlain, "", [](F& f) { f.urlOpener(F::HomePageUrl()); },
         nullptr},
        {ID_APP_ABOUT, "&About Taleno", "", {}, kPlain, "", [](F& f) { f.OnAbout(); }, nullptr},

        // F1 to F8 send the user's slave commands strF1CMD to strF8CMD.
        {ID_USER_COMMAND_F1, "", "", {Qt::Key_F1}, kPlain, "", [](F& f) { f.OnUserCommand(0); }, nullptr},
        {ID_USER_COMMAND_F1 + 1, "", "", {Qt::Key_F2}, kPlain, "", [](F& f) { f.OnUserCommand(1); }, nullptr},
        {ID_USER_COMMAND_F1 + 2, "", "", {Qt::Key_F3}, kPlain, "", [](F& f) { f.OnUserCommand(2); }, nullptr},
        {ID_USER_COMMAND_F1 + 3, "", "", {Qt::Key_F4}, kPlain, "", [](F& f) { f.OnUserCommand(3); }, nullptr},
        {ID_USER_COMMAND_F1 + 4, "", "", {Qt::Key_F5}, kPlain, "", [](F& f) { f.OnUserCommand(4); }, nullptr},
        {ID_USER_COMMAND_F1 + 5, "", "", {Qt::Key_F6}, kPlain, "", [](F& f) { f.OnUserCommand(5); }, nullptr},
        {ID_USER_COMMAND_F1 + 6, "", "", {Qt::Key_F7}, kPlain, "", [](F& f) { f.OnUserCommand(6); }, nullptr},
        {ID_USER_COMMAND_F8, "", "", {Qt::Key_F8}, kPlain, "", [](F& f) { f.OnUserCommand(7); }, nullptr},
    };
    // clang-format on
    return rows;
}

const CommandRow* FindCommand(int id) {
    for (const CommandRow& row : CommandTable()) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

namespace {

constexpr MenuEntry Item(int id) { return {id, nullptr}; }
constexpr MenuEntry Submenu(const MenuLayout& menu) { return {0, &menu}; }
constexpr MenuEntry kSeparator{0, nullptr};

// clang-format off

constexpr MenuEntry kRecentEntries[] = {
    Item(ID_FILE_MRU_FILE1), Item(ID_FILE_MRU_FILE1 + 1), Item(ID_FILE_MRU_FILE1 + 2), Item(ID_FILE_MRU_FILE1 + 3),
    Item(ID_FILE_MRU_FILE1 + 4), Item(ID_FILE_MRU_FILE1 + 5), Item(ID_FILE_MRU_FILE1 + 6),
    Item(ID_FILE_MRU_FILE1 + 7), Item(ID_FILE_MRU_FILE1 + 8), Item(ID_FILE_MRU_FILE10), kSeparator,
    Item(ID_FILE_MRU_CLEAR),
};
constexpr MenuLayout kRecentMenu{"&Recent", kRecentEntries};

constexpr MenuEntry kFileEntries[] = {
    Item(ID_FILE_OPEN), Item(ID_FILE_OPENURL), Item(ID_FILE_CLOSE), kSeparator,
    Item(ID_FILE_PROPERTIES), kSeparator, Submenu(kRecentMenu), kSeparator, Item(ID_APP_EXIT),
};

constexpr MenuEntry kViewEntries[] = {
    Item(ID_VIEW_HALFSIZE), Item(ID_VIEW_ORIGINALSIZE), Item(ID_VIEW_DOUBLESIZE), Item(ID_VIEW_PRESETSIZE),
    Item(ID_VIEW_FULLSCREEN), kSeparator,
    Item(ID_VIEW_KEEPASPECTRATIO), kSeparator,
    Item(ID_VIEW_PROGRESSBAR), Item(ID_VIEW_TOOLBAR_MENU), Item(ID_VIEW_STATUSBAR), kSeparator,
    Item(ID_VIEW_PLAYLIST), Item(ID_VIEW_LOG), kSeparator,
    Item(ID_VIEW_ALWAYSONTOP), kSeparator,
    Item(ID_VIEW_SCREENSHOT),
};

constexpr MenuEntry kVolumeEntries[] = {
    Item(ID_VOLUME_100), Item(ID_VOLUME_75), Item(ID_VOLUME_50), Item(ID_VOLUME_25), Item(ID_VOLUME_MUTE),
};
constexpr MenuLayout kVolumeMenu{"Volume", kVolumeEntries};

constexpr MenuEntry kAfterPlaybackEntries[] = {
    Item(ID_AFTERPLAYBACK_SHUTDOWN), kSeparator, Item(ID_AFTERPLAYBACK_DONOTHING),
};
constexpr MenuLayout kAfterPlaybackMenu{"After Playback", kAfterPlaybackEntries};

constexpr MenuEntry kSpeedEntries[] = {
    Item(ID_PLAY_SPEED_SLOWER), Item(ID_PLAY_SPEED_FASTER), Item(ID_PLAY_SPEED_NORMAL),
};
constexpr MenuLayout kSpeedMenu{"Spee&d", kSpeedEntries};

constexpr MenuEntry kAudioTrackEntries[] = {Item(ID_AUDIO_NEXTTRACK)};
constexpr MenuLayout kAudioTrackMenu{"Audio &Track", kAudioTrackEntries, MenuList::AudioTracks};

constexpr MenuEntry kSubtitlesEntries[] = {
    Item(ID_SUBTITLES_OFF), Item(ID_SUBTITLES_NEXT), kSeparator, Item(ID_SUBTITLES_LOAD), kSeparator,
    Item(ID_SUBTITLES_EARLIER), Item(ID_SUBTITLES_LATER), Item(ID_SUBTITLES_DELAYRESET),
};
constexpr MenuLayout kSubtitlesMenu{"S&ubtitles", kSubtitlesEntries, MenuList::Subtitles};

constexpr MenuEntry kChaptersEntries[] = {Item(ID_CHAPTER_PREVIOUS), Item(ID_CHAPTER_NEXT)};
constexpr MenuLayout kChaptersMenu{"&Chapters", kChaptersEntries, MenuList::Chapters};

constexpr MenuEntry kPlayEntries[] = {
    Item(ID_PLAY_PLAY), Item(ID_PLAY_PAUSE), Item(ID_PLAY_STOP), kSeparator,
    Item(ID_PLAY_PREVIOUS), Item(ID_PLAY_NEXT), kSeparator,
    Item(ID_PLAY_FORWARD10SECONDS), Item(ID_PLAY_REWIND10SECONDS), Item(ID_PLAY_FORWARD1MINUTE),
    Item(ID_PLAY_REWIND1MINUTE), Item(ID_PLAY_FORWARD10MINUTES), Item(ID_PLAY_REWIND10MINUTES), kSeparator,
    Item(ID_PLAY_GOTO), kSeparator,
    Submenu(kVolumeMenu), Submenu(kAfterPlaybackMenu), kSeparator,
    Item(ID_PLAY_REPEAT), kSeparator,
    Submenu(kSpeedMenu), Item(ID_PLAY_FRAMESTEP), kSeparator,
    Submenu(kAudioTrackMenu), Submenu(kSubtitlesMenu), Submenu(kChaptersMenu),
};

constexpr MenuEntry kOptionsEntries[] = {Item(ID_OPTIONS_PREFERENCES)};

constexpr MenuEntry kHelpEntries[] = {Item(ID_HELP_HOMEPAGE), kSeparator, Item(ID_APP_ABOUT)};

constexpr MenuLayout kMainMenus[] = {
    {"&File", kFileEntries}, {"&View", kViewEntries}, {"&Play", kPlayEntries},
    {"&Options", kOptionsEntries}, {"&Help", kHelpEntries},
};

constexpr MenuEntry kContextEntries[] = {
    Item(ID_PLAY_PLAY), Item(ID_PLAY_PAUSE), Item(ID_PLAY_STOP), kSeparator,
    Item(ID_VIEW_HALFSIZE), Item(ID_VIEW_ORIGINALSIZE), Item(ID_VIEW_DOUBLESIZE), Item(ID_VIEW_PRESETSIZE),
    kSeparator, Item(ID_VIEW_FULLSCREEN),
};
constexpr MenuLayout kContextMenu{"Context", kContextEntries};
// clang-format on

}  // namespace

std::span<const MenuLayout> MainMenuLayout() { return kMainMenus; }

const MenuLayout& RecentMenuLayout() { return kRecentMenu; }

const MenuLayout& ContextMenuLayout() { return kContextMenu; }

}  // namespace taleno
