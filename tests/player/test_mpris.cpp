// The desktop's media controls, on a private session bus started by the
// test: what a real client, Debian's playerctl, sees of a playing clip and
// what its calls do to the engine.

#include "FrameFixture.h"
#include "common/TestSupport.h"

#include "common/PrivateBus.h"
#include "player/MprisService.h"

#include <QProcess>

namespace taleno::test {
namespace {

const QString kName = "org.mpris.MediaPlayer2.taleno";
const QString kPath = "/org/mpris/MediaPlayer2";
const QString kPlayer = "org.mpris.MediaPlayer2.Player";

// Records the player interface's PropertiesChanged and Seeked signals.
class ChangeRecorder : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> changes;
    QList<qlonglong> seeks;
    bool Saw(const QString& property, const QVariant& value) const {
        for (const QVariantMap& change : changes) {
            if (change.value(property) == value) return true;
        }
        return false;
    }
public slots:
    void Changed(const QString& interface, const QVariantMap& changed, const QStringList&) {
        if (interface == kPlayer) changes << changed;
    }
    void Seeked(qlonglong position) { seeks << position; }
};

class MprisTest : public FrameTest {
protected:
    void SetUp() override { ASSERT_FALSE(bus.address.isEmpty()) << "dbus-daemon did not start"; }

    QString Playerctl(const QStringList& arguments) { return bus.Playerctl(arguments); }
    // OpenUri with exactly this text (playerctl would make a name absolute).
    void OpenUri(const QString& uri) {
        QProcess call;
        call.start("dbus-send", {"--bus=" + bus.address, "--print-reply", "--dest=" + kName, kPath,
                                 kPlayer + ".OpenUri", "string:" + uri});
        (void)QTest::qWaitFor([&] { return call.state() == QProcess::NotRunning; }, 10000);
    }

    PrivateBus bus;
};

TEST_F(MprisTest, TheControlsFollowTheClipAndDriveItThroughTheFramesCommands) {
    MakeFrame();
    auto* service = new CMprisService(*frame, bus.Connect("mpris-player"));
    ASSERT_EQ(service->ServiceName(), kName);
    ChangeRecorder recorder;
    QDBusConnection client = bus.Connect("mpris-client");
    client.connect(kName, kPath, "org.freedesktop.DBus.Properties", "PropertiesChanged", &recorder,
                   SLOT(Changed(QString, QVariantMap, QStringList)));
    client.connect(kName, kPath, kPlayer, "Seeked", &recorder, SLOT(Seeked(qlonglong)));
    EXPECT_EQ(Playerctl({"status"}), "Stopped");

    // A Latin-1 name: its address is made of its bytes.
    const std::string script =
        Script("caf\xE9 clip.standin", "print-id\nprint  Title: Song\nprint  Artist: Singer\nstarting\n");
    const std::string second = PlayingScript("second.standin");
    access->OnDropFiles({script, second});
    ASSERT_TRUE(WaitForStatus("Playing"));
    EXPECT_EQ(Playerctl({"status"}), "Playing");
    EXPECT_EQ(Playerctl({"metadata", "--format", "{{xesam:title}}/{{xesam:artist}}/{{mpris:length}}"}),
              "Song/Singer/4000000");
    const QString url = "file://" + QString::fromStdString(folder.Path()) + "/caf%E9%20clip.standin";
    EXPECT_EQ(Playerctl({"metadata", "xesam:url"}), url);

    Playerctl({"play-pause"});
    ASSERT_TRUE(WaitForState(ENGINE_PAUSED));
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.Saw("PlaybackStatus", "Paused"); }, 2000));
    Playerctl({"play"});
    ASSERT_TRUE(WaitForState(ENGINE_PLAYING));

    Playerctl({"position", "2"});    // SetPosition on the current track
    Playerctl({"position", "10-"});  // Seek before the start: from the start
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.seeks == QList<qlonglong>{2000000, 0}; }, 2000));
    Playerctl({"volume", "0.5"});
    EXPECT_EQ(frame->GetVolume(), 50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.Saw("Volume", 0.5); }, 2000));
    // Rate is the speed: set through the interface, it changes the engine's.
    QProcess rate;
    rate.start("dbus-send",
               {"--bus=" + bus.address, "--print-reply", "--dest=" + kName, kPath,
                "org.freedesktop.DBus.Properties.Set", "string:" + kPlayer, "string:Rate", "variant:double:1.5"});
    (void)QTest::qWaitFor([&] { return rate.state() == QProcess::NotRunning; }, 10000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.Saw("Rate", 1.5); }, 2000));
    EXPECT_EQ(access->Panel().StatusText(), QString::fromUtf8("1.5\u00D7  Playing"));
    EXPECT_NE(ReadWholeFile(script + ".rec").find("speed_set 1.5"), std::string::npos);

    // Next plays the second clip: a new track, named by its file.
    const QString firstTrack = Playerctl({"metadata", "mpris:trackid"});
    played.clear();
    Playerctl({"next"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !played.empty(); }, 8000));
    EXPECT_EQ(played.front(), second);
    EXPECT_EQ(Playerctl({"metadata", "xesam:title"}), "second.standin");
    EXPECT_NE(Playerctl({"metadata", "mpris:trackid"}), firstTrack);

    // OpenUri takes the address back to the same bytes; a relative or
    // invalid one opens nothing.
    played.clear();
    for (const char* refused : {"file:b.avi", "b.avi", "file://other.host/b.avi", "http://[bad"}) {
        OpenUri(refused);
        EXPECT_EQ(access->GetSession().Playlist().Entries(), (std::vector<std::string>{script, second})) << refused;
    }
    OpenUri(url);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !played.empty(); }, 8000));
    EXPECT_EQ(played, std::vector<std::string>{script});
    EXPECT_EQ(access->GetSession().Playlist().Entries(), std::vector<std::string>{script});

    Playerctl({"stop"});
    EXPECT_TRUE(WaitForState(ENGINE_STOPPED));
    EXPECT_EQ(Playerctl({"status"}), "Stopped");
}

}  // namespace
}  // namespace taleno::test

#include "test_mpris.moc"
