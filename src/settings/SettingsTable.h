#pragma once
// The table of the settings record: one row per INI key, with its type, its
// default, its allowed range, the component that holds its live value and
// its places in the fixed load and save orders. The record's defaults,
// LoadSettings, SaveSettings and the hand-over to the engine controller all
// walk this table; nothing else lists the keys.

#include "settings/Settings.h"

#include <span>
#include <string>

namespace taleno {

enum class SettingType { Flag, Number, Text };

// Who keeps the live value while the program runs. Both: the frame keeps a
// copy and the engine controller another.
enum class SettingHolder { Frame, Engine, Both };

// An allowed range. The engine controller replaces a value outside it by
// the fallback when the value is handed to it; for the frame's keys the
// range is what the preferences accept.
struct SettingRange {
    int min;
    int max;
    int fallback;
};

struct SettingRow {
    const char* key;
    SettingType type;
    // The record's field; the one matching `type` is set.
    bool SettingsRecord::*flag;
    int SettingsRecord::*number;
    std::string SettingsRecord::*text;
    // Default: a flag's is 0 or 1, a number's the number, a text's the text.
    int defaultNumber;
    const char* defaultText;
    bool hasRange;
    SettingRange range;
    SettingHolder holder;
    int loadPlace;  // place in LoadSettings' order; -1: read on its own
    int savePlace;  // place in SaveSettings' order; -1: never written by it

    bool HeldByEngine() const { return holder != SettingHolder::Frame; }
    // The value a number key takes after the range check, if it has one.
    int Checked(int value) const {
        return hasRange && (value < range.min || value > range.max) ? range.fallback : value;
    }
};

// Every key of the record, in load order, nVolume (read on its own) last.
std::span<const SettingRow> SettingsTable();

// The row of a key (exact name), or nullptr.
const SettingRow* FindSetting(const std::string& key);

}  // namespace taleno
