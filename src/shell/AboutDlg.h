#pragma once
// The About box: the program's name, its maker and its version.

#include <QDialog>

namespace taleno {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace taleno
