#include "shell/DragAndDropListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace taleno {

CDragAndDropListBox::CDragAndDropListBox(QWidget* parent) : QListWidget(parent) {
    scrollDownTimer.setTimerType(Qt::PreciseTimer);
    scrollUpTimer.setTimerType(Qt::PreciseTimer);
    connect(&scrollDownTimer, &QTimer::timeout, this, [this] { ScrollBy(1); });
    connect(&scrollUpTimer, &QTimer::timeout, this, [this] { ScrollBy(-1); });
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUniformItemSizes(true);
}

int CDragAndDropListBox::ItemHeight() const {
    const int height = count() > 0 ? visualItemRect(item(0)).height() : 0;
    return height > 0 ? height : fontMetrics().height();
}

void CDragAndDropListBox::keyPressEvent(QKeyEvent* event) {
    const int from = currentRow();
    const bool up = event->key() == Qt::Key_Up, down = event->key() == Qt::Key_Down;
    if (event->modifiers() != Qt::AltModifier || (!up && !down) || from < 0) {
        QListWidget::keyPressEvent(event);
        return;
    }
    // Before the entry above, or before the one after the next (the end for
    // the last but one); the first cannot go up nor the last down.
    if ((up && from > 0) || (down && from + 1 < count())) {
        emit moveRequested(from, up ? from - 1 : (from + 2 < count() ? from + 2 : -1));
        emit selectionChangeNotified();
    }
    event->accept();
}

void CDragAndDropListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    dragFrom = -1;
    dropTarget = -1;
    dragging = false;
    scrollPeriod = 0;
    if (QListWidgetItem* under = itemAt(event->position().toPoint())) {
        dragFrom = row(under);
        setCurrentRow(dragFrom);
    }
}

void CDragAndDropListBox::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || dragFrom == -1) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    dragging = true;  // the widget holds the mouse while a button is down
    const QPoint point = event->position().toPoint();
    if (!viewport()->rect().contains(point)) {
        AutoScroll(point.y());
        return;
    }
    StopScrolling();
    QListWidgetItem* under = itemAt(point);
    const int item = under != nullptr ? row(under) : -1;  // below the last entry: after it
    if (item != dropTarget) {
        SetMark(item);
    }
}

void CDragAndDropListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (dragFrom != -1 && dragging) {
        StopScrolling();
        dragging = false;
        const int from = dragFrom, before = dropTarget;
        dragFrom = -1;
        dropTarget = -1;
        if (viewport()->rect().contains(event->position().toPoint())) {
            if (before != from) {
                emit moveRequested(from, before);
            }
            emit selectionChangeNotified();
        }
        viewport()->update();  // the mark goes
    }
    dragFrom = -1;
    dropTarget = -1;
}

void CDragAndDropListBox::AutoScroll(int y) {
    const int height = viewport()->height();
    int distance = 0;
    QTimer* timer = nullptr;
    if (y > height) {
        distance = y - height;
        timer = &scrollDownTimer;
    } else if (y < 0) {
        distance = -y;
        timer = &scrollUpTimer;
    } else {
        StopScrolling();
        return;
    }
    const int period = 250 / (distance / ItemHeight() + 1);
    if (period == scrollPeriod) {
        return;
    }
    StopScrolling();
    scrollPeriod = period;
    timer->start(period);
    ScrollBy(timer == &scrollDownTimer ? 1 : -1);
}

void CDragAndDropListBox::StopScrolling() {
    scrollDownTimer.stop();
    scrollUpTimer.stop();
    scrollPeriod = 0;
}

void CDragAndDropListBox::ScrollBy(int step) {
    SetMark(dropTarget + step);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + step);
}

void CDragAndDropListBox::SetMark(int item) {
    dropTarget = item;
    viewport()->update();
}

void CDragAndDropListBox::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (!dragging || dropTarget == dragFrom || count() == 0) {
        return;
    }
    // The mark: one pixel below the top of the entry before which the
    // dragged one would go, or along the bottom of the last entry.
    int y;
    if (dropTarget >= 0 && dropTarget < count()) {
        y = visualItemRect(item(dropTarget)).top() + 1;
    } else if (dropTarget == -1) {
        y = visualItemRect(item(count() - 1)).bottom();
    } else {
        return;
    }
    if (y < 0 || y >= viewport()->height()) {
        return;
    }
    QPainter painter(viewport());
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(0, y, viewport()->width() - 1, y);
}

}  // namespace taleno
