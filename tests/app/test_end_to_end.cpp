// The player started as `taleno <file>` would start it, on the X display the
// tests run under, with the real engine (Debian's mplayer) playing clips made
// with ffmpeg: caption, status texts, the engine's window, the picture on
// the screen, the time display, the shortcuts, the screen-saver time-outs and
// the step to the next playlist entry.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include "PlayerProcess.h"
#include "app/PlayerApp.h"
#include "engine/EngineLocation.h"
#include "player/MainFrame.h"
#include "shell/StatusPanel.h"

namespace taleno {
namespace {

using test::PumpUntil;

// The screen-saver time-out and the three DPMS time-outs ("" where the
// server has no DPMS), as `xset q` reports them.
QString TimeOuts() {
    QProcess xset;
    xset.start("xset", {"q"});
    xset.waitForFinished(5000);
    const QString report = QString::fromLocal8Bit(xset.readAllStandardOutput());
    QString result;
    for (const char* pattern : {R"(timeout:\s+(\d+))", R"(Standby:\s+(\d+)\s+Suspend:\s+(\d+)\s+Off:\s+(\d+))"}) {
        const QRegularExpressionMatch match = QRegularExpression(pattern).match(report);
        result += match.captured(0).simplified() + ";";
    }
    return result;
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
            const std::string command = "ffmpeg -y -loglevel error -f lavfi -i testsrc=size=176x144:rate=25 "
                                        "-f lavfi -i sine=frequency=440 -t " + std::to_string(seconds) +
                                        " -c:v mpeg4 -c:a libmp3lame '" + folder->File(name) + "'";
            ready = ready && std::system(command.c_str()) == 0;
        }
        test::WriteWholeFile(folder->File("two.m3u"), "#EXTM3U\none.avi\ntwo.avi\n");
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
    const QString idleTimeOuts = TimeOuts();
    CMainFrame& frame = Start("clip.avi");
    ASSERT_TRUE(PumpUntil([&] { return frame.GetStatusText() == "Playing"; }, 15000)) << frame.GetStatusText().toStdString();
    EXPECT_EQ(frame.windowTitle(), "clip.avi - TALENO");
    test::XDisplay x;
    EXPECT_EQ(x.Title(frame.winId()), "clip.avi - TALENO");
    EXPECT_EQ(TimeOuts(), idleTimeOuts.contains("Standby") ? "timeout: 0;Standby: 0 Suspend: 0 Off: 0;"
                                                           : "timeout: 0;;");

    // The engine draws into the view's video window.
    const std::string cmdline = test::ReadWholeFile("/proc/" + std::to_string(frame.GetEngine().GetEnginePid()) + "/cmdline");
    EXPECT_NE(cmdline.find(std::string("-wid") + '\0' + std::to_string(frame.GetVideoWindowId()) + '\0'),
              std::string::npos);

    // The test picture's colour bars are on the screen where the video window is.
    QWidget* video = QWidget::find(frame.GetVideoWindowId());
    ASSERT_NE(video, nullptr);
    const QPoint origin = video->mapToGlobal(QPoint(0, 0));
    QImage shot;
    EXPECT_TRUE(PumpUntil([&] {
        shot = QGuiApplication::primaryScreen()
                   ->grabWindow(0, origin.x(), origin.y(), video->width(), video->height())
                   .toImage();
        return ShowsColourBars(shot);
    }, 5000));

    EXPECT_TRUE(PumpUntil([&] { return frame.GetStatusPanel()->TimeText().startsWith("00:02"); }, 8000))
        << frame.GetStatusPanel()->TimeText().toStdString();

    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame, 5000));
    QTest::keyClick(&frame, Qt::Key_Space);
    EXPECT_TRUE(PumpUntil([&] { return frame.GetEngine().GetState() == ENGINE_PAUSED; }, 5000));
    EXPECT_EQ(frame.GetStatusText(), "Paused");
    QTest::keyClick(&frame, Qt::Key_Space);
    EXPECT_TRUE(PumpUntil([&] { return frame.GetEngine().GetState() == ENGINE_PLAYING; }, 5000));
    EXPECT_EQ(frame.GetStatusText(), "Playing");
    QTest::keyClick(&frame, Qt::Key_Period);
    EXPECT_TRUE(PumpUntil([&] { return frame.GetEngine().GetState() == ENGINE_STOPPED; }, 10000));
    EXPECT_EQ(frame.GetStatusText(), "Stopped");
    EXPECT_EQ(TimeOuts(), idleTimeOuts);
}

TEST_F(EndToEndTest, TheEndOfAClipPlaysTheNextPlaylistEntry) {
    CMainFrame& frame = Start("two.m3u");
    ASSERT_TRUE(PumpUntil([&] { return frame.windowTitle() == "one.avi - TALENO"; }, 15000));
    EXPECT_TRUE(PumpUntil([&] {
        return frame.windowTitle() == "two.avi - TALENO" && frame.GetStatusText() == "Playing";
    }, 20000));
}

TEST_F(EndToEndTest, ASecondPlayerProcessHandsItsClipToTheFirstProcess) {
    test::PlayerInstall install("nVideoOutputDriver=3\nnAudioOutputDriver=1\n");
    test::PlayerProcess first(install, runtime.Path(), {folder->File("one.avi")});
    test::XDisplay x;
    const auto titleIs = [&](const std::string& title) {
        return PumpUntil([&] {
            const auto windows = x.WindowsOf(first.Pid());
            return windows.size() == 1 && x.Title(windows[0]) == title;
        }, 15000);
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

}  // namespace
}  // namespace taleno
