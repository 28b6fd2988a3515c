#pragma once
// CPlayerApp: the program's start-up. It enforces one player per user, hands
// a later instance's file or URL to the player that runs already, and
// otherwise creates and shows the main window, which plays the file or URL of
// the command line once its video window exists.
//
// It lives in the executable's folder because it needs the main frame of
// src/player; nothing below src/app depends on it.

#include "platform/SingleInstance.h"

#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace taleno {

class CMainFrame;

// The file or URL of a command line (arguments without the program name):
// the first argument that does not begin with "-" and is not the value of
// one of Qt's own switches ("-style Fusion", "-platform xcb", ...); after
// "--" the first argument, whatever it begins with. Empty arguments name
// nothing and are passed over. "" when there is none.
std::string CommandLineFile(const std::vector<std::string>& arguments);

// The clip a command-line argument names, as this or the running instance
// plays it: a relative local path is made absolute against workingFolder, so
// that the running instance (in another folder) finds it and the clip's
// remembered position is kept under one key wherever the player was started;
// absolute paths, addresses with "://" and an empty workingFolder leave the
// text as it is.
std::string AbsoluteClipArgument(const std::string& argument, const std::string& workingFolder);

class CPlayerApp {
public:
    enum class StartResult {
        WindowShown,  // the main window is up: run the event loop
        HandedOff,    // another instance took over (or had nothing to take): end, no window
        Failed,       // the main window could not be created: end with an error
    };

    // Takes the single-instance lock in instanceFolder (see CSingleInstance)
    // at once, so it is held from the program's start. The settings file is
    // read from moduleFolder.
    CPlayerApp(std::string moduleFolder, std::string instanceFolder);
    ~CPlayerApp();

    CPlayerApp(const CPlayerApp&) = delete;
    CPlayerApp& operator=(const CPlayerApp&) = delete;

    // When another instance runs and bAllowMultipleInstances is false, hands
    // the command-line file to that instance and returns true: this instance
    // ends (without a file nothing is sent). Needs no application object and
    // no display, so a later instance hands off before it makes anything of
    // the GUI. False when this instance is to show its own window (also when
    // no running instance answered: the file is not dropped). Decided once;
    // later calls give the same answer.
    bool HandOffToRunningInstance(const std::vector<std::string>& arguments);

    // arguments: the command line without the program name. A QApplication
    // must exist. HandedOff as above; otherwise the main window is created
    // and shown, and it serves later instances when no other instance does
    // yet.
    StartResult InitInstance(const std::vector<std::string>& arguments);

    // The main window, after InitInstance returned WindowShown.
    CMainFrame* GetMainFrame() const { return frame.get(); }
    // Whether this instance receives the arguments of later instances.
    bool IsServing() const { return serving; }
    // Whether another instance held the lock when this one started.
    bool AlreadyRunning() const { return instance.AlreadyRunning(); }

    // Closes the main window as the user would, so its close sequence runs.
    void CloseMainWindow();
    // Destroys the main window; called before the application object goes,
    // since this object outlives it (it holds the single-instance lock from
    // the program's start).
    void DestroyMainWindow();

private:
    bool StartWindow(const std::string& file);

    std::string moduleFolder;
    CSingleInstance instance;
    std::optional<bool> handedOff;  // once HandOffToRunningInstance decided
    std::unique_ptr<CMainFrame> frame;
    bool serving = false;
    // A file handed over by a later instance: acknowledged on arrival and
    // opened from the event loop. When several arrive before it runs, only
    // the last is opened: each open replaces the playlist, so the ones
    // between would only start and stop the engine (a file manager opening
    // fifty files at once).
    std::string handedOverFile;
    QTimer openHandedOver;
    // How often the opening looks again while later instances are served.
    static constexpr int kHandOffSettleMs = 10;
};

}  // namespace taleno
