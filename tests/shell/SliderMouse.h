#pragma once
// Synthetic left-button mouse events for the slider and bar tests.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace taleno::test {

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(p), QPointF(widget->mapToGlobal(p)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}
inline void Press(QWidget* w, QPoint p) { SendMouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
inline void Drag(QWidget* w, QPoint p) { SendMouse(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
inline void Release(QWidget* w, QPoint p) { SendMouse(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }

}  // namespace taleno::test
