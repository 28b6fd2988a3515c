#pragma once
// The player on the session bus as a media player the desktop can control
// (MPRIS 2.2): media keys, the panel's media controls, playerctl.
//
// The service takes "org.mpris.MediaPlayer2.taleno", or, when another
// Taleno already has it, "org.mpris.MediaPlayer2.taleno.instance<pid>".
// Without a session bus nothing is registered and the player runs as ever.
// Every change of the properties goes out in PropertiesChanged; the
// position, which changes all the time, only in Seeked after a seek.

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

namespace taleno {

class CMainFrame;
class CMprisPlayerAdaptor;

class CMprisService : public QObject {
    Q_OBJECT

public:
    CMprisService(CMainFrame& frame, QDBusConnection bus);
    ~CMprisService() override;

    // The bus name taken; empty when the service is not on a bus.
    QString ServiceName() const { return serviceName; }
    // The current clip's track id, which changes with every new clip.
    QDBusObjectPath TrackId() const;

private:
    // Numbers a new clip, then announces the player properties that differ
    // from the last announcement.
    void AnnounceChanges();
    QVariantMap PlayerProperties() const;

    CMainFrame& frame;
    QDBusConnection bus;
    CMprisPlayerAdaptor* player = nullptr;
    QString serviceName;
    std::string trackClip;  // the clip the track number was given for
    int trackNumber = 0;
    QVariantMap sent;  // the player properties as last announced
};

}  // namespace taleno
