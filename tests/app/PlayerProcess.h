#pragma once
// Runs copies of the built player as processes of their own: each install is
// a scratch folder holding a copy of the executable and, beside it, its
// "Taleno .ini"; the players of a test share one runtime folder, where the
// single-instance lock and socket live. Also finds a process's X11 windows.

#include <signal.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <regex>
#include "common/TestSupport.h"

namespace taleno::test {

// A scratch folder with the player's executable and its settings file.
class PlayerInstall {
public:
    explicit PlayerInstall(const std::string& iniLines) {
        std::filesystem::copy_file(TALENO_APP_BINARY, Executable());
        WriteWholeFile(folder.File("Taleno .ini"), "[TALENO]\n" + iniLines);
    }
    std::string Folder() const { return folder.Path(); }
    std::string Executable() const { return folder.File("taleno"); }

private:
    ScratchFolder folder;
};

// Settings lines that make the player start the stand-in engine.
inline std::string StandInEngineSettings() {
    return std::string("bMPlayerPathName=true\nstrMPlayerPathName=") + TALENO_STANDIN_ENGINE + "\n";
}

// One started player, on the X display `display` when one is given. The
// process is killed, if still running, when the object goes.
class PlayerProcess {
public:
    // settings: "NAME=value" entries of its environment, "NAME=" to leave
    // NAME out.
    PlayerProcess(const PlayerInstall& install, const std::string& runtimeFolder,
                  const std::vector<std::string>& arguments, const std::string& workingFolder = "",
                  const std::string& display = "", const QStringList& settings = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& setting : settings) {
            const QString name = setting.section('=', 0, 0), value = setting.section('=', 1);
            value.isEmpty() ? environment.remove(name) : environment.insert(name, value);
        }
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtimeFolder));
        environment.insert("HOME", QString::fromStdString(install.Folder()));
        if (!display.empty()) {
            environment.insert("DISPLAY", QString::fromStdString(display));
            environment.insert("QT_QPA_PLATFORM", "xcb");
        }
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QString::fromStdString(workingFolder.empty() ? install.Folder() : workingFolder));
        QStringList list;
        for (const std::string& argument : arguments) list << QString::fromStdString(argument);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QString::fromStdString(install.Executable()), list);
        process.waitForStarted(10000);
    }
    ~PlayerProcess() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    pid_t Pid() const { return static_cast<pid_t>(process.processId()); }
    bool Running() const { return process.state() != QProcess::NotRunning; }
    // Pumps this process's event loop while waiting, so an instance inside
    // the test process keeps serving.
    bool WaitForExit(int timeoutMs) {
        return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs);
    }
    int ExitCode() const { return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1; }
    void Signal(int signalNumber) const { ::kill(Pid(), signalNumber); }

private:
    QProcess process;
};

// What an x11-utils tool (xwininfo, xprop) prints on the test's display;
// "" when it fails, as for a window that does not exist.
inline std::string XTool(const QString& tool, const QStringList& arguments) {
    QProcess run;
    run.start(tool, arguments);
    return run.waitForFinished(10000) && run.exitCode() == 0 ? run.readAllStandardOutput().toStdString() : "";
}

// The titles of the mapped top-level windows of process pid, found as a
// window manager finds them: by their _NET_WM_PID.
inline std::vector<std::string> WindowTitles(pid_t pid) {
    std::vector<std::string> titles;
    const std::string tree = XTool("xwininfo", {"-root", "-children"});
    static const std::regex child(R"re((0x[0-9a-f]+) "([^"]*)")re");
    for (std::sregex_iterator it(tree.begin(), tree.end(), child), end; it != end; ++it) {
        const QString id = QString::fromStdString((*it)[1]);
        if (XTool("xprop", {"-id", id, "_NET_WM_PID"}).ends_with("= " + std::to_string(pid) + "\n") &&
            XTool("xwininfo", {"-id", id}).find("IsViewable") != std::string::npos) {
            titles.push_back((*it)[2]);
        }
    }
    return titles;
}

// The X11 window the engine draws into: the -wid argument on the command
// line of the player's (first) child process; 0 before there is one.
inline unsigned long EngineWindow(pid_t player) {
    const std::string id = std::to_string(player);
    const std::string children = ReadWholeFile("/proc/" + id + "/task/" + id + "/children");
    if (children.empty()) return 0;
    const std::string argv = ReadWholeFile("/proc/" + children.substr(0, children.find(' ')) + "/cmdline");
    const std::size_t wid = argv.find(std::string("-wid") + '\0');
    return wid == std::string::npos ? 0 : std::stoul(argv.substr(wid + 5));
}

// Whether the test runs on a real X display (not Qt's offscreen platform).
inline bool HasXDisplay() {
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return display != nullptr && *display != '\0' && (platform == nullptr || std::string(platform) == "xcb");
}

}  // namespace taleno::test
