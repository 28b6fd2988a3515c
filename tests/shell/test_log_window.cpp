// The small dialogs: the Log window keeps the 200 newest lines, typed ones
// included; Go To is typed into by keyboard alone; About shows the player's icon.
#include "common/EventLoop.h"
#include "shell/AboutDlg.h"
#include "shell/AppIcon.h"
#include "shell/GoToDlg.h"
#include "shell/LogDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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

TEST(SmallDialogsTest, GoToTakesTimeTypedWithTabBetweenTheFieldsAndAboutShowsThePlayersIcon) {
    CGoToDlg goTo;
    goTo.show();
    goTo.activateWindow();
    ASSERT_TRUE(test::PumpUntil([&] { return goTo.isActiveWindow(); }, 3000));
    const auto press = [&](int key, const QString& text = QString()) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(goTo.focusWidget(), &event);
    };
    goTo.findChildren<QLineEdit*>().front()->setFocus();
    goTo.findChildren<QLineEdit*>().front()->selectAll();
    for (const char* typed : {"01", "02", "03", "04"}) {
        if (typed[1] != '1') press(Qt::Key_Tab);
        for (const char* c = typed; *c != '\0'; ++c) press(Qt::Key_0 + (*c - '0'), QString(QChar(*c)));
    }
    // Round the three fields: the fourth entry lands in Hours again.
    EXPECT_EQ((std::vector{goTo.GetHours(), goTo.GetMinutes(), goTo.GetSeconds()}), (std::vector{4, 2, 3}));

    CAboutDlg about;
    QImage shown;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) shown = label->pixmap().toImage();
    }
    EXPECT_EQ(shown, AppIcon().pixmap(32, 32).toImage());
}

}  // namespace
}  // namespace taleno
