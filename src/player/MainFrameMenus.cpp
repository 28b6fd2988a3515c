// CMainFrame: the menus, the view's context menu and the shortcuts, built
// from the command table, and the marks of their items.

#include "player/MainFrame.h"

#include "player/CommandIds.h"
#include "player/CommandTable.h"

#include "platform/DisplayText.h"
#include "settings/RecentFiles.h"
#include "shell/TrackTexts.h"
#include "system/PathUtils.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace taleno {

namespace {

bool IsKey(QKeyCombination key) { return key.key() != Qt::Key_unknown; }

// A text of the command table in the user's language (as written when
// there is no translation).
QString Translated(const char* text, const char* context = "Menu") {
    return *text == '\0' ? QString() : QCoreApplication::translate(context, text);
}

}  // namespace

QAction* CMainFrame::MakeAction(const CommandRow& row, bool withShortcutText) {
    auto* action = new QAction(Translated(row.menuText), this);
    // A toolbar button is named by the item's text without its key ("Pause",
    // not "Pause<tab>Space"): that is what a screen reader says for it.
    action->setIconText(action->iconText());
    if (withShortcutText && *row.shortcutText != '\0') {
        action->setText(action->text() + QLatin1Char('\t') + QString::fromLatin1(row.shortcutText));
    }
    action->setData(row.id);
    action->setCheckable(row.mark != CommandMark::None);
    // The prompt goes to the status line; after "\n" comes the tooltip.
    const QString prompt = Translated(row.prompt);
    const qsizetype split = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(prompt.left(split));
    if (split >= 0) {
        action->setToolTip(prompt.mid(split + 1));
    }
    const int id = row.id;
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    return action;
}

void CMainFrame::BuildActions() {
    // One action per menu item; the toolbar shows some of the same actions.
    // Radio items share one group.
    auto* radioGroup = new QActionGroup(this);
    for (const CommandRow& row : CommandTable()) {
        if (*row.menuText == '\0') {
            continue;
        }
        QAction* action = MakeAction(row, true);
        actions[row.id] = action;
        if (row.mark == CommandMark::Radio) {
            radioGroup->addAction(action);
        }
    }
}

void CMainFrame::BuildMenus() {
    QMenuBar* bar = menuBar();
    // The menu stays in the window, whatever the desktop offers: its height
    // is part of the window's size rules.
    bar->setNativeMenuBar(false);
    // Qt's button for the menus that no longer fit, named for a screen reader.
    if (auto* overflow = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"))) {
        overflow->setAccessibleName(tr("More menus"));
    }
    // Each menu sets the marks of its items before it opens.
    auto fill = [this](auto& self, QMenu* menu, const MenuLayout& layout) -> void {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        if (layout.list != MenuList::None) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu, list = layout.list] { FillMenuList(menu, list); });
        }
        if (&layout == &RecentMenuLayout()) {
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentMenu);
            menu->setToolTipsVisible(true);  // each entry's whole path
        }
        for (const MenuEntry& entry : layout.entries) {
            if (entry.submenu != nullptr) {
                self(self, menu->addMenu(Translated(entry.submenu->title, "MenuTitle")), *entry.submenu);
            } else if (entry.id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(actions.at(entry.id));
            }
        }
    };
    for (const MenuLayout& layout : MainMenuLayout()) {
        QMenu* menu = bar->addMenu(Translated(layout.title, "MenuTitle"));
        fill(fill, menu, layout);
        menus.push_back(menu);
    }

    // The view's context menu: the same commands, without shortcut texts.
    const MenuLayout& context = ContextMenuLayout();
    contextMenu = new QMenu(QString::fromLatin1(context.title), this);
    for (const MenuEntry& entry : context.entries) {
        if (entry.id == 0) {
            contextMenu->addSeparator();
            continue;
        }
        QAction* action = MakeAction(*FindCommand(entry.id), false);
        contextActions.push_back(action);
        contextMenu->addAction(action);
    }
    connect(contextMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
}

void CMainFrame::BuildShortcuts() {
    // The shortcuts live on the window itself, so they work in full screen
    // too, where the menu bar is gone.
    for (const CommandRow& row : CommandTable()) {
        QList<QKeySequence> keys;
        for (QKeyCombination key : row.keys) {
            if (IsKey(key)) {
                keys.append(QKeySequence(key));
            }
        }
        if (keys.isEmpty()) {
            continue;
        }
        auto* action = new QAction(this);
        action->setData(row.id);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const int id = row.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        addAction(action);
        keyActions.push_back(action);
    }
}

void CMainFrame::UpdateCommandUI() {
    auto update = [this](QAction* action) {
        const CommandRow* row = FindCommand(action->data().toInt());
        if (row != nullptr && row->checked != nullptr) {
            action->setChecked(row->checked(*this));
        }
    };
    for (const auto& [id, action] : actions) {
        update(action);
    }
    for (QAction* action : contextActions) {
        update(action);
    }
}

