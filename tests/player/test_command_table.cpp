// The menus, the context menu and the shortcuts as the main window builds
// them from its command table, against the program's texts.

#include "FrameFixture.h"

#include <QKeySequence>
#include <QMenu>

#include <functional>
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
    const std::function<void(const QMenu*)> check = [&](const QMenu* menu) {
        for (const QAction* action : menu->actions()) {
            if (action->menu() != nullptr) check(action->menu());
            const QString text = action->text();
            if (!text.contains('\t')) continue;
            const int id = action->data().toInt();
            // Ctrl+2 sends the toolbar's own command, which toggles the same bar.
            const int expected = id == ID_VIEW_TOOLBAR_MENU ? ID_VIEW_TOOLBAR : id;
            EXPECT_EQ(sends[KeyOf(text.section('\t', 1))], expected) << text.toStdString();
            shown.insert(expected);
        }
    };
    for (const QMenu* menu : f.Menus()) check(menu);
    EXPECT_EQ(shown.size(), 20u);
    // The keys no item shows: F1 to F8, and Enter on the keypad with Alt.
    EXPECT_EQ(sends[QKeySequence(Qt::ALT | Qt::Key_Enter)], ID_VIEW_FULLSCREEN);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(sends[QKeySequence(Qt::Key(Qt::Key_F1 + i))], ID_USER_COMMAND_F1 + i);
    EXPECT_EQ(sends.size(), 20u + 1 + 8);
}

}  // namespace
}  // namespace taleno::test
