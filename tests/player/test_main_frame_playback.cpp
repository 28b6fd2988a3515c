// The main window playing through the stand-in engine: the commands in each
// playback state, status texts, caption, the open path, drops, the wheel and
// what follows the end of a clip.

#include "FrameFixture.h"
#include "playlist/PlaylistTestAccess.h"

#include "settings/PlaybackPositions.h"

#include "shell/ColorLabel.h"
#include "shell/SeekBar.h"
#include "shell/TALENOView.h"
#include "shell/VolumeToolBar.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QWheelEvent>

#include <filesystem>

namespace taleno::test {
namespace {

using Lines = std::vector<std::string>;

TEST_F(FrameTest, PauseStopAndCloseFollowTheState) {
    MainFrameTestAccess& f = MakeFrame();
    const std::string clip = PlayingScript("clip.standin");
    PlayUntilPlaying(clip);
    EXPECT_EQ(statuses, QStringList({"Starting...", "Playing"}));
    EXPECT_EQ(f->windowTitle(), "clip.standin - TALENO");

    Send(ID_PLAY_PLAY);  // playing: nothing
    Send(ID_PLAY_PAUSE);
    EXPECT_EQ(f.GetSession().State(), ENGINE_PAUSED);
    // Paused: steps, seeks and Mute do nothing; Play resumes.
    Send(ID_PLAY_NEXT);
    Send(ID_PLAY_FORWARD10SECONDS);
    Send(ID_VOLUME_MUTE);
    Send(ID_PLAY_PLAY);
    EXPECT_EQ(f.GetSession().State(), ENGINE_PLAYING);
    Send(ID_PLAY_STOP);
    EXPECT_EQ(f.GetSession().State(), ENGINE_STOPPED);
    ASSERT_TRUE(PumpUntil([&] { return statuses.size() == 6; }, 2000));
    // Stopping resets the display, and so does the engine's report of it.
    EXPECT_EQ(statuses, QStringList({"Starting...", "Playing", "Paused", "Playing", "Stopped", "Stopped"}));
    // The volume read at start-up goes to the engine when playback begins,
    // and once more with the first resume.
    EXPECT_EQ(Received(clip), Lines({"volume 100 1", "pause", "volume 100 1 pause", "quit"}));

    // Play after Stop starts the same clip again; Close forgets it.
    f.OnCommand(ID_PLAY_PLAY);
    ASSERT_TRUE(WaitForState(ENGINE_PLAYING));
    f.OnCommand(ID_FILE_CLOSE);
    EXPECT_EQ(f->windowTitle(), "TALENO");
    EXPECT_EQ(f.GetSession().Clip(), "");
    f.OnCommand(ID_PLAY_PLAY);
    EXPECT_EQ(f.GetSession().State(), ENGINE_STOPPED);
}

TEST_F(FrameTest, AUrlIsNamedByItsWholeText) {
    MainFrameTestAccess& f = MakeFrame();
    // Any path holding "://" counts as a URL; this one the stand-in can read.
    std::filesystem::create_directories(folder.File("a:/b"));
    const std::string url = folder.File("a://b/clip.standin");
    WriteWholeFile(url, "print-id\nstarting\n");
    PlayUntilPlaying(url);
    EXPECT_EQ(f->windowTitle().toStdString(), url + " - TALENO");
    EXPECT_EQ(f.ViewParts().LowerCaption()->Text().toStdString(), folder.File("a://b/clip"));
}

TEST_F(FrameTest, NamesAndTagsShowAsUtf8OrElseLatin1) {
    MainFrameTestAccess& f = MakeFrame();
    // A Latin-1 file name and Latin-1 tags; a UTF-8 artist.
    PlayUntilPlaying(
        Script("caf\xe9.standin", "print-id\nprint  Title: S\xf3ng \xa9\nprint  Artist: \xc3\x80rtist\nstarting\n"));
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("caf\u00e9.standin - TALENO"));
    EXPECT_EQ(f.ViewParts().UpperCaption()->Text(), QString::fromUtf8("\u00c0rtist"));
    EXPECT_EQ(f.ViewParts().LowerCaption()->Text(), QString::fromUtf8("S\u00f3ng \u00a9"));
    EXPECT_EQ(f.Panel().InfoText(1), QString::fromUtf8("Clip: S\u00f3ng \u00a9"));
}

TEST_F(FrameTest, CommandsWaitWhileStartingAndSeekStepsHoldTheSeekBar) {
    MainFrameTestAccess& f = MakeFrame("strF1CMD=osd 1\n");
    const std::string clip = Script("slow.standin", "sleep 1500\nprint-id\nstarting\n");
    f.OpenPath(clip);
    ASSERT_TRUE(WaitForStatus("Starting..."));
    for (int id : {ID_PLAY_PLAY, ID_PLAY_PAUSE, ID_PLAY_NEXT, ID_PLAY_REWIND1MINUTE, ID_VOLUME_MUTE}) {
        f.OnCommand(id);
    }
    EXPECT_EQ(f.GetSession().State(), ENGINE_STARTING);
    ASSERT_TRUE(WaitForStatus("Playing"));
    PumpFor(40);

    Send(ID_PLAY_FORWARD10SECONDS);
    for (int left : {2, 1, 0}) {
        EXPECT_EQ(f.GetSeekHoldOff(), left);
        f.UpdateSeekBar();
    }
    Send(ID_VOLUME_MUTE);
    Send(ID_USER_COMMAND_F1);
    // The seek bar message seeks to its share of the 4-second clip, once.
    for (int i = 0; i < 2; ++i) {
        emit f.GetSeekBar()->SeekBarSeek(50);
        PumpFor(40);
    }
    EXPECT_EQ(Received(clip), Lines({"volume 100 1", "seek 10 0", "mute", "osd 1", "seek 2 2"}));
}

TEST_F(FrameTest, OpenUrlPassesTheTextAsTypedAndGoToSeeksOnlyWhilePlayingWithinTheClip) {
    MainFrameTestAccess& f = MakeFrame();
    // The dialogs are filled in as a user would and closed with their
    // default button, or cancelled when nothing is given to type.
    std::vector<QString> typed;
    bool accept = true;
    std::vector<QString> shown;
    f.SetDialogRunner([&](QDialog& dialog) {
        shown.push_back(dialog.windowTitle());
        const auto fields = dialog.findChildren<QLineEdit*>();
        for (qsizetype i = 0; i < fields.size() && i < qsizetype(typed.size()); ++i) fields[i]->setText(typed[i]);
        return accept ? QDialog::Accepted : QDialog::Rejected;
    });
    const std::string clip = Script("long.standin", "print-id\nprint ID_LENGTH=9999\nstarting\n");
    PlayUntilPlaying(clip);
    const auto goTo = [&](QString h, QString m, QString s) {
        typed = {h, m, s};
        Send(ID_PLAY_GOTO);
    };
    goTo("00", "00", "00");
    goTo("", "", "3");       // an emptied field counts 0
    goTo("00", "90", "00");  // typed minutes beyond the buttons' 59
    goTo("02", "46", "39");  // the length itself: no seek
    Send(ID_PLAY_PAUSE);
    goTo("00", "00", "01");  // paused: no seek
    Send(ID_PLAY_PAUSE);
    EXPECT_EQ(Received(clip),
              Lines({"volume 100 1", "seek 0 2", "seek 3 2", "seek 5400 2", "pause", "volume 100 1 pause"}));

    for (const char* url : {"", " http://h/a b.mp3 "}) {
        typed = {QString::fromLatin1(url)};
        f.OnCommand(ID_FILE_OPENURL);
        EXPECT_EQ(f.GetSession().Playlist().Entries(), std::vector<std::string>{url});
    }
    accept = false;
    f.OnCommand(ID_FILE_OPENURL);
    EXPECT_EQ(f.GetSession().Playlist().Entries(), std::vector<std::string>{" http://h/a b.mp3 "});
    f.OnCommand(ID_APP_ABOUT);
    f.OnCommand(ID_FILE_PROPERTIES);  // in any state
    EXPECT_EQ(shown.front().toStdString(), "Go To");
    EXPECT_EQ(shown[shown.size() - 2].toStdString(), "About Taleno");
    EXPECT_EQ(shown.back().toStdString(), "Properties");
}

TEST_F(FrameTest, TheLogWindowShowsEngineLinesWhenLoggingIsOn) {
    for (const bool logging : {true, false}) {
        MainFrameTestAccess& f = MakeFrame(logging ? "bEnableLogging=true\n" : "");
        QPlainTextEdit* log = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->windowTitle() == "Log" && window->parentWidget() == &f.Window()) {
                log = window->findChild<QPlainTextEdit*>();
            }
        }
        ASSERT_NE(log, nullptr);
        f.OnCommand(ID_VIEW_LOG);
        f.UpdateCommandUI();
        EXPECT_TRUE(f.GetAction(ID_VIEW_LOG)->isChecked());
        PlayUntilPlaying(Script("clip.standin", "print caf\xe9 line\nstarting\n"));
        EXPECT_EQ(log->toPlainText().contains(QString::fromUtf8("caf\u00e9 line\n")), logging);
        f.OnCommand(ID_VIEW_LOG);
        EXPECT_FALSE(f.GetAction(ID_VIEW_LOG)->isChecked());
        DestroyFrame();
    }
}

