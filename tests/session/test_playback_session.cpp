// The playback session without a window, playing through the stand-in
// engine: what each command does in each state, the open path, positions,
// what follows the end of a clip.

#include "PlaybackSessionTestAccess.h"
#include "common/TestSupport.h"
#include "playlist/PlaylistTestAccess.h"
#include "settings/PlaybackPositions.h"

namespace taleno::test {
namespace {

using Lines = std::vector<std::string>;

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.bMPlayerPathName = true;
        settings.strMPlayerPathName = TALENO_STANDIN_ENGINE;
        settings.nSSDisableMode = 0;
        session.ApplySettings(settings);
        const auto note = [this](auto signal, const char* name) {
            QObject::connect(&session, signal, [this, name] { told.push_back(name); });
        };
        note(&CPlaybackSession::ClipStarting, "starting");
        note(&CPlaybackSession::ClipPlaying, "playing");
        note(&CPlaybackSession::ClipFailed, "failed");
        note(&CPlaybackSession::ClipStopped, "stopped");
        note(&CPlaybackSession::EngineNotFound, "no engine");
        note(&CPlaybackSession::OpenFailed, "unreadable");
        QObject::connect(&session, &CPlaybackSession::ClipPlaying, [this] { played.push_back(session.Clip()); });
        QObject::connect(&session, &CPlaybackSession::Seeked, [this](int s) { seeks.push_back(s); });
        QObject::connect(&session, &CPlaybackSession::PlaybackEnded,
                         [this](bool shutDown) { told.push_back(shutDown ? "end, shut down" : "end"); });
    }

    void Apply(void (*change)(SettingsRecord&)) {
        change(settings);
        session.ApplySettings(settings);
    }

    std::string Script(const std::string& name, const std::string& body) { return RecordingScript(folder, name, body); }
    std::string Playing(const std::string& name) { return Script(name, "print-id\nstarting\n"); }

    // A command, then time for the writer: one given while the previous one
    // is still being written is dropped.
    template <typename Command>
    void Send(Command command) {
        command();
        QTest::qWait(40);
    }
    bool WaitFor(EngineState state) {
        return QTest::qWaitFor([&] { return session.State() == state; }, 8000);
    }
    void PlayUntilPlaying(const std::string& path) {
        const std::size_t before = played.size();
        session.OpenPath(path);
        ASSERT_TRUE(QTest::qWaitFor([&] { return played.size() > before; }, 8000));
    }

    ScratchFolder folder;
    SettingsRecord settings;
    Lines told;
    Lines played;  // the clip of every ClipPlaying
    std::vector<int> seeks;
    CPlaybackSession session{folder.Path()};  // goes first, so it tells nobody gone
};

