#pragma once
// The clip properties sheet: "Properties", a modal sheet with three
// read-only pages, "File" (length, bit rate, media type, video size, aspect
// ratio, codecs, location), "Content" (the tags) and "Tracks" (the audio
// tracks, subtitles and chapters, one a line; "-" for none). The texts are made from what
// the engine announced when the sheet opens; nothing is read back.

#include "engine/MediaInfo.h"

#include <QDialog>

#include <string>

namespace taleno {

// What the two pages show.
struct ClipPropertiesTexts {
    // File page
    QString lengthText, bitRate, mediaType, videoSize, aspectRatio, audioCodecText, videoCodecText, location;
    // Content page
    QString title, artist, album, composer, genre, copyright, rating, comments;
    // Tracks page
    QString audioTracks, subtitles, chapters;
};

// The texts for a clip: `videoBitrate` as the engine controller gives it
// (estimated when not reported), the picture size already limited to 0..9999.
ClipPropertiesTexts MakeClipPropertiesTexts(const MediaInfo& info, int videoBitrate, int videoWidth, int videoHeight,
                                            const std::string& clip);

class CClipPropertiesSheet : public QDialog {
    Q_OBJECT

public:
    explicit CClipPropertiesSheet(const ClipPropertiesTexts& texts, QWidget* parent = nullptr);
};

}  // namespace taleno
