// The program in the user's language: every translation that is built in
// gives its menus, and no two items of one menu share an accelerator
// letter, and the dialogs show their texts whole; without one, the texts
// are the program's own English ones.

#include "common/TestSupport.h"

#include "app/Translations.h"
#include "player/MainFrame.h"
#include "player/MainFrameTestAccess.h"
#include "player/ShutdownDlg.h"
#include "playlist/Playlist.h"
#include "shell/AboutDlg.h"
#include "shell/ClipPropertiesSheet.h"
#include "shell/GoToDlg.h"
#include "shell/LogDlg.h"
#include "shell/OpenURLDlg.h"
#include "shell/PlaylistDlg.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <functional>
#include <set>

namespace taleno {
namespace {

using namespace test;

// The letter after a single "&" in an item's text, lower-cased; 0 for none.
QChar Accelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] == '&') {
                ++i;
                continue;
            }
            return text[i + 1].toLower();
        }
    }
    return QChar();
}

// Every menu's accelerators are its own; the menu bar's too.
void ExpectDistinctAccelerators(const QList<QAction*>& items, const QString& where) {
    std::set<QChar> taken;
    for (const QAction* item : items) {
        if (item->isSeparator() || !item->isVisible()) continue;
        const QChar letter = Accelerator(item->text());
        if (!letter.isNull()) {
            EXPECT_TRUE(taken.insert(letter).second) << where.toStdString() << ": " << item->text().toStdString();
        }
        if (item->menu() != nullptr) ExpectDistinctAccelerators(item->menu()->actions(), item->text());
    }
}

// Every label's and button's text shows whole, inside the dialog: the
// dialogs' boxes were drawn for the English texts.
void ExpectTextsWhole(const QDialog& dialog, const QString& language) {
    for (const QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QPushButton*>(control);
        const QString text = label != nullptr && !label->wordWrap() ? label->text()
                             : button != nullptr                    ? QString(button->text()).remove('&')
                                                                    : QString();
        if (text.isEmpty()) continue;
        const int needed = control->fontMetrics().horizontalAdvance(text) + (button != nullptr ? 8 : 0);
        EXPECT_LE(needed, control->width()) << language.toStdString() << ": " << text.toStdString();
        EXPECT_TRUE(dialog.rect().contains(control->geometry()))
            << language.toStdString() << ": " << text.toStdString();
    }
}

QStringList MenuTitles(CMainFrame& frame) {
    QStringList titles;
    for (const QAction* menu : frame.menuBar()->actions()) titles << menu->text();
    return titles;
}

TEST(TranslationsTest, EachLanguageHasItsMenusWithDistinctAcceleratorsAndEnglishStaysAsWritten) {
    ScratchFolder folder;
    WriteWholeFile(folder.File("Taleno .ini"), "[TALENO]\nnSSDisableMode=0\n");
    const QStringList built = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("taleno_*.qm")});
    for (const char* language : {"de", "es", "fr", "it", "ja", "pl", "pt_BR", "ru", "zh_CN"}) {
        EXPECT_TRUE(built.contains(QStringLiteral("taleno_%1.qm").arg(language))) << language;
    }
    for (const QString& file : built) {
        const QString language = file.mid(7).chopped(3);
        const CTranslations translations{QLocale(language)};
        EXPECT_EQ(translations.Language(), language);
        CMainFrame frame(folder.Path());
        ASSERT_TRUE(frame.Create());
        ExpectDistinctAccelerators(frame.menuBar()->actions(), "menu bar (" + language + ")");
        CPlaylist playlist;
        ExpectTextsWhole(CPlaylistDlg(playlist), language);
        ExpectTextsWhole(CGoToDlg(), language);
        ExpectTextsWhole(COpenURLDlg(), language);
        ExpectTextsWhole(CAboutDlg(), language);
        ExpectTextsWhole(CLogDlg(), language);
        ExpectTextsWhole(CShutdownDlg([] { return PowerOffResult{}; }), language);
        // A message box's text.
        MainFrameTestAccess access(frame);
        QStringList boxes;
        access.SetMessageBox([&](QWidget*, const QString& text) { boxes << text; });
        access.OpenPath(folder.File("missing.m3u"));
        if (language == "de") {
            EXPECT_EQ(MenuTitles(frame), QStringList({"&Datei", "&Ansicht", "&Wiedergabe", "&Optionen", "&Hilfe"}));
            // A dialog of the program's, and Qt's own buttons in another.
            const CGoToDlg goTo;
            EXPECT_EQ(goTo.windowTitle(), "Gehe zu");
            const CClipPropertiesSheet sheet(MakeClipPropertiesTexts(MediaInfo{}, 0, 0, 0, ""));
            QStringList buttons;
            for (const QPushButton* button : sheet.findChildren<QPushButton*>()) buttons << button->text();
            EXPECT_TRUE(buttons.contains("Abbrechen")) << buttons.join(' ').toStdString();
            EXPECT_EQ(boxes, QStringList({"Datei kann nicht geöffnet werden"}));
        }
        if (language == "ja") {  // the accelerator after the text, as Japanese menus show it
            EXPECT_EQ(MenuTitles(frame),
                      QStringList({QString::fromUtf8("ファイル(&F)"), QString::fromUtf8("表示(&V)"),
                                   QString::fromUtf8("再生(&P)"), QString::fromUtf8("オプション(&O)"),
                                   QString::fromUtf8("ヘルプ(&H)")}));
            EXPECT_EQ(CGoToDlg().windowTitle(), QString::fromUtf8("移動"));
            EXPECT_EQ(boxes, QStringList({QString::fromUtf8("ファイルを開けません")}));
        }
    }
    // No translation for the language: the program's own texts.
    const CTranslations none{QLocale(QLocale::Swahili)};
    EXPECT_EQ(none.Language(), "");
    CMainFrame frame(folder.Path());
    ASSERT_TRUE(frame.Create());
    EXPECT_EQ(MenuTitles(frame), QStringList({"&File", "&View", "&Play", "&Options", "&Help"}));
    ExpectDistinctAccelerators(frame.menuBar()->actions(), "menu bar");
}

}  // namespace
}  // namespace taleno
