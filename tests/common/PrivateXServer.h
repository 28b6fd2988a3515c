#pragma once
// A private Xorg server for one test: the dummy video driver (no monitor, no
// GPU), on the first free display number, with its configuration and log in
// a scratch folder. It leaves the machine's devices alone: no input devices,
// no GPUs, no console (the dummy driver needs none), no TCP. Unlike Xvfb it
// offers the DPMS extension, through the talenodpms module in moduleDir,
// which gives the dummy screen a DPMS hook; its configuration, dummy.conf,
// lies beside the module.
//
//   PrivateXServer server(moduleDir);
//   if (!server.Started()) GTEST_SKIP() << server.SkipReason();
//
// Missing Xorg, dummy driver or module (or not running as root, which the
// server needs) is a reason to skip; a server that is there but does not come
// up fails the test.

#include <sys/prctl.h>
#include <unistd.h>

#include <QProcess>

#include <csignal>
#include <regex>

#include "common/TestSupport.h"

namespace taleno::test {

class PrivateXServer {
public:
    explicit PrivateXServer(const std::string& moduleDir) {
        namespace fs = std::filesystem;
        if (::geteuid() != 0) {
            skipReason = "the private Xorg server needs root";
        } else if (!fs::exists(kServer) || !fs::exists("/usr/lib/xorg/modules/drivers/dummy_drv.so")) {
            skipReason = "Xorg or its dummy video driver is not installed";
        } else if (!fs::exists(moduleDir + "/talenodpms.so")) {
            skipReason = "the talenodpms module for Xorg was not built";
        } else {
            Start(moduleDir);
        }
    }
    ~PrivateXServer() {
        server.terminate();
        if (!server.waitForFinished(5000)) server.kill();
        server.waitForFinished(5000);
    }

    bool Started() const { return !display.empty(); }
    std::string SkipReason() const { return skipReason; }
    // ":0", ":1" and so on.
    std::string Display() const { return display; }

private:
    static constexpr const char* kServer = "/usr/lib/xorg/Xorg";

    // With -displayfd the server takes the first free display number and
    // writes it out once it accepts connections.
    void Start(const std::string& moduleDir) {
        std::filesystem::create_directory(folder.File("conf.d"));
        server.setStandardErrorFile(QString::fromStdString(folder.File("x.out")));
        // The server goes when the test process does.
        server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        server.start(kServer,
                     {"-config", QString::fromStdString(moduleDir + "/dummy.conf"), "-configdir",
                      QString::fromStdString(folder.File("conf.d")), "-noreset", "-nolisten", "tcp", "-sharevts",
                      "-novtswitch", "-logfile", QString::fromStdString(folder.File("x.log")), "-displayfd", "1"});
        while (!server.canReadLine() && server.waitForReadyRead(10000)) {
        }
        if (server.canReadLine()) {
            display = ":" + server.readLine().trimmed().toStdString();
        } else {
            ADD_FAILURE() << "the private Xorg server did not start; its log:\n"
                          << ReadWholeFile(folder.File("x.out")) << ReadWholeFile(folder.File("x.log"));
        }
    }

    ScratchFolder folder;
    QProcess server;
    std::string display;
    std::string skipReason;
};

// Runs `xset <arguments>` on `display` and returns what it printed.
inline std::string RunXset(const std::string& display, const std::string& arguments) {
    QProcess xset;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QString::fromStdString(display));
    xset.setProcessEnvironment(environment);
    xset.setProcessChannelMode(QProcess::MergedChannels);
    xset.startCommand("xset " + QString::fromStdString(arguments));
    xset.waitForFinished(10000);
    return xset.readAll().toStdString();
}

// The screen-saver and DPMS lines of `xset q`, squeezed: for example
// "prefer blanking: no;timeout: 0 cycle: 123;Standby: 0 Suspend: 0 Off: 0;DPMS is Enabled;"
// (a server without DPMS has nothing between the last semicolons).
inline std::string XsetTimeOuts(const std::string& display) {
    const std::string report = RunXset(display, "q");
    std::string result;
    for (const char* pattern : {R"(prefer blanking:\s+\w+)", R"(timeout:\s+\d+\s+cycle:\s+\d+)",
                                R"(Standby:\s+\d+\s+Suspend:\s+\d+\s+Off:\s+\d+)", R"(DPMS is \w+)"}) {
        std::smatch match;
        if (std::regex_search(report, match, std::regex(pattern))) {
            result += std::regex_replace(match.str(), std::regex(R"(\s+)"), " ");
        }
        result += ";";
    }
    return result;
}

}  // namespace taleno::test
