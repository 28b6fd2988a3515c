#pragma once
// The main window's commands as one table, and its menus as lists of them.
//
// A row holds everything about one command: its id (CommandIds.h), the text
// of its menu item, the shortcut text the main menu shows after a tab, the
// keys that send it, the mark its item carries and when, the status-line
// prompt with the toolbar tooltip after "\n", and what it does. The menus,
// the view's context menu, the shortcuts, the toolbar tips and the command
// dispatch of CMainFrame are all built from these rows; a command that gains
// behaviour gains it here.

#include <QKeyCombination>

#include <span>

namespace taleno {

class CMainFrame;

enum class CommandMark { None, Check, Radio };

struct CommandRow {
    int id;
    const char* menuText;      // "" when no menu item shows the command
    const char* shortcutText;  // "" when the item shows none
    QKeyCombination keys[2];   // the keys that send it; unused places empty
    CommandMark mark;
    const char* prompt;  // "prompt" or "prompt\ntooltip"; "" for none
    // What the command does; nullptr while it has no behaviour.
    void (*run)(CMainFrame& frame);
    // Whether its item is marked now; nullptr for items without a mark.
    bool (*checked)(const CMainFrame& frame);
};

// One entry of a menu: a command (id), a separator (id 0, no submenu) or a
// submenu.
struct MenuLayout;
struct MenuEntry {
    int id;
    const MenuLayout* submenu;
};

// What a menu lists besides its fixed entries, filled in as it opens: the
// clip's audio tracks and subtitles (before the entries) or its chapters
// (after them).
enum class MenuList { None, AudioTracks, Subtitles, Chapters };

struct MenuLayout {
    const char* title;
    std::span<const MenuEntry> entries;
    MenuList list = MenuList::None;
};

// Every command of the main window, in the order of the menus.
std::span<const CommandRow> CommandTable();
// The row of a command id, or nullptr.
const CommandRow* FindCommand(int id);

// The menu bar's popups, left to right.
std::span<const MenuLayout> MainMenuLayout();
// The view's context menu: the same commands, without shortcut texts.
const MenuLayout& ContextMenuLayout();
// File > Recent, whose entries change as it opens.
const MenuLayout& RecentMenuLayout();

}  // namespace taleno
