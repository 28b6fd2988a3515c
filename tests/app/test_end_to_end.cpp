// The player started as `taleno <file>` would start it, on the X display the
// tests run under, with the real engine (Debian's mplayer) playing clips made
// with ffmpeg: caption, status texts, the engine's window, the picture on
// the screen, the time display and the shortcuts; as a player process on a
// private Xorg server with DPMS, the screen-saver and DPMS time-outs `xset q`
// shows; and as a player process on a private session bus, the desktop's
// media controls.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <utility>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include "PlayerProcess.h"
#include "app/PlayerApp.h"
#include "common/PrivateBus.h"
#include "common/PrivateXServer.h"
#include "common/ScopedEnv.h"
#include "engine/EngineControllerTestAccess.h"
#include "engine/EngineLocation.h"
#include "player/CommandIds.h"
#include "player/MainFrameTestAccess.h"
#include "shell/StatusPanel.h"

#ifndef TALENO_XORG_MODULE_DIR
#define TALENO_XORG_MODULE_DIR ""
#endif

namespace taleno {
namespace {

using test::PumpFor;
using test::PumpUntil;

// The share of the image that shows the test picture's yellow, cyan and
// magenta bars.
double ColourBarsShare(const QImage& image) {
    int bars = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool r = c.red() > 180, g = c.green() > 180, b = c.blue() > 180;
            const bool nr = c.red() < 80, ng = c.green() < 80, nb = c.blue() < 80;
            bars += (r && g && nb) || (nr && g && b) || (r && ng && b);
        }
    }
    return image.isNull() ? 0.0 : static_cast<double>(bars) / (image.width() * image.height());
}

// Whether the image shows the test picture: its yellow, cyan and magenta
// bars each cover a good part of it (neither black nor a logo would).
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
    const int part = image.width() * image.height() / 20;
    return !image.isNull() && yellow > part && cyan > part && magenta > part;
}

class EndToEndTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new test::ScratchFolder();
        // The engine keeps a configuration folder in $HOME.
        setenv("HOME", folder->Path().c_str(), 1);
        ready = test::HasXDisplay() && IsEngineExecutable("/usr/bin/mplayer");
        for (const auto& [name, seconds] : {std::pair{"clip.avi", 8}, {"one.avi", 2}, {"two.avi", 2}}) {
            const std::string command =
                "ffmpeg -y -loglevel error -f lavfi -i testsrc=size=176x144:rate=25 "
                "-f lavfi -i sine=frequency=440 -t " +
                std::to_string(seconds) + " -c:v mpeg4 -c:a libmp3lame '" + folder->File(name) + "'";
            ready = ready && std::system(command.c_str()) == 0;
        }
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
    ASSERT_TRUE(PumpUntil([&] { return frame.Panel().StatusText() == "Playing"; }, 15000))
        << frame.Panel().StatusText().toStdString();
    EXPECT_EQ(frame->windowTitle(), "clip.avi - TALENO");
    EXPECT_EQ(test::XDisplay().Title(frame->winId()), "clip.avi - TALENO");

    // The engine draws into the view's video window.
    const std::string cmdline = test::ReadWholeFile(
        "/proc/" +
        std::to_string(EngineControllerTestAccess(PlaybackSessionTestAccess(frame.GetSession()).Engine()).EnginePid()) +
        "/cmdline");
    EXPECT_NE(cmdline.find(std::string("-wid") + '\0' + std::to_string(frame.GetVideoWindowId()) + '\0'),
              std::string::npos);

    // The test picture's colour bars are on the screen where the video window is.
    QWidget* video = QWidget::find(frame.GetVideoWindowId());
    ASSERT_NE(video, nullptr);
    const QPoint origin = video->mapToGlobal(QPoint(0, 0));
    EXPECT_TRUE(PumpUntil(
        [&] {
            QScreen* screen = QGuiApplication::primaryScreen();
            return ShowsColourBars(
                screen->grabWindow(0, origin.x(), origin.y(), video->width(), video->height()).toImage());
        },
        5000));

    // In full screen the picture is scaled to the screen (driver x11, as on an
    // X server without XVideo): its bars cover a good part of it, where the
    // unscaled picture covers a few hundredths.
    frame.OnCommand(ID_VIEW_FULLSCREEN);
    QScreen* screen = QGuiApplication::primaryScreen();
    EXPECT_TRUE(PumpUntil([&] { return ColourBarsShare(screen->grabWindow(0).toImage()) > 0.15; }, 5000))
        << ColourBarsShare(screen->grabWindow(0).toImage());
    frame.OnCommand(ID_VIEW_FULLSCREEN);

    EXPECT_TRUE(PumpUntil([&] { return frame.Panel().TimeText().startsWith("00:02"); }, 8000))
        << frame.Panel().TimeText().toStdString();

    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame.Window(), 5000));
    for (const auto& [key, state, status, limitMs] : {std::tuple{Qt::Key_Space, ENGINE_PAUSED, "Paused", 5000},
                                                      {Qt::Key_Space, ENGINE_PLAYING, "Playing", 5000},
                                                      {Qt::Key_Period, ENGINE_STOPPED, "Stopped", 10000}}) {
        QTest::keyClick(&frame.Window(), key);
        EXPECT_TRUE(PumpUntil([&] { return frame.GetSession().State() == state; }, limitMs)) << status;
        EXPECT_EQ(frame.Panel().StatusText(), status);
    }
}

