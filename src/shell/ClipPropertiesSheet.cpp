#include "shell/ClipPropertiesSheet.h"

#include "platform/DisplayText.h"
#include "shell/DialogUnits.h"
#include "shell/TimeParts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>

namespace taleno {

ClipPropertiesTexts MakeClipPropertiesTexts(const MediaInfo& info, int videoBitrate, int videoWidth, int videoHeight,
                                            const std::string& clip) {
    ClipPropertiesTexts t;
    const TimeParts length(info.length);
    t.lengthText = length.hours > 0
                       ? QString::asprintf("%02d:%02d:%02d", std::min(length.hours, 99), length.minutes, length.seconds)
                       : QString::asprintf("%02d:%02d", length.minutes, length.seconds);
    // Summed in 64 bits: two rates near the 32-bit limit would overflow.
    t.bitRate =
        QString::asprintf("%ld Kbps", static_cast<long>((std::int64_t{videoBitrate} + info.audioBitrate) / 1000));
    t.mediaType = info.hasVideo ? QStringLiteral("Video") : QStringLiteral("Audio");
    t.videoSize = info.hasVideo ? QString::asprintf("%d x %d", videoWidth, videoHeight) : QStringLiteral("-");
    t.aspectRatio = QStringLiteral("-");
    t.audioCodecText = DisplayText(info.audioCodec) + QString::asprintf("\n%ld Kbps, %ld Hz, %d Channel(s)",
                                                                        static_cast<long>(info.audioBitrate / 1000),
                                                                        static_cast<long>(info.audioRate),
                                                                        static_cast<int>(info.audioChannels));
    t.videoCodecText = info.hasVideo
                           ? DisplayText(info.videoCodec) + QString::asprintf("\n%ld Kbps, %.1f FPS",
                                                                              static_cast<long>(videoBitrate / 1000),
                                                                              static_cast<double>(info.videoFps))
                           : QStringLiteral("-");
    t.location = DisplayText(clip);
    t.title = DisplayText(info.title);
    t.artist = DisplayText(info.artist);
    t.album = DisplayText(info.album);
    t.composer = QStringLiteral("-");
    t.genre = DisplayText(info.genre);
    t.copyright = DisplayText(info.clipCopyright);
    t.rating = DisplayText(info.clipRating);
    t.comments = QStringLiteral("-");
    // "1. eng - Main", a line each.
    const auto list = [](const auto& items, auto describe) {
        QStringList lines;
        for (const auto& item : items) lines << QStringLiteral("%1. ").arg(lines.size() + 1) + describe(item);
        return lines.isEmpty() ? QStringLiteral("-") : lines.join(QLatin1Char('\n'));
    };
    const auto track = [](const MediaTrack& track) {
        const QString language = DisplayText(track.language), name = DisplayText(track.name);
        return language.isEmpty() || name.isEmpty() ? language + name : language + QStringLiteral(" - ") + name;
    };
    t.audioTracks = list(info.tracks.audio, track);
    std::vector<MediaTrack> subtitles = info.tracks.subtitles;
    subtitles.insert(subtitles.end(), info.tracks.subtitleFiles.begin(), info.tracks.subtitleFiles.end());
    t.subtitles = list(subtitles, track);
    t.chapters = list(info.tracks.chapters, [](const MediaChapter& chapter) {
        const TimeParts start(static_cast<int>(std::min<std::int64_t>(chapter.startMs / 1000, kMaxSeconds)));
        return DisplayText(chapter.name) +
               QString::asprintf(" (%d:%02d:%02d)", start.hours, start.minutes, start.seconds);
    });
    return t;
}

namespace {

// One page: an explanatory line, then a label and a read-only field a row.
struct Row {
    const char* label;
    const QString* text;
    int lines;  // 1: a single-line field
};

QWidget* MakePage(const char* heading, std::initializer_list<Row> rows) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QString::fromLatin1(heading)));
    auto* form = new QFormLayout;
    for (const Row& row : rows) {
        QWidget* field;
        if (row.lines == 1) {
            auto* line = new QLineEdit(*row.text);
            line->setReadOnly(true);
            line->setCursorPosition(0);
            field = line;
        } else {
            auto* box = new QPlainTextEdit(*row.text);
            box->setReadOnly(true);
            box->setFixedHeight(box->fontMetrics().lineSpacing() * row.lines + 10);
            field = box;
        }
        form->addRow(QString::fromLatin1(row.label), field);
    }
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

}  // namespace

CClipPropertiesSheet::CClipPropertiesSheet(const ClipPropertiesTexts& t, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Properties"));
    setFont(DialogFont());
    auto* tabs = new QTabWidget(this);
    tabs->addTab(MakePage("View advanced details about the clip.", {{"Length:", &t.lengthText, 1},
                                                                    {"Bit rate:", &t.bitRate, 1},
                                                                    {"Media type:", &t.mediaType, 1},
                                                                    {"Video size:", &t.videoSize, 1},
                                                                    {"Aspect Ratio:", &t.aspectRatio, 1},
                                                                    {"Audio codec:", &t.audioCodecText, 2},
                                                                    {"Video codec:", &t.videoCodecText, 2},
                                                                    {"Location:", &t.location, 4}}),
                 QStringLiteral("File"));
    tabs->addTab(MakePage("View details about the clip.", {{"Title:", &t.title, 1},
                                                           {"Artist:", &t.artist, 1},
                                                           {"Album:", &t.album, 1},
                                                           {"Composer:", &t.composer, 1},
                                                           {"Genre:", &t.genre, 1},
                                                           {"Copyright:", &t.copyright, 1},
                                                           {"Rating:", &t.rating, 1},
                                                           {"Comments:", &t.comments, 3}}),
                 QStringLiteral("Content"));
    tabs->addTab(MakePage("View the clip's tracks and chapters.", {{"Audio tracks:", &t.audioTracks, 3},
                                                                   {"Subtitles:", &t.subtitles, 3},
                                                                   {"Chapters:", &t.chapters, 5}}),
                 QStringLiteral("Tracks"));
    // OK and Cancel; no Apply: nothing is read back.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

}  // namespace taleno
