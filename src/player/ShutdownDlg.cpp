#include "player/ShutdownDlg.h"

#include "shell/DialogTemplate.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace taleno {

CShutdownDlg::CShutdownDlg(std::function<PowerOffResult()> powerOffRequest, QWidget* parent)
    : QDialog(parent), powerOff(std::move(powerOffRequest)) {
    countdownTimer.setTimerType(Qt::PreciseTimer);
    countdownTimer.setInterval(kCountdownPeriodMs);
    connect(&countdownTimer, &QTimer::timeout, this, &CShutdownDlg::OnCountdownTick);
    setWindowTitle(tr("Shutdown"));
    const DialogTemplate layout(*this, QSize(147, 55));
    auto* icon = layout.Place(new QLabel(this), 7, 7, 21, 20);
    icon->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* shutdownIn = layout.Place(new QLabel(tr("Shutdown in"), this), 36, 12, 45, 8);
    secondsBox = layout.Place(new QLineEdit(this), 82, 9, 20, 14);
    shutdownIn->setBuddy(secondsBox);  // a screen reader says "Shutdown in" and the seconds
    countdownRow << shutdownIn;
    secondsBox->setReadOnly(true);
    secondsBox->setAlignment(Qt::AlignRight);
    countdownRow << secondsBox << layout.Place(new QLabel(tr("seconds..."), this), 106, 12, 40, 8);
    failureText = layout.Place(new QLabel(this), 36, 3, 108, 30);
    failureText->setWordWrap(true);
    failureText->hide();
    auto* cancel = layout.Place(new QPushButton(tr("Cancel"), this), 48, 34, 50, 14);
    layout.FitTexts();
    cancel->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CShutdownDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The countdown starts when the dialog first shows.
    if (!started) {
        started = true;
        countdown = kCountdownSeconds;
        countdownTimer.start();
    }
}

void CShutdownDlg::OnCountdownTick() {
    secondsBox->setText(QString::number(countdown));
    --countdown;
    if (countdown < 0) {
        countdownTimer.stop();
        ShutdownNow();
    }
}

bool CShutdownDlg::ShutdownNow() {
    const PowerOffResult result = powerOff();
    if (!result.accepted) {
        for (QWidget* widget : countdownRow) {
            widget->hide();
        }
        failureText->setText(
            tr("The computer could not be switched off: %1.").arg(QString::fromStdString(result.reason)));
        failureText->show();
    }
    return result.accepted;
}

void CShutdownDlg::done(int result) {
    countdownTimer.stop();
    QDialog::done(result);
}

}  // namespace taleno
