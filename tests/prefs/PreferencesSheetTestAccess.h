#pragma once
// The tests' way into the Preferences sheet: its controls by INI key, its
// message boxes and the answers of its browse dialogs.

#include <QPlainTextEdit>
#include <QTabWidget>

#include "prefs/PreferencesSheet.h"

namespace taleno {

class PreferencesSheetTestAccess {
public:
    explicit PreferencesSheetTestAccess(CPreferencesSheet& sheet) : sheet(sheet) {}

    // The control of an INI key, or "engine default" and "extensions".
    template <class Control>
    Control* Get(const std::string& key) const {
        if (key == "engine default") return qobject_cast<Control*>(sheet.engineDefault);
        if (key == "extensions") return qobject_cast<Control*>(sheet.extensions);
        for (const auto& [row, control] : sheet.bindings) {
            if (row->key == key) return qobject_cast<Control*>(control);
        }
        return nullptr;
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
