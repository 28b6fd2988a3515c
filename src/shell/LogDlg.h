#pragma once
// The Log window: a modeless window that collects the engine's output lines
// (the user may edit them). It keeps the 200 newest lines: each line appended
// beyond them removes the oldest. Closing it (OK, Esc, the close box) hides it
// (QDialog's finished signal tells the main window).

#include <QDialog>

class QPlainTextEdit;

namespace taleno {

class CLogDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxLines = 200;

    explicit CLogDlg(QWidget* parent = nullptr);

    // Appends the line; beyond kMaxLines lines the first one goes first.
    void AppendLine(const QString& text);
    // Clears the text ("Reset").
    void Reset();

private:
    QPlainTextEdit* edit;  // control 1064
};

}  // namespace taleno