TEST_F(FrameTest, ReportsAMissingEngineAndKeepsTheClip) {
    MainFrameTestAccess& f = MakeFrame("", "/nonexistent/mplayer");
    f.OpenPath(folder.File("a.avi"));
    ASSERT_TRUE(WaitForStatus("Engine not found!"));
    EXPECT_EQ(f.GetSession().Clip(), folder.File("a.avi"));
    EXPECT_EQ(f.GetSession().State(), ENGINE_STOPPED);
}

TEST_F(FrameTest, PlaylistFilesAreKnownByExtensionInAnyCase) {
    MainFrameTestAccess& f = MakeFrame();
    Script("bad.standin", "exit 1\n");
    const std::string good = PlayingScript("good.standin");
    for (const char* name : {"list.M3U", "list.Pls", "list.TXT", "list.m3U8"}) {
        WriteWholeFile(folder.File(name), "bad.standin\r\ngood.standin\r\n");
    }
    // The unplayable entry fails and the list moves on to the next one.
    PlayUntilPlaying(folder.File("list.M3U"));
    EXPECT_EQ(statuses, QStringList({"Starting...", "Stopped", "MPlayer failed to start", "Starting...", "Playing"}));
    EXPECT_EQ(played, std::vector<std::string>({good}));

    for (const char* name : {"list.Pls", "list.TXT", "list.m3U8"}) {
        f.OpenPath(folder.File(name));
        EXPECT_EQ(f.GetSession().Playlist().Count(), 2) << name;
    }
    for (const char* name : {"clip.mp3", "noextension"}) {  // a clip, not a list
        f.OpenPath(folder.File(name));
        EXPECT_EQ(f.GetSession().Playlist().Entries(), std::vector<std::string>({folder.File(name)})) << name;
    }
    f.OpenPath(folder.File("missing.m3u"));
    EXPECT_EQ(boxes, QStringList({"unable to open file"}));
}

