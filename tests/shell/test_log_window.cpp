// The Log window keeps the 200 newest lines, typed ones included.
#include "shell/LogDlg.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>

namespace taleno {
namespace {

TEST(LogWindowTest, KeepsTheNewestLinesResetsAndHidesOnClose) {
    CLogDlg log;
    QPlainTextEdit* text = log.findChild<QPlainTextEdit*>();
    ASSERT_NE(text, nullptr);
    text->setPlainText(QStringLiteral("typed by the user\n"));  // counts as a line
    for (int i = 1; i <= 250; ++i) log.AppendLine(QString::number(i));
    QStringList expected;
    for (int i = 51; i <= 250; ++i) expected << QString::number(i);
    EXPECT_EQ(text->toPlainText(), expected.join('\n') + '\n');

    log.Reset();
    EXPECT_EQ(text->toPlainText(), QString());
    log.show();
    log.accept();  // OK, as Esc and the close box
    EXPECT_TRUE(log.isHidden());
}

}  // namespace
}  // namespace taleno
