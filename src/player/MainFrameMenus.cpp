// CMainFrame: the menus, the shortcuts, the status-line prompts and tooltips,
// and the check marks of the items.

#include "player/MainFrame.h"

#include "player/CommandIds.h"
#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/VolumeBar.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>

namespace taleno {

namespace {

// One item of a menu: its command, its text (a shortcut text follows a tab)
// and whether it can carry a mark. id 0 is a separator.
struct MenuItem {
    int id;
    const char* text;
    bool checkable;
};

constexpr MenuItem kSeparator{0, "", false};

constexpr MenuItem kFileMenu[] = {
    {ID_FILE_OPEN, "&Open...\tCtrl+O", false},
    {ID_FILE_OPENURL, "Open URL...", false},
    {ID_FILE_CLOSE, "&Close", false},
    kSeparator,
    {ID_FILE_PROPERTIES, "&Properties", false},
    kSeparator,
    {ID_APP_EXIT, "E&xit", false},
};

constexpr MenuItem kViewMenu[] = {
    {ID_VIEW_HALFSIZE, "&Half size\tAlt+1", false},
    {ID_VIEW_ORIGINALSIZE, "&Original size\tAlt+2", false},
    {ID_VIEW_DOUBLESIZE, "&Double size\tAlt+3", false},
    {ID_VIEW_PRESETSIZE, "Pr&eset size\tAlt+4", false},
    {ID_VIEW_FULLSCREEN, "&Full Screen\tAlt+Enter", false},
    kSeparator,
    {ID_VIEW_KEEPASPECTRATIO, "Keep aspect &ratio", true},
    kSeparator,
    {ID_VIEW_PROGRESSBAR, "&Progress Bar\tCtrl+1", true},
    {ID_VIEW_TOOLBAR_MENU, "&Toolbar\tCtrl+2", true},
    {ID_VIEW_STATUSBAR, "&Status Bar\tCtrl+3", true},
    kSeparator,
    {ID_VIEW_PLAYLIST, "Play&list", true},
    {ID_VIEW_LOG, "Lo&g", true},
    kSeparator,
    {ID_VIEW_ALWAYSONTOP, "&Always on Top\tCtrl+T", true},
};

constexpr MenuItem kPlayMenu[] = {
    {ID_PLAY_PLAY, "&Play", true},
    {ID_PLAY_PAUSE, "P&ause\tSpace", true},
    {ID_PLAY_STOP, "&Stop\tPeriod", false},
    kSeparator,
    {ID_PLAY_PREVIOUS, "Previous", false},
    {ID_PLAY_NEXT, "Next", false},
    kSeparator,
    {ID_PLAY_FORWARD10SECONDS, "Forward 10 Seconds\tCtrl+Right", false},
    {ID_PLAY_REWIND10SECONDS, "Rewind  10 Seconds\tCtrl+Left", false},
    {ID_PLAY_FORWARD1MINUTE, "Forward  1 Minute\tCtrl+Up", false},
    {ID_PLAY_REWIND1MINUTE, "Rewind   1 Minute\tCtrl+Down", false},
    {ID_PLAY_FORWARD10MINUTES, "Forward 10 Minutes\tCtrl+PgUp", false},
    {ID_PLAY_REWIND10MINUTES, "Rewind  10 Minutes\tCtrl+PgDn", false},
    kSeparator,
    {ID_PLAY_GOTO, "&Go To...\tCtrl+G", false},
    kSeparator,
};

constexpr MenuItem kVolumeMenu[] = {
    {ID_VOLUME_100, "100%", false},
    {ID_VOLUME_75, "75%", false},
    {ID_VOLUME_50, "50%", false},
    {ID_VOLUME_25, "25%", false},
    {ID_VOLUME_MUTE, "&Mute\tCtrl+M", false},
};

constexpr MenuItem kAfterPlaybackMenu[] = {
    {ID_AFTERPLAYBACK_SHUTDOWN, "Shutdown", true},
    kSeparator,
    {ID_AFTERPLAYBACK_DONOTHING, "Do Nothing", true},
};

// The Play menu after its two submenus.
constexpr MenuItem kPlayMenuEnd[] = {
    kSeparator,
    {ID_PLAY_REPEAT, "&Repeat", true},
};

constexpr MenuItem kOptionsMenu[] = {
    {ID_OPTIONS_PREFERENCES, "&Preferences", false},
};

constexpr MenuItem kHelpMenu[] = {
    {ID_HELP_HOMEPAGE, "Home Page", false},
    kSeparator,
    {ID_APP_ABOUT, "&About Taleno", false},
};

constexpr MenuItem kContextMenu[] = {
    {ID_PLAY_PLAY, "&Play", true},
    {ID_PLAY_PAUSE, "P&ause", true},
    {ID_PLAY_STOP, "&Stop", false},
    kSeparator,
    {ID_VIEW_HALFSIZE, "&Half size", false},
    {ID_VIEW_ORIGINALSIZE, "&Original size", false},
    {ID_VIEW_DOUBLESIZE, "&Double size", false},
    {ID_VIEW_PRESETSIZE, "Pr&eset size", false},
    kSeparator,
    {ID_VIEW_FULLSCREEN, "&Full Screen", false},
};

// The status-line prompt of a command; after "\n" its toolbar tooltip.
struct Prompt {
    int id;
    const char* text;
};

constexpr Prompt kPrompts[] = {
    {ID_PLAY_PLAY, "Start playback\nPlay"},
    {ID_PLAY_STOP, "Stop\nStop"},
    {ID_PLAY_PAUSE, "Pause\nPause"},
    {ID_FILE_CLOSE, "Close"},
    {ID_VIEW_FULLSCREEN, "Full Screen"},
    {ID_FILE_PROPERTIES, "Clip properties"},
    {ID_VIEW_ALWAYSONTOP, "Toggle Always on Top"},
    {ID_VIEW_KEEPASPECTRATIO, "Keep Aspect Ratio"},
    {ID_VIEW_PROGRESSBAR, "Show or hide the Progress Bar"},
    {ID_PLAY_FORWARD10SECONDS, "FF 10 Seconds"},
    {ID_PLAY_REWIND10SECONDS, "RW 10 Seconds"},
    {ID_PLAY_FORWARD1MINUTE, "FF 1 Minute"},
    {ID_PLAY_REWIND1MINUTE, "RW 1 Minute"},
    {ID_PLAY_FORWARD10MINUTES, "FF 10 Minutes"},
    {ID_PLAY_REWIND10MINUTES, "RW 10 Minutes"},
    {ID_PLAY_REPEAT, "Repeat\nRepeat"},
    {ID_VOLUME_100, "100% Volume"},
    {ID_VOLUME_75, "75% Volume"},
    {ID_VOLUME_50, "50% Volume"},
    {ID_VOLUME_25, "25% Volume"},
    {ID_VOLUME_MUTE, "Mute\nMute"},
    {ID_OPTIONS_PREFERENCES, "Show Preferences Dialog"},
    {ID_VIEW_PLAYLIST, "Show or hide the Playlist\nPlaylist"},
    {ID_VIEW_TOOLBAR_MENU, "Show or hide the Toolbar"},
    {ID_PLAY_NEXT, "Next\nNext"},
    {ID_PLAY_PREVIOUS, "Previous\nPrevious"},
    {ID_FILE_OPENURL, "Open URL"},
    {ID_PLAY_GOTO, "Go To"},
    {ID_VIEW_LOG, "Show or hide the log"},
    {ID_VIEW_HALFSIZE, "Half video size"},
    {ID_VIEW_ORIGINALSIZE, "Original video size"},
    {ID_VIEW_DOUBLESIZE, "Double video size"},
    {ID_VIEW_PRESETSIZE, "Preset video zoom size"},
};

// The keys and the commands they send.
struct Shortcut {
    int id;
    std::initializer_list<QKeySequence> keys;
};

const Shortcut kShortcuts[] = {
    {ID_FILE_OPEN, {QKeySequence(Qt::CTRL | Qt::Key_O)}},
    {ID_VIEW_HALFSIZE, {QKeySequence(Qt::ALT | Qt::Key_1)}},
    {ID_VIEW_ORIGINALSIZE, {QKeySequence(Qt::ALT | Qt::Key_2)}},
    {ID_VIEW_DOUBLESIZE, {QKeySequence(Qt::ALT | Qt::Key_3)}},
    {ID_VIEW_PRESETSIZE, {QKeySequence(Qt::ALT | Qt::Key_4)}},
    {ID_VIEW_FULLSCREEN, {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)}},
    {ID_VIEW_PROGRESSBAR, {QKeySequence(Qt::CTRL | Qt::Key_1)}},
    {ID_VIEW_TOOLBAR, {QKeySequence(Qt::CTRL | Qt::Key_2)}},
    {ID_VIEW_STATUSBAR, {QKeySequence(Qt::CTRL | Qt::Key_3)}},
    {ID_VIEW_ALWAYSONTOP, {QKeySequence(Qt::CTRL | Qt::Key_T)}},
    {ID_PLAY_PAUSE, {QKeySequence(Qt::Key_Space)}},
    {ID_PLAY_STOP, {QKeySequence(Qt::Key_Period)}},
    {ID_PLAY_FORWARD10SECONDS, {QKeySequence(Qt::CTRL | Qt::Key_Right)}},
    {ID_PLAY_REWIND10SECONDS, {QKeySequence(Qt::CTRL | Qt::Key_Left)}},
    {ID_PLAY_FORWARD1MINUTE, {QKeySequence(Qt::CTRL | Qt::Key_Up)}},
    {ID_PLAY_REWIND1MINUTE, {QKeySequence(Qt::CTRL | Qt::Key_Down)}},
    {ID_PLAY_FORWARD10MINUTES, {QKeySequence(Qt::CTRL | Qt::Key_PageUp)}},
    {ID_PLAY_REWIND10MINUTES, {QKeySequence(Qt::CTRL | Qt::Key_PageDown)}},
    {ID_PLAY_GOTO, {QKeySequence(Qt::CTRL | Qt::Key_G)}},
    {ID_VOLUME_MUTE, {QKeySequence(Qt::CTRL | Qt::Key_M)}},
    {ID_USER_COMMAND_F1, {QKeySequence(Qt::Key_F1)}},
    {ID_USER_COMMAND_F1 + 1, {QKeySequence(Qt::Key_F2)}},
    {ID_USER_COMMAND_F1 + 2, {QKeySequence(Qt::Key_F3)}},
    {ID_USER_COMMAND_F1 + 3, {QKeySequence(Qt::Key_F4)}},
    {ID_USER_COMMAND_F1 + 4, {QKeySequence(Qt::Key_F5)}},
    {ID_USER_COMMAND_F1 + 5, {QKeySequence(Qt::Key_F6)}},
    {ID_USER_COMMAND_F1 + 6, {QKeySequence(Qt::Key_F7)}},
    {ID_USER_COMMAND_F1 + 7, {QKeySequence(Qt::Key_F8)}},
};

void ApplyPrompt(QAction* action, int id) {
    for (const Prompt& prompt : kPrompts) {
        if (prompt.id != id) {
            continue;
        }
        const QString text = QString::fromLatin1(prompt.text);
        const qsizetype split = text.indexOf(QLatin1Char('\n'));
        action->setStatusTip(text.left(split));
        if (split >= 0) {
            action->setToolTip(text.mid(split + 1));
        }
        return;
    }
}

}  // namespace

