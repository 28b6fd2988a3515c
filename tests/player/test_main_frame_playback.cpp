// The main window playing through the stand-in engine: what it shows of the
// playback (status texts, caption, captions, marks, the log), its dialogs,
// drops, the wheel and the seek bar.

#include "FrameFixture.h"
#include "common/TestSupport.h"

#include "settings/PlaybackPositions.h"

#include "shell/ColorLabel.h"
#include "shell/SeekBar.h"
#include "shell/SeekSlider.h"
#include "shell/SkinnedSlider.h"
#include "shell/StatusPanel.h"
#include "shell/VolumeToolBar.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QWheelEvent>

namespace taleno::test {
namespace {

using Lines = std::vector<std::string>;

TEST_F(FrameTest, TheStateShowsInTheStatusMarksCaptionsAndLogAndThePositionIsStoredOnClose) {
    MainFrameTestAccess& f = MakeFrame("bRememberLastPlaybackPosition=true\nbEnableLogging=true\n");
    const auto marks = [&] {
        f.UpdateCommandUI();
        return std::pair{f.GetAction(ID_PLAY_PLAY)->isChecked(), f.GetAction(ID_PLAY_PAUSE)->isChecked()};
    };
    // A left double click on the view, a caption or the video opens a clip
    // while stopped and toggles full screen while playing; a right one nothing.
    const auto doubleClick = [](QWidget* target, Qt::MouseButton button) {
        QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(10, 10), QPointF(10, 10), button, button, {});
        QCoreApplication::sendEvent(target, &event);
    };
    doubleClick(f.GetView(), Qt::RightButton);
    doubleClick(f.ViewParts().UpperCaption(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return openDialogs == 1; }, 1000));
    f.OnCommand(ID_VIEW_LOG);
    QPlainTextEdit* log = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == "Log" && window->isVisible()) log = window->findChild<QPlainTextEdit*>();
    }
    ASSERT_NE(log, nullptr);
    // A Latin-1 file name and Latin-1 tags; a UTF-8 artist.
    std::string flood;  // more than the log keeps
    for (int i = 0; i < 250; ++i) flood += "print line " + std::to_string(i) + "\n";
    const std::string clip =
        Script("caf\xe9.standin",
               "print-id\nprint  Title: S\xf3ng \xa9\nprint  Artist: \xc3\x80rtist\n" + flood + "starting\n");
    PlayUntilPlaying(clip);
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8("caf\u00e9.standin - TALENO"));
    EXPECT_EQ(f.ViewParts().UpperCaption()->Text(), QString::fromUtf8("\u00c0rtist"));
    EXPECT_EQ(f.ViewParts().LowerCaption()->Text(), QString::fromUtf8("S\u00f3ng \u00a9"));
    // The log keeps the 200 newest lines: the tags have scrolled out.
    EXPECT_EQ(log->toPlainText().count('\n'), 200);
    EXPECT_TRUE(log->toPlainText().startsWith("line 5"));
    EXPECT_EQ(marks(), std::pair(true, false));
    Send(ID_PLAY_PAUSE);
    EXPECT_EQ(marks(), std::pair(true, true));
    for (int command : {ID_PLAY_PLAY, ID_PLAY_STOP}) Send(command);
    ASSERT_TRUE(QTest::qWaitFor([&] { return statuses.size() == 6; }, 2000));
    // Stopping resets the display, and so does the engine's report of it.
    EXPECT_EQ(statuses, QStringList({"Starting...", "Playing", "Paused", "Playing", "Stopped", "Stopped"}));
    f.OnCommand(ID_PLAY_PLAY);
    ASSERT_TRUE(WaitForState(ENGINE_PLAYING));
    doubleClick(f.ViewParts().VideoWindow(), Qt::LeftButton);  // full screen, which Stop leaves
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.IsFullScreen(); }, 1000));
    f.OnCommand(ID_PLAY_STOP);
    EXPECT_FALSE(f.IsFullScreen());
    f.OnCommand(ID_FILE_CLOSE);
    EXPECT_EQ(f->windowTitle(), "TALENO");

    // Any path holding "://" counts as a URL and is named by its whole text.
    std::filesystem::create_directories(folder.File("a:/b"));
    const std::string url = PlayingScript("a://b/clip.standin");
    PlayUntilPlaying(url);
    EXPECT_EQ(f->windowTitle().toStdString(), url + " - TALENO");
    EXPECT_EQ(f.ViewParts().LowerCaption()->Text().toStdString(), folder.File("a://b/clip"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.GetSession().Info().timePosition >= 1; }, 5000));
    const int position = f.GetSession().Info().timePosition;
    f->close();
    EXPECT_EQ(ReadPosition(folder.Path(), url), position);
}

