#include "shell/PlaylistDlg.h"

#include "platform/DisplayText.h"
#include "platform/WaitCursor.h"
#include "shell/DialogTemplate.h"
#include "shell/DragAndDropListBox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFrame>
#include <QMimeData>
#include <QPushButton>

#include <algorithm>

namespace taleno {

namespace {

// The local files of a drop, in the drop's order.
std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data != nullptr && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
        }
    }
    return paths;
}

std::string Trimmed(const QString& path) { return path.trimmed().toStdString(); }

// The desktop's file dialogs: "all files (*)" for Add (several files), the
// playlist filter for Load and Save.
std::vector<std::string> DesktopFileDialog(CPlaylistDlg::FileDialog kind, QWidget* parent) {
    const QString playlists = CPlaylistDlg::tr("playlist files (*.txt *.pls)");
    std::vector<std::string> chosen;
    switch (kind) {
    case CPlaylistDlg::FileDialog::Add:
        for (const QString& path :
             QFileDialog::getOpenFileNames(parent, QString(), QString(), CPlaylistDlg::tr("all files (*)"))) {
            chosen.push_back(path.toStdString());
        }
        break;
    case CPlaylistDlg::FileDialog::Load:
        chosen.push_back(Trimmed(QFileDialog::getOpenFileName(parent, QString(), QString(), playlists)));
        break;
    case CPlaylistDlg::FileDialog::Save: {
        QFileDialog dialog(parent, QString(), QString(), playlists);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            chosen.push_back(Trimmed(dialog.selectedFiles().front()));
        }
        break;
    }
    }
    chosen.erase(std::remove(chosen.begin(), chosen.end(), std::string()), chosen.end());
    return chosen;
}

}  // namespace

CPlaylistDlg::CPlaylistDlg(CPlaylist& model, QWidget* parent) : QDialog(parent), playlist(model) {
    setWindowTitle(tr("Playlist"));
    setModal(false);
    setAcceptDrops(true);
    const DialogTemplate layout(*this, QSize(325, 156));
    list = layout.Place(new CDragAndDropListBox(this), 7, 7, 256, 142);
    list->setAccessibleName(tr("Entries"));
    const auto button = [&](const char* text, int y, auto action) {
        auto* b = layout.Place(new QPushButton(tr(text), this), 268, y, 50, 14);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    button(QT_TR_NOOP("Play"), 7, [this] { playlist.PlaySelected(); })->setDefault(true);
    button(QT_TR_NOOP("Add..."), 23, [this] { OnAdd(); });
    button(QT_TR_NOOP("Load..."), 39, [this] { OnLoad(); });
    button(QT_TR_NOOP("Save..."), 55, [this] { OnSave(); });
    auto* line = layout.Place(new QFrame(this), 268, 78, 51, 1);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    button(QT_TR_NOOP("Sort"), 87, [this] { playlist.Sort(); });
    button(QT_TR_NOOP("Remove"), 103, [this] { playlist.RemoveSelected(); });
    button(QT_TR_NOOP("Remove All"), 119, [this] { playlist.RemoveAll(); });
    button(QT_TR_NOOP("Shuffle"), 135, [this] { playlist.Shuffle(); });
    layout.FitTexts();

    connect(list, &QListWidget::currentRowChanged, this, [this](int row) { playlist.Select(row); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { playlist.PlaySelected(); });
    connect(list, &CDragAndDropListBox::moveRequested, this,
            [this](int from, int before) { playlist.MoveEntry(from, before); });
    SetFileDialogs({});

    for (const std::string& entry : playlist.Entries()) list->addItem(DisplayText(entry));
    OnSelectionChanged(playlist.Selection());
    playlist.SetObserver(this);
}

CPlaylistDlg::~CPlaylistDlg() { playlist.SetObserver(nullptr); }

void CPlaylistDlg::SetFileDialogs(FileDialogs dialogs) {
    fileDialogs = dialogs ? std::move(dialogs) : FileDialogs(DesktopFileDialog);
}

// --- buttons ------------------------------------------------------------------

void CPlaylistDlg::OnAdd() {
    const std::vector<std::string> paths = fileDialogs(FileDialog::Add, this);
    if (paths.empty()) {
        return;
    }
    OnBeginBatch();
    for (const std::string& path : paths) {
        if (!playlist.AddFile(path)) {
            break;  // the list is full
        }
    }
    OnEndBatch();
}

void CPlaylistDlg::OnLoad() {
    const std::vector<std::string> chosen = fileDialogs(FileDialog::Load, this);
    if (!chosen.empty()) {
        playlist.LoadPlaylist(chosen.front());  // fills the list; nothing plays
    }
}

void CPlaylistDlg::OnSave() {
    const std::vector<std::string> chosen = fileDialogs(FileDialog::Save, this);
    if (!chosen.empty()) {
        playlist.SavePlaylist(chosen.front());
    }
}

// --- the model's changes ------------------------------------------------------

// The list follows the model: its own changes of the current row while rows
// come and go are not the user's and must not reach the model, and the
// highlight is put back on the model's selection after each.
void CPlaylistDlg::OnEntryInserted(int index) {
    const QSignalBlocker quiet(list);
    list->insertItem(index, DisplayText(playlist.Entry(index)));
    OnSelectionChanged(playlist.Selection());
}

void CPlaylistDlg::OnEntryRemoved(int index) {
    const QSignalBlocker quiet(list);
    delete list->takeItem(index);
    OnSelectionChanged(playlist.Selection());
}

void CPlaylistDlg::OnEntriesCleared() {
    const QSignalBlocker quiet(list);
    list->clear();
}

void CPlaylistDlg::OnEntryChanged(int index) {
    if (QListWidgetItem* item = list->item(index)) item->setText(DisplayText(playlist.Entry(index)));
}

void CPlaylistDlg::OnSelectionChanged(int selection) {
    const QSignalBlocker quiet(list);  // the model already knows
    if (selection >= 0 && selection < list->count()) {
        list->setCurrentRow(selection, QItemSelectionModel::ClearAndSelect);
    } else {
        list->setCurrentRow(-1);
        list->clearSelection();
    }
}

void CPlaylistDlg::OnUpdateHorizontalExtent() {
    // The list widget sizes its horizontal scroll range to its longest
    // entry by itself; a new layout pass brings it up to date.
    list->updateGeometry();
}

void CPlaylistDlg::OnBeginBatch() {
    list->setUpdatesEnabled(false);
    ShowWaitCursor();
}

void CPlaylistDlg::OnEndBatch() {
    list->setUpdatesEnabled(true);
    list->viewport()->update();
    RestoreWaitCursor();
}

// --- drops ----------------------------------------------------------------------

void CPlaylistDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void CPlaylistDlg::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = LocalFiles(event->mimeData());
    if (paths.empty()) return;
    event->acceptProposedAction();
    playlist.AddDroppedFiles(paths);
}

}  // namespace taleno
