// One player per user: a later player process hands its file to the running
// one (here the test process itself) and ends; with bAllowMultipleInstances
// it, or a player nobody answers, opens its own window; SIGTERM ends a player
// through its close sequence. The engine is the stand-in.
#include "common/TestSupport.h"

#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QTimer>

#include "PlayerProcess.h"
#include "app/PlayerApp.h"
#include "player/CommandIds.h"
#include "player/MainFrameTestAccess.h"

namespace taleno {
namespace {

using test::PlayerInstall;
using test::PlayerProcess;

class InstancesTest : public ::testing::Test {
protected:
    void SetUp() override { ::chmod(runtime.Path().c_str(), 0700); }

    // The test process as the running instance.
    CMainFrame& StartFirst(const std::vector<std::string>& arguments = {}) {
        first = std::make_unique<CPlayerApp>(firstFolder.Path(), runtime.Path());
        test::WriteWholeFile(firstFolder.File("Taleno .ini"), "[TALENO]\n" + test::StandInEngineSettings());
        EXPECT_EQ(first->InitInstance(arguments), CPlayerApp::StartResult::WindowShown);
        EXPECT_TRUE(first->IsServing());
        return *first->GetMainFrame();
    }

    // Whether the player shows a window of its own, titled `title`.
    static bool HasOwnWindow(const PlayerProcess& player, const std::string& title) {
        return QTest::qWaitFor([&] { return test::WindowTitles(player.Pid()) == std::vector{title}; }, 15000);
    }

    test::ScratchFolder runtime;
    test::ScratchFolder firstFolder;
    std::unique_ptr<CPlayerApp> first;
};

TEST_F(InstancesTest, SecondPlayerHandsItsFileToTheFirstAndEndsWithoutAWindow) {
    MainFrameTestAccess frame(StartFirst());
    PlayerInstall second("");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"-style", "Fusion", "other.avi"}, second.Folder() + "/other.avi"},  // Qt's switch is not the file
        {{"-x", "--", "-dash.avi"}, second.Folder() + "/-dash.avi"},
        {{"http://example.invalid/live.mp3"}, "http://example.invalid/live.mp3"},
    };
    // The later player hands off before it makes anything of the GUI: it
    // needs no display at all.
    const test::ScopedEnv noDisplay("DISPLAY", nullptr);
    for (const auto& [arguments, expected] : cases) {
        PlayerProcess player(second, runtime.Path(), arguments);
        ASSERT_TRUE(player.WaitForExit(20000)) << expected;
        EXPECT_EQ(player.ExitCode(), 0);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return frame.GetSession().Playlist().Entries() == std::vector<std::string>{expected}; }, 5000))
            << expected;
    }

    // What opening shows does not keep the second player waiting: the file
    // is taken before it is opened, and here the message box for a playlist
    // that cannot be read stays open until the second player has ended.
    std::unique_ptr<PlayerProcess> waiting;
    bool endedWhileTheBoxWasOpen = false;
    frame.SetMessageBox([&](QWidget*, const QString&) {
        endedWhileTheBoxWasOpen = QTest::qWaitFor([&] { return !waiting->Running(); }, 20000);
    });
    waiting = std::make_unique<PlayerProcess>(second, runtime.Path(), std::vector<std::string>{"missing.m3u"});
    ASSERT_TRUE(waiting->WaitForExit(20000));
    EXPECT_EQ(waiting->ExitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return endedWhileTheBoxWasOpen; }, 5000));

    // Without a file nothing is handed over.
    PlayerProcess bare(second, runtime.Path(), {"-fs"});
    ASSERT_TRUE(bare.WaitForExit(20000));
    EXPECT_EQ(bare.ExitCode(), 0);
    QTest::qWait(200);
    EXPECT_TRUE(frame.GetSession().Playlist().Entries().empty());  // as the unreadable playlist left it

    // The program's own Preferences sheet: what OK confirms is saved.
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [] {
        if (auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            for (QCheckBox* box : sheet->findChildren<QCheckBox*>()) {
                if (box->text() == "Double buffering") box->setChecked(true);
            }
            sheet->accept();
        }
    });
    user.start(20);
    frame->RunCommand(ID_OPTIONS_PREFERENCES);
    EXPECT_NE(test::ReadWholeFile(firstFolder.File("Taleno .ini")).find("bDoubleBuffering=true"), std::string::npos);
}

TEST_F(InstancesTest, AllowedOrNotAnsweredASecondPlayerPlaysInItsOwnWindowUntilTerminated) {
    MainFrameTestAccess frame(StartFirst());
    PlayerInstall second("bAllowMultipleInstances=true\n" + test::StandInEngineSettings());
    // The stand-in engine records what it is told.
    const std::string record = second.Folder() + "/received.txt";
    test::WriteWholeFile(second.Folder() + "/own.standin", "starting\nrecord " + record + "\n");
    PlayerProcess player(second, runtime.Path(), {"own.standin"});
    EXPECT_TRUE(HasOwnWindow(player, "own.standin - TALENO"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return test::ReadWholeFile(record).find("get_time_pos") != std::string::npos; }, 10000));
    EXPECT_TRUE(frame.GetSession().Playlist().Entries().empty());
    // The close sequence stops the engine with "quit" before the player ends.
    player.Signal(SIGTERM);
    ASSERT_TRUE(player.WaitForExit(20000));
    EXPECT_EQ(player.ExitCode(), 0);
    EXPECT_NE(test::ReadWholeFile(record).find("quit\n"), std::string::npos);

    // The lock is held, but nobody serves the socket or is about to.
    first.reset();
    CSingleInstance holder(runtime.Path());
    holder.StopServing();
    PlayerInstall third(test::StandInEngineSettings());
    PlayerProcess unanswered(third, runtime.Path(), {"clip.avi"});
    EXPECT_TRUE(HasOwnWindow(unanswered, "clip.avi - TALENO"));
}

}  // namespace
}  // namespace taleno
