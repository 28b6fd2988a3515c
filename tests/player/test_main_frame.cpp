// The main window without playback: menus, shortcuts, marks, start-up
// settings, the close sequence and the desktop seams.

#include "FrameFixture.h"

#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/VolumeBar.h"

#include <QAction>
#include <QMenu>

#include <filesystem>

namespace taleno::test {
namespace {

QStringList Texts(const QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    }
    return texts;
}

int KeyCommand(const CMainFrame& frame, const QKeySequence& key) {
    for (QAction* action : frame.GetActions()) {
        if (action->shortcuts().contains(key)) return action->data().toInt();
    }
    return 0;
}

TEST_F(FrameTest, MenusCarryTheirTextsShortcutsAndPrompts) {
    CMainFrame& f = MakeFrame();
    QStringList titles;
    for (QMenu* menu : f.GetMenus()) titles << menu->title();
    EXPECT_EQ(titles, QStringList({"&File", "&View", "&Play", "&Options", "&Help"}));
    EXPECT_EQ(Texts(f.GetMenus()[0]),
              QStringList({"&Open...\tCtrl+O", "Open URL...", "&Close", "|", "&Properties", "|", "E&xit"}));
    QStringList play = Texts(f.GetMenus()[2]);
    EXPECT_EQ(play.mid(0, 3), QStringList({"&Play", "P&ause\tSpace", "&Stop\tPeriod"}));
    EXPECT_EQ(play[8], "Rewind  10 Seconds\tCtrl+Left");
    EXPECT_EQ(play.mid(16), QStringList({"Volume", "After Playback", "|", "&Repeat"}));
    EXPECT_EQ(Texts(f.GetContextMenu()), QStringList({"&Play", "P&ause", "&Stop", "|", "&Half size", "&Original size",
                                                      "&Double size", "Pr&eset size", "|", "&Full Screen"}));

    EXPECT_EQ(KeyCommand(f, QKeySequence(Qt::CTRL | Qt::Key_2)), ID_VIEW_TOOLBAR);
    EXPECT_EQ(KeyCommand(f, QKeySequence(Qt::Key_Period)), ID_PLAY_STOP);
    EXPECT_EQ(KeyCommand(f, QKeySequence(Qt::Key_Space)), ID_PLAY_PAUSE);
    EXPECT_EQ(KeyCommand(f, QKeySequence(Qt::ALT | Qt::Key_Return)), ID_VIEW_FULLSCREEN);
    EXPECT_EQ(KeyCommand(f, QKeySequence(Qt::Key_F8)), ID_USER_COMMAND_F8);

    EXPECT_EQ(f.GetAction(ID_PLAY_PLAY)->statusTip(), "Start playback");
    EXPECT_EQ(f.GetAction(ID_PLAY_PLAY)->toolTip(), "Play");
    EXPECT_EQ(f.GetAction(ID_VIEW_PRESETSIZE)->statusTip(), "Preset video zoom size");
}

TEST_F(FrameTest, MarksFollowTheToggles) {
    CMainFrame& f = MakeFrame();
    f.UpdateCommandUI();
    EXPECT_FALSE(f.GetAction(ID_PLAY_REPEAT)->isChecked());
    EXPECT_TRUE(f.GetAction(ID_AFTERPLAYBACK_DONOTHING)->isChecked());
    EXPECT_TRUE(f.GetAction(ID_VIEW_KEEPASPECTRATIO)->isChecked());

    f.OnCommand(ID_PLAY_REPEAT);
    f.OnCommand(ID_AFTERPLAYBACK_SHUTDOWN);
    f.OnCommand(ID_VIEW_KEEPASPECTRATIO);
    EXPECT_TRUE(f.GetAction(ID_PLAY_REPEAT)->isChecked());
    EXPECT_TRUE(f.GetAction(ID_AFTERPLAYBACK_SHUTDOWN)->isChecked());
    EXPECT_FALSE(f.GetAction(ID_AFTERPLAYBACK_DONOTHING)->isChecked());
    EXPECT_EQ(f.GetAfterPlaybackAction(), CMainFrame::AFTER_PLAYBACK_SHUTDOWN);
    EXPECT_FALSE(f.GetAction(ID_VIEW_KEEPASPECTRATIO)->isChecked());

    // Ctrl+2's own command and the menu item toggle the same bar.
    f.OnCommand(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(f.GetToolBar()->isHidden());
    EXPECT_FALSE(f.GetAction(ID_VIEW_TOOLBAR_MENU)->isChecked());
    f.OnCommand(ID_VIEW_TOOLBAR_MENU);
    EXPECT_FALSE(f.GetToolBar()->isHidden());
    f.OnCommand(ID_VIEW_PROGRESSBAR);
    EXPECT_TRUE(f.GetSeekBar()->isHidden());
    EXPECT_FALSE(f.GetAction(ID_VIEW_PROGRESSBAR)->isChecked());
}

TEST_F(FrameTest, StartsFromTheSettings) {
    CMainFrame& f = MakeFrame("bShowToolbar=false\nnVolume=40\n");
    EXPECT_EQ(f.windowTitle(), "Taleno");
    EXPECT_EQ(f.GetStatusPanel()->StatusText(), "Ready");
    EXPECT_TRUE(f.GetToolBar()->isHidden());
    EXPECT_FALSE(f.GetStatusPanel()->isHidden());
    EXPECT_EQ(f.GetToolBar()->GetVolumePosition(), 40);
    EXPECT_EQ(f.GetEngine().GetVolume(), 40);
    // The window is at least as high as its menu and bars.
    EXPECT_GE(f.height(), f.VerticalOverhead());
    EXPECT_GE(f.width(), 300);
}

TEST_F(FrameTest, CloseWritesTheVolumeOnlyWhenItMoved) {
    MakeFrame();
    frame->close();
    EXPECT_EQ(statuses, QStringList({"Quitting...", "Stopped"}));
    EXPECT_EQ(ReadWholeFile(folder.File("Taleno .ini")).find("nVolume"), std::string::npos);
    DestroyFrame();

    MakeFrame();
    frame->OnCommand(ID_VOLUME_25);
    EXPECT_EQ(frame->GetEngine().GetVolume(), 25);
    frame->close();
    EXPECT_NE(ReadWholeFile(folder.File("Taleno .ini")).find("nVolume=25"), std::string::npos);
}

TEST_F(FrameTest, ReportsAFailedSaveAndOpensTheHomePage) {
    CMainFrame& f = MakeFrame();
    EXPECT_TRUE(f.SaveSettings());
    EXPECT_TRUE(boxes.isEmpty());
    // A folder in the settings file's place cannot be replaced by a file.
    std::filesystem::remove(folder.File("Taleno .ini"));
    std::filesystem::create_directory(folder.File("Taleno .ini"));
    EXPECT_FALSE(f.SaveSettings());
    EXPECT_EQ(boxes, QStringList({"Failed to Save Settings!"}));

    f.OnCommand(ID_HELP_HOMEPAGE);
    EXPECT_EQ(urls, QStringList({CMainFrame::HomePageUrl().toString()}));
}

}  // namespace
}  // namespace taleno::test