TEST_F(FrameTest, SeeksGoToOpenUrlDropsAndTheWheelReachTheSession) {
    MainFrameTestAccess& f = MakeFrame();
    // The dialogs are filled in as a user would and closed with their
    // default button, or cancelled.
    std::vector<QString> typed;
    bool accept = true;
    f.SetDialogRunner([&](QDialog& dialog) {
        const auto fields = dialog.findChildren<QLineEdit*>();
        for (qsizetype i = 0; i < fields.size() && i < qsizetype(typed.size()); ++i) fields[i]->setText(typed[i]);
        return accept ? QDialog::Accepted : QDialog::Rejected;
    });
    const std::string clip = Script("long.standin", "print-id\nprint ID_LENGTH=9999\nstarting\n");
    PlayUntilPlaying(clip);
    QTest::qWait(40);
    Send(ID_PLAY_FORWARD10SECONDS);
    for (int left : {2, 1, 0}) {  // the seek bar holds still while the engine seeks
        EXPECT_EQ(f.GetSeekHoldOff(), left);
        f.UpdateSeekBar();
    }
    emit f.GetSeekBar()->SeekBarSeek(50);
    QTest::qWait(40);
    EXPECT_EQ(f.GetSeekHoldOff(), 2);
    for (const auto& fields : {std::vector<QString>{"", "", "3"}, {"00", "90", "00"}}) {  // empty counts 0
        typed = fields;
        Send(ID_PLAY_GOTO);
    }
    Send(ID_PLAY_PAUSE);
    Send(ID_PLAY_GOTO);  // paused: no seek
    // Paused, the clip steps a frame and changes speed without resuming; the
    // speed stays in sight while it is not normal, written as the user's
    // locale writes numbers, while the engine gets a point.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    for (int id : {ID_PLAY_FRAMESTEP, ID_PLAY_SPEED_FASTER, ID_PLAY_SPEED_FASTER}) Send(id);
    EXPECT_EQ(f.Panel().StatusText(), QString::fromUtf8("1,5\u00D7  Paused"));
    QLocale::setDefault(before);
    Send(ID_PLAY_SPEED_NORMAL);
    EXPECT_EQ(f.Panel().StatusText(), "Paused");
    EXPECT_EQ(ReceivedBy(clip),
              Lines({"volume 100 1", "seek 10 0", "seek 4999 2", "seek 3 2", "seek 5400 2", "pause", "frame_step",
                     "pausing_keep_force af_add scaletempo", "pausing_keep_force speed_set 1.25",
                     "pausing_keep_force speed_set 1.5", "pausing_keep_force speed_set 1"}));

    typed = {" http://h/a b.mp3 "};  // the address as typed
    f.OnCommand(ID_FILE_OPENURL);
    accept = false;
    f.OnCommand(ID_FILE_OPENURL);
    EXPECT_EQ(f.GetSession().Playlist().Entries(), std::vector<std::string>{" http://h/a b.mp3 "});

    QMimeData data;  // dropped files replace the list
    data.setUrls({QUrl::fromLocalFile("/m/a.avi"), QUrl::fromLocalFile("/m/b.avi")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.Window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.Window(), &drop);
    EXPECT_EQ(f.GetSession().Playlist().Entries(), Lines({"/m/a.avi", "/m/b.avi"}));

    f.GetSession().SetVolume(95);  // the wheel steps the volume by ten within its range
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 360), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&f.Window(), &up);
    EXPECT_EQ(f.GetToolBar()->GetVolumePosition(), 100);
    f.OnMouseWheel(-120);
    EXPECT_EQ(f.GetSession().Volume(), 90);
    f.GetSession().SetVolume(3);
    f.OnMouseWheel(-1);
    EXPECT_EQ(f.GetSession().Volume(), 0);
}

}  // namespace
}  // namespace taleno::test

