// CMainFrame: construction, window creation, settings, the close sequence,
// the caption and the input that reaches the window itself (wheel, drops).

#include "player/MainFrame.h"

#include "platform/DisplayText.h"
#include "platform/PowerOff.h"
#include "platform/WaitCursor.h"
#include "shell/LogDlg.h"
#include "shell/PlaylistDlg.h"
#include "shell/SeekBar.h"
#include "shell/StatusPanel.h"
#include "shell/TALENOView.h"
#include "shell/VolumeToolBar.h"
#include "system/PathUtils.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace taleno {

namespace {

constexpr const char* kApplicationTitle = "Taleno";
constexpr const char* kCaptionSuffix = "TALENO";
// The window asks for this size before the size rules enlarge it.
constexpr QSize kInitialSize(200, 20);
constexpr int kWheelStep = 10;

// The local files of a drop, in the drop's order.
std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(url.toLocalFile().toStdString());
        }
    }
    return paths;
}

}  // namespace

QUrl CMainFrame::HomePageUrl() {
    // The engine's own manual: it documents the slave commands the keys F1
    // to F8 can send and the options the preferences pass on to it.
    return QUrl(QStringLiteral("https://www.mplayerhq.hu/DOCS/HTML/en/index.html"));
}

CMainFrame::CMainFrame(const std::string& folder) : moduleFolder(folder), session(folder) {
    SettingsRecord loaded;
    LoadSettings(SettingsStore(moduleFolder), loaded);
    ApplySettings(loaded);

    SetWaitCursorHooks([] { QGuiApplication::setOverrideCursor(Qt::WaitCursor); },
                       [] { QGuiApplication::restoreOverrideCursor(); });

    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    resize(kInitialSize);

    // The client area: the view above the bars; from the bottom up the
    // status panel, the toolbar and the seek bar.
    central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    view = new CTALENOView(central);
    view->setMouseTracking(true);
    seekBar = new CSeekBar(central);
    toolBar = new CVolumeToolBar();  // placed under the frame by Create
    statusPanel = new CStatusPanel(central);
    for (QWidget* bar :
         {static_cast<QWidget*>(seekBar), static_cast<QWidget*>(toolBar), static_cast<QWidget*>(statusPanel)}) {
        bar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    layout->addWidget(view, 1);
    layout->addWidget(seekBar);
    layout->addWidget(statusPanel);
    setCentralWidget(central);
    connect(view, &CTALENOView::AttachVideoWindow, this, &CMainFrame::AttachVideoWindow);
    ConnectSignals();

    SetUrlOpener({});
    SetOpenFileDialog({});
    SetSubtitleFileDialog({});
    SetMessageBox({});
    SetDialogRunner({});
    SetPowerOff({});

    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    // The engine draws into the view's window: it goes first. The window
    // is going, so nothing is shown of it.
    disconnect(&session, nullptr, this, nullptr);
    session.Shutdown();
    // The playlist window watches the session's playlist: it goes before it.
    delete playlistDlg;
    delete logDlg;
    SetWaitCursorHooks({}, {});
}

bool CMainFrame::Create() {
    // Built here rather than with the frame, so that a command-line clip's
    // engine is already starting meanwhile (SetCommandLineFile).
    BuildActions();
    BuildMenus();
    BuildShortcuts();
    view->SetContextMenu(contextMenu);
    // The toolbar takes the frame's actions for its buttons.
    if (!toolBar->Create(central, [this](int id) { return GetAction(id); })) {
        return false;
    }
    // Between the seek bar and the status panel.
    static_cast<QVBoxLayout*>(central->layout())->insertWidget(2, toolBar);
    // The playlist and Log windows, hidden until asked for.
    playlistDlg = new CPlaylistDlg(session.Playlist(), this);
    logDlg = new CLogDlg(this);
    ConnectWindowSignals();
    statusPanel->ResetPanel();
    toolBar->setVisible(settings.bShowToolbar);
    statusPanel->setVisible(settings.bShowStatusBar);
    seekBar->setVisible(settings.bShowProgressBar);
    RecalcLayout();
    if (settings.bStartupAlwaysOnTop) {
        ToggleAlwaysOnTop();
    }
    // Below the window, as the Playlist command puts it, once the window
    // manager has placed and framed the window (its first expose): before
    // that the frame's outer edges are not known yet.
    showPlaylistOnExpose = settings.bShowPlaylist;

    loadedVolume = ReadVolumeSetting(SettingsStore(moduleFolder));
    session.SetVolume(loadedVolume);
    // The slider shows the volume as the engine controller took it: a stored
    // value outside 0..100 means 100 there, and the slider (which would show
    // 0 for it) is what the engine gets when the next clip starts playing.
    toolBar->SetVolumePosition(session.Volume());

    setAcceptDrops(true);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        QRect frame = geometry();
        frame.moveCenter(area.center());
        move(frame.topLeft());
    }
    return true;
}

