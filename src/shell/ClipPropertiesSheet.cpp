#include "shell/ClipPropertiesSheet.h"

#include "platform/DisplayText.h"
#include "shell/DialogUnits.h"
#include "shell/TimeParts.h"
#include "shell/TrackTexts.h"

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
    t.bitRate = CClipPropertiesSheet::tr("%1 Kbps").arg((std::int64_t{videoBitrate} + info.audioBitrate) / 1000);
    t.mediaType = info.hasVideo ? CClipPropertiesSheet::tr("Video") : CClipPropertiesSheet::tr("Audio");
    t.videoSize = info.hasVideo ? QString::asprintf("%d x %d", videoWidth, videoHeight) : QStringLiteral("-");
    t.aspectRatio = QStringLiteral("-");
    t.audioCodecText = DisplayText(info.audioCodec) + CClipPropertiesSheet::tr("\n%1 Kbps, %2 Hz, %3 Channel(s)")
                                                          .arg(info.audioBitrate / 1000)
                                                          .arg(info.audioRate)
                                                          .arg(info.audioChannels);
    t.videoCodecText = info.hasVideo ? DisplayText(info.videoCodec) +
                                           CClipPropertiesSheet::tr("\n%1 Kbps, %2 FPS")
                                               .arg(videoBitrate / 1000)
                                               .arg(QString::asprintf("%.1f", static_cast<double>(info.videoFps)))
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
    const auto track = [](const MediaTrack& track) { return TrackText(track.language, track.name); };
    t.audioTracks = list(info.tracks.audio, track);
    std::vector<MediaTrack> subtitles = info.tracks.subtitles;
    subtitles.insert(subtitles.end(), info.tracks.subtitleFiles.begin(), info.tracks.subtitleFiles.end());
    t.subtitles = list(subtitles, track);
    t.chapters = list(info.tracks.chapters, [](const MediaChapter& chapter) {
        return DisplayText(chapter.name) + QStringLiteral(" (") + ChapterStartText(chapter.startMs) + QLatin1Char(')');
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
    layout->addWidget(new QLabel(CClipPropertiesSheet::tr(heading)));
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
        form->addRow(CClipPropertiesSheet::tr(row.label), field);
    }
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

}  // namespace

CClipPropertiesSheet::CClipPropertiesSheet(const ClipPropertiesTexts& t, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Properties"));
    setFont(DialogFont());
    auto* tabs = new QTabWidget(this);
    tabs->addTab(MakePage(QT_TR_NOOP("View advanced details about the clip."),
                          {{QT_TR_NOOP("Length:"), &t.lengthText, 1},
                           {QT_TR_NOOP("Bit rate:"), &t.bitRate, 1},
                           {QT_TR_NOOP("Media type:"), &t.mediaType, 1},
                           {QT_TR_NOOP("Video size:"), &t.videoSize, 1},
                           {QT_TR_NOOP("Aspect Ratio:"), &t.aspectRatio, 1},
                           {QT_TR_NOOP("Audio codec:"), &t.audioCodecText, 2},
                           {QT_TR_NOOP("Video codec:"), &t.videoCodecText, 2},
                           {QT_TR_NOOP("Location:"), &t.location, 4}}),
                 tr("File"));
    tabs->addTab(MakePage(QT_TR_NOOP("View details about the clip."), {{QT_TR_NOOP("Title:"), &t.title, 1},
                                                                       {QT_TR_NOOP("Artist:"), &t.artist, 1},
                                                                       {QT_TR_NOOP("Album:"), &t.album, 1},
                                                                       {QT_TR_NOOP("Composer:"), &t.composer, 1},
                                                                       {QT_TR_NOOP("Genre:"), &t.genre, 1},
                                                                       {QT_TR_NOOP("Copyright:"), &t.copyright, 1},
                                                                       {QT_TR_NOOP("Rating:"), &t.rating, 1},
                                                                       {QT_TR_NOOP("Comments:"), &t.comments, 3}}),
                 tr("Content"));
    tabs->addTab(
        MakePage(QT_TR_NOOP("View the clip's tracks and chapters."), {{QT_TR_NOOP("Audio tracks:"), &t.audioTracks, 3},
                                                                      {QT_TR_NOOP("Subtitles:"), &t.subtitles, 3},
                                                                      {QT_TR_NOOP("Chapters:"), &t.chapters, 5}}),
        tr("Tracks"));
    // OK and Cancel; no Apply: nothing is read back.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

}  // namespace taleno
