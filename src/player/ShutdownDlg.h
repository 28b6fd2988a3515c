#pragma once
// The after-playback countdown: shows nothing for a second, then 30 down to
// 0 seconds, and on the 31st tick asks the system to power off. The dialog
// stays open afterwards; Cancel (the default button) closes it and nothing
// happens.

#include "platform/WindowTimers.h"

#include <QDialog>

#include <functional>

class QLineEdit;

namespace taleno {

class CShutdownDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr unsigned TIMER_COUNTDOWN = 1;  // 1000 ms
    static constexpr int kCountdownSeconds = 30;

    // powerOff asks the system to power off; its result is ShutdownNow's.
    CShutdownDlg(std::function<bool()> powerOff, QWidget* parent = nullptr);

    // Requests the power-off; the result of the request.
    bool ShutdownNow();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend class ShutdownDlgTestAccess;

    // One tick of the countdown timer.
    void OnTimer(unsigned id);

    std::function<bool()> powerOff;
    WindowTimers timers;
    QLineEdit* secondsBox;  // control 1067, read-only
    int countdown = kCountdownSeconds;
    bool started = false;
};

}  // namespace taleno
