// A stand-in for the playback engine, for tests of the engine controller.
//
// It takes the engine's command line and skips every argument except the last
// one that ends in ".standin": that names a script telling it how to behave.
// Without a script it acts as "starting" followed by serving commands.
//
// Script lines (blank lines and lines starting with "#" are skipped):
//   print <text>     writes <text> and a line feed to standard output
//   starting         prints "Starting playback..."; the playback clock starts
//   print-id         prints the identification lines of a 4-second 176x144
//                    clip with an MP3 track
//   sleep <ms>       waits
//   exit <code>      ends at once with <code>
//   stall            prints nothing more and answers nothing, but keeps running
//   flood            prints distinct lines without end
// Settings, in force from the start wherever they stand in the script:
//   ignore-quit      "quit" and the end of the input no longer end the engine
//   deaf             standard input is never read, so it fills up
//   answer-time      "get_time_pos" is answered with "ANS_TIME_POSITION=<s>"
//   record <file>    every byte received on standard input is appended to
//                    <file>, exactly as received
//
// When the script has run out the engine keeps playing: it serves commands
// until "quit" (it prints "Exiting... (Quit)" and ends with 0) or until its
// input ends (0). Commands understood: quit and get_time_pos (the seconds since
// "starting"). Anything else is ignored. A script that cannot be read ends it
// with 1; as a safety net it ends itself after 5 minutes.

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

std::mutex g_outputMutex;
std::atomic<bool> g_silent{false};
bool g_ignoreQuit = false;
bool g_deaf = false;
bool g_answerTime = false;
int g_recordFd = -1;

// The steady clock's seconds when "starting" set the playback clock going; 0 before.
std::atomic<double> g_startedAt{0.0};

void WriteAll(int fd, const std::string& text) {
    std::lock_guard lock(g_outputMutex);
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

void Emit(const std::string& line) {
    if (!g_silent) WriteAll(1, line);
}

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The playback position in seconds: 0 until "starting", then the time since.
double ClockSeconds() { return g_startedAt == 0.0 ? 0.0 : SteadySeconds() - g_startedAt; }

// Says goodbye only when the output pipe has room: a flooding script may keep
// it full, and "quit" must work all the same.
void SayExiting() {
    pollfd out{1, POLLOUT, 0};
    if (!g_silent && ::poll(&out, 1, 0) == 1 && (out.revents & POLLOUT) != 0) {
        (void)!::write(1, "\nExiting... (Quit)\n", 19);
    }
}

void HandleCommand(const std::string& line) {
    if (line == "quit" && !g_ignoreQuit) {
        SayExiting();
        ::_exit(0);
    } else if (line == "get_time_pos" && g_answerTime) {
        char answer[64];
        std::snprintf(answer, sizeof answer, "ANS_TIME_POSITION=%.1f\n", ClockSeconds());
        Emit(answer);
    }
}

// Reads standard input on its own thread, so commands are served while the
// script sleeps, stalls or floods.
void ServeCommands() {
    std::string pending;
    char chunk[512];
    for (;;) {
        ssize_t n = ::read(0, chunk, sizeof chunk);
        if (n <= 0) break;
        if (g_recordFd >= 0) (void)!::write(g_recordFd, chunk, static_cast<size_t>(n));
        pending.append(chunk, static_cast<size_t>(n));
        size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            HandleCommand(pending.substr(0, end));
            pending.erase(0, end + 1);
        }
    }
    if (!g_ignoreQuit) ::_exit(0);
}

struct Step {
    std::string verb;
    std::string text;
};

std::vector<Step> LoadScript(const std::string& path) {
    std::vector<Step> steps;
    std::ifstream file(path);
    if (!file) return {{"exit", "1"}};
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        size_t blank = line.find(' ');
        Step step{line.substr(0, blank), blank == std::string::npos ? "" : line.substr(blank + 1)};
        if (step.verb == "ignore-quit") {
            g_ignoreQuit = true;
        } else if (step.verb == "deaf") {
            g_deaf = true;
        } else if (step.verb == "answer-time") {
            g_answerTime = true;
        } else if (step.verb == "record") {
            g_recordFd = ::open(step.text.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        } else {
            steps.push_back(step);
        }
    }
    return steps;
}

void RunStep(const Step& step) {
    if (step.verb == "print") {
        Emit(step.text + "\n");
    } else if (step.verb == "starting") {
        Emit("Starting playback...\n");
        g_startedAt = SteadySeconds();
    } else if (step.verb == "print-id") {  // a 4-second 176x144 clip with an MP3 track
        Emit(
            "ID_VIDEO_ID=0\nID_AUDIO_ID=1\nID_VIDEO_CODEC=ffodivx\nID_FILENAME=clip.avi\nID_DEMUXER=avi\n"
            "ID_VIDEO_FORMAT=FMP4\nID_VIDEO_BITRATE=283824\nID_VIDEO_WIDTH=176\nID_VIDEO_HEIGHT=144\n"
            "ID_VIDEO_FPS=25.000\nID_VIDEO_ASPECT=0.0000\nID_AUDIO_FORMAT=85\nID_AUDIO_BITRATE=64000\n"
            "ID_AUDIO_RATE=44100\nID_AUDIO_NCH=2\nID_LENGTH=4.00\nID_SEEKABLE=1\nID_AUDIO_CODEC=mpg123\n");
    } else if (step.verb == "sleep") {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(step.text.c_str())));
    } else if (step.verb == "exit") {
        ::_exit(std::atoi(step.text.c_str()));
    } else if (step.verb == "stall") {
        g_silent = true;
    } else if (step.verb == "flood") {
        for (unsigned long n = 0; !g_silent; ++n) Emit("flood line " + std::to_string(n) + "\n");
    } else {
        WriteAll(2, "standin: unknown instruction: " + step.verb + "\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    ::alarm(300);
    std::string script;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.size() > 8 && arg.compare(arg.size() - 8, 8, ".standin") == 0) script = arg;
    }
    std::vector<Step> steps;
    if (script.empty()) {
        g_answerTime = true;
        steps.push_back({"starting", ""});
    } else {
        steps = LoadScript(script);
    }
    if (!g_deaf) std::thread(ServeCommands).detach();
    for (const Step& step : steps) RunStep(step);
    for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}