TEST_F(EndToEndTest, ASecondPlayerProcessHandsItsClipToTheFirstProcess) {
    test::PlayerInstall install("nVideoOutputDriver=3\nnAudioOutputDriver=1\n");
    test::PlayerProcess first(install, runtime.Path(), {folder->File("one.avi")});
    test::XDisplay x;
    const auto titleIs = [&](const std::string& title) {
        return PumpUntil(
            [&] {
                const auto windows = x.WindowsOf(first.Pid());
                return windows.size() == 1 && x.Title(windows[0]) == title;
            },
            15000);
    };
    ASSERT_TRUE(titleIs("one.avi - TALENO"));
    test::PlayerProcess second(install, runtime.Path(), {"two.avi"}, folder->Path());
    ASSERT_TRUE(second.WaitForExit(20000));
    EXPECT_EQ(second.ExitCode(), 0);
    EXPECT_TRUE(titleIs("two.avi - TALENO"));
    first.Signal(SIGTERM);
    ASSERT_TRUE(first.WaitForExit(20000));
    EXPECT_EQ(first.ExitCode(), 0);
}

TEST_F(EndToEndTest, TheEngineEndsWithAKilledPlayerWhateverItIsPlaying) {
    // An audio-only clip, and an address whose server takes the connection
    // and never answers: neither needs the video window, so nothing but the
    // player's death can end the engine.
    const std::string audio = folder->File("tone.mp3");
    ASSERT_EQ(std::system(("ffmpeg -y -loglevel error -f lavfi -i sine=frequency=440 -t 60 '" + audio + "'").c_str()),
              0);
    const int silent = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof local;
    ASSERT_EQ(::bind(silent, reinterpret_cast<sockaddr*>(&local), size), 0);
    ASSERT_EQ(::listen(silent, 8), 0);  // connections complete, nobody ever reads them
    ASSERT_EQ(::getsockname(silent, reinterpret_cast<sockaddr*>(&local), &size), 0);
    const std::string address = "http://127.0.0.1:" + std::to_string(ntohs(local.sin_port)) + "/live.mp3";
    test::PlayerInstall install("nVideoOutputDriver=3\nnAudioOutputDriver=1\n");
    for (const std::string& clip : {audio, address}) {
        test::PlayerProcess player(install, runtime.Path(), {clip});
        const std::string id = std::to_string(player.Pid());
        std::string engine;
        ASSERT_TRUE(PumpUntil(
            [&] {
                engine = test::ReadWholeFile("/proc/" + id + "/task/" + id + "/children");
                return !engine.empty();
            },
            15000))
            << clip;
        engine = "/proc/" + engine.substr(0, engine.find(' '));
        PumpFor(1000);  // playing, or blocked on the address
        player.Signal(SIGKILL);
        // Gone, or a zombie waiting for whoever inherited it.
        const auto ended = [&] {
            const std::string stat = test::ReadWholeFile(engine + "/stat");
            return stat.empty() || stat.find(") Z ") != std::string::npos;
        };
        EXPECT_TRUE(PumpUntil(ended, 2000)) << clip;
    }
    ::close(silent);
}

