#pragma once
// The engine controller's states.

namespace taleno {

// The values are fixed; 2 is not used.
enum EngineState {
    ENGINE_STARTING = 0,  // process created, "Starting" not yet seen
    ENGINE_PLAYING = 1,   // playback running
    ENGINE_STOPPED = 3,   // no engine process; initial state
    ENGINE_PAUSED = 4,    // playback paused
};

}  // namespace taleno
