// Taleno's entry point.
#include "app/PlayerApp.h"
#include "app/QuitSignals.h"
#include "app/Translations.h"
#include "platform/ChildProcess.h"
#include "platform/ModuleFolder.h"
#include "platform/QtPlatformChoice.h"
#include "platform/SingleInstance.h"
#include "shell/AppIcon.h"

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // A write to an engine that has just gone must fail, not end the player.
    taleno::IgnoreSigpipe();
    const std::vector<std::string> commandLine(argv + 1, argv + argc);
    taleno::CPlayerApp player(taleno::ModuleFolder(), taleno::CSingleInstance::DefaultFolder());
    // A later instance hands its file to the running one before it makes
    // anything of the GUI: no display connection, no fonts, no styles.
    if (player.HandOffToRunningInstance(commandLine)) {
        return 0;
    }
    // The engine draws into an X11 window: run on X11 (through Xwayland on a
    // Wayland desktop) or not at all.
    if (!taleno::SelectQtPlatform()) {
        std::fprintf(stderr, "%s\n", taleno::kNoDisplayMessage);
        return 1;
    }
    // Qt takes its own switches out of argc and argv here.
    QApplication application(argc, argv);
    taleno::ReleaseDisplayProbe();
    const taleno::CTranslations translations;
    QApplication::setApplicationName(QStringLiteral("Taleno"));
    QApplication::setWindowIcon(taleno::AppIcon());
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    switch (player.InitInstance(arguments)) {
    case taleno::CPlayerApp::StartResult::HandedOff: return 0;
    case taleno::CPlayerApp::StartResult::Failed: return 1;
    case taleno::CPlayerApp::StartResult::WindowShown: break;
    }
    // The close sequence runs; quit also ends a modal dialog's loop, should
    // one be open.
    taleno::QuitSignals quitSignals([&player] {
        player.CloseMainWindow();
        QApplication::quit();
    });
    const int status = application.exec();
    player.DestroyMainWindow();
    return status;
}
