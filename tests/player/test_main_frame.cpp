// The main window without playback: marks, start-up settings, the close
// sequence, preferences, the desktop seams, and the shortcuts as it builds
// them from its command table (every shortcut an item shows is the key
// that sends its command).

#include "FrameFixture.h"
#include "common/TestSupport.h"

#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/VolumeToolBar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <filesystem>

namespace taleno::test {
namespace {

TEST_F(FrameTest, StartsFromTheSettingsMarksTheTogglesAndSavesWithinTheRanges) {
    MainFrameTestAccess& f = MakeFrame("bShowToolbar=false\nbShowPlaylist=true\nnVolume=250\nnSubtitleCodePage=25\n");
    f->show();  // the playlist window is shown with the window
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.UpdateCommandUI(), f.GetAction(ID_VIEW_PLAYLIST)->isChecked(); }, 3000));
    EXPECT_EQ(f->windowTitle(), "Taleno");
    EXPECT_EQ(f.Panel().StatusText(), "Ready");
    EXPECT_TRUE(f.GetToolBar()->isHidden());
    // A volume outside 0..100 plays at 100, and the slider shows that, not 0.
    EXPECT_EQ(f.GetSession().Volume(), 100);
    EXPECT_EQ(f.GetToolBar()->GetVolumePosition(), 100);
    EXPECT_GE(f->height(), f.VerticalOverhead());  // at least as high as its menu and bars

    const auto marks = [&] {
        f.UpdateCommandUI();
        std::vector<bool> checked;
        for (int id : {ID_PLAY_REPEAT, ID_AFTERPLAYBACK_DONOTHING, ID_AFTERPLAYBACK_SHUTDOWN, ID_VIEW_KEEPASPECTRATIO})
            checked.push_back(f.GetAction(id)->isChecked());
        return checked;
    };
    EXPECT_EQ(marks(), (std::vector<bool>{false, true, false, true}));
    for (int id : {ID_PLAY_REPEAT, ID_AFTERPLAYBACK_SHUTDOWN, ID_VIEW_KEEPASPECTRATIO}) f.OnCommand(id);
    EXPECT_EQ(marks(), (std::vector<bool>{true, false, true, false}));
    // Ctrl+2's own command and the menu item toggle the same bar.
    f.OnCommand(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(f.GetToolBar()->isHidden());
    f.OnCommand(ID_VIEW_TOOLBAR_MENU);
    EXPECT_TRUE(f.GetToolBar()->isHidden());
    f.OnCommand(ID_VIEW_PROGRESSBAR);
    EXPECT_TRUE(f.GetSeekBar()->isHidden());

    // A save writes the values as loaded, within their ranges; one that
    // fails says so.
    ASSERT_TRUE(f.SaveSettings());
    EXPECT_NE(ReadWholeFile(folder.File("Taleno .ini")).find("nSubtitleCodePage=0"), std::string::npos);
    EXPECT_TRUE(boxes.isEmpty());
    std::filesystem::remove(folder.File("Taleno .ini"));
    std::filesystem::create_directory(folder.File("Taleno .ini"));
    EXPECT_FALSE(f.SaveSettings());
    EXPECT_EQ(boxes, QStringList({"Failed to Save Settings!"}));
    f.OnCommand(ID_HELP_HOMEPAGE);
    EXPECT_EQ(urls, QStringList({MainFrameTestAccess::HomePageUrl().toString()}));
}

TEST_F(FrameTest, MissingFilesAreToldAndCloseWritesTheVolumeOnlyWhenItMoved) {
    MakeFrame("", "/nonexistent/mplayer");
    access->OpenPath(folder.File("missing.m3u"));
    EXPECT_EQ(boxes, QStringList({"unable to open file"}));
    access->OpenPath(folder.File("a.avi"));
    EXPECT_TRUE(WaitForStatus("Engine not found!"));
    EXPECT_EQ(access->GetSession().Clip(), folder.File("a.avi"));  // kept for when the engine is there
    statuses.clear();
    frame->close();
    EXPECT_EQ(statuses, QStringList({"Quitting...", "Stopped"}));
    EXPECT_EQ(ReadWholeFile(folder.File("Taleno .ini")).find("nVolume"), std::string::npos);
    DestroyFrame();

    MakeFrame();
    access->OnCommand(ID_VOLUME_25);
    frame->close();
    EXPECT_NE(ReadWholeFile(folder.File("Taleno .ini")).find("nVolume=25"), std::string::npos);
}

TEST_F(FrameTest, PreferencesTakeEffectOnOkAndCancelChangesNothing) {
    MainFrameTestAccess& f = MakeFrame("nVideoHue=150\n");
    const std::string ini = folder.File("Taleno .ini");
    const std::string before = ReadWholeFile(ini);
    SettingsRecord shown;
    bool confirm = false;
    f->SetPreferencesSheet([&](SettingsRecord& record, QWidget*) {
        shown = record;
        record.nVideoHue = 20;
        record.strMPlayerUserConfig = "-nocache";
        return confirm;
    });
    f.OnCommand(ID_OPTIONS_PREFERENCES);
    EXPECT_EQ(shown.nVideoHue, 0);  // as loaded, within its range
    EXPECT_EQ(ReadWholeFile(ini), before);
    confirm = true;
    f.OnCommand(ID_OPTIONS_PREFERENCES);
    EXPECT_NE(ReadWholeFile(ini).find("nVideoHue=20"), std::string::npos);
    // The next engine start carries them.
    PlayUntilPlaying(PlayingScript("clip.standin"));
    // (the decoder's threads come between the picture and the user's own options)
    EXPECT_NE(f.EngineArgumentLine().find("-hue 20 -lavdopts threads="), std::string::npos);
    EXPECT_NE(f.EngineArgumentLine().find(" -nocache "), std::string::npos);
}

