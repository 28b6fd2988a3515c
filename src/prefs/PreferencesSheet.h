#pragma once
// The "Preferences" sheet: eight pages (Engine, Output, Video, Player,
// Subtitles, Association, Commands, Advanced) over a copy of the settings
// record. Load fills every control from the record; Store copies them back
// (after OK), checking the ranges. Each control is bound to its setting by
// the record's field, so a setting is exchanged in one place. The Association page acts at
// once and stores nothing.

#include "settings/Settings.h"
#include "settings/SettingsTable.h"

#include <QDialog>
#include <QFont>
#include <QMessageBox>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace taleno {

class CPreferencesSheet : public QDialog {
    Q_OBJECT

public:
    // A message box with an OK button and the application's title: a
    // warning, or information for a report of success.
    using MessageBox = std::function<void(QWidget* parent, QMessageBox::Icon icon, const QString& text)>;

    // moduleFolder: the program's folder (the Engine page's browse stores a
    // program inside it relative to it).
    explicit CPreferencesSheet(std::string moduleFolder, QWidget* parent = nullptr);

    void Load(const SettingsRecord& record);
    void Store(SettingsRecord& record) const;

    // OK, and leaving the Player page: the preset zoom must be an integer
    // from 10 to 1000, else a message, and the sheet stays open on the Player
    // page with the box focused.
    void accept() override;

private:
    friend class PreferencesSheetTestAccess;

    QWidget* EnginePage();
    QWidget* OutputPage();
    QWidget* VideoPage();
    QWidget* PlayerPage();
    QWidget* SubtitlesPage();
    QWidget* AssociationPage();
    QWidget* CommandsPage();
    QWidget* AdvancedPage();
    template <typename Field>
    void Bind(Field SettingsRecord::*field, QWidget* control) {
        Bind(SettingOf(field), control);
    }
    void Bind(const SettingRow& setting, QWidget* control);
    void Associate();
    bool CheckPresetZoom();

    std::string moduleFolder;
    QTabWidget* tabs;
    int shownPage = 0;                                             // the page before a change of page
    std::vector<std::pair<const SettingRow*, QWidget*>> bindings;  // a setting and its control
    QAbstractButton* engineDefault = nullptr;                      // "Use default settings"
    QLineEdit* presetZoom = nullptr;
    QPlainTextEdit* extensions = nullptr;  // the Association page's list
    MessageBox messageBox;
    // Seams of the browse buttons: the chosen file (Engine, "" when
    // cancelled) and face (Subtitles, nothing when cancelled).
    std::function<QString(QWidget*)> chooseEngine;
    std::function<std::optional<QFont>(QWidget*)> chooseFont;
    std::function<QString(QWidget*)> chooseExtensionList;
};

}  // namespace taleno
