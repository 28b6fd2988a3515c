// Benchmark of the player's list windows, in a Qt application on an X display
// (run under xvfb-run):
//  - the Log window: the cost of one appended line when it already holds its
//    200 lines; and a main window whose engine prints 1,000 lines a second
//    with logging on: the player's CPU and how late a 100 ms timer fires
//    (the event loop stays free for menus and keys);
//  - the playlist window: 500 entries added one by one as the Add button
//    adds them (one batch, each entry shown and measured for the scroll
//    extent), and a 500-entry playlist file loaded.
//
// Usage: bench_lists [--seconds S]
// The "engine" of the chatty run is this program itself, started by the main
// window with the engine's arguments: it then prints "Starting playback..."
// and one distinct line every millisecond until its input ends.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchUtil.h"
#include "player/MainFrame.h"
#include "shell/LogDlg.h"
#include "shell/PlaylistDlg.h"

namespace taleno::bench {
namespace {

// The stand-in engine: a line a millisecond, until "quit" or the end of input.
int Emit() {
    std::printf("Starting playback...\n");
    std::fflush(stdout);
    fcntl(0, F_SETFL, O_NONBLOCK);
    char input[256];
    for (long line = 0;; ++line) {
        std::printf("chatty engine line %ld: A:%8.1f V:%8.1f\n", line, line / 1000.0, line / 1000.0);
        std::fflush(stdout);
        const ssize_t n = read(0, input, sizeof input);
        if (n == 0 || (n > 0 && std::strstr(std::string(input, static_cast<std::size_t>(n)).c_str(), "quit"))) {
            return 0;
        }
        usleep(1000);
    }
}

void LogLines() {
    CLogDlg log;
    log.show();
    for (int i = 0; i < CLogDlg::kMaxLines; ++i) log.AppendLine(QStringLiteral("warm-up line %1").arg(i));
    constexpr int kLines = 20000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kLines; ++i) log.AppendLine(QStringLiteral("ID_VIDEO_WIDTH=%1 a line of engine output").arg(i));
    const double us = timer.nsecsElapsed() / 1000.0 / kLines;
    std::printf("log window, full (200 lines): %.2f us per appended line (%d lines)\n", us, kLines);
    std::printf("target: under 50 us a line: %s\n\n", us < 50 ? "met" : "MISSED");
}

void ChattyEngine(const std::string& self, double seconds) {
    char folderTemplate[] = "/tmp/taleno-bench-lists-XXXXXX";
    const std::string folder = mkdtemp(folderTemplate);
    std::ofstream(folder + "/Taleno .ini") << "[TALENO]\nbMPlayerPathName=true\nstrMPlayerPathName=" << self
                                           << "\nbEnableLogging=true\nnSSDisableMode=0\n";
    std::ofstream(folder + "/clip.avi") << "not read";
    {
        CMainFrame frame(folder);
        frame.Create();
        frame.show();
        frame.OpenPath(folder + "/clip.avi");
        // Late ticks of a 100 ms timer: the event loop's answer time.
        double worstLate = 0;
        QElapsedTimer since;
        since.start();
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            worstLate = std::max(worstLate, since.elapsed() - 100.0);
            since.restart();
        });
        // The event loop runs as the program's does: idle until something comes.
        const auto run = [](double ms) {
            QEventLoop loop;
            QTimer::singleShot(static_cast<int>(ms), &loop, &QEventLoop::quit);
            loop.exec();
        };
        run(2000);
        probe.start(100);
        since.restart();
        const double cpuBefore = CpuMs(RUSAGE_SELF);
        const double start = NowMs();
        run(seconds * 1000);
        const double cpu = CpuMs(RUSAGE_SELF) - cpuBefore;
        const double wall = NowMs() - start;
        probe.stop();
        std::printf("engine printing 1,000 lines a second, logging on, for %.1f s:\n", wall / 1000);
        std::printf("  player CPU %.1f %% of one core; a 100 ms timer fired at most %.1f ms late\n", 100.0 * cpu / wall,
                    worstLate);
        frame.close();
    }
    std::filesystem::remove_all(folder);
    std::printf("\n");
}

void PlaylistWindow() {
    CPlaylist playlist;
    CPlaylistDlg window(playlist);
    window.show();
    QElapsedTimer timer;
    timer.start();
    window.OnBeginBatch();
    for (int i = 0; i < MAX_PLAYLIST_ENTRIES; ++i) {
        playlist.AddFile("/home/user/Music/Some Artist/Some Album/" + std::to_string(i) + " - a track title.mp3");
    }
    window.OnEndBatch();
    QApplication::processEvents();
    const double added = timer.nsecsElapsed() / 1e6;

    char folderTemplate[] = "/tmp/taleno-bench-lists-XXXXXX";
    const std::string folder = mkdtemp(folderTemplate);
    {
        std::ofstream list(folder + "/list.txt");
        for (int i = 0; i < MAX_PLAYLIST_ENTRIES; ++i) list << "Album/" << i << " - a track title.mp3\r\n";
    }
    timer.restart();
    playlist.LoadPlaylist(folder + "/list.txt");
    QApplication::processEvents();
    const double loaded = timer.nsecsElapsed() / 1e6;
    std::filesystem::remove_all(folder);
    std::printf("playlist window: 500 entries added %.1f ms, 500-entry file loaded %.1f ms\n", added, loaded);
    std::printf("target: under 50 ms each: %s\n", added < 50 && loaded < 50 ? "met" : "MISSED");
}

}  // namespace
}  // namespace taleno::bench

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-slave") == 0) return taleno::bench::Emit();  // started as the engine
    }
    double seconds = 10;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::max(1.0, std::atof(argv[i + 1]));
    }
    QApplication application(argc, argv);
    taleno::bench::LogLines();
    taleno::bench::ChattyEngine(std::filesystem::canonical("/proc/self/exe").string(), seconds);
    taleno::bench::PlaylistWindow();
    return 0;
}
