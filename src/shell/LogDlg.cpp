#include "shell/LogDlg.h"

#include "shell/DialogTemplate.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace taleno {

CLogDlg::CLogDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Log"));
    setModal(false);
    const DialogTemplate layout(*this, QSize(300, 230));
    edit = layout.Place(new QPlainTextEdit(this), 7, 7, 286, 195);
    edit->setAccessibleName(tr("Engine output"));
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setMaximumBlockCount(kMaxLines + 1);
    auto* ok = layout.Place(new QPushButton(tr("OK"), this), 243, 209, 50, 14);
    auto* reset = layout.Place(new QPushButton(tr("Reset"), this), 7, 209, 50, 14);
    layout.FitTexts();
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(reset, &QPushButton::clicked, this, &CLogDlg::Reset);
}

void CLogDlg::AppendLine(const QString& text) {
    // Every line ends with a line break, so the text always ends with an
    // empty last line: kMaxLines logged lines are kMaxLines + 1 blocks, and
    // the text's block limit takes the oldest line away as a new one comes.
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text + QLatin1Char('\n'));
    if (isVisible()) {
        edit->setTextCursor(cursor);
        edit->ensureCursorVisible();
    }
}

void CLogDlg::Reset() { edit->clear(); }

}  // namespace taleno
