#include "shell/OpenURLDlg.h"

#include "shell/DialogTemplate.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace taleno {

COpenURLDlg::COpenURLDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Open URL"));
    const DialogTemplate layout(*this, QSize(215, 87));
    auto* icon = layout.Place(new QLabel(this), 7, 7, 21, 20);
    icon->setPixmap(QApplication::style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
    layout.Place(new QLabel(tr("Enter a URL to open here."), this), 33, 8, 175, 8);
    urlEdit = layout.Place(new QLineEdit(this), 7, 35, 201, 14);
    urlEdit->setAccessibleName(tr("URL"));
    layout.Place(new QLabel(QStringLiteral("http://radio.example.org/stream.mp3"), this), 7, 53, 201, 8);
    auto* open = layout.Place(new QPushButton(tr("Open"), this), 104, 66, 50, 14);
    auto* cancel = layout.Place(new QPushButton(tr("Cancel"), this), 158, 66, 50, 14);
    layout.FitTexts();
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    urlEdit->setFocus();
}

std::string COpenURLDlg::Url() const { return urlEdit->text().toStdString(); }

}  // namespace taleno