void CMainFrame::SetCommandLineFile(const std::string& path) {
    if (path.empty()) {
        return;
    }
    // All the engine needs of the window is the video window's X id, and
    // making X windows takes no round trip to the window manager: a clip
    // starts here, before the menus, the toolbar's buttons and the playlist
    // and Log windows are built and the window is shown, so the engine's
    // own start-up runs meanwhile. Its
    // events come through the event loop, after the window is up, in the
    // usual order. Anything else (a playlist file, a missing engine) is
    // opened as the view asks once it is shown (OpenCommandLine).
    winId();
    AttachVideoWindow();
    if (!session.StartClipNow(path)) {
        commandLineFile = path;
    }
}

// --- settings -------------------------------------------------------------

void CMainFrame::ApplySettings(const SettingsRecord& record) {
    settings = record;
    session.ApplySettings(record);
}

bool CMainFrame::SaveSettings() {
    if (taleno::SaveSettings(SettingsStore(moduleFolder), settings)) {
        return true;
    }
    messageBox(this, tr("Failed to Save Settings!"));
    return false;
}

// --- seams ----------------------------------------------------------------

void CMainFrame::SetUrlOpener(UrlOpener opener) {
    if (!opener) {
        opener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    }
    urlOpener = std::move(opener);
}

void CMainFrame::SetOpenFileDialog(OpenFileDialog dialog) {
    if (!dialog) {
        // Every file may be chosen; "*" rather than "*.*", which would hide
        // the many Linux files without a dot in their name.
        dialog = [](QWidget* parent) {
            return QFileDialog::getOpenFileName(parent, QString(), QString(), tr("all files (*)")).toStdString();
        };
    }
    openFileDialog = std::move(dialog);
}

void CMainFrame::SetSubtitleFileDialog(OpenFileDialog dialog) {
    if (!dialog) {
        dialog = [](QWidget* parent) {
            const QString name = QFileDialog::getOpenFileName(
                parent, tr("Load Subtitles"), QString(),
                tr("Subtitles (*.srt *.ass *.ssa *.sub *.vtt *.smi *.txt);;all files (*)"));
            return QFile::encodeName(name).toStdString();
        };
    }
    subtitleFileDialog = std::move(dialog);
}

void CMainFrame::SetMessageBox(MessageBox box) {
    if (!box) {
        box = [](QWidget* parent, const QString& text) {
            QMessageBox(QMessageBox::Warning, QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok, parent)
                .exec();
        };
    }
    messageBox = std::move(box);
}

void CMainFrame::SetDialogRunner(DialogRunner runner) {
    if (!runner) {
        runner = [](QDialog& dialog) { return dialog.exec(); };
    }
    dialogRunner = std::move(runner);
}

void CMainFrame::SetPowerOff(PowerOff request) { powerOff = request ? std::move(request) : PowerOff(RequestPowerOff); }

// --- close ----------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
    CloseSequence();
    event->accept();
}

void CMainFrame::CloseSequence() {
    SetStatusText(tr("Quitting..."));
    session.Shutdown();
    delete playlistDlg;
    playlistDlg = nullptr;
    delete logDlg;
    logDlg = nullptr;
    // A volume that cannot be written is not worth a message while the
    // player closes: the next start plays at the volume stored before.
    const int volume = toolBar->GetVolumePosition();
    if (volume != loadedVolume) {
        WriteVolumeSetting(SettingsStore(moduleFolder), volume);
    }
}

// --- caption, status, volume ------------------------------------------------

void CMainFrame::SetCaption(const std::string& name) {
    const QString suffix = QString::fromLatin1(kCaptionSuffix);
    setWindowTitle(name.empty() ? suffix : DisplayText(name) + QStringLiteral(" - ") + suffix);
    // A screen reader names the view after the clip it shows.
    view->setAccessibleName(name.empty() ? CTALENOView::tr("Video") : DisplayText(name));
}

void CMainFrame::SetStatusText(const QString& text) {
    statusPanel->SetStatusText(text);
    if (statusObserver) {
        statusObserver(text);
    }
}

void CMainFrame::SetVolume(int volume) {
    toolBar->SetVolumePosition(volume);
    session.SetVolume(volume);
    emit VolumeChanged();
}

// --- wheel and drops ----------------------------------------------------------

void CMainFrame::OnMouseWheel(int delta) {
    int volume = session.Volume();
    if (delta > 0) {
        volume += kWheelStep;
    } else if (delta < 0) {
        volume -= kWheelStep;
    }
    SetVolume(std::clamp(volume, 0, 100));
}

void CMainFrame::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    OnMouseWheel(delta.y() != 0 ? delta.y() : delta.x());
    event->accept();
}

void CMainFrame::OnDropFiles(const std::vector<std::string>& paths) {
    // Subtitle files dropped on a clip that plays are loaded into it.
    const bool subtitles = std::all_of(paths.begin(), paths.end(), [](const std::string& path) {
        static const QStringList kTypes{"srt", "ass", "ssa", "sub", "vtt"};
        return kTypes.contains(QString::fromStdString(PathGetExtension(path)).toLower());
    });
    if (subtitles && (session.State() == ENGINE_PLAYING || session.State() == ENGINE_PAUSED)) {
        for (const std::string& path : paths) session.LoadSubtitles(path);
    } else {
        session.OpenFiles(paths);
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = LocalFiles(event->mimeData());
    if (paths.empty()) {
        return;
    }
    event->acceptProposedAction();
    OnDropFiles(paths);
    UpdateCommandUI();
}

}  // namespace taleno