TEST_F(FrameTest, DroppedFilesReplaceTheList) {
    MainFrameTestAccess& f = MakeFrame();
    const std::string a = PlayingScript("a.standin");
    const std::string b = PlayingScript("b.standin");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(a)), QUrl::fromLocalFile(QString::fromStdString(b))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.Window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.Window(), &drop);
    EXPECT_EQ(f.GetSession().Playlist().Entries(), std::vector<std::string>({a, b}));
    ASSERT_TRUE(WaitForStatus("Playing"));
    EXPECT_EQ(f.GetSession().Clip(), a);

    // One dropped file is opened like any other.
    f.OnDropFiles({b});
    ASSERT_TRUE(PumpUntil([&] { return played.size() == 2; }, 8000));
    EXPECT_EQ(f.GetSession().Playlist().Entries(), std::vector<std::string>({b}));
}

TEST_F(FrameTest, NextAndPreviousStepWhilePlayingAndPlayAndPauseMarkTheState) {
    MainFrameTestAccess& f = MakeFrame();
    const std::string a = PlayingScript("a.standin"), b = PlayingScript("b.standin"), c = PlayingScript("c.standin");
    const auto marks = [&] {
        f.UpdateCommandUI();
        return std::pair{f.GetAction(ID_PLAY_PLAY)->isChecked(), f.GetAction(ID_PLAY_PAUSE)->isChecked()};
    };
    EXPECT_EQ(marks(), std::pair(false, false));
    f.OnDropFiles({a, b, c});
    ASSERT_TRUE(WaitForStatus("Playing"));
    EXPECT_EQ(marks(), std::pair(true, false));
    Send(ID_PLAY_PAUSE);
    EXPECT_EQ(marks(), std::pair(true, true));
    Send(ID_PLAY_PAUSE);
    played.clear();  // the resume counted as "Playing" too
    for (int step : {ID_PLAY_NEXT, ID_PLAY_NEXT, ID_PLAY_PREVIOUS}) {
        const std::size_t before = played.size();
        f.OnCommand(step);
        ASSERT_TRUE(PumpUntil([&] { return played.size() > before; }, 8000));
    }
    EXPECT_EQ(played, (std::vector<std::string>{b, c, b}));
}

