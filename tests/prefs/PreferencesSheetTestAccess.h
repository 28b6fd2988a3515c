#pragma once
// The tests' way into the Preferences sheet: its controls by INI key, its
// message boxes and the answers of its browse dialogs.

#include <QTabWidget>

#include "prefs/PreferencesSheet.h"

namespace taleno {

class PreferencesSheetTestAccess {
public:
    explicit PreferencesSheetTestAccess(CPreferencesSheet& sheet) : sheet(sheet) {}

    template <class Control>
    Control* Get(const std::string& key) const {
        return qobject_cast<Control*>(sheet.controls.at(key));
    }
    void SetMessageBox(CPreferencesSheet::MessageBox box) { sheet.messageBox = std::move(box); }
    void SetBrowseAnswers(QString engine, QString fontFamily, QString extensionList) {
        sheet.chooseEngine = [engine](QWidget*) { return engine; };
        sheet.chooseFont = [fontFamily](QWidget*) {
            return fontFamily.isEmpty() ? std::nullopt : std::optional(QFont(fontFamily));
        };
        sheet.chooseExtensionList = [extensionList](QWidget*) { return extensionList; };
    }
    int CurrentPage() const { return sheet.tabs->currentIndex(); }

private:
    CPreferencesSheet& sheet;
};

}  // namespace taleno
