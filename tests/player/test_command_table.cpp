// The shortcuts as the main window builds them from its command table: every
// shortcut an item shows is the key that sends its command.

#include "FrameFixture.h"

#include <QKeySequence>
#include <QMenu>

#include <functional>
#include <map>
#include <set>

namespace taleno::test {
namespace {

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
    // The context menu holds the playing and sizing commands.
    EXPECT_EQ(f.ContextMenu()->actions().size(), 10);
}

}  // namespace
}  // namespace taleno::test
