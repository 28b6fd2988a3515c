// The playlist window over its model: reordering by dragging, the buttons
// and the file dialogs.
#include "PlaylistWindowTestAccess.h"
#include "common/TestSupport.h"
#include "shell/DragAndDropListBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace taleno {
namespace {

using Strings = std::vector<std::string>;

class PlaylistWindowTest : public ::testing::Test {
protected:
    PlaylistWindowTest() {
        for (const char* entry : {"a", "b", "c"}) playlist.AddFile(entry);
        window.show();
        for (int i = 0; i < list->count(); ++i) list->item(i)->setSizeHint(QSize(100, 13));
        list->doItemsLayout();
        QObject::connect(list, &CDragAndDropListBox::selectionChangeNotified, [this] { ++notified; });
    }

    // The highlighted row is the model's selection, and nothing else is highlighted.
    void ExpectListShowsSelection(const char* after) {
        const int selection = playlist.Selection();
        EXPECT_EQ(list->currentRow(), selection) << after;
        const QList<QListWidgetItem*> highlighted = list->selectedItems();
        EXPECT_EQ(highlighted, selection < 0 ? QList<QListWidgetItem*>{} : QList{list->item(selection)}) << after;
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
    QPoint Centre(int row) const { return list->visualItemRect(list->item(row)).center(); }
    // Presses on entry `from`, moves to `to` with the button held, releases there.
    void Drag(int from, QPoint to) {
        Mouse(QEvent::MouseButtonPress, Centre(from), Qt::LeftButton);
        Mouse(QEvent::MouseMove, to, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    CPlaylist playlist;
    QSignalSpy played{&playlist, &CPlaylist::PlaylistPlay};
    CPlaylistDlg window{playlist};
    CDragAndDropListBox* list = window.findChild<CDragAndDropListBox*>();
    int notified = 0;
};

TEST_F(PlaylistWindowTest, AltUpAndDownMoveTheCurrentEntryWithoutADrag) {
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::AltModifier) {
        QKeyEvent press(QEvent::KeyPress, k, modifiers);
        QApplication::sendEvent(list, &press);
    };
    list->setCurrentRow(0);
    key(Qt::Key_Down);
    EXPECT_EQ(playlist.Entries(), (Strings{"b", "a", "c"}));
    key(Qt::Key_Down);  // to the end
    EXPECT_EQ(playlist.Entries(), (Strings{"b", "c", "a"}));
    EXPECT_EQ(list->currentRow(), 2);
    key(Qt::Key_Down);  // the last goes no further
    key(Qt::Key_Up);
    EXPECT_EQ(playlist.Entries(), (Strings{"b", "a", "c"}));
    key(Qt::Key_Up, Qt::NoModifier);  // a plain arrow only moves the highlight
    EXPECT_EQ(playlist.Entries(), (Strings{"b", "a", "c"}));
    ExpectListShowsSelection("keys");
}

TEST_F(PlaylistWindowTest, DraggingMovesTheEntryAndTheHighlightFollowsTheSelection) {
    playlist.MoveFirst();  // currentIndex 0: no reorder moves it
    Drag(0, Centre(2));    // before the entry under the mouse
    EXPECT_EQ(playlist.Entries(), (Strings{"b", "a", "c"}));
    EXPECT_EQ(list->item(0)->text(), "b");  // the list shows what the model holds
    Drag(1, Centre(1));                     // onto itself: no move, but the notification
    // A click starts no drag; a release outside the list cancels.
    Mouse(QEvent::MouseButtonPress, Centre(2), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, Centre(2), Qt::NoButton);
    Drag(0, QPoint(5, list->viewport()->height() + 40));
    EXPECT_EQ(playlist.Entries(), (Strings{"b", "a", "c"}));
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(playlist.CurrentIndex(), 0);

    // After every kind of move, and a Remove, the highlight is the entry
    // Play, Enter and Remove act on.
    const QPoint belowTheLast(5, list->viewport()->height() - 2);
    for (const auto& [from, to] :
         {std::pair{0, Centre(2)}, {2, Centre(1)}, {0, belowTheLast}, {2, belowTheLast}, {2, Centre(0)}}) {
        Drag(from, to);
        ExpectListShowsSelection(("drag from " + std::to_string(from)).c_str());
    }
    playlist.RemoveSelected();
    ExpectListShowsSelection("remove");
    playlist.RemoveAll();
    ExpectListShowsSelection("remove all");
}

TEST_F(PlaylistWindowTest, ButtonsAndDialogsWorkThroughTheModel) {
    test::ScratchFolder folder;
    test::WriteWholeFile(folder.File("list.txt"), "x.mp3\ncaf\xe9.mp3\n");
    Strings chosen;
    PlaylistDlgTestAccess(window).SetFileDialogs([&](CPlaylistDlg::FileDialog, QWidget*) { return chosen; });
    const auto press = [&](const char* text) {
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->text() == text) button->click();
        }
    };
    chosen = {folder.File("list.txt")};
    press("Load...");  // fills the list, plays nothing
    EXPECT_EQ(playlist.Entries(), (Strings{folder.File("x.mp3"), folder.File("caf\xe9.mp3")}));
    EXPECT_EQ(list->item(1)->text(),
              QString::fromStdString(folder.File("caf")) + QChar(0xE9) + ".mp3");  // Latin-1 shown
    EXPECT_EQ(played.count(), 0);
    playlist.Select(1);
    press("Play");
    EXPECT_EQ(played.count(), 1);
    EXPECT_EQ(playlist.GetCurrentFile(), folder.File("caf\xe9.mp3"));
    // A double click plays its entry.
    Mouse(QEvent::MouseButtonPress, Centre(0), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, Centre(0), Qt::NoButton);
    Mouse(QEvent::MouseButtonDblClick, Centre(0), Qt::LeftButton);
    EXPECT_EQ(played.count(), 2);
    EXPECT_EQ(playlist.GetCurrentFile(), folder.File("x.mp3"));

    chosen = {"/m/clip.mp3"};
    press("Add...");
    EXPECT_EQ(list->item(2)->text(), "/m/clip.mp3");
    press("Remove All");
    EXPECT_EQ(list->count(), 0);
    window.show();
    window.reject();  // Esc and the close box too
    EXPECT_TRUE(window.isHidden());
}

}  // namespace
}  // namespace taleno
