#pragma once
// The Go To dialog: hours, minutes and seconds, each a two-digit field with
// up-down buttons. The buttons keep to 0..99, 0..59 and 0..59; what is typed
// is taken as it is (90 minutes are 90 minutes).

#include <QDialog>

class QLineEdit;

namespace taleno {

class CGoToDlg : public QDialog {
    Q_OBJECT

public:
    explicit CGoToDlg(QWidget* parent = nullptr);

    // Each field read as a decimal number; an empty field counts as 0.
    int GetHours() const;
    int GetMinutes() const;
    int GetSeconds() const;

private:
    QLineEdit* hoursField;    // control 1027
    QLineEdit* minutesField;  // control 1028
    QLineEdit* secondsField;  // control 1029
};

}  // namespace taleno
