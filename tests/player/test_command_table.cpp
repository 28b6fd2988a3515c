// The menus, the context menu, the prompts and the shortcuts as the main
// window builds them from its command table, against the program's texts.

#include "FrameFixture.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>

#include <map>
#include <set>

namespace taleno::test {
namespace {

// A menu as text: its items in order, "|" for a separator, a submenu as its
// title and its own items in brackets.
std::string Describe(const QMenu* menu) {
    std::string out;
    for (const QAction* action : menu->actions()) {
        if (!out.empty()) out += ", ";
        if (action->isSeparator()) {
            out += "|";
        } else if (action->menu() != nullptr) {
            out += action->text().toStdString() + " [" + Describe(action->menu()) + "]";
        } else {
            out += action->text().toStdString();
        }
    }
    return out;
}

TEST_F(FrameTest, MenusHoldTheCommandsInOrderWithTheirTexts) {
    MainFrameTestAccess& f = MakeFrame();
    std::vector<std::string> menus;
    for (const QMenu* menu : f.Menus()) menus.push_back(menu->title().toStdString() + " [" + Describe(menu) + "]");
    EXPECT_EQ(menus,
              (std::vector<std::string>{
                  "&File [&Open...\tCtrl+O, Open URL..., &Close, |, &Properties, |, E&xit]",
                  "&View [&Half size\tAlt+1, &Original size\tAlt+2, &Double size\tAlt+3, Pr&eset size\tAlt+4, "
                  "&Full Screen\tAlt+Enter, |, Keep aspect &ratio, |, &Progress Bar\tCtrl+1, &Toolbar\tCtrl+2, "
                  "&Status Bar\tCtrl+3, |, Play&list, Lo&g, |, &Always on Top\tCtrl+T]",
                  "&Play [&Play, P&ause\tSpace, &Stop\tPeriod, |, Previous, Next, |, Forward 10 Seconds\tCtrl+Right, "
                  "Rewind  10 Seconds\tCtrl+Left, Forward  1 Minute\tCtrl+Up, Rewind   1 Minute\tCtrl+Down, "
                  "Forward 10 Minutes\tCtrl+PgUp, Rewind  10 Minutes\tCtrl+PgDn, |, &Go To...\tCtrl+G, |, "
                  "Volume [100%, 75%, 50%, 25%, &Mute\tCtrl+M], After Playback [Shutdown, |, Do Nothing], |, &Repeat]",
                  "&Options [&Preferences]",
                  "&Help [Home Page, |, &About Taleno]",
              }));
    EXPECT_EQ(Describe(f.ContextMenu()),
              "&Play, P&ause, &Stop, |, &Half size, &Original size, &Double size, "
              "Pr&eset size, |, &Full Screen");
}

// Each command's item: its id, the text before the tab, its prompt (a
// tooltip after "\n") and whether it carries a mark.
struct Item {
    int id;
    const char* text;
    const char* prompt;
    bool marked;
};

const Item kItems[] = {
    {57601, "&Open...", "", false},
    {32824, "Open URL...", "Open URL", false},
    {32774, "&Close", "Close", false},
    {32786, "&Properties", "Clip properties", false},
    {57665, "E&xit", "", false},
    {32836, "&Half size", "Half video size", false},
    {32837, "&Original size", "Original video size", false},
    {32838, "&Double size", "Double video size", false},
    {32839, "Pr&eset size", "Preset video zoom size", false},
    {32785, "&Full Screen", "Full Screen", false},
    {32788, "Keep aspect &ratio", "Keep Aspect Ratio", true},
    {32789, "&Progress Bar", "Show or hide the Progress Bar", true},
    {32818, "&Toolbar", "Show or hide the Toolbar", true},
    {32827, "&Status Bar", "", true},
    {32803, "Play&list", "Show or hide the Playlist\nPlaylist", true},
    {32829, "Lo&g", "Show or hide the log", true},
    {32787, "&Always on Top", "Toggle Always on Top", true},
    {32771, "&Play", "Start playback\nPlay", true},
    {32773, "P&ause", "Pause\nPause", true},
    {32772, "&Stop", "Stop\nStop", false},
    {32823, "Previous", "Previous\nPrevious", false},
    {32822, "Next", "Next\nNext", false},
    {32790, "Forward 10 Seconds", "FF 10 Seconds", false},
    {32791, "Rewind  10 Seconds", "RW 10 Seconds", false},
    {32792, "Forward  1 Minute", "FF 1 Minute", false},
    {32793, "Rewind   1 Minute", "RW 1 Minute", false},
    {32794, "Forward 10 Minutes", "FF 10 Minutes", false},
    {32795, "Rewind  10 Minutes", "RW 10 Minutes", false},
    {32825, "&Go To...", "Go To", false},
    {32797, "100%", "100% Volume", false},
    {32798, "75%", "75% Volume", false},
    {32799, "50%", "50% Volume", false},
    {32800, "25%", "25% Volume", false},
    {32801, "&Mute", "Mute\nMute", false},
    {32833, "Shutdown", "", true},
    {32834, "Do Nothing", "", true},
    {32796, "&Repeat", "Repeat\nRepeat", true},
    {32802, "&Preferences", "Show Preferences Dialog", false},
    {32828, "Home Page", "", false},
    {57664, "&About Taleno", "", false},
};

TEST_F(FrameTest, EachItemCarriesItsIdPromptTooltipAndMark) {
    MainFrameTestAccess& f = MakeFrame();
    for (const Item& item : kItems) {
        const QAction* action = f.GetAction(item.id);
        ASSERT_NE(action, nullptr) << item.id;
        EXPECT_EQ(action->text().section('\t', 0, 0).toStdString(), item.text) << item.id;
        const QString prompt = QString::fromLatin1(item.prompt);
        EXPECT_EQ(action->statusTip().toStdString(), prompt.section('\n', 0, 0).toStdString()) << item.id;
        if (prompt.contains('\n')) {
            EXPECT_EQ(action->toolTip().toStdString(), prompt.section('\n', 1).toStdString()) << item.id;
        }
        EXPECT_EQ(action->isCheckable(), item.marked) << item.id;
    }
    // The two After Playback choices exclude each other.
    const QActionGroup* group = f.GetAction(32833)->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->isExclusive());
    EXPECT_EQ(f.GetAction(32834)->actionGroup(), group);
}

// The shortcut text an item shows as the key sequence Qt reads.
QKeySequence KeyOf(QString text) {
    text.replace("Period", ".").replace("PgDn", "PgDown");
    return QKeySequence::fromString(text, QKeySequence::PortableText);
}

TEST_F(FrameTest, EveryShortcutTextIsTheKeyThatSendsItsCommand) {
    MainFrameTestAccess& f = MakeFrame();
    // Which command each key sends; a key bound twice would send neither.
    std::map<QKeySequence, int> sends;
    for (const QAction* action : f.KeyActions()) {
        for (const QKeySequence& key : action->shortcuts()) {
            EXPECT_TRUE(sends.emplace(key, action->data().toInt()).second) << key.toString().toStdString();
        }
    }
    std::set<int> shown;
    for (const Item& item : kItems) {
        const QString text = f.GetAction(item.id)->text();
        if (!text.contains('\t')) continue;
        const QKeySequence key = KeyOf(text.section('\t', 1));
        // Ctrl+2 sends the toolbar's own command, which toggles the same bar.
        const int expected = item.id == ID_VIEW_TOOLBAR_MENU ? ID_VIEW_TOOLBAR : item.id;
        EXPECT_EQ(sends[key], expected) << text.toStdString();
        shown.insert(expected);
    }
    EXPECT_EQ(shown.size(), 20u);
    // The keys no item shows: F1 to F8, and Enter on the keypad with Alt.
    EXPECT_EQ(sends[QKeySequence(Qt::ALT | Qt::Key_Enter)], ID_VIEW_FULLSCREEN);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(sends[QKeySequence(Qt::Key(Qt::Key_F1 + i))], ID_USER_COMMAND_F1 + i);
    EXPECT_EQ(sends.size(), 20u + 1 + 8);
}

}  // namespace
}  // namespace taleno::test