QAction* CMainFrame::MakeAction(int id, const QString& text, bool checkable) {
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setCheckable(checkable);
    ApplyPrompt(action, id);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    return action;
}

void CMainFrame::BuildActions() {
    // The menu items, one action per command. The toolbar shows some of
    // the same actions.
    auto addItems = [this](const MenuItem* begin, const MenuItem* end) {
        for (const MenuItem* item = begin; item != end; ++item) {
            if (item->id != 0) {
                actions[item->id] = MakeAction(item->id, QString::fromLatin1(item->text), item->checkable);
            }
        }
    };
    addItems(std::begin(kFileMenu), std::end(kFileMenu));
    addItems(std::begin(kViewMenu), std::end(kViewMenu));
    addItems(std::begin(kPlayMenu), std::end(kPlayMenu));
    addItems(std::begin(kVolumeMenu), std::end(kVolumeMenu));
    addItems(std::begin(kAfterPlaybackMenu), std::end(kAfterPlaybackMenu));
    addItems(std::begin(kPlayMenuEnd), std::end(kPlayMenuEnd));
    addItems(std::begin(kOptionsMenu), std::end(kOptionsMenu));
    addItems(std::begin(kHelpMenu), std::end(kHelpMenu));

    // The After Playback choices carry radio marks.
    auto* afterPlayback = new QActionGroup(this);
    afterPlayback->addAction(actions[ID_AFTERPLAYBACK_SHUTDOWN]);
    afterPlayback->addAction(actions[ID_AFTERPLAYBACK_DONOTHING]);
}