namespace {

// A name as a menu item shows it: its "&" shown, not taken for an accelerator.
QString ShownInMenu(QString name) { return name.replace(QLatin1Char('&'), QStringLiteral("&&")); }

// "&3 ger - Commentary": the number (an accelerator up to 9), then what the
// engine tells of the item; "&" in it is shown, not an accelerator.
QString ListItemText(std::size_t index, const std::string& first, const std::string& second) {
    const QString text = index < 9 ? QStringLiteral("&%1").arg(index + 1) : QString::number(index + 1);
    const QString about = ShownInMenu(TrackText(first, second));
    return about.isEmpty() ? text : text + QLatin1Char(' ') + about;
}

}  // namespace

void CMainFrame::UpdateRecentMenu() {
    const std::vector<std::string> recent = session.RecentFiles();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        QAction* action = GetAction(ID_FILE_MRU_FILE1 + i);
        const bool shown = static_cast<std::size_t>(i) < recent.size();
        action->setVisible(shown);
        if (!shown) continue;
        // Files by their name, addresses whole; "&" is shown, not an accelerator.
        const std::string& path = recent[static_cast<std::size_t>(i)];
        const QString name = ShownInMenu(DisplayText(PathIsUrl(path) ? path : PathGetFileName(path)));
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        action->setText(number + QLatin1Char(' ') + name);
        action->setToolTip(DisplayText(path));
    }
    GetAction(ID_FILE_MRU_CLEAR)->setEnabled(!recent.empty());
}

void CMainFrame::FillMenuList(QMenu* menu, MenuList list) {
    std::vector<QAction*>& items = listActions[menu];
    for (QAction* item : items) delete item;
    items.clear();
    const ClipTracks& tracks = session.Tracks();
    const bool running = session.State() == ENGINE_PLAYING || session.State() == ENGINE_PAUSED;
    // Before the fixed entries (tracks) or after them (chapters).
    QAction* before = list == MenuList::Chapters ? nullptr : menu->actions().value(0);
    const auto add = [&](const QString& text, bool current, std::function<void()> choose) {
        auto* item = new QAction(text, menu);
        item->setCheckable(true);
        item->setChecked(current);
        // A chapter is sought, which only a playing clip does.
        item->setEnabled(list == MenuList::Chapters ? session.State() == ENGINE_PLAYING : running);
        connect(item, &QAction::triggered, this, [this, choose = std::move(choose)] {
            choose();
            UpdateCommandUI();
            emit PlaybackChanged();
        });
        menu->insertAction(before, item);
        items.push_back(item);
    };
    const auto separate = [&] {
        if (!items.empty()) items.push_back(menu->insertSeparator(before));
    };
    switch (list) {
    case MenuList::AudioTracks:
        for (std::size_t i = 0; i < tracks.audio.size(); ++i) {
            const MediaTrack& t = tracks.audio[i];
            add(ListItemText(i, t.language, t.name), t.id == tracks.audioId,
                [this, id = t.id] { session.SelectAudioTrack(id); });
        }
        separate();
        break;
    case MenuList::Subtitles:
        for (std::size_t i = 0; i < tracks.subtitles.size(); ++i) {
            const MediaTrack& t = tracks.subtitles[i];
            add(ListItemText(i, t.language, t.name), t.id == tracks.subtitleId,
                [this, id = t.id] { session.SelectSubtitleTrack(id); });
        }
        for (std::size_t i = 0; i < tracks.subtitleFiles.size(); ++i) {
            const MediaTrack& t = tracks.subtitleFiles[i];
            add(ListItemText(tracks.subtitles.size() + i, PathGetFileName(session.SubtitleFileName(t.name)), ""),
                t.id == tracks.subtitleFileId, [this, id = t.id] { session.SelectSubtitleFile(id); });
        }
        separate();
        break;
    case MenuList::Chapters: {
        if (!tracks.chapters.empty()) items.push_back(menu->addSeparator());
        const int current = session.CurrentChapter();
        for (std::size_t i = 0; i < tracks.chapters.size(); ++i) {
            const MediaChapter& c = tracks.chapters[i];
            add(ListItemText(i, c.name, "") + QStringLiteral("\t") + ChapterStartText(c.startMs),
                static_cast<int>(i) == current, [this, i] { session.SeekChapter(static_cast<int>(i)); });
        }
        break;
    }
    case MenuList::None: break;
    }
}

QAction* CMainFrame::GetAction(int id) const {
    auto found = actions.find(id);
    return found != actions.end() ? found->second : nullptr;
}

}  // namespace taleno
