// CPlaybackSession: the clip's tracks, chapters and subtitle files, the
// speed, frame steps and screenshots - what the engine changes while a clip
// plays, without a restart.

#include "session/PlaybackSession.h"

#include "system/PathUtils.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cctype>

namespace taleno {

void CPlaybackSession::StepSpeed(int direction) {
    static constexpr std::array<double, 9> kSpeeds{0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
    // The step after the first speed at or beyond the present one.
    const double now = engine.GetSpeed();
    if (direction > 0) {
        const auto next = std::upper_bound(kSpeeds.begin(), kSpeeds.end(), now);
        if (next != kSpeeds.end()) engine.SetSpeed(*next);
    } else {
        const auto next = std::lower_bound(kSpeeds.begin(), kSpeeds.end(), now);
        if (next != kSpeeds.begin()) engine.SetSpeed(*(next - 1));
    }
}

void CPlaybackSession::ResetSpeed() { engine.SetSpeed(1.0); }

void CPlaybackSession::SetSpeed(double speed) { engine.SetSpeed(std::clamp(speed, kMinSpeed, kMaxSpeed)); }

void CPlaybackSession::FrameStep() { engine.FrameStep(); }

void CPlaybackSession::SelectAudioTrack(int id) { engine.SelectAudioTrack(id); }

void CPlaybackSession::NextAudioTrack() {
    const std::vector<MediaTrack>& audio = Tracks().audio;
    if (audio.size() < 2) {
        return;
    }
    const auto now =
        std::find_if(audio.begin(), audio.end(), [&](const MediaTrack& t) { return t.id == Tracks().audioId; });
    const auto next = (now == audio.end() || now + 1 == audio.end()) ? audio.begin() : now + 1;
    engine.SelectAudioTrack(next->id);
}

void CPlaybackSession::SelectSubtitleTrack(int id) { engine.SelectSubtitleTrack(id); }

void CPlaybackSession::SelectSubtitleFile(int id) { engine.SelectSubtitleFile(id); }

void CPlaybackSession::SubtitlesOff() { engine.SubtitlesOff(); }

void CPlaybackSession::NextSubtitles() {
    // The round: none, the clip's tracks, the files, none again.
    const ClipTracks& tracks = Tracks();
    std::vector<std::pair<bool, int>> round{{false, -1}};
    for (const MediaTrack& track : tracks.subtitles) round.emplace_back(false, track.id);
    for (const MediaTrack& file : tracks.subtitleFiles) round.emplace_back(true, file.id);
    const std::pair<bool, int> now =
        tracks.subtitleFileId >= 0 ? std::pair{true, tracks.subtitleFileId} : std::pair{false, tracks.subtitleId};
    const auto at = std::find(round.begin(), round.end(), now);
    const auto& [file, id] = (at == round.end() || at + 1 == round.end()) ? round.front() : *(at + 1);
    if (id < 0) {
        engine.SubtitlesOff();
    } else if (file) {
        engine.SelectSubtitleFile(id);
    } else {
        engine.SelectSubtitleTrack(id);
    }
}

int CPlaybackSession::CurrentChapter() const {
    const std::vector<MediaChapter>& chapters = Tracks().chapters;
    // The shown time is the whole seconds reported plus one.
    const std::int64_t ms = std::max(0, Info().timePosition - 1) * std::int64_t{1000};
    int current = -1;
    for (std::size_t i = 0; i < chapters.size() && chapters[i].startMs <= ms; ++i) current = static_cast<int>(i);
    return current;
}

void CPlaybackSession::TakeScreenshot() { engine.TakeScreenshot(); }

void CPlaybackSession::LoadSubtitles(const std::string& path) {
    if (!IsRunning() || State() == ENGINE_STARTING) {
        emit SubtitlesFailed(tr("no clip is playing").toStdString());
        return;
    }
    QFile file(QFile::decodeName(path.c_str()));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
        emit SubtitlesFailed(tr("%1 cannot be read").arg(QFile::decodeName(path.c_str())).toStdString());
        return;
    }
    if (file.size() > kMaxSubtitleFileBytes) {
        emit SubtitlesFailed(tr("%1 is too large for subtitles").arg(QFile::decodeName(path.c_str())).toStdString());
        return;
    }
    // "s<n>.<extension>": the engine tells the format by the extension too.
    std::string extension = PathGetExtension(path);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension.size() > 3 ||
        extension.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789") != std::string::npos) {
        extension = "txt";
    }
    const std::string folder = spool.Path();
    const std::string copy = folder + "/s" + std::to_string(subtitleCopies.size() % 100) + "." + extension;
    QFile::remove(QFile::decodeName(copy.c_str()));
    if (folder.empty() || !file.copy(QFile::decodeName(copy.c_str())) || !engine.LoadSubtitleFile(copy)) {
        emit SubtitlesFailed(
            tr("the engine could not be handed %1").arg(QFile::decodeName(path.c_str())).toStdString());
        return;
    }
    subtitleCopies[copy] = path;
}

std::string CPlaybackSession::SubtitleFileName(const std::string& engineName) const {
    const auto found = subtitleCopies.find(engineName);
    return found != subtitleCopies.end() ? found->second : engineName;
}

void CPlaybackSession::DelaySubtitlesBy(int ms) { engine.SetSubtitleDelay(engine.GetSubtitleDelay() + ms); }

void CPlaybackSession::ResetSubtitleDelay() { engine.SetSubtitleDelay(0); }

bool CPlaybackSession::SeekChapter(int index) {
    const std::vector<MediaChapter>& chapters = Tracks().chapters;
    if (index < 0 || static_cast<std::size_t>(index) >= chapters.size() || !engine.SeekChapter(index)) {
        return false;
    }
    emit Seeked(static_cast<int>(chapters[static_cast<std::size_t>(index)].startMs / 1000));
    return true;
}

void CPlaybackSession::NextChapter() { SeekChapter(CurrentChapter() + 1); }

void CPlaybackSession::PreviousChapter() {
    const int current = CurrentChapter();
    if (current < 0) {
        return;
    }
    const std::int64_t intoIt =
        std::int64_t{Info().timePosition - 1} * 1000 - Tracks().chapters[static_cast<std::size_t>(current)].startMs;
    SeekChapter(intoIt > kChapterRestartSeconds * 1000 || current == 0 ? current : current - 1);
}

}  // namespace taleno
