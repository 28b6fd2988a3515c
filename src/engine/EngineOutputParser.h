#pragma once
// Turns the engine's output lines into the media information record and into
// the events that drive the engine controller's state.

#include <cstdint>
#include <string>

#include "engine/EngineState.h"
#include "engine/MediaInfo.h"

namespace taleno {

// Event codes ParseLine hands to the controller's OnEngineEvent.
constexpr int ENGINE_EVENT_NONE = 0;
constexpr int ENGINE_EVENT_STARTING = 1;       // a line containing "Starting"
constexpr int ENGINE_EVENT_EXITING = -1;       // a line containing "Exiting"
constexpr int ENGINE_EVENT_INTERRUPTED = -2;   // a line containing "interrupted"
constexpr int ENGINE_EVENT_SCREENSHOT = 2;     // "*** screenshot '...' ***"
constexpr int ENGINE_EVENT_SUBTITLE_FILE = 3;  // "ID_FILE_SUB_ID=N": a subtitle file loaded

// Whether the line is the engine's word that the clip played to its end
// ("Exiting... (End of file)", or "ID_EXIT=EOF" under -identify), as opposed
// to an engine that was stopped, killed or crashed.
bool IsEndOfClipLine(const std::string& line);

class CEngineOutputParser {
public:
    // Puts every media field back to its initial value. The controller resets
    // its own per-run fields (command channel, poll bookkeeping) itself.
    void ResetMediaInfo();

    // Reads a line about tracks, chapters or a screenshot (TrackLines.h), in
    // any state; otherwise applies the first rule whose key occurs in the
    // line. While the engine is not starting, only time position answers are
    // read. Returns the event
    // code for the controller, ENGINE_EVENT_NONE when the line carries none.
    int ParseLine(const std::string& line, EngineState state);

    const MediaInfo& GetMediaInfo() const { return info; }
    // The tracks, for the controller to note what it switched to.
    ClipTracks& Tracks() { return info.tracks; }

    // The picture size as announced, limited to 0..9999 so that window
    // sizing never sees a negative or absurd size.
    std::int32_t GetVideoWidth() const;
    std::int32_t GetVideoHeight() const;

    // The video bit rate. When the clip has video and the engine reported no
    // rate, it is first estimated from the size of the file at mediaPath and
    // the length (bytes per second times 8, minus the audio rate) and stored.
    // A path that is no file (a URL) counts as 0 bytes.
    std::int32_t GetVideoBitrate(const std::string& mediaPath);

private:
    MediaInfo info;
};

}  // namespace taleno
