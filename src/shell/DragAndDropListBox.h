#pragma once
// A list whose entries the user reorders by dragging them with the mouse.
// A press on an entry selects it and may start a drag; moving with the button
// held draws a 2-pixel insertion mark before the entry under the mouse (or
// after the last one, below it); above or below the list it scrolls by itself,
// one line per tick, the faster the farther away: 250 / (d / h + 1) ms for a
// distance d and an item height h. Releasing inside the list asks for the
// move (moveRequested) and then announces a selection change, also when the
// entry did not move; releasing outside cancels. From the keyboard, Alt+Up
// and Alt+Down move the current entry one place up or down the same way.
// The list does not move its own items: its owner moves the entry in the
// model, which updates the list.

#include <QListWidget>
#include <QTimer>

namespace taleno {

class CDragAndDropListBox : public QListWidget {
    Q_OBJECT

public:
    explicit CDragAndDropListBox(QWidget* parent = nullptr);

signals:
    // Move entry `from` so that it stands before entry `before` (-1: last).
    void moveRequested(int from, int before);
    // After every completed drop inside the list (LBN_SELCHANGE).
    void selectionChangeNotified();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AutoScroll(int y);
    void StopScrolling();
    // One auto-scroll tick: the mark and the list one line down (+1) or up (-1).
    void ScrollBy(int step);
    void SetMark(int item);
    int ItemHeight() const;

    QTimer scrollDownTimer;
    QTimer scrollUpTimer;
    int dragFrom = -1;
    int dropTarget = -1;  // -1: after the last entry
    bool dragging = false;
    int scrollPeriod = 0;
};

}  // namespace taleno
