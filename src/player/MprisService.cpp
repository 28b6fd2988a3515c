#include "player/MprisService.h"

#include "player/MainFrame.h"
#include "player/MprisAdaptors.h"

#include <QDBusMessage>

#include <unistd.h>

namespace taleno {

namespace {

const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kServiceName = QStringLiteral("org.mpris.MediaPlayer2.taleno");

}  // namespace

CMprisService::CMprisService(CMainFrame& frame, QDBusConnection bus) : QObject(&frame), frame(frame), bus(bus) {
    new CMprisRootAdaptor(*this, frame);
    player = new CMprisPlayerAdaptor(*this, frame);
    if (!bus.isConnected() || !bus.registerObject(kObjectPath, this)) return;
    if (bus.registerService(kServiceName)) {
        serviceName = kServiceName;
    } else if (const QString instance = kServiceName + ".instance" + QString::number(::getpid());
               bus.registerService(instance)) {
        serviceName = instance;
    }
    trackClip = frame.GetClip();
    sent = PlayerProperties();
    connect(&frame, &CMainFrame::PlaybackChanged, this, &CMprisService::AnnounceChanges);
    connect(&frame, &CMainFrame::VolumeChanged, this, &CMprisService::AnnounceChanges);
    connect(&frame, &CMainFrame::Seeked, player,
            [this](int seconds) { emit player->Seeked(qlonglong{seconds} * 1000000); });
}

CMprisService::~CMprisService() {
    if (!serviceName.isEmpty()) bus.unregisterService(serviceName);
    bus.unregisterObject(kObjectPath);
}

QDBusObjectPath CMprisService::TrackId() const {
    if (frame.GetClip().empty()) return QDBusObjectPath("/org/mpris/MediaPlayer2/TrackList/NoTrack");
    return QDBusObjectPath("/org/taleno/track/" + QString::number(trackNumber));
}

QVariantMap CMprisService::PlayerProperties() const {
    return {{"PlaybackStatus", player->PlaybackStatus()},
            {"Metadata", player->Metadata()},
            {"Volume", player->Volume()},
            {"Rate", player->Rate()},
            {"CanPlay", player->CanPlay()},
            {"CanPause", player->CanPause()},
            {"CanSeek", player->CanSeek()}};
}

void CMprisService::AnnounceChanges() {
    if (frame.GetClip() != trackClip) {
        trackClip = frame.GetClip();
        ++trackNumber;
    }
    const QVariantMap now = PlayerProperties();
    QVariantMap changed;
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (sent.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
    }
    sent = now;
    if (changed.isEmpty()) return;
    QDBusMessage signal =
        QDBusMessage::createSignal(kObjectPath, "org.freedesktop.DBus.Properties", "PropertiesChanged");
    signal << kPlayerInterface << changed << QStringList();
    bus.send(signal);
}

}  // namespace taleno
