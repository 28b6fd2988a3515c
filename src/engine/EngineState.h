#pragma once
// Engine states and the messages the engine controller sends to the main window.

#include "platform/WindowMessages.h"

namespace taleno {

// The values are fixed; 2 is not used.
enum EngineState {
    ENGINE_STARTING = 0,  // process created, "Starting" not yet seen
    ENGINE_PLAYING = 1,   // playback running
    ENGINE_STOPPED = 3,   // no engine process; initial state
    ENGINE_PAUSED = 4,    // playback paused
};

// All carry 0 in both parameters. Every one is posted except
// WM_ENGINE_LOGLINE, which is sent so the line cannot change before the
// main window has read it.
constexpr unsigned WM_ENGINE_STARTING = WM_USER + 200;  // engine process created
constexpr unsigned WM_ENGINE_PLAYING = WM_USER + 201;   // "Starting" seen, process alive
constexpr unsigned WM_ENGINE_FAILED = WM_USER + 202;    // could not start, or gave up while starting
constexpr unsigned WM_ENGINE_FINISHED = WM_USER + 203;  // process ended during playback
constexpr unsigned WM_ENGINE_STOPPED = WM_USER + 204;   // Stop has finished
constexpr unsigned WM_ENGINE_LOGLINE = WM_USER + 205;   // one line for the log (sent)

}  // namespace taleno
