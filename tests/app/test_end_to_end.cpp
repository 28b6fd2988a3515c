// The player started as `taleno <file>` would start it, on the X display the
// tests run under, with the real engine (Debian's mplayer) playing clips made
// with ffmpeg: caption, status texts, the engine's window, the picture on
// the screen, the time display and the shortcuts; a killed player's engine;
// the choice of platform; the video's own size on a scaled screen.
#include "common/TestSupport.h"

#include <unistd.h>

#include <utility>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTcpServer>

#include "PlayerProcess.h"
#include "app/PlayerApp.h"
#include "engine/EngineLocation.h"
#include "player/CommandIds.h"
#include "player/MainFrameTestAccess.h"
#include "shell/StatusPanel.h"

namespace taleno {
namespace {

// Whether the picture is the test picture: its yellow, cyan and magenta
// bars each cover a twentieth of the image or more (neither black nor a
// logo would; the unscaled clip in full screen covers a few thousandths).
bool ShowsColourBars(const QImage& image) {
    int yellow = 0, cyan = 0, magenta = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            yellow += c.red() > 180 && c.green() > 180 && c.blue() < 80;
            cyan += c.red() < 80 && c.green() > 180 && c.blue() > 180;
            magenta += c.red() > 180 && c.green() < 80 && c.blue() > 180;
        }
    }
    return !image.isNull() && std::min({yellow, cyan, magenta}) > image.width() * image.height() / 20;
}

class EndToEndTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new test::ScratchFolder();
        // The engine keeps a configuration folder in $HOME.
        setenv("HOME", folder->Path().c_str(), 1);
        ready = test::HasXDisplay() && IsEngineExecutable("/usr/bin/mplayer");
        ready = ready && std::system(("ffmpeg -y -loglevel error -f lavfi -i testsrc=size=176x144:rate=25 -f lavfi "
                                      "-i sine=frequency=440 -t 8 -c:v mpeg4 -c:a libmp3lame '" +
                                      folder->File("clip.avi") + "'")
                                         .c_str()) == 0;
        // x11 video, no sound device.
        test::WriteWholeFile(folder->File("Taleno .ini"), "[TALENO]\nnVideoOutputDriver=3\nnAudioOutputDriver=1\n");
    }
    static void TearDownTestSuite() { delete folder; }

    void SetUp() override {
        if (!ready) GTEST_SKIP() << "needs an X display, mplayer and ffmpeg";
        ::chmod(runtime.Path().c_str(), 0700);
    }

    CMainFrame& Start(const std::string& file) {
        app = std::make_unique<CPlayerApp>(folder->Path(), runtime.Path());
        EXPECT_EQ(app->InitInstance({folder->File(file)}), CPlayerApp::StartResult::WindowShown);
        return *app->GetMainFrame();
    }

    static inline test::ScratchFolder* folder = nullptr;
    static inline bool ready = false;
    test::ScratchFolder runtime;
    std::unique_ptr<CPlayerApp> app;
};

TEST_F(EndToEndTest, PlaysTheCommandLineClipInTheVideoWindow) {
    MainFrameTestAccess frame(Start("clip.avi"));
    // The engine was started before the window was built, into its video window.
    EXPECT_EQ(frame.GetSession().State(), ENGINE_STARTING);
    EXPECT_EQ(test::EngineWindow(::getpid()), frame.GetVideoWindowId());
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.Panel().StatusText() == "Playing"; }, 15000))
        << frame.Panel().StatusText().toStdString();
    EXPECT_EQ(frame->windowTitle(), "clip.avi - TALENO");

    // The engine draws into the view's video window.
    EXPECT_EQ(test::EngineWindow(::getpid()), frame.GetVideoWindowId());

    // The test picture's colour bars are on the screen where the video window is.
    QWidget* video = QWidget::find(frame.GetVideoWindowId());
    ASSERT_NE(video, nullptr);
    const QPoint origin = video->mapToGlobal(QPoint(0, 0));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QScreen* screen = QGuiApplication::primaryScreen();
            return ShowsColourBars(
                screen->grabWindow(0, origin.x(), origin.y(), video->width(), video->height()).toImage());
        },
        5000));

    // In full screen the picture is scaled to the screen (driver x11, as on an
    // X server without XVideo).
    frame.OnCommand(ID_VIEW_FULLSCREEN);
    QScreen* screen = QGuiApplication::primaryScreen();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsColourBars(screen->grabWindow(0).toImage()); }, 5000));
    frame.OnCommand(ID_VIEW_FULLSCREEN);

    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.Panel().TimeText().startsWith("00:02"); }, 8000))
        << frame.Panel().TimeText().toStdString();

    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame.Window(), 5000));
    for (const auto& [key, state, status, limitMs] : {std::tuple{Qt::Key_Space, ENGINE_PAUSED, "Paused", 5000},
                                                      {Qt::Key_Space, ENGINE_PLAYING, "Playing", 5000},
                                                      {Qt::Key_Period, ENGINE_STOPPED, "Stopped", 10000}}) {
        QTest::keyClick(&frame.Window(), key);
        EXPECT_TRUE(QTest::qWaitFor([&] { return frame.GetSession().State() == state; }, limitMs)) << status;
        EXPECT_EQ(frame.Panel().StatusText(), status);
    }
}