TEST_F(SessionTest, CommandsFollowTheStateAndReachTheEngine) {
    session.SendUserCommand("");  // nothing plays: nothing to send to
    const std::string slow = Script("slow.standin", "sleep 1000\nprint-id\nprint ID_LENGTH=9999\nstarting\n");
    session.OpenPath(slow);
    ASSERT_TRUE(WaitFor(ENGINE_STARTING));
    // Starting: Pause, Next, the seeks and Mute wait.
    session.TogglePause();
    session.Next();
    EXPECT_FALSE(session.SeekBy(-60));
    EXPECT_FALSE(session.SeekTo(1));
    session.Mute();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !played.empty(); }, 8000));
    QTest::qWait(40);

    Send([&] { session.SeekBy(10); });
    Send([&] { session.SeekToPercent(50); });
    Send([&] { session.SeekToPercent(50); });  // the same percent again: nothing
    Send([&] { session.SeekTo(9998); });
    Send([&] { session.SeekTo(9999); });  // the length itself: no seek
    Send([&] { session.SeekTo(-1); });
    Send([&] { session.Mute(); });
    Send([&] { session.SendUserCommand("osd 1"); });
    Send([&] { session.TogglePause(); });
    EXPECT_EQ(session.State(), ENGINE_PAUSED);
    // Paused: steps, seeks and Mute do nothing; Play resumes.
    Send([&] { session.Next(); });
    Send([&] { session.SeekBy(10); });
    Send([&] { session.Mute(); });
    Send([&] { session.SetVolume(40); });  // kept for the resume
    Send([&] { session.Play(); });
    EXPECT_EQ(session.State(), ENGINE_PLAYING);
    Send([&] { session.Stop(); });
    EXPECT_EQ(session.State(), ENGINE_STOPPED);
    EXPECT_EQ(ReceivedBy(slow), Lines({"volume 100 1", "seek 10 0", "seek 4999 2", "seek 9998 2", "mute", "osd 1",
                                       "pause", "volume 40 1 pause", "quit"}));
    ASSERT_EQ(seeks.size(), 3u);  // the first from wherever the clip was
    EXPECT_EQ(std::vector<int>(seeks.begin() + 1, seeks.end()), (std::vector<int>{4999, 9998}));

    // Play after Stop starts the same clip again; Close forgets it. Closed
    // the moment the engine says it plays, before the session has heard it,
    // that late word is not taken: the clip is not told playing, and the
    // screen saver stays on.
    Apply([](SettingsRecord& s) { s.nSSDisableMode = 1; });
    QObject context;
    QObject::connect(&PlaybackSessionTestAccess(session).Engine(), &CEngineController::EnginePlaying, &context,
                     [&] { session.Close(); });
    session.Play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return told.size() >= 7; }, 8000));
    QTest::qWait(200);
    EXPECT_EQ(session.Clip(), "");
    EXPECT_FALSE(PlaybackSessionTestAccess(session).ScreenSaverDisabled());
    session.Play();
    EXPECT_EQ(session.State(), ENGINE_STOPPED);
    // Each stop is told at once, and again when the engine has gone.
    EXPECT_EQ(told, Lines({"starting", "playing", "stopped", "stopped", "starting", "stopped", "stopped"}));
}

TEST_F(SessionTest, PlaylistFilesAreKnownByExtensionAndAFailedEntryMovesOn) {
    Script("bad.standin", "exit 1\n");
    const std::string good = Playing("good.standin");
    WriteWholeFile(folder.File("list.M3U"), "bad.standin\r\ngood.standin\r\n");  // any letter case
    PlayUntilPlaying(folder.File("list.M3U"));
    EXPECT_EQ(told, Lines({"starting", "failed", "starting", "playing"}));
    EXPECT_EQ(played, Lines{good});
    session.OpenPath(folder.File("noextension"));  // a clip, not a list
    EXPECT_EQ(session.Playlist().Entries(), Lines{folder.File("noextension")});
    session.OpenPath(folder.File("missing.m3u"));
    EXPECT_EQ(told.back(), "unreadable");
}

TEST_F(SessionTest, DroppedFilesReplaceTheListAndNextAndPreviousStepWhilePlaying) {
    // Files dropped together replace the list; one is opened like any other.
    const std::string a = Playing("a.standin"), b = Playing("b.standin"), c = Playing("c.standin");
    session.OpenFiles({a, b, c});
    EXPECT_EQ(session.Playlist().Entries(), Lines({a, b, c}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return played == Lines{a}; }, 8000));
    for (const auto& step : {&CPlaybackSession::Next, &CPlaybackSession::Next, &CPlaybackSession::Previous}) {
        const std::size_t before = played.size();
        (session.*step)();
        ASSERT_TRUE(QTest::qWaitFor([&] { return played.size() > before; }, 8000));
    }
    EXPECT_EQ(played, Lines({a, b, c, b}));
    session.OpenFiles({c});
    EXPECT_EQ(session.Playlist().Entries(), Lines{c});
}

