// The settings the engine controller holds, handed over and fetched back
// through the rows of the settings table.

#include "player/EngineSettings.h"
#include "settings/SettingsTable.h"

#include <gtest/gtest.h>

namespace taleno {
namespace {

// Sets a row's field to `number` (a flag: nonzero; a text: the number's digits).
void Set(const SettingRow& row, SettingsRecord& record, int number) {
    switch (row.type) {
    case SettingType::Flag: record.*row.flag = number != 0; break;
    case SettingType::Number: record.*row.number = number; break;
    case SettingType::Text: record.*row.text = std::to_string(number); break;
    }
}

std::string Value(const SettingRow& row, const SettingsRecord& record) {
    switch (row.type) {
    case SettingType::Flag: return record.*row.flag ? "true" : "false";
    case SettingType::Number: return std::to_string(record.*row.number);
    case SettingType::Text: return record.*row.text;
    }
    return {};
}

// nVolume is handed over when the window is created, not with the others.
bool HandedOver(const SettingRow& row) { return row.HeldByEngine() && std::string(row.key) != "nVolume"; }

TEST(EngineSettingsTest, TheEnginesKeysGoThroughItsRangeChecksAndTheFramesStayWithTheFrame) {
    // Every key away from its default, inside its range.
    SettingsRecord changed;
    for (const SettingRow& row : SettingsTable()) {
        Set(row, changed,
            row.hasRange ? (row.range.min != row.defaultNumber ? row.range.min : row.range.max)
                         : 1 - row.defaultNumber);
    }
    CEngineController engine;
    ApplyEngineSettings(engine, changed);
    SettingsRecord fetched;
    FetchEngineSettings(engine, fetched);
    const SettingsRecord defaults;
    for (const SettingRow& row : SettingsTable()) {
        EXPECT_EQ(Value(row, fetched), Value(row, HandedOver(row) ? changed : defaults)) << row.key;
    }

    // Outside its range a value comes back as the row's fallback.
    for (const SettingRow& row : SettingsTable()) {
        if (!HandedOver(row) || !row.hasRange) continue;
        for (int outside : {row.range.min - 1, row.range.max + 1}) {
            SettingsRecord record;
            Set(row, record, outside);
            ApplyEngineSettings(engine, record);
            FetchEngineSettings(engine, record);
            EXPECT_EQ(record.*row.number, row.range.fallback) << row.key << " " << outside;
        }
    }
}

}  // namespace
}  // namespace taleno