// File > Recent as a user opens it; its entries as shown.
QStringList RecentEntries(MainFrameTestAccess& f) {
    QMenu* recent = nullptr;
    for (QAction* action : f.Menus().front()->actions()) {
        if (action->text() == "&Recent") recent = action->menu();
    }
    EXPECT_NE(recent, nullptr);
    emit recent->aboutToShow();
    QStringList shown;
    for (const QAction* action : recent->actions()) {
        if (action->isVisible() && !action->isSeparator()) shown << action->text();
    }
    return shown;
}

TEST_F(FrameTest, RecentFilesKeepTheTenLastOpenedWholeInASectionOfTheirOwn) {
    MainFrameTestAccess& f = MakeFrame("", "/nonexistent/mplayer");
    const std::string ini = folder.File("Taleno .ini");
    WriteWholeFile(ini, ReadWholeFile(ini) + "[Other]\nkept=1\n");
    // Names the INI format cannot hold as they are, and one longer than a
    // profile string may be: each comes back byte for byte.
    const std::string deep = folder.Path() + "/" + std::string(120, 'd') + "/" + std::string(120, 'e');
    std::filesystem::create_directories(deep);
    std::vector<std::string> dropped{folder.File("%odd=name.avi "), folder.File("line\nbreak.avi"),
                                     folder.File("caf\xE9 & co.avi"), deep + "/long.avi"};
    for (int i = 0; i < 8; ++i) dropped.push_back(folder.File("clip" + std::to_string(i) + ".avi"));
    for (const std::string& path : dropped) WriteWholeFile(path, "");
    f.OnDropFiles(dropped);
    const std::vector<std::string> ten(dropped.begin(), dropped.begin() + 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.GetSession().RecentFiles() == ten; }, 3000));
    // Opened again: on top, not twice; an address as it is.
    f.OpenPath(dropped[2]);
    f.OpenPath("http://127.0.0.1/a&b");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.GetSession().RecentFiles().front() == "http://127.0.0.1/a&b"; }, 3000));
    const std::vector<std::string> recent = f.GetSession().RecentFiles();
    EXPECT_EQ(std::vector<std::string>(recent.begin(), recent.begin() + 4),
              std::vector<std::string>({"http://127.0.0.1/a&b", dropped[2], dropped[0], dropped[1]}));
    EXPECT_EQ(recent.size(), 10u);
    const QStringList shown = RecentEntries(f);
    ASSERT_EQ(shown.size(), 10 + 1);
    EXPECT_EQ(shown[0], "&1 http://127.0.0.1/a&&b");
    EXPECT_EQ(shown[1], QString::fromLatin1("&2 caf\xE9 && co.avi"));
    EXPECT_EQ(shown[3], QString::fromUtf8("&4 line\u240Abreak.avi"));
    EXPECT_EQ(shown[9], "1&0 clip4.avi");
    EXPECT_EQ(shown[10], "&Clear List");

    // A file that has gone: told, taken off, nothing opened.
    std::filesystem::remove(dropped[0]);
    statuses.clear();
    f.GetAction(ID_FILE_MRU_FILE1 + 2)->trigger();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains("no longer there"));
    EXPECT_EQ(f.GetSession().RecentFiles().size(), 9u);
    EXPECT_TRUE(statuses.isEmpty());
    // One still there opens again.
    f.GetAction(ID_FILE_MRU_FILE1 + 1)->trigger();
    EXPECT_TRUE(WaitForStatus("Engine not found!"));
    EXPECT_EQ(f.GetSession().Clip(), dropped[2]);

    f.GetAction(ID_FILE_MRU_CLEAR)->trigger();
    EXPECT_TRUE(f.GetSession().RecentFiles().empty());
    EXPECT_EQ(RecentEntries(f), QStringList({"&Clear List"}));
    EXPECT_FALSE(f.GetAction(ID_FILE_MRU_CLEAR)->isEnabled());
    // The other sections are as they were.
    const std::string after = ReadWholeFile(ini);
    EXPECT_NE(after.find("[TALENO]\nbMPlayerPathName=true\n"), std::string::npos);
    EXPECT_NE(after.find("[Other]\nkept=1\n"), std::string::npos);
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
    EXPECT_EQ(shown.size(), 32u);
    // The keys no item shows: F1 to F8, and Enter on the keypad with Alt.
    EXPECT_EQ(sends[QKeySequence(Qt::ALT | Qt::Key_Enter)], ID_VIEW_FULLSCREEN);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(sends[QKeySequence(Qt::Key(Qt::Key_F1 + i))], ID_USER_COMMAND_F1 + i);
    EXPECT_EQ(sends.size(), 32u + 1 + 8);
    // The context menu holds the playing and sizing commands.
    EXPECT_EQ(f.ContextMenu()->actions().size(), 10);
}

}  // namespace
}  // namespace taleno::test
