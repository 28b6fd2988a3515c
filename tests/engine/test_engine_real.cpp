// The engine controller driving the real engine (Debian's mplayer) on small
// clips made with ffmpeg: start-up, media information, time position, pause,
// seek, the end of the clip, stop and failures.
#include "common/TestSupport.h"

#include "EngineControllerTestAccess.h"
#include "EngineEvents.h"
#include "engine/EngineController.h"
#include "engine/EngineLocation.h"

#include <QTemporaryDir>

namespace taleno {
namespace {

using namespace test;

const char* kEngine = "/usr/bin/mplayer";

class RealEngineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new test::ScratchFolder();
        // The engine keeps a configuration folder in $HOME; keep it out of the real one.
        setenv("HOME", folder->Path().c_str(), 1);
        if (!IsEngineExecutable(kEngine) || std::system("command -v ffmpeg >/dev/null") != 0) return;
        const std::string video =
            "ffmpeg -y -loglevel error -f lavfi -i testsrc=size=176x144:rate=25 "
            "-f lavfi -i sine=frequency=440:sample_rate=44100 -t 4 -c:v mpeg4 "
            "-c:a libmp3lame -b:a 64k -metadata title='My Clip' "
            "-metadata artist='Some Artist' '" +
            folder->File("clip.avi") + "'";
        clipsReady = std::system(video.c_str()) == 0;
        const std::string slow =
            "ffmpeg -y -loglevel error -f lavfi -i testsrc=size=176x144:rate=5 -f lavfi -i sine -t 20 "
            "-c:v mpeg4 -c:a libmp3lame '" +
            folder->File("slow.avi") + "'";
        clipsReady = clipsReady && std::system(slow.c_str()) == 0;
        // Tags as the engine prints them for other containers: MP4 and FLAC
        // through its libavformat reader, MP3 with an ID3v1 tag through its own.
        for (const auto& [name, codec] :
             {std::pair{"tags.mp4", "-c:a aac"}, {"tags.flac", ""}, {"tags.mp3", "-c:a libmp3lame -write_id3v1 1"}}) {
            const std::string tagged =
                "ffmpeg -y -loglevel error -f lavfi -i sine=frequency=440 -t 1 " + std::string(codec) +
                " -metadata title=T -metadata ARTIST=A -metadata album=B -metadata genre=Rock '" + folder->File(name) +
                "'";
            clipsReady = clipsReady && std::system(tagged.c_str()) == 0;
        }
        test::WriteWholeFile(folder->File("notes.txt"), "these are not moving pictures\n");
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }

    void SetUp() override {
        if (!clipsReady) GTEST_SKIP() << "mplayer or ffmpeg missing";
        QCoreApplication::processEvents();
        recorder.Clear();
        launch.enginePath = kEngine;
        settings.nVideoOutputDriver = 1;  // -vo null
        settings.nAudioOutputDriver = 1;
        engine.SetSettings(settings);  // -ao null
    }

    void Play(const std::string& name) {
        launch.mediaPath = folder->File(name);
        engine.Start(launch);
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine.GetState() != ENGINE_STARTING; }, 10000));
    }

    static inline test::ScratchFolder* folder = nullptr;
    static inline bool clipsReady = false;
    SettingsRecord settings;
    EngineLaunch launch;
    CEngineController engine;
    EngineEvents recorder{engine};
    EngineControllerTestAccess access{engine};
};

TEST_F(RealEngineTest, ReportsTheClipAsAnnouncedStopsAndFailsOnWhatIsNoClip) {
    Play("clip.avi");
    ASSERT_EQ(engine.GetState(), ENGINE_PLAYING);
    EXPECT_TRUE(engine.GetMediaInfo().hasVideo);
    EXPECT_EQ((std::vector{engine.GetVideoWidth(), engine.GetVideoHeight(), engine.GetMediaInfo().length}),
              (std::vector{176, 144, 4}));
    EXPECT_EQ((std::vector{engine.GetMediaInfo().audioBitrate, engine.GetMediaInfo().audioRate,
                           engine.GetMediaInfo().audioChannels}),
              (std::vector{64000, 44100, 2}));
    EXPECT_EQ((std::vector<std::string>{engine.GetMediaInfo().title, engine.GetMediaInfo().artist,
                                        engine.GetMediaInfo().videoCodec, engine.GetMediaInfo().audioCodec}),
              (std::vector<std::string>{"My Clip", "Some Artist", "ffodivx", "mpg123"}));
    EXPECT_GT(engine.GetVideoBitrate(), 0);
    EXPECT_FLOAT_EQ(engine.GetMediaInfo().videoFps, 25.0f);
    engine.Stop();
    for (const char* name : {"tags.mp4", "tags.flac", "tags.mp3"}) {  // the tags of every container, no video
        Play(name);
        const MediaInfo& info = engine.GetMediaInfo();
        EXPECT_EQ((std::vector<std::string>{info.title, info.artist, info.album, info.genre}),
                  (std::vector<std::string>{"T", "A", "B", "Rock"}))
            << name;
        EXPECT_FALSE(info.hasVideo);
        EXPECT_EQ(info.length, 1);
        // Stop has the engine gone when it returns.
        const pid_t pid = access.EnginePid();
        engine.Stop();
        EXPECT_NE(::kill(pid, 0), 0);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.Has("EngineStopped"); }, 1000));
    for (const char* name : {"missing.avi", "notes.txt"}) {
        recorder.Clear();
        Play(name);
        ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.Has("EngineFailed"); }, 3000)) << name;
        EXPECT_FALSE(recorder.Has("EnginePlaying")) << name;
    }
}

