// The command table of the main window and the layout of its menus. The
// texts are the program's own and shown exactly as they stand here, or as
// the user's language has them (context "Menu" for the items and prompts,
// "MenuTitle" for the menus: the Play menu and the Play command may differ);
// shortcut texts are keys and stay as they are.

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
        {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Menu", "&Open..."), "Ctrl+O", {Ctrl(Qt::Key_O)}, kPlain, "",
         [](F& f) { f.OnOpen(); }, nullptr},
        {ID_FILE_OPENURL, QT_TRANSLATE_NOOP("Menu", "Open URL..."), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open URL"), [](F& f) { f.OnOpenUrl(); }, nullptr},
        {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Menu", "&Close"), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Close"), [](F& f) { f.OnClose(); }, nullptr},
        {ID_FILE_PROPERTIES, QT_TRANSLATE_NOOP("Menu", "&Properties"), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Clip properties"), [](F& f) { f.OnProperties(); },
         nullptr},
        {ID_APP_EXIT, QT_TRANSLATE_NOOP("Menu", "E&xit"), "", {}, kPlain, "", [](F& f) { f.close(); }, nullptr},
        // File > Recent: each entry's text is the file it opens, set as the
        // menu opens (UpdateRecentMenu).
        {ID_FILE_MRU_FILE1, "1", "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open this file again"), [](F& f) { f.OnRecentFile(0); }, nullptr},
        {ID_FILE_MRU_FILE1 + 1, "2", "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open this file again"), [](F& f) { f.OnRecentFile(1); }, nullptr},
        {ID_FILE_MRU_FILE1 + 2, "3", "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open this file again"), [](F& f) { f.OnRecentFile(2); }, nullptr},
        {ID_FILE_MRU_FILE1 + 3, "4", "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open this file again"), [](F& f) { f.OnRecentFile(3); }, nullptr},
        {ID_FILE_MRU_FILE1 + 4, "5", "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open this file again"), [](F& f) { f.OnRecentFile(4); }, nullptr},
        {ID_FILE_MRU_FILE1 + 5, "6", "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open this file again"), [](F& f) { f.OnRecentFile(5); }, nullptr},
        {ID_FILE_MRU_FILE1 + 6, "7", "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open this file again"), [](F& f) { f.OnRecentFile(6); }, nullptr},
        {ID_FILE_MRU_FILE1 + 7, "8", "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open this file again"), [](F& f) { f.OnRecentFile(7); }, nullptr},
        {ID_FILE_MRU_FILE1 + 8, "9", "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open this file again"), [](F& f) { f.OnRecentFile(8); }, nullptr},
        {ID_FILE_MRU_FILE10, "10", "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Open this file again"), [](F& f) { f.OnRecentFile(9); }, nullptr},
        {ID_FILE_MRU_CLEAR, QT_TRANSLATE_NOOP("Menu", "&Clear List"), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Empty the list of recent files"),
         [](F& f) { f.session.ClearRecentFiles(); }, nullptr},

        // View
        {ID_VIEW_HALFSIZE, QT_TRANSLATE_NOOP("Menu", "&Half size"), "Alt+1", {Alt(Qt::Key_1)}, kPlain, QT_TRANSLATE_NOOP("Menu", "Half video size"),
         [](F& f) { f.SetZoom(ZOOM_HALF); }, nullptr},
        {ID_VIEW_ORIGINALSIZE, QT_TRANSLATE_NOOP("Menu", "&Original size"), "Alt+2", {Alt(Qt::Key_2)}, kPlain, QT_TRANSLATE_NOOP("Menu", "Original video size"),
         [](F& f) { f.SetZoom(ZOOM_ORIGINAL); }, nullptr},
        {ID_VIEW_DOUBLESIZE, QT_TRANSLATE_NOOP("Menu", "&Double size"), "Alt+3", {Alt(Qt::Key_3)}, kPlain, QT_TRANSLATE_NOOP("Menu", "Double video size"),
         [](F& f) { f.SetZoom(ZOOM_DOUBLE); }, nullptr},
        {ID_VIEW_PRESETSIZE, QT_TRANSLATE_NOOP("Menu", "Pr&eset size"), "Alt+4", {Alt(Qt::Key_4)}, kPlain, QT_TRANSLATE_NOOP("Menu", "Preset video zoom size"),
         [](F& f) { f.SetZoom(ZOOM_PRESET); }, nullptr},
        // Return on the main keys, Enter on the keypad.
        {ID_VIEW_FULLSCREEN, QT_TRANSLATE_NOOP("Menu", "&Full Screen"), "Alt+Enter", {Alt(Qt::Key_Return), Alt(Qt::Key_Enter)}, kPlain,
         QT_TRANSLATE_NOOP("Menu", "Full Screen"), [](F& f) { f.ToggleFullScreen(); }, nullptr},
        {ID_VIEW_KEEPASPECTRATIO, QT_TRANSLATE_NOOP("Menu", "Keep aspect &ratio"), "", {}, kCheck, QT_TRANSLATE_NOOP("Menu", "Keep Aspect Ratio"),
         [](F& f) { f.ToggleKeepAspectRatio(); }, [](const F& f) { return f.keepAspectRatio; }},
        {ID_VIEW_PROGRESSBAR, QT_TRANSLATE_NOOP("Menu", "&Progress Bar"), "Ctrl+1", {Ctrl(Qt::Key_1)}, kCheck,
         QT_TRANSLATE_NOOP("Menu", "Show or hide the Progress Bar"), [](F& f) { f.OnToggleBar(f.seekBar); },
         [](const F& f) { return !f.seekBar->isHidden(); }},
        // The menu item shows Ctrl+2, but the key sends the toolbar's own
        // command below, which toggles the same bar.
        {ID_VIEW_TOOLBAR_MENU, QT_TRANSLATE_NOOP("Menu", "&Toolbar"), "Ctrl+2", {}, kCheck, QT_TRANSLATE_NOOP("Menu", "Show or hide the Toolbar"),
         [](F& f) { f.OnToggleBar(f.toolBar); }, [](const F& f) { return !f.toolBar->isHidden(); }},
        {ID_VIEW_TOOLBAR, "", "", {Ctrl(Qt::Key_2)}, kPlain, "", [](F& f) { f.OnToggleBar(f.toolBar); }, nullptr},
        {ID_VIEW_STATUSBAR, QT_TRANSLATE_NOOP("Menu", "&Status Bar"), "Ctrl+3", {Ctrl(Qt::Key_3)}, kCheck, "",
         [](F& f) { f.OnToggleBar(f.statusPanel); }, [](const F& f) { return !f.statusPanel->isHidden(); }},
        {ID_VIEW_PLAYLIST, QT_TRANSLATE_NOOP("Menu", "Play&list"), "", {}, kCheck, QT_TRANSLATE_NOOP("Menu", "Show or hide the Playlist\nPlaylist"),
         [](F& f) { f.OnTogglePlaylist(); },
         [](const F& f) { return f.playlistDlg != nullptr && f.playlistDlg->isVisible(); }},
        {ID_VIEW_LOG, QT_TRANSLATE_NOOP("Menu", "Lo&g"), "", {}, kCheck, QT_TRANSLATE_NOOP("Menu", "Show or hide the log"), [](F& f) { f.OnToggleWindow(f.logDlg); },
         [](const F& f) { return f.logDlg != nullptr && f.logDlg->isVisible(); }},
        {ID_VIEW_ALWAYSONTOP, QT_TRANSLATE_NOOP("Menu", "&Always on Top"), "Ctrl+T", {Ctrl(Qt::Key_T)}, kCheck, QT_TRANSLATE_NOOP("Menu", "Toggle Always on Top"),
         [](F& f) { f.ToggleAlwaysOnTop(); }, [](const F& f) { return f.alwaysOnTop; }},

        {ID_VIEW_SCREENSHOT, QT_TRANSLATE_NOOP("Menu", "Take Scree&nshot"), "S", {Qt::Key_S}, kPlain,
         QT_TRANSLATE_NOOP("Menu", "Save the picture shown in the Taleno folder of your pictures"), [](F& f) { f.session.TakeScreenshot(); },
         nullptr},

        // Play
        {ID_PLAY_PLAY, QT_TRANSLATE_NOOP("Menu", "&Play"), "", {}, kCheck, QT_TRANSLATE_NOOP("Menu", "Start playback\nPlay"), [](F& f) { f.OnPlay(); },
         [](const F& f) {
             const EngineState state = f.session.State();
             return state == ENGINE_PLAYING || state == ENGINE_PAUSED;
         }},
        {ID_PLAY_PAUSE, QT_TRANSLATE_NOOP("Menu", "P&ause"), "Space", {Qt::Key_Space}, kCheck, QT_TRANSLATE_NOOP("Menu", "Pause\nPause"), [](F& f) { f.TogglePause(); },
         [](const F& f) { return f.session.State() == ENGINE_PAUSED; }},
        {ID_PLAY_STOP, QT_TRANSLATE_NOOP("Menu", "&Stop"), "Period", {Qt::Key_Period}, kPlain, QT_TRANSLATE_NOOP("Menu", "Stop\nStop"), [](F& f) { f.OnStop(); },
         nullptr},
        {ID_PLAY_PREVIOUS, QT_TRANSLATE_NOOP("Menu", "Previous"), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Previous\nPrevious"),
         [](F& f) { f.session.Previous(); }, nullptr},
        {ID_PLAY_NEXT, QT_TRANSLATE_NOOP("Menu", "Next"), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Next\nNext"), [](F& f) { f.session.Next(); }, nullptr},
        {ID_PLAY_FORWARD10SECONDS, QT_TRANSLATE_NOOP("Menu", "Forward 10 Seconds"), "Ctrl+Right", {Ctrl(Qt::Key_Right)}, kPlain,
         QT_TRANSLATE_NOOP("Menu", "FF 10 Seconds"), [](F& f) { f.OnSeekStep(10); }, nullptr},
        {ID_PLAY_REWIND10SECONDS, QT_TRANSLATE_NOOP("Menu", "Rewind  10 Seconds"), "Ctrl+Left", {Ctrl(Qt::Key_Left)}, kPlain,
         QT_TRANSLATE_NOOP("Menu", "RW 10 Seconds"), [](F& f) { f.OnSeekStep(-10); }, nullptr},
        {ID_PLAY_FORWARD1MINUTE, QT_TRANSLATE_NOOP("Menu", "Forward  1 Minute"), "Ctrl+Up", {Ctrl(Qt::Key_Up)}, kPlain, QT_TRANSLATE_NOOP("Menu", "FF 1 Minute"),
         [](F& f) { f.OnSeekStep(60); }, nullptr},
        {ID_PLAY_REWIND1MINUTE, QT_TRANSLATE_NOOP("Menu", "Rewind   1 Minute"), "Ctrl+Down", {Ctrl(Qt::Key_Down)}, kPlain, QT_TRANSLATE_NOOP("Menu", "RW 1 Minute"),
         [](F& f) { f.OnSeekStep(-60); }, nullptr},
        {ID_PLAY_FORWARD10MINUTES, QT_TRANSLATE_NOOP("Menu", "Forward 10 Minutes"), "Ctrl+PgUp", {Ctrl(Qt::Key_PageUp)}, kPlain,
         QT_TRANSLATE_NOOP("Menu", "FF 10 Minutes"), [](F& f) { f.OnSeekStep(600); }, nullptr},
        {ID_PLAY_REWIND10MINUTES, QT_TRANSLATE_NOOP("Menu", "Rewind  10 Minutes"), "Ctrl+PgDn", {Ctrl(Qt::Key_PageDown)}, kPlain,
         QT_TRANSLATE_NOOP("Menu", "RW 10 Minutes"), [](F& f) { f.OnSeekStep(-600); }, nullptr},
        {ID_PLAY_GOTO, QT_TRANSLATE_NOOP("Menu", "&Go To..."), "Ctrl+G", {Ctrl(Qt::Key_G)}, kPlain, QT_TRANSLATE_NOOP("Menu", "Go To"), [](F& f) { f.OnGoTo(); }, nullptr},
        {ID_VOLUME_100, QT_TRANSLATE_NOOP("Menu", "100%"), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "100% Volume"), [](F& f) { f.SetVolume(100); }, nullptr},
        {ID_VOLUME_75, QT_TRANSLATE_NOOP("Menu", "75%"), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "75% Volume"), [](F& f) { f.SetVolume(75); }, nullptr},
        {ID_VOLUME_50, QT_TRANSLATE_NOOP("Menu", "50%"), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "50% Volume"), [](F& f) { f.SetVolume(50); }, nullptr},
        {ID_VOLUME_25, QT_TRANSLATE_NOOP("Menu", "25%"), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "25% Volume"), [](F& f) { f.SetVolume(25); }, nullptr},
        {ID_VOLUME_MUTE, QT_TRANSLATE_NOOP("Menu", "&Mute"), "Ctrl+M", {Ctrl(Qt::Key_M)}, kPlain, QT_TRANSLATE_NOOP("Menu", "Mute\nMute"), [](F& f) { f.session.Mute(); },
         nullptr},
        {ID_AFTERPLAYBACK_SHUTDOWN, QT_TRANSLATE_NOOP("Menu", "Shutdown"), "", {}, kRadio, "",
         [](F& f) { f.session.SetAfterPlayback(S::AFTER_PLAYBACK_SHUTDOWN); },
         [](const F& f) { return f.session.AfterPlaybackAction() == S::AFTER_PLAYBACK_SHUTDOWN; }},
        {ID_AFTERPLAYBACK_DONOTHING, QT_TRANSLATE_NOOP("Menu", "Do Nothing"), "", {}, kRadio, "",
         [](F& f) { f.session.SetAfterPlayback(S::AFTER_PLAYBACK_NOTHING); },
         [](const F& f) { return f.session.AfterPlaybackAction() == S::AFTER_PLAYBACK_NOTHING; }},
        {ID_PLAY_REPEAT, QT_TRANSLATE_NOOP("Menu", "&Repeat"), "", {}, kCheck, QT_TRANSLATE_NOOP("Menu", "Repeat\nRepeat"), [](F& f) { f.session.SetRepeat(!f.session.Repeat()); },
         [](const F& f) { return f.session.Repeat(); }},

        {ID_PLAY_SPEED_SLOWER, QT_TRANSLATE_NOOP("Menu", "&Slower"), "[", {Qt::Key_BracketLeft}, kPlain, QT_TRANSLATE_NOOP("Menu", "Play slower, keeping the pitch"),
         [](F& f) { f.OnSpeed(-1); }, nullptr},
        {ID_PLAY_SPEED_FASTER, QT_TRANSLATE_NOOP("Menu", "&Faster"), "]", {Qt::Key_BracketRight}, kPlain, QT_TRANSLATE_NOOP("Menu", "Play faster, keeping the pitch"),
         [](F& f) { f.OnSpeed(1); }, nullptr},
        {ID_PLAY_SPEED_NORMAL, QT_TRANSLATE_NOOP("Menu", "&Normal Speed"), "Backspace", {Qt::Key_Backspace}, kPlain, QT_TRANSLATE_NOOP("Menu", "Play at normal speed"),
         [](F& f) { f.OnSpeed(0); }, nullptr},
        {ID_PLAY_FRAMESTEP, QT_TRANSLATE_NOOP("Menu", "&Frame Step"), "E", {Qt::Key_E}, kPlain, QT_TRANSLATE_NOOP("Menu", "Pause, or show the next frame while paused"),
         [](F& f) { f.OnFrameStep(); }, nullptr},

        {ID_AUDIO_NEXTTRACK, QT_TRANSLATE_NOOP("Menu", "&Next Audio Track"), "B", {Qt::Key_B}, kPlain, QT_TRANSLATE_NOOP("Menu", "Play the clip's next audio track"),
         [](F& f) { f.session.NextAudioTrack(); }, nullptr},
        {ID_SUBTITLES_OFF, QT_TRANSLATE_NOOP("Menu", "&Off"), "", {}, kCheck, QT_TRANSLATE_NOOP("Menu", "Show no subtitles"), [](F& f) { f.session.SubtitlesOff(); },
         [](const F& f) { return f.session.Tracks().subtitleId < 0 && f.session.Tracks().subtitleFileId < 0; }},
        {ID_SUBTITLES_NEXT, QT_TRANSLATE_NOOP("Menu", "&Next Subtitles"), "V", {Qt::Key_V}, kPlain,
         QT_TRANSLATE_NOOP("Menu", "Show the next subtitles, or none after the last"), [](F& f) { f.session.NextSubtitles(); }, nullptr},
        {ID_SUBTITLES_LOAD, QT_TRANSLATE_NOOP("Menu", "&Load Subtitles..."), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Load a subtitle file into the clip playing"),
         [](F& f) {
             if (const std::string path = f.subtitleFileDialog(&f); !path.empty()) f.session.LoadSubtitles(path);
         },
         nullptr},
        {ID_SUBTITLES_EARLIER, QT_TRANSLATE_NOOP("Menu", "Subtitles &Earlier"), "Z", {Qt::Key_Z}, kPlain, QT_TRANSLATE_NOOP("Menu", "Show the subtitles 100 ms earlier"),
         [](F& f) { f.OnSubtitleDelay(-F::kSubtitleDelayStepMs); }, nullptr},
        {ID_SUBTITLES_LATER, QT_TRANSLATE_NOOP("Menu", "Subtitles La&ter"), "X", {Qt::Key_X}, kPlain, QT_TRANSLATE_NOOP("Menu", "Show the subtitles 100 ms later"),
         [](F& f) { f.OnSubtitleDelay(F::kSubtitleDelayStepMs); }, nullptr},
        {ID_SUBTITLES_DELAYRESET, QT_TRANSLATE_NOOP("Menu", "&Reset Subtitle Delay"), "Shift+Z", {Qt::SHIFT | Qt::Key_Z}, kPlain,
         QT_TRANSLATE_NOOP("Menu", "Show the subtitles at their own times"), [](F& f) { f.OnSubtitleDelay(0); }, nullptr},
        {ID_CHAPTER_PREVIOUS, QT_TRANSLATE_NOOP("Menu", "&Previous Chapter"), "PgUp", {Qt::Key_PageUp}, kPlain,
         QT_TRANSLATE_NOOP("Menu", "To the start of this chapter, or of the one before"), [](F& f) { f.session.PreviousChapter(); }, nullptr},
        {ID_CHAPTER_NEXT, QT_TRANSLATE_NOOP("Menu", "&Next Chapter"), "PgDn", {Qt::Key_PageDown}, kPlain, QT_TRANSLATE_NOOP("Menu", "To the start of the next chapter"),
         [](F& f) { f.session.NextChapter(); }, nullptr},

        // Options and Help
        {ID_OPTIONS_PREFERENCES, QT_TRANSLATE_NOOP("Menu", "&Preferences"), "", {}, kPlain, QT_TRANSLATE_NOOP("Menu", "Show Preferences Dialog"),
         [](F& f) { f.OnPreferences(); }, nullptr},
        {ID_HELP_HOMEPAGE, QT_TRANSLATE_NOOP("Menu", "Home Page"), "", {}, kPlain, "", [](F& f) { f.urlOpener(F::HomePageUrl()); },
         nullptr},
        {ID_APP_ABOUT, QT_TRANSLATE_NOOP("Menu", "&About Taleno"), "", {}, kPlain, "", [](F& f) { f.OnAbout(); }, nullptr},

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
constexpr MenuLayout kRecentMenu{QT_TRANSLATE_NOOP("MenuTitle", "&Recent"), kRecentEntries};

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
constexpr MenuLayout kVolumeMenu{QT_TRANSLATE_NOOP("MenuTitle", "Volume"), kVolumeEntries};

