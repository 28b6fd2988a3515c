#pragma once
// A main window in a scratch module folder, playing through the stand-in
// engine, with the desktop seams (message boxes, the browser, the Open
// dialog) replaced by recorders.

#include "common/TestSupport.h"

#include "player/CommandIds.h"
#include "player/MainFrameTestAccess.h"

namespace taleno::test {

class FrameTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyFrame(); }

    // Settings: the extra lines, then the stand-in as the engine and the
    // screen saver left alone.
    MainFrameTestAccess& MakeFrame(const std::string& extraSettings = "",
                                   const std::string& enginePath = TALENO_STANDIN_ENGINE) {
        // The first of two equal keys counts, so the extra lines come first.
        WriteWholeFile(folder.File("Taleno .ini"), "[TALENO]\n" + extraSettings +
                                                       "bMPlayerPathName=true\nstrMPlayerPathName=" + enginePath +
                                                       "\nnSSDisableMode=0\n");
        frame = std::make_unique<CMainFrame>(folder.Path());
        access.emplace(*frame);
        // Never the real power-off: a recorder stands in before anything runs.
        access->SetPowerOff([this] { return ++powerOffs, PowerOffResult{true, {}}; });
        EXPECT_TRUE(frame->Create());
        access->SetMessageBox([this](QWidget*, const QString& text) { boxes << text; });
        access->SetUrlOpener([this](const QUrl& url) { return urls << url.toString(), true; });
        access->SetOpenFileDialog([this](QWidget*) { return ++openDialogs, std::string(); });
        access->SetStatusObserver([this](const QString& text) {
            statuses << text;
            if (text == "Playing") played.push_back(access->GetSession().Clip());
        });
        return *access;
    }

    // Messages the old frame's engine posted while it went are dropped.
    void DestroyFrame() {
        access.reset();
        frame.reset();
        QTest::qWait(30);
    }

    std::string Script(const std::string& name, const std::string& body) { return RecordingScript(folder, name, body); }
    std::string PlayingScript(const std::string& name) { return Script(name, "print-id\nstarting\n"); }

    // A command, then time for the engine's writer to pass it on: a command
    // given while the previous one is still being written is dropped.
    void Send(int id) {
        access->OnCommand(id);
        QTest::qWait(40);
    }

    bool WaitForState(EngineState state, int timeoutMs = 8000) {
        return QTest::qWaitFor([&] { return access->GetSession().State() == state; }, timeoutMs);
    }
    bool WaitForStatus(const QString& text, int timeoutMs = 8000) {
        return QTest::qWaitFor([&] { return statuses.contains(text); }, timeoutMs);
    }
    // Opens the path and waits until its clip plays and the frame has
    // answered the engine's message.
    void PlayUntilPlaying(const std::string& path) {
        statuses.clear();
        access->OpenPath(path);
        ASSERT_TRUE(WaitForStatus("Playing"));
    }

    ScratchFolder folder;
    std::unique_ptr<CMainFrame> frame;
    std::optional<MainFrameTestAccess> access;
    QStringList statuses;
    QStringList boxes;
    QStringList urls;
    int openDialogs = 0;
    int powerOffs = 0;                // power-off requests of the after-playback countdown
    std::vector<std::string> played;  // the clip of every "Playing"
};

}  // namespace taleno::test
