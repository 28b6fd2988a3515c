#pragma once
// The engine's command line: the inputs it is composed from, their range
// checks, the text form kept for the log and the argument vector the engine
// is really started with.

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

class CEngineCommandLine {
public:
    CEngineCommandLine() = default;

    void SetEnginePath(const std::string& path) { enginePath = path; }
    void SetMediaPath(const std::string& path) { mediaPath = path; }
    void SetVideoWindow(unsigned long window) { videoWindow = window; }  // X11 window id
    void SetStartOffset(int seconds) { startOffset = seconds; }
    void SetVideoDriver(int index) { videoDriver = index; }  // kept unchecked
    void SetAudioDriver(int index) { audioDriver = index; }  // kept unchecked
    void SetDoubleBuffering(bool on) { doubleBuffering = on; }
    void SetAutoloadSubtitles(bool on) { autoloadSubtitles = on; }
    void SetSubtitleCodePage(int index);  // outside 0 to 24 stored as 0
    // The stored font (a font file path); the engine is handed the face the
    // file holds, by name (EngineFontName), looked up once here.
    void SetSubtitleFont(const std::string& path);
    void SetPriority(int priority);  // outside 0 to 5 stored as 2
    void SetBrightness(int value);   // each picture value outside -100 to 100 stored as 0
    void SetContrast(int value);
    void SetHue(int value);
    void SetSaturation(int value);
    void SetUserOptions(const std::string& options) { userOptions = options; }

    std::string GetEnginePath() const { return enginePath; }
    std::string GetMediaPath() const { return mediaPath; }
    unsigned long GetVideoWindow() const { return videoWindow; }
    int GetStartOffset() const { return startOffset; }
    int GetVideoDriver() const { return videoDriver; }
    int GetAudioDriver() const { return audioDriver; }
    bool GetDoubleBuffering() const { return doubleBuffering; }
    bool GetAutoloadSubtitles() const { return autoloadSubtitles; }
    int GetSubtitleCodePage() const { return subtitleCodePage; }
    std::string GetSubtitleFont() const { return subtitleFont; }
    int GetPriority() const { return priority; }
    int GetBrightness() const { return brightness; }
    int GetContrast() const { return contrast; }
    int GetHue() const { return hue; }
    int GetSaturation() const { return saturation; }
    std::string GetUserOptions() const { return userOptions; }

    // Rebuilds `commandLine`: every piece followed by one blank, the engine
    // and media paths in double quotes as they are. It is the text shown in
    // the log; the engine is started with BuildArguments().
    void BuildCommandLine();
    std::string GetCommandLine() const { return commandLine; }

    // The same pieces as separate arguments. The engine path and the media
    // path are one argument each whatever they hold, the user options are
    // split with SplitOptions. A media path beginning with "-" is passed as
    // "./" followed by the path: the engine would read "-x.avi" as an option,
    // and "--" does not help for a file named "-", which the engine takes for
    // its standard input even after "--".
    std::vector<std::string> BuildArguments() const;

private:
    std::string enginePath;
    std::string mediaPath;
    unsigned long videoWindow = 0;
    int startOffset = 0;
    int videoDriver = 0;
    int audioDriver = 0;
    bool doubleBuffering = false;
    bool autoloadSubtitles = false;
    int subtitleCodePage = 0;
    std::string subtitleFont;
    std::string engineFont;  // what -font is given for subtitleFont
    int priority = 2;
    int brightness = 0;
    int contrast = 0;
    int hue = 0;
    int saturation = 0;
    std::string userOptions;
    std::string commandLine;

    // One piece of the command line: its text and its arguments.
    struct Piece {
        std::string text;
        std::vector<std::string> args;
    };
    std::vector<Piece> ComposePieces() const;
};

}  // namespace taleno