namespace taleno::test {
namespace {

// A submenu of the menu bar's menu, filled as a user opens it; its items'
// texts (separators as "-") and which are marked.
std::pair<QStringList, QStringList> Opened(MainFrameTestAccess& f, int menu, const QString& title) {
    QMenu* sub = nullptr;
    for (QAction* action : f.Menus()[static_cast<std::size_t>(menu)]->actions()) {
        if (action->text() == title) sub = action->menu();
    }
    EXPECT_NE(sub, nullptr) << title.toStdString();
    if (sub == nullptr) return {};
    emit sub->aboutToShow();
    QStringList texts, marked;
    for (const QAction* action : sub->actions()) {
        texts << (action->isSeparator() ? "-" : action->text());
        if (action->isChecked()) marked << action->text();
    }
    return {texts, marked};
}

TEST_F(FrameTest, TracksChaptersAndScreenshotsOfARealClip) {
    if (std::system("command -v ffmpeg >/dev/null && test -x /usr/bin/mplayer") != 0) GTEST_SKIP();
    // Two audio languages, two subtitle streams, three named chapters (the
    // last named so that it holds the engine's start word).
    WriteWholeFile(folder.File("en.srt"), "1\n00:00:00,100 --> 00:00:11,000\nHello\n");
    WriteWholeFile(folder.File("de.srt"), "1\n00:00:00,100 --> 00:00:11,000\nHallo\n");
    std::string chapters = ";FFMETADATA1\n";
    for (const char* chapter : {"0\nEND=4000\ntitle=Opening", "4000\nEND=8000\ntitle=Middle & more",
                                "8000\nEND=12000\ntitle=Starting the end"}) {
        chapters += "[CHAPTER]\nTIMEBASE=1/1000\nSTART=" + std::string(chapter) + "\n";
    }
    WriteWholeFile(folder.File("chapters.txt"), chapters);
    const std::string clip = folder.File("tracks.mkv");
    ASSERT_EQ(std::system(("cd '" + folder.Path() +
                           "' && ffmpeg -loglevel error -f lavfi -i testsrc=size=176x144:rate=25 -f lavfi -i sine "
                           "-f lavfi -i sine=frequency=880 -i en.srt -i de.srt -i chapters.txt -t 12 -map 0:v -map 1:a "
                           "-map 2:a -map 3 -map 4 -map_chapters 5 -c:v mpeg4 -c:a libvorbis -c:s srt "
                           "-metadata:s:a:0 language=eng -metadata:s:a:0 title=Main -metadata:s:a:1 language=ger "
                           "-metadata:s:a:1 title=Commentary -metadata:s:s:0 language=eng -metadata:s:s:1 "
                           "language=ger -metadata:s:s:1 title=Deutsch tracks.mkv")
                              .c_str()),
              0);
    // Screenshots go to the pictures folder the user's folders name.
    const ScopedEnv home("HOME", folder.Path().c_str());
    const ScopedEnv config("XDG_CONFIG_HOME", folder.Path().c_str());
    WriteWholeFile(folder.File("user-dirs.dirs"), "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    MainFrameTestAccess& f =
        MakeFrame("nVideoOutputDriver=1\nnAudioOutputDriver=1\nbEnableLogging=true\n", "/usr/bin/mplayer");
    std::vector<std::string> log;
    QObject::connect(&f.GetSession(), &CPlaybackSession::LogLine, &f.Window(),
                     [&](const std::string& line) { log.push_back(line); });
    // The engine's own answer to a property request.
    const auto answer = [&](const std::string& property) {
        log.clear();
        f.GetSession().SendUserCommand("get_property " + property);
        std::string value;
        (void)QTest::qWaitFor([&] {
            for (const std::string& line : log)
                if (line.starts_with("ANS_" + property + "=")) value = line.substr(property.size() + 5);
            return !value.empty();
        });
        return value;
    };
    PlayUntilPlaying(clip);
    EXPECT_EQ(f.GetSession().VideoWidth(), 176);  // "Starting the end" did not start playback early
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.GetSession().Tracks().subtitleId == 0; }, 3000));

