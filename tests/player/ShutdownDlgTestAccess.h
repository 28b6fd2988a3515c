#pragma once
// The tests' way into CShutdownDlg: its clock, driven by the test.

#include <QLineEdit>

#include "player/ShutdownDlg.h"

namespace taleno {

class ShutdownDlgTestAccess {
public:
    explicit ShutdownDlgTestAccess(CShutdownDlg& dialog) : dialog(dialog) {}

    void Tick() { dialog.OnCountdownTick(); }
    QString SecondsText() const { return dialog.secondsBox->text(); }
    bool IsCounting() const { return dialog.countdownTimer.isActive(); }

private:
    CShutdownDlg& dialog;
};

}  // namespace taleno
