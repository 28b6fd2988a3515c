// Web video pages through the main window: resolved by yt-dlp from a page on
// a local HTTP server (its generic extractor finds the page's <video>),
// played by the real engine under the page's title; a failing page, a
// missing yt-dlp and a Stop during the resolution change nothing else.

#include "FrameFixture.h"
#include "common/TestSupport.h"

#include "settings/RecentFiles.h"
#include "shell/StatusPanel.h"

#include <QProcess>

#include <filesystem>

namespace taleno::test {
namespace {

class WebPageTest : public FrameTest {
protected:
    void SetUp() override {
        if (std::system("command -v yt-dlp >/dev/null && command -v ffmpeg >/dev/null && test -x /usr/bin/mplayer") !=
            0) {
            GTEST_SKIP() << "yt-dlp, ffmpeg or mplayer missing";
        }
        ASSERT_EQ(std::system(("ffmpeg -loglevel error -f lavfi -i testsrc=size=176x144:rate=25 -f lavfi -i sine -t "
                               "20 -c:v mpeg4 -c:a libmp3lame '" +
                               folder.File("clip.avi") + "'")
                                  .c_str()),
                  0);
        WriteWholeFile(folder.File("page.html"),
                       "<html><head><title>A Page &amp; Title</title></head>"
                       "<body><video src=\"clip.avi\" controls></video></body></html>");
        // The server takes a free port and says which.
        server.start("python3",
                     {"-c",
                      "import functools, http.server, sys\n"
                      "handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])\n"
                      "server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)\n"
                      "print(server.server_address[1], flush=True)\n"
                      "server.serve_forever()\n",
                      QString::fromStdString(folder.Path())});
        ASSERT_TRUE(server.waitForReadyRead(10000));
        base = "http://127.0.0.1:" + server.readLine().trimmed().toStdString() + "/";
    }
    void TearDown() override {
        FrameTest::TearDown();
        server.kill();
        server.waitForFinished();
    }

    QProcess server;
    std::string base;
    // yt-dlp keeps a cache in the user's folders: a scratch one here.
    ScopedEnv cache{"XDG_CACHE_HOME", folder.File("cache").c_str()};
};

TEST_F(WebPageTest, APageIsPlayedUnderItsTitleAndAFailureChangesNothing) {
    MainFrameTestAccess& f = MakeFrame("nVideoOutputDriver=1\nnAudioOutputDriver=1\n", "/usr/bin/mplayer");
    statuses.clear();
    f.OpenPath(base + "page.html");
    EXPECT_EQ(f.Panel().StatusText(), "Resolving...");
    ASSERT_TRUE(WaitForStatus("Playing", 20000));
    EXPECT_EQ(f.GetSession().Clip(), base + "clip.avi");
    EXPECT_TRUE(f->windowTitle().startsWith("A Page & Title")) << f->windowTitle().toStdString();
    EXPECT_EQ(f.GetSession().PageTitle().substr(0, 14), "A Page & Title");
    // The page is what was opened, not its stream (whose address may not last).
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.GetSession().RecentFiles().front() == base + "page.html"; }, 3000));

    // A page that is not there: yt-dlp's reason, and the clip plays on.
    f.OpenPath(base + "missing.html");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.isEmpty(); }, 20000));
    EXPECT_TRUE(boxes[0].startsWith("yt-dlp found no video on this page: ")) << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].contains("404")) << boxes[0].toStdString();
    EXPECT_EQ(f.GetSession().Clip(), base + "clip.avi");
    EXPECT_EQ(f.GetSession().State(), ENGINE_PLAYING);
    EXPECT_EQ(f.Panel().StatusText(), "Playing");

    // No yt-dlp on PATH: said so, at once.
    {
        const ScopedEnv path("PATH", "/nonexistent");
        f.OpenPath(base + "page.html");
    }
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[1].contains("needs yt-dlp, which is not installed")) << boxes[1].toStdString();
    EXPECT_EQ(f.GetSession().State(), ENGINE_PLAYING);

    // Stop while a (slow) yt-dlp works: it is ended, nothing opens.
    std::filesystem::create_directory(folder.File("bin"));
    WriteWholeFile(folder.File("bin/yt-dlp"), "#!/bin/sh\nsleep 30\n");
    std::filesystem::permissions(folder.File("bin/yt-dlp"), std::filesystem::perms::owner_all);
    {
        const ScopedEnv path("PATH", folder.File("bin").c_str());
        f.OpenPath(base + "page.html");
    }
    EXPECT_EQ(f.Panel().StatusText(), "Resolving...");
    statuses.clear();
    Send(ID_PLAY_STOP);
    EXPECT_EQ(f.Panel().StatusText(), "Stopped");
    QTest::qWait(500);
    EXPECT_FALSE(statuses.contains("Starting..."));
    EXPECT_EQ(boxes.size(), 2);
    EXPECT_FALSE(HasUnreapedChild());
}

}  // namespace
}  // namespace taleno::test
