// CMainFrame: the menus, the view's context menu and the shortcuts, built
// from the command table, and the marks of their items.

#include "player/MainFrame.h"

#include "player/CommandTable.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace taleno {

namespace {

bool IsKey(QKeyCombination key) { return key.key() != Qt::Key_unknown; }

}  // namespace

QAction* CMainFrame::MakeAction(const CommandRow& row, bool withShortcutText) {
    QString text = QString::fromLatin1(row.menuText);
    if (withShortcutText && *row.shortcutText != '\0') {
        text += QLatin1Char('\t') + QString::fromLatin1(row.shortcutText);
    }
    auto* action = new QAction(text, this);
    action->setData(row.id);
    action->setCheckable(row.mark != CommandMark::None);
    // The prompt goes to the status line; after "\n" comes the tooltip.
    const QString prompt = QString::fromLatin1(row.prompt);
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
    // Each menu sets the marks of its items before it opens.
    auto fill = [this](auto& self, QMenu* menu, const MenuLayout& layout) -> void {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        if (&layout == &RecentMenuLayout()) {
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentMenu);
            menu->setToolTipsVisible(true);  // each entry's whole path
        }
        for (const MenuEntry& entry : layout.entries) {
            if (entry.submenu != nullptr) {
                self(self, menu->addMenu(QString::fromLatin1(entry.submenu->title)), *entry.submenu);
            } else if (entry.id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(actions.at(entry.id));
            }
        }
    };
    for (const MenuLayout& layout : MainMenuLayout()) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(layout.title));
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

QAction* CMainFrame::GetAction(int id) const {
    auto found = actions.find(id);
    return found != actions.end() ? found->second : nullptr;
}

}  // namespace taleno
