#pragma once
// The settings as a table, made from their declaration (TALENO_SETTINGS):
// one row per INI key. Loading, saving, the range check and the
// preferences' bindings walk it.

#include "settings/Settings.h"

#include <span>
#include <string>

namespace taleno {

struct SettingRow {
    const char* key;
    SettingType type;
    // The record's field; the one matching `type` is set.
    bool SettingsRecord::*flag;
    int SettingsRecord::*number;
    std::string SettingsRecord::*text;
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
// The row of a field.
const SettingRow& SettingOf(bool SettingsRecord::*field);
const SettingRow& SettingOf(int SettingsRecord::*field);
const SettingRow& SettingOf(std::string SettingsRecord::*field);

}  // namespace taleno
