#pragma once
// The Open URL dialog: one line for an address, handed back as typed.

#include <QDialog>

#include <string>

class QLineEdit;

namespace taleno {

class COpenURLDlg : public QDialog {
    Q_OBJECT

public:
    explicit COpenURLDlg(QWidget* parent = nullptr);

    // The text of the line, exactly as typed (UTF-8), empty included.
    std::string Url() const;

private:
    QLineEdit* urlEdit;  // control 1026
};

}  // namespace taleno