TEST_F(EndToEndTest, SubtitlesAreDrawnInTheFaceTheSettingsName) {
#ifdef TALENO_SANITIZE_BUILD
    GTEST_SKIP() << "the engine's drawing, timed on the screen: the sanitized player is too slow for it";
#endif
    const std::string fonts = "/usr/share/fonts/truetype/dejavu/";
    if (!std::filesystem::exists(fonts + "DejaVuSerif-Bold.ttf")) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    // A black clip with a subtitle file beside it: the subtitle is all that
    // differs from one face to the next.
    const std::string clip = folder->File("black.avi");
    ASSERT_EQ(std::system(("ffmpeg -y -loglevel error -f lavfi -i color=c=black:size=320x120:rate=25 -t 30 "
                           "-c:v mpeg4 '" +
                           clip + "'")
                              .c_str()),
              0);
    test::WriteWholeFile(folder->File("black.srt"), "1\n00:00:00,000 --> 00:00:30,000\nWWWW iiii MMMM\n");
    // White text on black, once this engine draws it: the screen under a new
    // window may still show the last player's picture for a moment, so the
    // picture must hold still over two grabs. On a loaded machine the engine
    // now and then draws nothing for a clip it was started on; that start is
    // tried again, up to three times.
    const auto draw = [&](const std::string& face) {
        test::PlayerInstall install(
            "nVideoOutputDriver=3\nnAudioOutputDriver=1\nbAutoloadSubtitles=true\n"
            "strSubtitleFont=" +
            fonts + face + "\n");
        test::PlayerProcess player(install, runtime.Path(), {clip});
        test::XDisplay x;
        unsigned long window = 0;
        QImage image, before;
        if (!PumpUntil(
                [&] {
                    return (window = test::EngineWindow(player.Pid())) != 0 && x.Size(window) == std::pair(320, 120);
                },
                15000)) {
            return image;
        }
        PumpFor(1000);
        const auto whitePixels = [&] {
            int white = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) white += qGray(image.pixel(x, y)) > 200;
            return white;
        };
        const bool shown = PumpUntil(
            [&] {
                before =
                    std::exchange(image, QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
                                             QImage::Format_RGB32));
                PumpFor(200);
                return whitePixels() > 50 && image == before;
            },
            10000);
        return shown ? image : QImage();
    };
    std::vector<QImage> drawn;
    for (const char* face : {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSansMono.ttf"}) {
        QImage image;
        for (int attempt = 0; attempt < 3 && image.isNull(); ++attempt) image = draw(face);
        EXPECT_FALSE(image.isNull()) << face << ": no subtitle drawn";
        drawn.push_back(image);
    }
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_TRUE(drawn[0] != drawn[1]) << "the style is lost";
    EXPECT_TRUE(drawn[0] != drawn[2] && drawn[1] != drawn[2]) << "the family is not the file's";
}

TEST_F(EndToEndTest, WithAWindowManagerThePlaylistShownAtStartUpStaysBelowTheWindowSizedToItsClip) {
    if (std::system("command -v openbox >/dev/null") != 0) GTEST_SKIP() << "openbox is not installed";
    // A display of the test's own with a window manager that frames,
    // places and centres dialogs, as a desktop's does.
    QProcess xvfb, openbox;
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    ASSERT_TRUE(xvfb.waitForReadyRead(10000));
    const std::string display = ":" + xvfb.readLine().trimmed().toStdString();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QString::fromStdString(display));
    environment.insert("HOME", QString::fromStdString(folder->Path()));
    openbox.setProcessEnvironment(environment);
    openbox.start("openbox", {"--sm-disable"});
    {  // the player and the connection go before their display
        const test::ScopedEnv onIt("DISPLAY", display.c_str());
        test::XDisplay x;
        ASSERT_TRUE(openbox.waitForStarted(5000));
        PumpFor(1000);  // openbox has taken the screen
        ASSERT_EQ(openbox.state(), QProcess::Running);

        // The window is sized to the clip's video once it plays, after the
        // playlist window was first shown.
        test::PlayerInstall install(test::StandInEngineSettings() + "bShowPlaylist=true\n");
        test::WriteWholeFile(install.Folder() + "/clip.standin", "print-id\nsleep 500\nstarting\n");
        test::PlayerProcess player(install, runtime.Path(), {install.Folder() + "/clip.standin"}, "", display);
        std::map<std::string, std::array<int, 4>> frames;
        const auto below = [&] {
            frames = x.ManagedFrames(player.Pid());
            const std::string window = "clip.standin - TALENO";
            if (!frames.contains(window) || !frames.contains("Playlist")) return false;
            const auto& [left, top, width, height] = frames[window];
            return frames["Playlist"][0] == left && frames["Playlist"][1] == top + height;
        };
        EXPECT_TRUE(PumpUntil(below, 10000) && (PumpFor(500), below()))
            << "window " << frames["clip.standin - TALENO"][0] << "," << frames["clip.standin - TALENO"][1] << " "
            << frames["clip.standin - TALENO"][2] << "x" << frames["clip.standin - TALENO"][3] << ", playlist "
            << frames["Playlist"][0] << "," << frames["Playlist"][1];
    }
    openbox.kill();
    xvfb.kill();
    openbox.waitForFinished(5000);
    xvfb.waitForFinished(5000);
}

