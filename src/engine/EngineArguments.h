#pragma once
// The engine's argument vector: made from the settings and the inputs of
// one start, and the option tables it uses.

#include "settings/Settings.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace taleno {

// Drop-down list texts of the driver settings; the position is the stored
// index (nVideoOutputDriver, nAudioOutputDriver).
inline constexpr std::array<std::string_view, 7> kVideoDriverNames = {"novideo", "null",    "xv",   "x11",
                                                                      "gl",      "gl_nosw", "vdpau"};
inline constexpr std::array<std::string_view, 4> kAudioDriverNames = {"nosound", "null", "pulse", "alsa"};

// Subtitle encodings (nSubtitleCodePage): the list text and the engine's
// code page name, "" for "Default", which adds no option.
struct SubtitleCodePage {
    std::string_view listText;
    std::string_view engineName;
};
inline constexpr int kSubtitleCodePageCount = 25;
extern const std::array<SubtitleCodePage, kSubtitleCodePageCount> kSubtitleCodePages;

// The command-line pieces for an index; indices outside the tables give
// "-novideo", "-nosound" and "" (no code page option).
std::string VideoDriverOption(int index);       // "-novideo", "-vo null", "-vo xv, -zoom", ...
std::string AudioDriverOption(int index);       // "-nosound", "-ao null", "-ao pulse,", ...
std::string SubtitleCodePageOption(int index);  // "", "-subcp UTF-8", ...

// Niceness of the engine process for a priority index 0 "Idle" to
// 5 "Real Time": 19, 10, 0, -5, -10, -20; any other index counts as 2.
int EngineNiceness(int priority);

// Splits options as a command line does: blanks (space, tab, line ends)
// separate words, double quotes group blanks into a word and are removed
// ("" is an empty word), an unclosed quote runs to the end.
std::vector<std::string> SplitOptions(std::string_view options);

// The background colour of the video window, which the engine is told to
// draw its overlay through ("-colorkey").
inline constexpr unsigned long kVideoColorKey = 0x000012;

// What one start of the engine needs besides the settings.
struct EngineLaunch {
    std::string enginePath;
    unsigned long videoWindow = 0;  // X11 window id, after "-wid"
    int startOffset = 0;            // seconds; none when 0 or less
    std::string mediaPath;
    // The face the engine is handed after "-font": the one the font file of
    // strSubtitleFont holds (EngineFontName), looked up when the settings
    // are taken rather than at every start.
    std::string subtitleFace;
    // How many threads the engine decodes with (-lavdopts threads=N); none
    // asked for when 0. The controller gives DecodeThreads().
    int decodeThreads = 0;
    // The playback speed; other than 1, the engine starts at it with its
    // tempo filter, which keeps the pitch (-af-add scaletempo -speed X).
    double speed = 1.0;
    // Where the engine's screenshot filter writes ("-vf-add screenshot=P",
    // after the user's options, so it takes their filters' picture); no
    // filter when empty.
    std::string screenshotPrefix{};
};

// A number as the engine reads it, with a point whatever the locale.
std::string DecimalText(double value, int decimals);
// A speed as the engine reads it: at most two decimals ("1.5", "0.25").
std::string SpeedText(double speed);

// The processors this process may run on, as the engine's decoding threads:
// 1 to kMaxDecodeThreads (the engine refuses 0 and more than 16).
inline constexpr int kMaxDecodeThreads = 16;
int DecodeThreads();

// The engine's argument vector, in this order: the engine path; -wid, -quiet,
// -slave, -identify, -colorkey; -double or -nodouble; -autosub with -font, or
// -noautosub; -subcp for a code page; -ss for a start offset; the video and
// audio drivers; -brightness, -contrast, -hue, -saturation where not 0;
// -af-add scaletempo and -speed for a speed other than 1; -lavdopts
// threads=N for launch.decodeThreads, unless the user's options set the
// threads; the user's options, split with SplitOptions; -vf-add
// screenshot=P for a screenshot prefix; the media path. The engine and
// media paths and the prefix are one argument each whatever they hold. A media path
// beginning with "-" is passed as "./" followed by the path: the engine
// would read "-x.avi" as an option, and "--" does not help for a file named
// "-", which the engine takes for its standard input even after "--". The
// settings are taken as they stand: their ranges are checked when they are
// loaded or stored.
std::vector<std::string> EngineArguments(const SettingsRecord& settings, const EngineLaunch& launch);

}  // namespace taleno
