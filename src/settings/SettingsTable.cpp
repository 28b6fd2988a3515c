#include "settings/SettingsTable.h"

#include <algorithm>
#include <array>

namespace taleno {

namespace {

using R = SettingsRecord;

constexpr SettingRow Row(const char* key, bool R::*field, SettingRange range, SettingHolder holder, int load,
                         int save) {
    return {key, SettingType::Flag, field, nullptr, nullptr, range.min <= range.max, range, holder, load, save};
}
constexpr SettingRow Row(const char* key, int R::*field, SettingRange range, SettingHolder holder, int load, int save) {
    return {key, SettingType::Number, nullptr, field, nullptr, range.min <= range.max, range, holder, load, save};
}
constexpr SettingRow Row(const char* key, std::string R::*field, SettingRange range, SettingHolder holder, int load,
                         int save) {
    return {key, SettingType::Text, nullptr, nullptr, field, range.min <= range.max, range, holder, load, save};
}

constexpr SettingRow kRows[] = {
#define TALENO_SETTING_ROW(key, type, def, range, holder, load, save) \
    Row(#key, &R::key, range, SettingHolder::holder, load, save),
    TALENO_SETTINGS(TALENO_SETTING_ROW)
#undef TALENO_SETTING_ROW
};

// The load places are the rows' order (36 keys); the save places are 35
// distinct places 0 to 34.
constexpr bool PlacesAreOrders() {
    std::array<int, std::size(kRows)> saved{};
    int loads = 0;
    for (const SettingRow& row : kRows) {
        if (row.loadPlace != -1 && row.loadPlace != loads++) return false;
        if (row.savePlace >= 0 && ++saved[row.savePlace] > 1) return false;
    }
    return loads == 36 && std::count(saved.begin(), saved.end(), 1) == 35;
}
static_assert(PlacesAreOrders());

template <typename Field>
const SettingRow& RowOf(Field R::*field, Field R::*SettingRow::*column) {
    return *std::find_if(std::begin(kRows), std::end(kRows),
                         [&](const SettingRow& row) { return row.*column == field; });
}

}  // namespace

std::span<const SettingRow> SettingsTable() { return kRows; }

const SettingRow* FindSetting(const std::string& key) {
    for (const SettingRow& row : kRows) {
        if (key == row.key) return &row;
    }
    return nullptr;
}

const SettingRow& SettingOf(bool R::*field) { return RowOf(field, &SettingRow::flag); }
const SettingRow& SettingOf(int R::*field) { return RowOf(field, &SettingRow::number); }
const SettingRow& SettingOf(std::string R::*field) { return RowOf(field, &SettingRow::text); }

}  // namespace taleno