TEST_F(FrameTest, TheWheelStepsTheVolumeByTenWithinItsRange) {
    MainFrameTestAccess& f = MakeFrame();
    f.GetSession().SetVolume(95);
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 360), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&f.Window(), &up);
    EXPECT_EQ(f.GetSession().Volume(), 100);
    EXPECT_EQ(f.GetToolBar()->GetVolumePosition(), 100);
    f.OnMouseWheel(-120);
    EXPECT_EQ(f.GetSession().Volume(), 90);
    f.GetSession().SetVolume(3);
    f.OnMouseWheel(-1);
    EXPECT_EQ(f.GetSession().Volume(), 0);
}

TEST_F(FrameTest, RepeatWithAutoShuffleStartsTheShuffledListAgain) {
    MainFrameTestAccess& f = MakeFrame("bAutoShuffle=true\n");
    const std::string a = Script("a.standin", "print-id\nstarting\nsleep 800\nexit 0\n");
    const std::string b = Script("b.standin", "print-id\nstarting\nsleep 800\nexit 0\n");
    PlaylistTestAccess(f.GetSession().Playlist()).SetRandomSource([] { return 0u; });  // two entries swap
    f.OnCommand(ID_PLAY_REPEAT);
    f.OnDropFiles({a, b});
    ASSERT_TRUE(PumpUntil([&] { return played.size() >= 3; }, 15000));
    EXPECT_EQ(std::vector<std::string>(played.begin(), played.begin() + 3), std::vector<std::string>({a, b, b}));
    EXPECT_EQ(f.GetSession().Playlist().Entries(), std::vector<std::string>({b, a}));

    // Without Repeat the end of the list ends playback.
    f.OnCommand(ID_PLAY_REPEAT);
    ASSERT_TRUE(PumpUntil([&] { return played.size() >= 4 && f.GetSession().State() == ENGINE_STOPPED; }, 15000));
    PumpFor(300);
    EXPECT_EQ(played.size(), 4u);
}

