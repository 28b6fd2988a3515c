#include "shell/AboutDlg.h"

#include "shell/AppIcon.h"
#include "shell/DialogTemplate.h"

#include <QLabel>
#include <QPushButton>

namespace taleno {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Taleno"));
    const DialogTemplate layout(*this, QSize(187, 60));
    auto* icon = layout.Place(new QLabel(this), 7, 9, 21, 20);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    layout.Place(new QLabel(QStringLiteral("Taleno"), this), 36, 10, 100, 8);
    layout.Place(new QLabel(tr("A media player driving the MPlayer engine"), this), 36, 20, 145, 8);
    layout.Place(new QLabel(tr("Version:"), this), 36, 30, 30, 8);
    layout.Place(new QLabel(QStringLiteral("1.1"), this), 68, 30, 30, 8);
    auto* ok = layout.Place(new QPushButton(tr("OK"), this), 140, 39, 40, 14);
    layout.FitTexts();
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace taleno