TEST_F(RealEngineTest, TimeAdvancesPausesSeeksAndTheEndFinishes) {
    Play("clip.avi");
    ASSERT_EQ(engine.GetState(), ENGINE_PLAYING);
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.GetMediaInfo().timePosition >= 1; }, 3000));

    engine.Pause(1);
    QTest::qWait(600);
    const int paused = engine.GetMediaInfo().timePosition;
    QTest::qWait(1200);
    EXPECT_EQ(engine.GetMediaInfo().timePosition, paused);

    engine.Mute();
    QTest::qWait(50);
    engine.SetVolume(50);  // kept for the resume
    engine.Pause(0);
    EXPECT_EQ(engine.GetState(), ENGINE_PLAYING);
    QTest::qWait(100);
    engine.SeekAbsolute(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.GetMediaInfo().timePosition <= 1; }, 2000));
    EXPECT_EQ(engine.GetState(), ENGINE_PLAYING);

    // The clip's end is the engine finishing, not a stop.
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.Has("EngineFinished"); }, 8000));
    EXPECT_EQ(engine.GetState(), ENGINE_STOPPED);
    EXPECT_FALSE(recorder.Has("EngineStopped"));
}

// The engine's answer to a property request, as it printed it last.
std::string Answer(CEngineController& engine, EngineEvents& recorder, const std::string& property) {
    recorder.logged.clear();
    // A paused engine would resume on a plain command, and "pausing_keep"
    // after a frame step steps again: "pausing_keep_force" keeps it still.
    const bool paused = engine.GetState() == ENGINE_PAUSED;
    engine.SendCommand((paused ? "pausing_keep_force get_property " : "get_property ") + property);
    const std::string key = "ANS_" + property + "=";
    std::string answer;
    (void)QTest::qWaitFor(
        [&] {
            for (const std::string& line : recorder.logged) {
                if (line.starts_with(key)) answer = line.substr(key.size());
            }
            return !answer.empty();
        },
        3000);
    return answer;
}

TEST_F(RealEngineTest, SpeedHoldsAcrossStartsAndStepsKeepAPausedClipPaused) {
    settings.bEnableLogging = true;
    engine.SetSettings(settings);
    engine.SetSpeed(2.0);  // the next start runs at it, with the tempo filter
    Play("slow.avi");
    ASSERT_EQ(engine.GetState(), ENGINE_PLAYING);
    EXPECT_EQ(Answer(engine, recorder, "speed"), "2.000000");
    engine.Pause(1);
    engine.SetSpeed(4.0);
    EXPECT_EQ(Answer(engine, recorder, "speed"), "4.000000");
    // Five frames a second: ten steps are two seconds (each plays its frame's
    // fifth of a second at the speed, then pauses again).
    const auto seconds = [&] {
        engine.SendCommand("pausing_keep_force get_time_pos");
        QTest::qWait(300);
        return engine.GetMediaInfo().timePosition;
    };
    const int before = seconds();
    for (int i = 0; i < 10; ++i) {
        engine.FrameStep();
        QTest::qWait(150);
    }
    EXPECT_EQ(Answer(engine, recorder, "pause"), "yes");
    EXPECT_EQ(seconds() - before, 2);
    // A subtitle file loaded while paused: shown, and the clip still paused.
    // (by a path short enough for the engine's commands)
    QTemporaryDir shortFolder(QStringLiteral("/tmp/tXXXXXX"));
    const std::string subtitles = shortFolder.path().toStdString() + "/a.srt";
    test::WriteWholeFile(subtitles, "1\n00:00:00,000 --> 00:00:20,000\nHi\n");
    ASSERT_TRUE(engine.LoadSubtitleFile(subtitles));
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine.GetMediaInfo().tracks.subtitleFileId == 0; }, 3000));
    EXPECT_EQ(Answer(engine, recorder, "sub"), "0");  // the only subtitles, shown
    EXPECT_EQ(Answer(engine, recorder, "pause"), "yes");
    EXPECT_EQ(engine.GetState(), ENGINE_PAUSED);
    engine.Pause(0);
    engine.SetSpeed(1.0);
    EXPECT_EQ(Answer(engine, recorder, "speed"), "1.000000");
    EXPECT_EQ(Answer(engine, recorder, "pause"), "no");
}

}  // namespace
}  // namespace taleno