constexpr MenuEntry kAfterPlaybackEntries[] = {
    Item(ID_AFTERPLAYBACK_SHUTDOWN), kSeparator, Item(ID_AFTERPLAYBACK_DONOTHING),
};
constexpr MenuLayout kAfterPlaybackMenu{QT_TRANSLATE_NOOP("MenuTitle", "After Playback"), kAfterPlaybackEntries};

constexpr MenuEntry kSpeedEntries[] = {
    Item(ID_PLAY_SPEED_SLOWER), Item(ID_PLAY_SPEED_FASTER), Item(ID_PLAY_SPEED_NORMAL),
};
constexpr MenuLayout kSpeedMenu{QT_TRANSLATE_NOOP("MenuTitle", "Spee&d"), kSpeedEntries};

constexpr MenuEntry kAudioTrackEntries[] = {Item(ID_AUDIO_NEXTTRACK)};
constexpr MenuLayout kAudioTrackMenu{QT_TRANSLATE_NOOP("MenuTitle", "Audio &Track"), kAudioTrackEntries, MenuList::AudioTracks};

constexpr MenuEntry kSubtitlesEntries[] = {
    Item(ID_SUBTITLES_OFF), Item(ID_SUBTITLES_NEXT), kSeparator, Item(ID_SUBTITLES_LOAD), kSeparator,
    Item(ID_SUBTITLES_EARLIER), Item(ID_SUBTITLES_LATER), Item(ID_SUBTITLES_DELAYRESET),
};
constexpr MenuLayout kSubtitlesMenu{QT_TRANSLATE_NOOP("MenuTitle", "S&ubtitles"), kSubtitlesEntries, MenuList::Subtitles};

constexpr MenuEntry kChaptersEntries[] = {Item(ID_CHAPTER_PREVIOUS), Item(ID_CHAPTER_NEXT)};
constexpr MenuLayout kChaptersMenu{QT_TRANSLATE_NOOP("MenuTitle", "&Chapters"), kChaptersEntries, MenuList::Chapters};

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
    {QT_TRANSLATE_NOOP("MenuTitle", "&File"), kFileEntries}, {QT_TRANSLATE_NOOP("MenuTitle", "&View"), kViewEntries}, {QT_TRANSLATE_NOOP("MenuTitle", "&Play"), kPlayEntries},
    {QT_TRANSLATE_NOOP("MenuTitle", "&Options"), kOptionsEntries}, {QT_TRANSLATE_NOOP("MenuTitle", "&Help"), kHelpEntries},
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