TEST_F(EndToEndTest, RunsOnX11WhenWaylandIsAskedForAndEndsWithoutAnXDisplay) {
    test::PlayerInstall install("nVideoOutputDriver=3\nnAudioOutputDriver=1\n");
    {
        const test::ScopedEnv wayland("QT_QPA_PLATFORM", "wayland");
        test::PlayerProcess player(install, runtime.Path(), {});
        test::XDisplay x;
        EXPECT_TRUE(PumpUntil([&] { return x.WindowsOf(player.Pid()).size() == 1; }, 15000));
    }
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

TEST_F(EndToEndTest, OriginalSizeIsTheVideosOwnSizeOnAScaledScreen) {
    // A 176 x 144 clip at Original size: exactly that many of the screen's
    // pixels, on a screen scaled by 2 as on a high-density laptop.
    const test::ScopedEnv scaled("QT_SCALE_FACTOR", "2");
    test::PlayerInstall install(test::StandInEngineSettings());
    test::WriteWholeFile(install.Folder() + "/clip.standin", "print-id\nstarting\n");
    test::PlayerProcess player(install, runtime.Path(), {install.Folder() + "/clip.standin"});
    test::XDisplay x;
    unsigned long window = 0;
    EXPECT_TRUE(PumpUntil(
        [&] { return (window = test::EngineWindow(player.Pid())) != 0 && x.Size(window) == std::pair(176, 144); },
        15000))
        << x.Size(window).first << " x " << x.Size(window).second;
}

TEST_F(EndToEndTest, TheTimeOutsAreZeroWhilePlayingAndBackAfterwards) {
    test::PrivateXServer server(TALENO_XORG_MODULE_DIR);
    if (!server.Started()) GTEST_SKIP() << server.SkipReason();
    const std::string d = server.Display();
    test::RunXset(d, "s 321 123 dpms 600 700 800");
    const std::string idle = test::XsetTimeOuts(d);
    ASSERT_NE(idle.find("timeout: 321 cycle: 123;Standby: 600 Suspend: 700 Off: 800;"), std::string::npos) << idle;
    test::PlayerInstall install("nVideoOutputDriver=3\nnAudioOutputDriver=1\n");
    test::PlayerProcess player(install, runtime.Path(), {folder->File("clip.avi")}, "", d);
    EXPECT_TRUE(PumpUntil(
        [&] {
            return test::XsetTimeOuts(d).find("timeout: 0 cycle: 123;Standby: 0 Suspend: 0 Off: 0;") !=
                   std::string::npos;
        },
        15000))
        << test::XsetTimeOuts(d);
    // ... while the real engine plays the clip.
    const std::string pid = std::to_string(player.Pid());
    const std::string engine = test::ReadWholeFile("/proc/" + pid + "/task/" + pid + "/children");
    EXPECT_EQ(test::ReadWholeFile("/proc/" + engine.substr(0, engine.find(' ')) + "/comm"), "mplayer\n");
    // SIGTERM runs the close sequence, which stops the clip.
    player.Signal(SIGTERM);
    ASSERT_TRUE(player.WaitForExit(20000));
    EXPECT_EQ(player.ExitCode(), 0);
    EXPECT_EQ(test::XsetTimeOuts(d), idle);
}

TEST_F(EndToEndTest, TheDesktopsMediaControlsDriveARealClip) {
    test::PrivateBus bus;
    ASSERT_FALSE(bus.address.isEmpty()) << "dbus-daemon did not start";
    test::ScopedEnv session("DBUS_SESSION_BUS_ADDRESS", bus.address.toUtf8().constData());
    test::PlayerInstall install("nVideoOutputDriver=3\nnAudioOutputDriver=1\n");
    test::PlayerProcess player(install, runtime.Path(), {folder->File("clip.avi")});
    const auto statusIs = [&](const QString& status) {
        return PumpUntil([&] { return bus.Playerctl({"status"}) == status; }, 15000);
    };
    ASSERT_TRUE(statusIs("Playing"));
    EXPECT_EQ(bus.Playerctl({"metadata", "xesam:title"}), "clip.avi");
    EXPECT_EQ(bus.Playerctl({"metadata", "mpris:length"}), "8000000");
    bus.Playerctl({"play-pause"});
    EXPECT_TRUE(statusIs("Paused"));
    bus.Playerctl({"play-pause"});
    EXPECT_TRUE(statusIs("Playing"));
    bus.Playerctl({"stop"});
    EXPECT_TRUE(statusIs("Stopped"));
    // Quit is the window's own close: the player ends normally.
    QProcess quit;
    quit.start("dbus-send", {"--bus=" + bus.address, "--type=method_call", "--dest=org.mpris.MediaPlayer2.taleno",
                             "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Quit"});
    quit.waitForFinished(5000);
    ASSERT_TRUE(player.WaitForExit(15000));
    EXPECT_EQ(player.ExitCode(), 0);
}

}  // namespace
}  // namespace taleno
