#include "shell/DialogTemplate.h"

#include "shell/DialogUnits.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <cstdlib>

namespace taleno {

DialogTemplate::DialogTemplate(QDialog& dialog, QSize sizeUnits) : dialog(dialog), font(DialogFont()) {
    dialog.setFont(font);
    dialog.setFixedSize(DialogUnitsToPixels(sizeUnits, font));
}

namespace {

// The width the control's text needs; 0 for a control without one to fit
// (a word-wrapped label, a picture, a list).
int TextWidth(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->wordWrap() || label->text().isEmpty() ? 0 : label->sizeHint().width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const QStyle* style = button->style();
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                           style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        return button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) + 2 * margin;
    }
    return 0;
}

}  // namespace

void DialogTemplate::FitTexts() const {
    QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int rightmost = 0;
    for (const QWidget* control : controls) rightmost = std::max(rightmost, control->geometry().right());
    const int nearEdge = DialogUnitsToPixels(QSize(4, 0), font).width();
    QList<QWidget*> atRightEdge;
    for (QWidget* control : controls) {
        if (rightmost - control->geometry().right() <= nearEdge) atRightEdge << control;
    }
    std::stable_sort(controls.begin(), controls.end(),
                     [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    for (const QWidget* control : controls) {
        const int overflow = TextWidth(*control) - control->width();
        if (overflow <= 0) continue;
        const QRect box = control->geometry();
        for (QWidget* other : controls) {
            if (other->x() > box.right()) {
                other->move(other->x() + overflow, other->y());
            } else if (other->x() == box.x() && std::abs(other->width() - box.width()) <= 2) {  // its column
                other->resize(other->width() + overflow, other->height());
            }
        }
    }
    int right = rightmost;
    for (const QWidget* control : controls) right = std::max(right, control->geometry().right());
    if (right == rightmost) return;
    for (QWidget* control : atRightEdge) {
        control->move(control->x() + right - control->geometry().right(), control->y());
    }
    dialog.setFixedSize(dialog.width() + right - rightmost, dialog.height());
}

QRect DialogTemplate::Rect(int x, int y, int width, int height) const {
    const QSize origin = DialogUnitsToPixels(QSize(x, y), font);
    return {QPoint(origin.width(), origin.height()), DialogUnitsToPixels(QSize(width, height), font)};
}

}  // namespace taleno