void CMainFrame::BuildMenus() {
    QMenuBar* bar = menuBar();
    // The menu stays in the window, whatever the desktop offers: its height
    // is part of the window's size rules.
    bar->setNativeMenuBar(false);
    // Each menu sets the marks of its items before it opens.
    auto fill = [this](QMenu* menu, const MenuItem* begin, const MenuItem* end) {
        for (const MenuItem* item = begin; item != end; ++item) {
            if (item->id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(actions[item->id]);
            }
        }
    };
    auto popup = [&](QMenu* menu, const MenuItem* begin, const MenuItem* end) {
        fill(menu, begin, end);
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        return menu;
    };
    auto topLevel = [&](const char* title, const MenuItem* begin, const MenuItem* end) {
        QMenu* menu = popup(bar->addMenu(QString::fromLatin1(title)), begin, end);
        menus.push_back(menu);
        return menu;
    };
    topLevel("&File", std::begin(kFileMenu), std::end(kFileMenu));
    topLevel("&View", std::begin(kViewMenu), std::end(kViewMenu));
    QMenu* play = topLevel("&Play", std::begin(kPlayMenu), std::end(kPlayMenu));
    popup(play->addMenu(QStringLiteral("Volume")), std::begin(kVolumeMenu), std::end(kVolumeMenu));
    popup(play->addMenu(QStringLiteral("After Playback")), std::begin(kAfterPlaybackMenu),
          std::end(kAfterPlaybackMenu));
    fill(play, std::begin(kPlayMenuEnd), std::end(kPlayMenuEnd));
    topLevel("&Options", std::begin(kOptionsMenu), std::end(kOptionsMenu));
    topLevel("&Help", std::begin(kHelpMenu), std::end(kHelpMenu));

    // The view's context menu: the same commands, without shortcut texts.
    contextMenu = new QMenu(QStringLiteral("Context"), this);
    for (const MenuItem& item : kContextMenu) {
        if (item.id == 0) {
            contextMenu->addSeparator();
        } else {
            QAction* action = MakeAction(item.id, QString::fromLatin1(item.text), item.checkable);
            contextActions.push_back(action);
            contextMenu->addAction(action);
        }
    }
    connect(contextMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
}

void CMainFrame::BuildShortcuts() {
    // The shortcuts live on the window itself, so they work in full screen
    // too, where the menu bar is gone.
    for (const Shortcut& shortcut : kShortcuts) {
        auto* action = new QAction(this);
        action->setData(shortcut.id);
        action->setShortcuts(QList<QKeySequence>(shortcut.keys));
        action->setShortcutContext(Qt::WindowShortcut);
        const int id = shortcut.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        addAction(action);
        keyActions.push_back(action);
    }
}

std::optional<bool> CMainFrame::CommandChecked(int id) const {
    const EngineState state = engine.GetState();
    switch (id) {
    case ID_PLAY_PLAY:
        return state == ENGINE_PLAYING || state == ENGINE_PAUSED;
    case ID_PLAY_PAUSE:
        return state == ENGINE_PAUSED;
    case ID_VIEW_ALWAYSONTOP:
        return alwaysOnTop;
    case ID_VIEW_KEEPASPECTRATIO:
        return keepAspectRatio;
    case ID_VIEW_PROGRESSBAR:
        return !seekBar->isHidden();
    case ID_VIEW_TOOLBAR_MENU:
        return !toolBar->isHidden();
    case ID_VIEW_STATUSBAR:
        return !statusPanel->isHidden();
    case ID_VIEW_PLAYLIST:
    case ID_VIEW_LOG:
        // Neither window exists yet, so neither is ever visible.
        return false;
    case ID_PLAY_REPEAT:
        return repeat;
    case ID_AFTERPLAYBACK_SHUTDOWN:
        return afterPlaybackAction == AFTER_PLAYBACK_SHUTDOWN;
    case ID_AFTERPLAYBACK_DONOTHING:
        return afterPlaybackAction == AFTER_PLAYBACK_NOTHING;
    default:
        return std::nullopt;
    }
}

void CMainFrame::UpdateCommandUI() {
    auto update = [this](QAction* action) {
        if (std::optional<bool> checked = CommandChecked(action->data().toInt())) {
            action->setChecked(*checked);
        }
    };
    for (const auto& [id, action] : actions) {
        update(action);
    }
    for (QAction* action : contextActions) {
        update(action);
    }
}

QAction* CMainFrame::GetAction(int id) const {
    auto found = actions.find(id);
    return found != actions.end() ? found->second : nullptr;
}

std::vector<QAction*> CMainFrame::GetActions() const {
    std::vector<QAction*> all;
    for (const auto& [id, action] : actions) {
        all.push_back(action);
    }
    all.insert(all.end(), contextActions.begin(), contextActions.end());
    all.insert(all.end(), keyActions.begin(), keyActions.end());
    return all;
}

std::vector<QMenu*> CMainFrame::GetMenus() const { return menus; }

}  // namespace taleno
