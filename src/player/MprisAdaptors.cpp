#include "player/MprisAdaptors.h"

#include "engine/MediaInfo.h"

#include "platform/DisplayText.h"
#include "player/CommandIds.h"
#include "player/MainFrame.h"
#include "player/MprisService.h"
#include "shell/DesktopEntryFile.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace taleno {

namespace {

constexpr qlonglong kMicroseconds = 1000000;

bool IsPlayingOrPaused(EngineState state) { return state == ENGINE_PLAYING || state == ENGINE_PAUSED; }

// A tag the engine reported, or nothing for its "-" placeholder.
QString Tag(const std::string& value) { return value == "-" || value.empty() ? QString() : DisplayText(value); }

}  // namespace

CMprisRootAdaptor::CMprisRootAdaptor(CMprisService& service, CMainFrame& frame)
    : QDBusAbstractAdaptor(&service), frame(frame) {}

QStringList CMprisRootAdaptor::SupportedUriSchemes() const {
    return {"file", "http", "https", "ftp", "mms", "mmsh", "rtsp", "rtp", "udp", "dvd", "vcd", "cdda"};
}

QStringList CMprisRootAdaptor::SupportedMimeTypes() const { return DesktopEntryMimeTypes(); }

void CMprisRootAdaptor::Quit() { frame.close(); }

void CMprisRootAdaptor::Raise() {
    frame.show();
    frame.raise();
    frame.activateWindow();
}

CMprisPlayerAdaptor::CMprisPlayerAdaptor(CMprisService& service, CMainFrame& frame)
    : QDBusAbstractAdaptor(&service), service(service), frame(frame) {}

QString CMprisPlayerAdaptor::PlaybackStatus() const {
    switch (frame.GetPlaybackState()) {
    case ENGINE_PLAYING: return QStringLiteral("Playing");
    case ENGINE_PAUSED: return QStringLiteral("Paused");
    // Starting counts as stopped: nothing plays yet, and Play would start.
    default: return QStringLiteral("Stopped");
    }
}

QVariantMap CMprisPlayerAdaptor::Metadata() const {
    const std::string& clip = frame.GetClip();
    if (clip.empty()) return {};
    const MediaInfo& info = frame.GetClipInfo();
    const QString path = DisplayText(clip);
    const bool isUrl = clip.find("://") != std::string::npos;
    QVariantMap metadata;
    metadata.insert("mpris:trackid", QVariant::fromValue(service.TrackId()));
    if (info.length > 0) metadata.insert("mpris:length", qlonglong{info.length} * kMicroseconds);
    // A local path's address is made from its bytes, not its shown text: a
    // Latin-1 name must not become the UTF-8 name of another file.
    metadata.insert("xesam:url", isUrl
                                     ? path
                                     : QStringLiteral("file://") +
                                           QString::fromLatin1(QByteArray::fromStdString(clip).toPercentEncoding("/")));
    // A web page's title, else the clip's title tag, else its file name.
    const QString page = DisplayText(frame.GetPageTitle());
    const QString title = Tag(info.title);
    metadata.insert("xesam:title", !page.isEmpty() ? page : !title.isEmpty() ? title : QFileInfo(path).fileName());
    if (const QString artist = Tag(info.artist); !artist.isEmpty())
        metadata.insert("xesam:artist", QStringList{artist});
    if (const QString album = Tag(info.album); !album.isEmpty()) metadata.insert("xesam:album", album);
    if (const QString genre = Tag(info.genre); !genre.isEmpty()) metadata.insert("xesam:genre", QStringList{genre});
    return metadata;
}

double CMprisPlayerAdaptor::Volume() const { return frame.GetVolume() / 100.0; }

double CMprisPlayerAdaptor::Rate() const { return frame.GetSpeed(); }

void CMprisPlayerAdaptor::SetRate(double rate) {
    if (rate == 0.0) {
        Pause();
    } else if (rate > 0.0) {
        frame.SetSpeed(rate);
    }
}

double CMprisPlayerAdaptor::MinimumRate() const { return CPlaybackSession::kMinSpeed; }

double CMprisPlayerAdaptor::MaximumRate() const { return CPlaybackSession::kMaxSpeed; }

void CMprisPlayerAdaptor::SetVolume(double volume) {
    if (std::isnan(volume)) return;
    frame.SetVolume(static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * 100)));
}

qlonglong CMprisPlayerAdaptor::Position() const {
    return IsPlayingOrPaused(frame.GetPlaybackState()) ? qlonglong{frame.GetClipInfo().timePosition} * kMicroseconds
                                                       : 0;
}

bool CMprisPlayerAdaptor::CanPlay() const { return !frame.GetClip().empty(); }

bool CMprisPlayerAdaptor::CanPause() const { return IsPlayingOrPaused(frame.GetPlaybackState()); }

bool CMprisPlayerAdaptor::CanSeek() const {
    return frame.GetPlaybackState() == ENGINE_PLAYING && frame.GetClipInfo().length > 0;
}

void CMprisPlayerAdaptor::Next() { frame.RunCommand(ID_PLAY_NEXT); }

void CMprisPlayerAdaptor::Previous() { frame.RunCommand(ID_PLAY_PREVIOUS); }

void CMprisPlayerAdaptor::Pause() {
    if (frame.GetPlaybackState() == ENGINE_PLAYING) frame.RunCommand(ID_PLAY_PAUSE);
}

void CMprisPlayerAdaptor::PlayPause() {
    frame.RunCommand(IsPlayingOrPaused(frame.GetPlaybackState()) ? ID_PLAY_PAUSE : ID_PLAY_PLAY);
}

void CMprisPlayerAdaptor::Stop() { frame.RunCommand(ID_PLAY_STOP); }

void CMprisPlayerAdaptor::Play() { frame.RunCommand(ID_PLAY_PLAY); }

void CMprisPlayerAdaptor::Seek(qlonglong offset) {
    const qlonglong target = qlonglong{frame.GetClipInfo().timePosition} + offset / kMicroseconds;
    // Past the end the next clip plays, as the interface asks; before the
    // start the clip starts over.
    if (CanSeek() && target >= frame.GetClipInfo().length) {
        frame.RunCommand(ID_PLAY_NEXT);
        return;
    }
    frame.SeekTo(static_cast<int>(std::max<qlonglong>(target, 0)));
}

void CMprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position) {
    // A request for another track than the current one is stale: ignored.
    if (trackId != service.TrackId() || position < 0) return;
    frame.SeekTo(static_cast<int>(std::min<qlonglong>(position / kMicroseconds, kMaxSeconds)));
}

void CMprisPlayerAdaptor::OpenUri(const QString& uri) {
    // Only whole addresses: "file:b.avi" or a bare name says nothing about
    // where the file is, and is refused with nothing opened.
    const QUrl url(uri, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) return;
    if (!url.isLocalFile()) {
        frame.OpenPath(uri.toStdString());
        return;
    }
    // The path's bytes are what its percent escapes say, whatever their
    // encoding ("caf%E9.avi" is the Latin-1 name).
    const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!path.startsWith('/') || (!url.host().isEmpty() && url.host() != QStringLiteral("localhost"))) return;
    frame.OpenPath(path.toStdString());
}

}  // namespace taleno