TEST_F(FrameTest, StopRemembersThePositionAndStartResumesBeforeIt) {
    MainFrameTestAccess& f = MakeFrame("bRememberLastPlaybackPosition=true\n");
    const std::string clip = PlayingScript("clip.standin");
    ASSERT_TRUE(StorePosition(folder.Path(), clip, 6));
    PlayUntilPlaying(clip);
    EXPECT_NE(f.EngineArgumentLine().find("-ss 1 "), std::string::npos);
    ASSERT_TRUE(PumpUntil([&] { return f.GetSession().Info().timePosition >= 1; }, 5000));
    const int position = f.GetSession().Info().timePosition;
    f.OnCommand(ID_PLAY_STOP);
    EXPECT_EQ(ReadPosition(folder.Path(), clip), position);

    // Five seconds or less start from the beginning, and so does a
    // hand-edited position far below zero.
    for (const std::string stored : {"5", "-99999999999"}) {
        WriteWholeFile(PositionFilePath(folder.Path()), "[PlaybackPosition]\n" + clip + "=" + stored + "\n");
        f.OnCommand(ID_PLAY_PLAY);
        ASSERT_TRUE(WaitForState(ENGINE_PLAYING));
        EXPECT_EQ(f.EngineArgumentLine().find("-ss"), std::string::npos) << stored;
        f.OnCommand(ID_PLAY_STOP);
    }
}

TEST_F(FrameTest, ThePositionIsForgottenAtTheEndKeptWhenTheEngineDiesAndStoredWhenTheWindowCloses) {
    MainFrameTestAccess& f = MakeFrame("bRememberLastPlaybackPosition=true\n");
    // Only the engine's own word that the clip ended forgets it. An engine
    // that ends without saying so keeps the entry; one that crashed after
    // telling the time stores that time.
    const std::string ends =
        Script("ends.standin", "print-id\nstarting\nsleep 300\nprint Exiting... (End of file)\nexit 0\n");
    const std::string quiet = Script("quiet.standin", "print-id\nstarting\nsleep 300\nexit 0\n");
    const std::string crashes = Script("crashes.standin", "answer-time\nprint-id\nstarting\nsleep 1700\nexit 139\n");
    for (const std::string& clip : {ends, quiet, crashes}) {
        ASSERT_TRUE(StorePosition(folder.Path(), clip, 3));
        PlayUntilPlaying(clip);
        ASSERT_TRUE(WaitForState(ENGINE_STOPPED));
        // The frame stores or forgets when it takes the engine's message.
        const int known = f.GetSession().Info().timePosition;
        const int expected = clip == ends ? -1 : clip == quiet ? 3 : known;
        EXPECT_TRUE(PumpUntil([&] { return ReadPosition(folder.Path(), clip) == expected; }, 3000)) << clip;
        PumpFor(100);
        EXPECT_EQ(ReadPosition(folder.Path(), clip), expected) << clip;
    }
    EXPECT_GE(f.GetSession().Info().timePosition, 1);

    const std::string clip = PlayingScript("clip.standin");
    PlayUntilPlaying(clip);
    ASSERT_TRUE(PumpUntil([&] { return f.GetSession().Info().timePosition >= 1; }, 5000));
    const int position = f.GetSession().Info().timePosition;
    f->close();
    EXPECT_EQ(ReadPosition(folder.Path(), clip), position);
}

TEST_F(FrameTest, DoubleClickOpensWhileStoppedAndTogglesFullScreenOtherwise) {
    MainFrameTestAccess& f = MakeFrame();
    emit f.GetView()->ViewDoubleClick();
    EXPECT_TRUE(PumpUntil([&] { return openDialogs == 1; }, 1000));
    PlayUntilPlaying(PlayingScript("clip.standin"));
    emit f.GetView()->ViewDoubleClick();
    EXPECT_TRUE(PumpUntil([&] { return f.IsFullScreen(); }, 1000));
    // Stop leaves full screen first.
    f.OnCommand(ID_PLAY_STOP);
    EXPECT_FALSE(f.IsFullScreen());
    EXPECT_EQ(openDialogs, 1);
}

}  // namespace
}  // namespace taleno::test