TEST_F(SessionTest, RepeatWithAutoShuffleStartsTheShuffledListAgainAndTheEndIsTold) {
    Apply([](SettingsRecord& s) { s.bAutoShuffle = true; });
    const std::string a = Script("a.standin", "print-id\nstarting\nsleep 800\nexit 0\n");
    const std::string b = Script("b.standin", "print-id\nstarting\nsleep 800\nexit 0\n");
    PlaylistTestAccess(session.Playlist()).SetRandomSource([] { return 0u; });  // two entries swap
    session.SetRepeat(true);
    session.SetAfterPlayback(CPlaybackSession::AFTER_PLAYBACK_SHUTDOWN);
    session.OpenFiles({a, b});
    ASSERT_TRUE(QTest::qWaitFor([&] { return played.size() >= 3; }, 15000));
    EXPECT_EQ(Lines(played.begin(), played.begin() + 3), Lines({a, b, b}));
    EXPECT_EQ(session.Playlist().Entries(), Lines({b, a}));
    // Without Repeat the end of the list ends playback, once.
    session.SetRepeat(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return told.back() == "end, shut down"; }, 15000));
    QTest::qWait(300);
    EXPECT_EQ(played.size(), 4u);
    EXPECT_EQ(std::count(told.begin(), told.end(), "end, shut down"), 1);
}

TEST_F(SessionTest, PositionsResumeAreStoredOnStopAndShutdownAndForgottenOnlyAtTheEnd) {
    Apply([](SettingsRecord& s) { s.bRememberLastPlaybackPosition = true; });
    const PlaybackSessionTestAccess access(session);
    const std::string clip = Playing("clip.standin");
    ASSERT_TRUE(StorePosition(folder.Path(), clip, 6));
    PlayUntilPlaying(clip);
    EXPECT_NE(access.EngineArgumentLine().find("-ss 1 "), std::string::npos);
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.Info().timePosition >= 1; }, 5000));
    session.Stop();
    EXPECT_EQ(ReadPosition(folder.Path(), clip), session.Info().timePosition);
    // Five seconds or less start from the beginning, and so does a
    // hand-edited position far below zero.
    for (const std::string stored : {"5", "-99999999999"}) {
        WriteWholeFile(PositionFilePath(folder.Path()), "[PlaybackPosition]\n" + clip + "=" + stored + "\n");
        session.Play();
        ASSERT_TRUE(WaitFor(ENGINE_PLAYING));
        EXPECT_EQ(access.EngineArgumentLine().find("-ss"), std::string::npos) << stored;
        session.Stop();
    }
    // Only the engine's own word that the clip ended forgets it; an engine
    // that ends without saying so keeps the entry; one that crashed after
    // telling the time stores that time.
    const std::string ends =
        Script("ends.standin", "print-id\nstarting\nsleep 300\nprint Exiting... (End of file)\nexit 0\n");
    const std::string quiet = Script("quiet.standin", "print-id\nstarting\nsleep 300\nexit 0\n");
    const std::string crashes = Script("crashes.standin", "print-id\nstarting\nsleep 1700\nexit 139\n");
    for (const std::string& path : {ends, quiet, crashes}) {
        ASSERT_TRUE(StorePosition(folder.Path(), path, 3));
        PlayUntilPlaying(path);
        ASSERT_TRUE(WaitFor(ENGINE_STOPPED));
        const int expected = path == ends ? -1 : path == quiet ? 3 : session.Info().timePosition;
        EXPECT_TRUE(QTest::qWaitFor([&] { return ReadPosition(folder.Path(), path) == expected; }, 3000)) << path;
    }
    EXPECT_GE(session.Info().timePosition, 1);
    // The player closing stores the position of a clip that plays.
    PlayUntilPlaying(clip);
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.Info().timePosition >= 1; }, 5000));
    session.Shutdown();
    EXPECT_EQ(ReadPosition(folder.Path(), clip), session.Info().timePosition);
}

}  // namespace
}  // namespace taleno::test
