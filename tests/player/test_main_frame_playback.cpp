// The main window playing through the stand-in engine: what it shows of the
// playback (status texts, caption, captions, marks), its dialogs, drops, the
// wheel and the seek bar.

#include "FrameFixture.h"

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

TEST_F(FrameTest, TheStateShowsInTheStatusMarksCaptionAndDoubleClick) {
    MainFrameTestAccess& f = MakeFrame("bRememberLastPlaybackPosition=true\n");
    const auto marks = [&] {
        f.UpdateCommandUI();
        return std::pair{f.GetAction(ID_PLAY_PLAY)->isChecked(), f.GetAction(ID_PLAY_PAUSE)->isChecked()};
    };
    EXPECT_EQ(marks(), std::pair(false, false));
    emit f.GetView()->ViewDoubleClick();  // stopped: the Open dialog
    EXPECT_TRUE(PumpUntil([&] { return openDialogs == 1; }, 1000));
    const std::string clip = PlayingScript("clip.standin");
    PlayUntilPlaying(clip);
    EXPECT_EQ(f->windowTitle(), "clip.standin - TALENO");
    EXPECT_EQ(marks(), std::pair(true, false));
    Send(ID_PLAY_PAUSE);
    EXPECT_EQ(marks(), std::pair(true, true));
    for (int command : {ID_PLAY_PLAY, ID_PLAY_STOP}) Send(command);
    ASSERT_TRUE(PumpUntil([&] { return statuses.size() == 6; }, 2000));
    // Stopping resets the display, and so does the engine's report of it.
    EXPECT_EQ(statuses, QStringList({"Starting...", "Playing", "Paused", "Playing", "Stopped", "Stopped"}));
    f.OnCommand(ID_PLAY_PLAY);
    ASSERT_TRUE(WaitForState(ENGINE_PLAYING));
    emit f.GetView()->ViewDoubleClick();  // playing: full screen, which Stop leaves
    EXPECT_TRUE(PumpUntil([&] { return f.IsFullScreen(); }, 1000));
    f.OnCommand(ID_PLAY_STOP);
    EXPECT_FALSE(f.IsFullScreen());
    f.OnCommand(ID_FILE_CLOSE);
    EXPECT_EQ(f->windowTitle(), "TALENO");

    // A missing engine and an unreadable playlist file are reported.
    f.OpenPath(folder.File("missing.m3u"));
    EXPECT_EQ(boxes, QStringList({"unable to open file"}));
    f.GetSession().ApplySettings([] {
        SettingsRecord missing;
        missing.bMPlayerPathName = true;
        missing.strMPlayerPathName = "/nonexistent/mplayer";
        return missing;
    }());
    f.OpenPath(folder.File("a.avi"));
    EXPECT_TRUE(WaitForStatus("Engine not found!"));
    EXPECT_EQ(f.GetSession().Clip(), folder.File("a.avi"));  // kept for when the engine is there
    EXPECT_EQ(openDialogs, 1);
}

TEST_F(FrameTest, NamesAndTagsShowAsUtf8OrElseLatin1AndAUrlByItsWholeText) {
    MainFrameTestAccess& f = MakeFrame();
    // A Latin-1 file name and Latin-1 tags; a UTF-8 artist.
    PlayUntilPlaying(
        Script("caf\xe9.standin", "print-id\nprint  Title: S\xf3ng \xa9\nprint  Artist: \xc3\x80rtist\nstarting\n"));
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("caf\u00e9.standin - TALENO"));
    EXPECT_EQ(f.ViewParts().UpperCaption()->Text(), QString::fromUtf8("\u00c0rtist"));
    EXPECT_EQ(f.ViewParts().LowerCaption()->Text(), QString::fromUtf8("S\u00f3ng \u00a9"));

    // Any path holding "://" counts as a URL; this one the stand-in can read.
    std::filesystem::create_directories(folder.File("a:/b"));
    const std::string url = folder.File("a://b/clip.standin");
    WriteWholeFile(url, "print-id\nstarting\n");
    PlayUntilPlaying(url);
    EXPECT_EQ(f->windowTitle().toStdString(), url + " - TALENO");
    EXPECT_EQ(f.ViewParts().LowerCaption()->Text().toStdString(), folder.File("a://b/clip"));
}

TEST_F(FrameTest, SeeksHoldTheSeekBarAndGoToSeeksOnlyWhilePlayingWithinTheClip) {
    MainFrameTestAccess& f = MakeFrame();
    // The dialogs are filled in as a user would and closed with their
    // default button, or cancelled.
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
    PumpFor(40);
    Send(ID_PLAY_FORWARD10SECONDS);
    for (int left : {2, 1, 0}) {
        EXPECT_EQ(f.GetSeekHoldOff(), left);
        f.UpdateSeekBar();
    }
    emit f.GetSeekBar()->SeekBarSeek(50);
    PumpFor(40);
    EXPECT_EQ(f.GetSeekHoldOff(), 2);
    const auto goTo = [&](QString h, QString m, QString s) {
        typed = {h, m, s};
        Send(ID_PLAY_GOTO);
    };
    goTo("", "", "3");       // an emptied field counts 0
    goTo("00", "90", "00");  // typed minutes beyond the buttons' 59
    Send(ID_PLAY_PAUSE);
    goTo("00", "00", "01");  // paused: no seek
    EXPECT_EQ(ReceivedBy(clip),
              Lines({"volume 100 1", "seek 10 0", "seek 4999 2", "seek 3 2", "seek 5400 2", "pause"}));

    for (const char* url : {"", " http://h/a b.mp3 "}) {  // the address as typed
        typed = {QString::fromLatin1(url)};
        f.OnCommand(ID_FILE_OPENURL);
        EXPECT_EQ(f.GetSession().Playlist().Entries(), std::vector<std::string>{url});
    }
    accept = false;
    f.OnCommand(ID_FILE_OPENURL);
    EXPECT_EQ(f.GetSession().Playlist().Entries(), std::vector<std::string>{" http://h/a b.mp3 "});
    f.OnCommand(ID_FILE_PROPERTIES);  // in any state
    EXPECT_EQ(shown.back().toStdString(), "Properties");
}

TEST_F(FrameTest, TheLogWindowShowsEngineLinesWhenLoggingIsOn) {
    MainFrameTestAccess& f = MakeFrame("bEnableLogging=true\n");
    f.OnCommand(ID_VIEW_LOG);
    QPlainTextEdit* log = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == "Log" && window->isVisible()) log = window->findChild<QPlainTextEdit*>();
    }
    ASSERT_NE(log, nullptr);
    PlayUntilPlaying(Script("clip.standin", "print caf\xe9 line\nstarting\n"));
    EXPECT_TRUE(log->toPlainText().contains(QString::fromUtf8("caf\u00e9 line\n")));
}

TEST_F(FrameTest, DroppedFilesReplaceTheListAndTheWheelStepsTheVolume) {
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

TEST_F(FrameTest, ThePositionIsStoredWhenTheWindowCloses) {
    MainFrameTestAccess& f = MakeFrame("bRememberLastPlaybackPosition=true\n");
    const std::string clip = PlayingScript("clip.standin");
    PlayUntilPlaying(clip);
    ASSERT_TRUE(PumpUntil([&] { return f.GetSession().Info().timePosition >= 1; }, 5000));
    const int position = f.GetSession().Info().timePosition;
    f->close();
    EXPECT_EQ(ReadPosition(folder.Path(), clip), position);
}

}  // namespace
}  // namespace taleno::test
