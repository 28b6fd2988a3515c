#pragma once
// Command ids of the main window. Every menu item, shortcut and toolbar
// button carries one of these and goes through CMainFrame::OnCommand. The
// numbers are fixed: other windows and the toolbar layout refer to them.

namespace taleno {

enum CommandId : int {
    // File
    ID_FILE_OPEN = 57601,
    ID_FILE_OPENURL = 32824,
    ID_FILE_CLOSE = 32774,
    ID_FILE_PROPERTIES = 32786,
    ID_APP_EXIT = 57665,
    // File > Recent: the ten entries, most recent first, and Clear List.
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_FILE10 = 57625,
    ID_FILE_MRU_CLEAR = 32860,

    // View
    ID_VIEW_HALFSIZE = 32836,
    ID_VIEW_ORIGINALSIZE = 32837,
    ID_VIEW_DOUBLESIZE = 32838,
    ID_VIEW_PRESETSIZE = 32839,
    ID_VIEW_FULLSCREEN = 32785,
    ID_VIEW_KEEPASPECTRATIO = 32788,
    ID_VIEW_PROGRESSBAR = 32789,
    ID_VIEW_TOOLBAR_MENU = 32818,  // the View menu's "Toolbar" item
    ID_VIEW_TOOLBAR = 59392,       // the toolbar's own toggle, sent by Ctrl+2
    ID_VIEW_STATUSBAR = 32827,
    ID_VIEW_PLAYLIST = 32803,
    ID_VIEW_LOG = 32829,
    ID_VIEW_ALWAYSONTOP = 32787,

    // Play
    ID_PLAY_PLAY = 32771,
    ID_PLAY_PAUSE = 32773,
    ID_PLAY_STOP = 32772,
    ID_PLAY_PREVIOUS = 32823,
    ID_PLAY_NEXT = 32822,
    ID_PLAY_FORWARD10SECONDS = 32790,
    ID_PLAY_REWIND10SECONDS = 32791,
    ID_PLAY_FORWARD1MINUTE = 32792,
    ID_PLAY_REWIND1MINUTE = 32793,
    ID_PLAY_FORWARD10MINUTES = 32794,
    ID_PLAY_REWIND10MINUTES = 32795,
    ID_PLAY_GOTO = 32825,
    ID_VOLUME_100 = 32797,
    ID_VOLUME_75 = 32798,
    ID_VOLUME_50 = 32799,
    ID_VOLUME_25 = 32800,
    ID_VOLUME_MUTE = 32801,
    ID_AFTERPLAYBACK_SHUTDOWN = 32833,
    ID_AFTERPLAYBACK_DONOTHING = 32834,
    ID_PLAY_REPEAT = 32796,
    // Play > Speed, and Frame Step.
    ID_PLAY_SPEED_SLOWER = 32861,
    ID_PLAY_SPEED_FASTER = 32862,
    ID_PLAY_SPEED_NORMAL = 32863,
    ID_PLAY_FRAMESTEP = 32864,
    // Play > Audio Track, Subtitles and Chapters: the fixed items (the
    // tracks and chapters themselves are listed as the menus open).
    ID_AUDIO_NEXTTRACK = 32865,
    ID_SUBTITLES_OFF = 32866,
    ID_SUBTITLES_NEXT = 32867,
    ID_CHAPTER_PREVIOUS = 32868,
    ID_CHAPTER_NEXT = 32869,
    // Play > Subtitles: loading a file and the delay.
    ID_SUBTITLES_LOAD = 32871,
    ID_SUBTITLES_EARLIER = 32872,
    ID_SUBTITLES_LATER = 32873,
    ID_SUBTITLES_DELAYRESET = 32874,
    // View > Take Screenshot.
    ID_VIEW_SCREENSHOT = 32870,

    // Options and Help
    ID_OPTIONS_PREFERENCES = 32802,
    ID_HELP_HOMEPAGE = 32828,
    ID_APP_ABOUT = 57664,

    // F1 to F8: the user's slave commands strF1CMD to strF8CMD.
    ID_USER_COMMAND_F1 = 35001,
    ID_USER_COMMAND_F8 = 35008,

    // The toolbar's volume slider and the check box under it.
    ID_VOLUME_SLIDER = 1001,
};

}  // namespace taleno
