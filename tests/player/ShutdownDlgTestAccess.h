#pragma once
// The tests' way into CShutdownDlg: its clock, driven by the test.

#include <QLineEdit>

#include "player/ShutdownDlg.h"

namespace taleno {

class ShutdownDlgTestAccess {
public:
    explicit ShutdownDlgTestAccess(CShutdownDlg& dialog) : dialog(dialog) {}

    void Tick() { dialog.OnTimer(CShutdownDlg::TIMER_COUNTDOWN); }
    QString SecondsText() const { return dialog.secondsBox->text(); }
    bool IsCounting() const { return dialog.timers.IsTimerRunning(CShutdownDlg::TIMER_COUNTDOWN); }

private:
    CShutdownDlg& dialog;
};

}  // namespace taleno