TEST_F(EndToEndTest, TheEngineEndsWithAKilledPlayerWhateverItIsPlaying) {
    // A clip, and an address whose server takes the connection and never
    // answers: nothing but the player's death ends the engine.
    QTcpServer silent;  // connections complete, nobody ever reads them
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const std::string address = "http://127.0.0.1:" + std::to_string(silent.serverPort()) + "/live.mp3";
    test::PlayerInstall install("nVideoOutputDriver=3\nnAudioOutputDriver=1\n");
    for (const std::string& clip : {folder->File("clip.avi"), address}) {
        test::PlayerProcess player(install, runtime.Path(), {clip});
        const std::string id = std::to_string(player.Pid());
        std::string engine;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                engine = test::ReadWholeFile("/proc/" + id + "/task/" + id + "/children");
                return !engine.empty();
            },
            15000))
            << clip;
        engine = "/proc/" + engine.substr(0, engine.find(' '));
        QTest::qWait(1000);  // playing, or blocked on the address
        player.Signal(SIGKILL);
        // Gone, or a zombie waiting for whoever inherited it.
        const auto ended = [&] {
            const std::string stat = test::ReadWholeFile(engine + "/stat");
            return stat.empty() || stat.find(") Z ") != std::string::npos;
        };
        EXPECT_TRUE(QTest::qWaitFor(ended, 2000)) << clip;
    }
}

TEST_F(EndToEndTest, SpeaksTheLanguageOfTheSession) {
    // The playlist window, shown at start, is titled in the session's language.
    const test::PlayerInstall install(
        "nVideoOutputDriver=3\nnAudioOutputDriver=1\nbShowPlaylist=true\n"
        "bAllowMultipleInstances=true\n");
    const QStringList none{"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG="};
    for (const auto& [session, title] :
         {std::pair{none + QStringList{"LANG=de_DE.UTF-8"}, "Wiedergabeliste"},
          {none + QStringList{"LANGUAGE=fr:de", "LANG=en_US.UTF-8"}, "Liste de lecture"},
          {none + QStringList{"LC_MESSAGES=it_IT.UTF-8", "LANG=de_DE.UTF-8"}, "Elenco di riproduzione"},
          {none + QStringList{"LANG=C.UTF-8"}, "Playlist"}}) {
        const test::PlayerProcess player(install, runtime.Path(), {}, "", std::getenv("DISPLAY"), session);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const std::vector<std::string> titles = test::WindowTitles(player.Pid());
                return std::find(titles.begin(), titles.end(), title) != titles.end();
            },
            10000))
            << title;
    }
}

TEST_F(EndToEndTest, EndsWithoutAnXDisplayWhateverPlatformIsAskedFor) {
    // (Wayland asked for on a display that has X11 is the Wayland desktop test's.)
    test::PlayerInstall install("nVideoOutputDriver=3\nnAudioOutputDriver=1\n");
    for (const char* asked : {"", "wayland"}) {
        QProcess player;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.insert("QT_QPA_PLATFORM", asked);
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.Path()));
        player.setProcessEnvironment(environment);
        player.start(QString::fromStdString(install.Executable()), {});
        ASSERT_TRUE(player.waitForFinished(10000)) << asked;
        EXPECT_EQ(player.exitCode(), 1) << asked;
        EXPECT_EQ(player.readAllStandardError().toStdString(), "Taleno needs an X11 display (or Xwayland)\n");
    }
}

}  // namespace
}  // namespace taleno
