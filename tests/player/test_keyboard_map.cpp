// The keyboard map in docs/accessibility.md is the command table's: every
// command with keys, its menu text and what it does, in table order. On a
// difference the test prints the map as it should stand, to be pasted
// between the document's markers.

#include "common/TestSupport.h"

#include "player/CommandIds.h"
#include "player/CommandTable.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QString>

namespace taleno::test {
namespace {

QString KeyboardMap() {
    QString map = "| Keys | Command | What it does |\n|---|---|---|\n";
    for (const CommandRow& row : CommandTable()) {
        QStringList keys;
        for (const QKeyCombination key : row.keys) {
            if (key.key() != Qt::Key_unknown) keys << QKeySequence(key).toString(QKeySequence::PortableText);
        }
        if (keys.isEmpty()) continue;
        QString text = QString::fromLatin1(row.menuText).remove('&');
        // A key whose command shows no item: the item that shows the key,
        // or for F1 to F8 the user's command.
        for (const CommandRow& shown : CommandTable()) {
            if (text.isEmpty() && keys.front() == QString::fromLatin1(shown.shortcutText)) {
                text = QString::fromLatin1(shown.menuText).remove('&');
            }
        }
        if (text.isEmpty() && row.id >= ID_USER_COMMAND_F1 && row.id <= ID_USER_COMMAND_F8) {
            text = "The user's command (Preferences, Commands)";
        }
        const QString prompt = QString::fromLatin1(row.prompt).section('\n', 0, 0);
        map += "| " + keys.join(", ") + " | " + (text.isEmpty() ? "—" : text) + " | " +
               (prompt.isEmpty() ? "—" : prompt) + " |\n";
    }
    return map;
}

TEST(KeyboardMapTest, TheDocumentsMapIsTheCommandTables) {
    const std::string document = ReadWholeFile(TALENO_TEST_TOOLS_DIR "/../docs/accessibility.md");
    const std::string begin = "<!-- keyboard map: generated -->\n", end = "<!-- end of keyboard map -->";
    const std::size_t from = document.find(begin), to = document.find(end);
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    const std::string shown = document.substr(from + begin.size(), to - from - begin.size());
    EXPECT_EQ(shown, KeyboardMap().toStdString()) << "The map as it should stand:\n" << KeyboardMap().toStdString();
}

}  // namespace
}  // namespace taleno::test
