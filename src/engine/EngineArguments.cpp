#include "engine/EngineArguments.h"

#include <sched.h>

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace taleno {

const std::array<SubtitleCodePage, kSubtitleCodePageCount> kSubtitleCodePages = {{
    {"Default", ""},
    {"Unicode", "Unicode"},
    {"UTF-8", "UTF-8"},
    {"Western European Languages (ISO-8859-1)", "ISO-8859-1"},
    {"Western European Languages with Euro (ISO-8859-15)", "ISO-8859-15"},
    {"Slavic/Central European Languages (ISO-8859-2)", "ISO-8859-2"},
    {"Esperanto, Galician, Maltese, Turkish (ISO-8859-3)", "ISO-8859-3"},
    {"Old Baltic charset (ISO-8859-4)", "ISO-8859-4"},
    {"Cyrillic (ISO-8859-5)", "ISO-8859-5"},
    {"Arabic (ISO-8859-6)", "ISO-8859-6"},
    {"Modern Greek (ISO-8859-7)", "ISO-8859-7"},
    {"Turkish (ISO-8859-9)", "ISO-8859-9"},
    {"Baltic (ISO-8859-13)", "ISO-8859-13"},
    {"Celtic (ISO-8859-14)", "ISO-8859-14"},
    {"Hebrew charsets (ISO-8859-8)", "ISO-8859-8"},
    {"Russian (KOI8-R)", "KOI8-R"},
    {"Ukrainian, Belarusian (KOI8-U/RU)", "KOI8-U/RU"},
    {"Simplified Chinese charset (CP936)", "CP936"},
    {"Traditional Chinese charset (BIG5)", "BIG5"},
    {"Japanese charsets (SHIFT-JIS)", "SHIFT-JIS"},
    {"Korean charset (CP949)", "CP949"},
    {"Thai charset (CP874)", "CP874"},
    {"Cyrillic Windows (CP1251)", "CP1251"},
    {"Slavic/Central European Windows (CP1250)", "CP1250"},
    {"Arabic Windows (CP1256)", "CP1256"},
}};

namespace {

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// Index 0 of both driver lists switches the output off; from index 2 on the
// driver name is followed by a comma, so the engine falls back to another
// driver when the chosen one does not work on this display or sound system.
template <std::size_t N>
std::string DriverOption(int index, std::string_view option, std::string_view off,
                         const std::array<std::string_view, N>& names) {
    if (!InRange(index, 1, static_cast<int>(N) - 1)) {
        return std::string(off);
    }
    std::string piece = std::string(option) + " " + std::string(names[index]);
    if (index >= 2) {
        piece += ',';
    }
    return piece;
}

// Whether the user's own parameters already tell the engine's decoder how
// many threads to use: a "threads" suboption of one of their -lavdopts.
bool SetsDecodeThreads(const std::vector<std::string>& words) {
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] != "-lavdopts") continue;
        const std::string suboptions = ":" + words[i + 1];
        if (suboptions.find(":threads=") != std::string::npos) return true;
    }
    return false;
}

}  // namespace

int DecodeThreads() {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    const int count = sched_getaffinity(0, sizeof allowed, &allowed) == 0 ? CPU_COUNT(&allowed) : 1;
    return std::clamp(count, 1, kMaxDecodeThreads);
}

std::string VideoDriverOption(int index) {
    std::string piece = DriverOption(index, "-vo", "-novideo", kVideoDriverNames);
    // The x11 driver - chosen, or what xv falls back to on an X server
    // without XVideo (Xwayland, remote X) - draws the picture unscaled unless
    // it may scale in software; drivers that scale in hardware ignore this.
    if (index == 2 || index == 3) {
        piece += " -zoom";
    }
    return piece;
}

std::string AudioDriverOption(int index) { return DriverOption(index, "-ao", "-nosound", kAudioDriverNames); }

std::string SubtitleCodePageOption(int index) {
    if (!InRange(index, 1, kSubtitleCodePageCount - 1)) {
        return std::string();
    }
    return "-subcp " + std::string(kSubtitleCodePages[index].engineName);
}

int EngineNiceness(int priority) {
    static constexpr int kNiceness[] = {19, 10, 0, -5, -10, -20};
    return kNiceness[InRange(priority, 0, 5) ? priority : 2];
}

std::vector<std::string> SplitOptions(std::string_view options) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char c : options) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
                inWord = false;
            }
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return words;
}

std::string DecimalText(double value, int decimals) {
    // to_chars writes the point whatever the C locale says: Qt sets the
    // user's locale at start, and a German one would write "1,5", which the
    // engine does not read.
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(text, end) : std::string("0");
}

std::string SpeedText(double speed) {
    std::string shown = DecimalText(speed, 2);
    // "1.50" reads "1.5", "2.00" reads "2".
    while (shown.ends_with('0')) shown.pop_back();
    if (shown.ends_with('.')) shown.pop_back();
    return shown;
}

std::vector<std::string> EngineArguments(const SettingsRecord& settings, const EngineLaunch& launch) {
    std::vector<std::string> args{launch.enginePath};
    const auto add = [&args](const std::string& piece) {
        for (std::string& word : SplitOptions(piece)) args.push_back(std::move(word));
    };
    char colorKey[16];
    std::snprintf(colorKey, sizeof colorKey, "0x%06lx", kVideoColorKey);
    add("-wid " + std::to_string(launch.videoWindow) + " -quiet -slave -identify -colorkey " + colorKey);
    add(settings.bDoubleBuffering ? "-double" : "-nodouble");
    if (settings.bAutoloadSubtitles) {
        args.insert(args.end(), {"-autosub", "-font", launch.subtitleFace});
    } else {
        add("-noautosub");
    }
    add(SubtitleCodePageOption(settings.nSubtitleCodePage));
    if (launch.startOffset > 0) {
        add("-ss " + std::to_string(launch.startOffset));
    }
    add(VideoDriverOption(settings.nVideoOutputDriver));
    add(AudioDriverOption(settings.nAudioOutputDriver));
    const std::pair<const char*, int> picture[] = {{"-brightness ", settings.nVideoBrightness},
                                                   {"-contrast ", settings.nVideoContrast},
                                                   {"-hue ", settings.nVideoHue},
                                                   {"-saturation ", settings.nVideoSaturation}};
    for (const auto& [option, value] : picture) {
        if (value != 0) {
            add(option + std::to_string(value));
        }
    }
    if (launch.speed != 1.0) {
        add("-af-add scaletempo -speed " + SpeedText(launch.speed));
    }
    // The decoder uses every processor, unless the user said otherwise in the
    // additional parameters (which come last and would win anyway).
    const std::vector<std::string> userWords = SplitOptions(settings.strMPlayerUserConfig);
    if (launch.decodeThreads > 0 && !SetsDecodeThreads(userWords)) {
        add("-lavdopts threads=" + std::to_string(std::min(launch.decodeThreads, kMaxDecodeThreads)));
    }
    args.insert(args.end(), userWords.begin(), userWords.end());
    if (!launch.screenshotPrefix.empty()) {
        args.insert(args.end(), {"-vf-add", "screenshot=" + launch.screenshotPrefix});
    }
    const std::string& media = launch.mediaPath;
    args.push_back(media.starts_with('-') ? "./" + media : media);
    return args;
}

}  // namespace taleno
