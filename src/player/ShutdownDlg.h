#pragma once
// The after-playback countdown: shows nothing for a second, then 30 down to
// 0 seconds, and on the 31st tick asks the system to power off. The dialog
// stays open afterwards; Cancel (the default button) closes it and nothing
// happens. When the system refuses or nobody answers, the dialog says so in
// place of the countdown, with the reason.

#include <QDialog>
#include <QTimer>
#include "platform/PowerOff.h"

#include <functional>

class QLabel;
class QLineEdit;

namespace taleno {

class CShutdownDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCountdownPeriodMs = 1000;
    static constexpr int kCountdownSeconds = 30;

    // powerOff asks the system to power off.
    CShutdownDlg(std::function<PowerOffResult()> powerOff, QWidget* parent = nullptr);

    // Requests the power-off; whether the system accepted it. A refusal is
    // shown in the dialog.
    bool ShutdownNow();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend class ShutdownDlgTestAccess;

    // One tick of the countdown.
    void OnCountdownTick();

    std::function<PowerOffResult()> powerOff;
    QTimer countdownTimer;
    QLineEdit* secondsBox;  // control 1067, read-only
    QList<QWidget*> countdownRow;
    QLabel* failureText;  // hidden until a request fails
    int countdown = kCountdownSeconds;
    bool started = false;
};

}  // namespace taleno
