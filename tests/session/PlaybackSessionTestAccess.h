#pragma once
// The tests' way into the playback session: its engine, the engine's last
// arguments and whether it keeps the screen saver off.

#include "engine/EngineControllerTestAccess.h"
#include "platform/ScreenSaverGuardTestAccess.h"
#include "session/PlaybackSession.h"

namespace taleno {

class PlaybackSessionTestAccess {
public:
    explicit PlaybackSessionTestAccess(CPlaybackSession& session) : session(session) {}

    CEngineController& Engine() const { return session.engine; }
    // The engine's arguments of the current or last start, each followed by a blank.
    std::string EngineArgumentLine() const { return EngineControllerTestAccess(session.engine).ArgumentLine(); }
    // Whether the screen saver and monitor power saving are kept off.
    bool ScreenSaverDisabled() const { return ScreenSaverGuardTestAccess(session.screenSaverGuard).IsDisabled(); }

private:
    CPlaybackSession& session;
};

}  // namespace taleno
