// The Preferences sheet over a settings record: every key out and back, the
// preset zoom's check, the Engine and Subtitles browse, the Video page's
// Reset and the Association page.
#include "PreferencesSheetTestAccess.h"
#include "common/TestSupport.h"
#include "settings/SettingsTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

namespace taleno {
namespace {

// Every key of the record away from its default, within what the pages offer.
SettingsRecord Changed() {
    SettingsRecord r;
    for (const SettingRow& row : SettingsTable()) {
        switch (row.type) {
        case SettingType::Flag: r.*row.flag = !(r.*row.flag); break;
        case SettingType::Number: r.*row.number = row.hasRange ? row.range.min + 1 : 1; break;
        case SettingType::Text: r.*row.text = std::string(row.key) + " text"; break;
        }
    }
    r.nSSDisableMode = 1, r.nPresetZoom = 250;
    return r;
}

void Click(QWidget& page, const char* text) {
    for (QPushButton* button : page.findChildren<QPushButton*>()) {
        if (button->text() == text) button->click();
    }
}

class PreferencesSheetTest : public ::testing::Test {
protected:
    PreferencesSheetTest() {
        access.SetMessageBox([this](QWidget*, QMessageBox::Icon icon, const QString& text) {
            boxes << text;
            icons << icon;
        });
    }
    test::ScratchFolder program;
    CPreferencesSheet sheet{program.Path()};
    PreferencesSheetTestAccess access{sheet};
    QStringList boxes;
    QList<QMessageBox::Icon> icons;
};

TEST_F(PreferencesSheetTest, EveryKeyGoesOutAndComesBackWithinItsRange) {
    SettingsRecord in = Changed();
    in.bBypassWinVersionCheck = false, in.nVolume = 100;  // not on any page
    sheet.Load(in);
    SettingsRecord out;
    sheet.Store(out);
    EXPECT_EQ(out, in);

    // A drop-down list with nothing chosen stores a value outside the
    // range, which takes the range's fallback.
    access.Get<QComboBox>("nMPlayerPriority")->setCurrentIndex(-1);
    // Neither engine button checked stores the given engine.
    access.Get<QAbstractButton>("engine default")->setAutoExclusive(false);
    access.Get<QAbstractButton>("engine default")->setChecked(false);
    access.Get<QAbstractButton>("bMPlayerPathName")->setAutoExclusive(false);
    access.Get<QAbstractButton>("bMPlayerPathName")->setChecked(false);
    // Line breaks in the engine's parameters are stored as blanks.
    access.Get<QPlainTextEdit>("strMPlayerUserConfig")->setPlainText("-af resample=8000:1:0\n-vf scale\r\n");
    sheet.Store(out);
    EXPECT_EQ(out.nMPlayerPriority, 2);
    EXPECT_TRUE(out.bMPlayerPathName);
    EXPECT_EQ(out.strMPlayerUserConfig, "-af resample=8000:1:0 -vf scale ");
}

TEST_F(PreferencesSheetTest, OnlyAWholePresetZoomFrom10To1000IsAccepted) {
    sheet.Load(SettingsRecord{});
    sheet.show();
    for (const char* typed : {"9", "1001", "abc", "10", "1000"}) {
        sheet.show();
        access.Get<QLineEdit>("nPresetZoom")->setText(typed);
        sheet.accept();
        const bool accepted = sheet.result() == QDialog::Accepted && sheet.isHidden();
        EXPECT_EQ(accepted, std::string(typed) == "10" || std::string(typed) == "1000") << typed;
        sheet.setResult(QDialog::Rejected);
    }
    EXPECT_EQ(boxes, QStringList({"Please enter an integer between 10 and 1000.",
                                  "Please enter an integer between 10 and 1000.", "Please enter an integer."}));
    EXPECT_EQ(access.CurrentPage(), 3);  // the Player page
}

TEST_F(PreferencesSheetTest, BrowsingResettingAndAssociating) {
    sheet.Load(Changed());
    QWidget& page = sheet;
    // A program below the player's folder is kept relative to it.
    access.SetBrowseAnswers(QString::fromStdString(program.File("mplayer/mplayer")), "No Such Font Family", "");
    Click(page, "...");  // both browse buttons
    EXPECT_EQ(access.Get<QLineEdit>("strMPlayerPathName")->text(), "mplayer/mplayer");
    EXPECT_EQ(boxes, QStringList{"Sorry, Font File Not Found!"});
    access.SetBrowseAnswers("/elsewhere/mplayer", "", "");
    Click(page, "...");
    EXPECT_EQ(access.Get<QLineEdit>("strMPlayerPathName")->text(), "/elsewhere/mplayer");

    // Reset sets the four sliders to 0 and leaves double buffering.
    const bool doubleBuffering = access.Get<QCheckBox>("bDoubleBuffering")->isChecked();
    Click(page, "Reset");
    SettingsRecord out;
    sheet.Store(out);
    EXPECT_EQ((std::vector{out.nVideoBrightness, out.nVideoContrast, out.nVideoHue, out.nVideoSaturation}),
              (std::vector{0, 0, 0, 0}));
    EXPECT_EQ(out.bDoubleBuffering, doubleBuffering);

    // The Association page acts at once, in the test's own XDG folders.
    test::ScratchFolder data, config;
    const test::ScopedEnv dataHome("XDG_DATA_HOME", data.Path().c_str());
    const test::ScopedEnv configHome("XDG_CONFIG_HOME", config.Path().c_str());
    const test::ScopedEnv dataDirs("XDG_DATA_DIRS", data.Path().c_str());
    test::WriteWholeFile(program.File("list.txt"), "wav\n\n ogg \n");
    access.SetBrowseAnswers("", "", QString::fromStdString(program.File("list.txt")));
    Click(page, "Load...");
    EXPECT_EQ(access.Get<QPlainTextEdit>("extensions")->toPlainText(), "wav\nogg");
    boxes.clear();
    icons.clear();
    Click(page, "Associate!");
    access.Get<QPlainTextEdit>("extensions")->setPlainText("\n");
    Click(page, "Associate!");
    EXPECT_EQ(boxes, QStringList({"Succeed!", "No action."}));
    EXPECT_EQ(icons, QList({QMessageBox::Information, QMessageBox::Information}));  // reports, not warnings
    EXPECT_NE(test::ReadWholeFile(config.File("mimeapps.list")).find("application/x-taleno-ogg=taleno.desktop;"),
              std::string::npos);
    EXPECT_EQ(test::ReadWholeFile(data.File("icons/hicolor/64x64/apps/taleno.png")).substr(1, 3), "PNG");
    // A folder that cannot be written: the extensions that failed are named.
    const test::ScopedEnv blocked("XDG_CONFIG_HOME", program.File("list.txt/below-a-file").c_str());
    access.Get<QPlainTextEdit>("extensions")->setPlainText(" wav \nmp4x");
    Click(page, "Associate!");
    EXPECT_EQ(boxes.back(), "Failed to Associate:\n\nwav\nmp4x");
}

}  // namespace
}  // namespace taleno