    auto [audio, audioMarked] = Opened(f, 2, "Audio &Track");
    EXPECT_EQ(audio, QStringList({"&1 eng - Main", "&2 ger - Commentary", "-", "&Next Audio Track\tB"}));
    EXPECT_EQ(audioMarked, QStringList({"&1 eng - Main"}));
    for (QAction* item : f.Menus()[2]->findChildren<QAction*>()) {
        if (item->text() == "&2 ger - Commentary") item->trigger();
    }
    EXPECT_EQ(answer("switch_audio"), "1");
    Send(ID_AUDIO_NEXTTRACK);  // round to the first
    EXPECT_EQ(answer("switch_audio"), "0");

    auto [subtitles, subtitlesMarked] = Opened(f, 2, "S&ubtitles");
    EXPECT_EQ(subtitles.mid(0, 5), QStringList({"&1 eng", "&2 ger - Deutsch", "-", "&Off", "&Next Subtitles\tV"}));
    EXPECT_EQ(subtitlesMarked, QStringList({"&1 eng"}));
    Send(ID_SUBTITLES_NEXT);
    EXPECT_EQ(answer("sub_demux"), "1");
    Send(ID_SUBTITLES_NEXT);  // after the last: none
    EXPECT_EQ(answer("sub_demux"), "-1");
    EXPECT_EQ(Opened(f, 2, "S&ubtitles").second, QStringList({"&Off"}));

    EXPECT_EQ(f.GetSeekBar()->GetSlider()->Marks(), (std::vector<double>{0.0, 1.0 / 3, 2.0 / 3}));
    auto [chapterItems, chapterMarked] = Opened(f, 2, "&Chapters");
    EXPECT_EQ(chapterItems, QStringList({"&Previous Chapter\tPgUp", "&Next Chapter\tPgDn", "-", "&1 Opening\t0:00:00",
                                         "&2 Middle && more\t0:00:04", "&3 Starting the end\t0:00:08"}));
    EXPECT_EQ(chapterMarked, QStringList({"&1 Opening\t0:00:00"}));
    Send(ID_CHAPTER_NEXT);
    EXPECT_EQ(answer("chapter"), "1");
    QStringList tracksPage;  // the clip properties' third page
    f.SetDialogRunner([&](QDialog& dialog) {
        for (auto* box : dialog.findChild<QTabWidget*>()->widget(2)->findChildren<QPlainTextEdit*>())
            tracksPage << box->toPlainText();
        return QDialog::Accepted;
    });
    Send(ID_FILE_PROPERTIES);
    EXPECT_EQ(tracksPage,
              QStringList({"1. eng - Main\n2. ger - Commentary", "1. eng\n2. ger - Deutsch",
                           "1. Opening (0:00:00)\n2. Middle & more (0:00:04)\n3. Starting the end (0:00:08)"}));

