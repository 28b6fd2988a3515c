#include "app/PlayerApp.h"

#include "player/MainFrame.h"
#include "player/MprisService.h"
#include "prefs/PreferencesSheet.h"
#include "settings/Settings.h"

#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <utility>

namespace taleno {

namespace {

std::string WorkingFolder() {
    std::vector<char> buffer(256);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return std::string();
        }
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}

// Qt's own switches that take the next argument as their value; QApplication
// takes them out of the command line, but a later instance reads it before
// there is one.
bool IsQtSwitchWithValue(std::string_view argument) {
    static constexpr std::string_view kSwitches[] = {"platform",        "platformpluginpath",
                                                     "platformtheme",   "plugin",
                                                     "qwindowgeometry", "geometry",
                                                     "qwindowtitle",    "title",
                                                     "qwindowicon",     "icon",
                                                     "display",         "name",
                                                     "style",           "stylesheet",
                                                     "session"};
    if (argument.starts_with("--")) {
        argument.remove_prefix(2);
    } else if (argument.starts_with("-")) {
        argument.remove_prefix(1);
    } else {
        return false;
    }
    return std::find(std::begin(kSwitches), std::end(kSwitches), argument) != std::end(kSwitches);
}

}  // namespace

std::string CommandLineFile(const std::vector<std::string>& arguments) {
    bool switchesEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!switchesEnded && argument == "--") {
            switchesEnded = true;
            continue;
        }
        if (!switchesEnded && IsQtSwitchWithValue(argument)) {
            ++i;  // its value is no file
            continue;
        }
        if (argument.empty() || (!switchesEnded && argument.front() == '-')) {
            continue;
        }
        return argument;
    }
    return std::string();
}

std::string AbsoluteClipArgument(const std::string& argument, const std::string& workingFolder) {
    if (argument.empty() || argument.front() == '/' || argument.find("://") != std::string::npos ||
        workingFolder.empty()) {
        return argument;
    }
    return workingFolder.back() == '/' ? workingFolder + argument : workingFolder + "/" + argument;
}

CPlayerApp::CPlayerApp(std::string folder, std::string instanceFolder)
    : moduleFolder(std::move(folder)), instance(std::move(instanceFolder)) {}

CPlayerApp::~CPlayerApp() = default;

bool CPlayerApp::HandOffToRunningInstance(const std::vector<std::string>& arguments) {
    if (!handedOff) {
        const std::string file = AbsoluteClipArgument(CommandLineFile(arguments), WorkingFolder());
        // Without a file there is nothing to hand over, and the running
        // instance is not brought forward.
        handedOff = instance.AlreadyRunning() && !ReadAllowMultipleInstances(moduleFolder) &&
                    (file.empty() || instance.HandOff(file));
    }
    return *handedOff;
}

CPlayerApp::StartResult CPlayerApp::InitInstance(const std::vector<std::string>& arguments) {
    if (HandOffToRunningInstance(arguments)) {
        return StartResult::HandedOff;
    }
    const std::string file = AbsoluteClipArgument(CommandLineFile(arguments), WorkingFolder());
    return StartWindow(file) ? StartResult::WindowShown : StartResult::Failed;
}

bool CPlayerApp::StartWindow(const std::string& file) {
    // Listening before the window exists lets a later instance connect while
    // this one is still building it; the connection is served once the event
    // loop runs, when the frame is there.
    // A handed-over file is acknowledged as soon as it is received and
    // opened afterwards from the event loop, so the later instance never
    // waits on what opening it may show (a message box).
    openHandedOver.setSingleShot(true);
    QObject::connect(&openHandedOver, &QTimer::timeout, [this] {
        // Later instances still arriving are served first: opening may stop
        // and start the engine, and they would wait on it.
        if (instance.IsServingConnections()) {
            openHandedOver.start(kHandOffSettleMs);
        } else if (frame) {
            frame->OpenPath(std::exchange(handedOverFile, std::string()));
        }
    });
    serving = instance.Listen([this](const std::string& argument) {
        handedOverFile = argument;
        openHandedOver.start(0);
    });
    frame = std::make_unique<CMainFrame>(moduleFolder);
    frame->SetCommandLineFile(file);
    if (!frame->Create()) {
        frame.reset();
        return false;
    }
    frame->SetPreferencesSheet([folder = moduleFolder](SettingsRecord& record, QWidget* parent) {
        CPreferencesSheet sheet(folder, parent);
        sheet.Load(record);
        if (sheet.exec() != QDialog::Accepted) {
            return false;
        }
        sheet.Store(record);
        return true;
    });
    frame->show();
    // On the session bus for the desktop's media controls once the window
    // is up, so connecting to the bus does not delay it. The service belongs
    // to the frame and goes with it.
    QTimer::singleShot(0, frame.get(), [this] { new CMprisService(*frame, QDBusConnection::sessionBus()); });
    return true;
}

void CPlayerApp::DestroyMainWindow() {
    // A later instance must not hand a file to a window that is going.
    instance.StopServing();
    frame.reset();
}

void CPlayerApp::CloseMainWindow() {
    if (frame) {
        frame->close();
    }
}

}  // namespace taleno