    // Subtitle files, chosen in Load Subtitles and dropped on the window:
    // each shown at once, listed by its own name; the delay in steps.
    WriteWholeFile(folder.File("more: subs.srt"), "1\n00:00:00,100 --> 00:00:11,000\nMore\n");
    f.SetSubtitleFileDialog([&](QWidget*) { return folder.File("more: subs.srt"); });
    const auto shown = [&](int file) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return f.GetSession().Tracks().subtitleFileId == file; }, 3000));
        return answer("sub_file");
    };
    Send(ID_SUBTITLES_LOAD);
    EXPECT_EQ(shown(0), "0");
    f.OnDropFiles({folder.File("de.srt")});
    EXPECT_EQ(shown(1), "1");
    EXPECT_EQ(Opened(f, 2, "S&ubtitles").first.mid(2, 2), QStringList({"&3 more: subs.srt", "&4 de.srt"}));
    for (int id : {ID_SUBTITLES_LATER, ID_SUBTITLES_LATER, ID_SUBTITLES_LATER, ID_SUBTITLES_EARLIER}) Send(id);
    EXPECT_EQ(f.Panel().StatusText(), "Subtitle delay: 200 ms");
    EXPECT_EQ(answer("sub_delay"), "0.200000");
    Send(ID_SUBTITLES_DELAYRESET);
    EXPECT_EQ(answer("sub_delay"), "0.000000");
    f.SetSubtitleFileDialog([&](QWidget*) { return folder.File("none.srt"); });
    Send(ID_SUBTITLES_LOAD);
    EXPECT_EQ(boxes, QStringList({QString::fromStdString("The subtitles were not loaded: " + folder.File("none.srt") +
                                                         " cannot be read")}));

    // Playing, then paused (the engine steps a frame to draw it, and stays
    // paused); the panel says where, then gives way to the status again.
    std::vector<std::string> saved;
    QObject::connect(&f.GetSession(), &CPlaybackSession::ScreenshotSaved, &f.Window(),
                     [&](const std::string& path) { saved.push_back(path); });
    for (std::size_t shots : {1u, 2u}) {
        Send(ID_VIEW_SCREENSHOT);
        ASSERT_TRUE(QTest::qWaitFor([&] { return saved.size() == shots; }, 5000));
        EXPECT_EQ(f.Panel().StatusText(), QString::fromStdString("Screenshot saved: " + saved.back()));
        if (shots == 1) Send(ID_PLAY_PAUSE);
    }
    for (const std::string& path : saved) {
        EXPECT_TRUE(path.starts_with(folder.File("Bilder/Taleno/tracks 00-00-0"))) << path;
        EXPECT_TRUE(ReadWholeFile(path).starts_with("\x89PNG")) << path;
    }
    EXPECT_EQ(f.GetSession().State(), ENGINE_PAUSED);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Panel().StatusText() == "Paused"; }, CStatusPanel::kNoteMs + 1000));
    EXPECT_EQ(CountEntries(folder.File("Bilder/Taleno").c_str()), 2);
}

}  // namespace
}  // namespace taleno::test

namespace taleno::test {
namespace {

// What a screen reader reads and does over the accessibility bus is checked
// with the whole program (tests/app/check_screen_reader.py); here, the keys.
TEST_F(FrameTest, TheSlidersMoveFromTheKeyboardAndFromAssistiveTechnology) {
    MainFrameTestAccess& f = MakeFrame();
    const std::string clip = Script("named.standin", "print-id\nprint ID_LENGTH=100\nstarting\n");
    PlayUntilPlaying(clip);
    auto* volumeSlider = f.GetToolBar()->findChild<CSkinnedSlider*>();
    QTest::keyClick(volumeSlider, Qt::Key_Right);  // at the top already
    QTest::keyClick(volumeSlider, Qt::Key_Left);
    QTest::keyClick(volumeSlider, Qt::Key_Left);
    QTest::qWait(40);
    EXPECT_EQ(f.GetSession().Volume(), 98);
    QAccessibleValueInterface* position =
        QAccessible::queryAccessibleInterface(f.GetSeekBar()->GetSlider())->valueInterface();
    ASSERT_NE(position, nullptr);
    position->setCurrentValue(50);
    QTest::qWait(40);
    EXPECT_EQ(position->currentValue().toInt(), 50);
    EXPECT_EQ(ReceivedBy(clip), Lines({"volume 100 1", "volume 99 1", "volume 98 1", "seek 50 2"}));
}

}  // namespace
}  // namespace taleno::test
