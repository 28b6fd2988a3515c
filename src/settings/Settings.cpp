#include "settings/Settings.h"

#include "settings/SettingsFolder.h"
#include "settings/SettingsTable.h"

#include <algorithm>
#include <vector>

namespace taleno {

namespace {

constexpr const char* kSettingsFileName = "Taleno .ini";

// The rows of an order (load or save), by their place in it.
std::vector<const SettingRow*> InOrder(int SettingRow::*place) {
    std::vector<const SettingRow*> rows;
    for (const SettingRow& row : SettingsTable()) {
        if (row.*place >= 0) rows.push_back(&row);
    }
    std::sort(rows.begin(), rows.end(),
              [place](const SettingRow* a, const SettingRow* b) { return a->*place < b->*place; });
    return rows;
}

}  // namespace

void CheckRanges(SettingsRecord& record) {
    for (const SettingRow& row : SettingsTable()) {
        if (row.type == SettingType::Number) {
            record.*row.number = row.Checked(record.*row.number);
        }
    }
}

std::string SettingsFilePath(const std::string& moduleFolder) {
    return SettingsFolder(moduleFolder) + "/" + kSettingsFileName;
}

CIniStore SettingsStore(const std::string& moduleFolder) {
    return SettingsFolderStore(moduleFolder, kSettingsFileName, kSettingsSection);
}

void LoadSettings(const CIniStore& store, SettingsRecord& record) {
    const SettingsRecord defaults;
    for (const SettingRow* row : InOrder(&SettingRow::loadPlace)) {
        switch (row->type) {
        case SettingType::Flag: record.*row->flag = store.ReadBool(row->key, defaults.*row->flag); break;
        case SettingType::Number: record.*row->number = store.ReadInt(row->key, defaults.*row->number); break;
        case SettingType::Text: record.*row->text = store.ReadString(row->key, defaults.*row->text); break;
        }
    }
    CheckRanges(record);
}

bool SaveSettings(const CIniStore& store, const SettingsRecord& record) {
    // Every key is written even when unchanged, and a key that cannot be
    // written does not stop the others. The result covers all of them: a
    // file that may lack any key is a failed save.
    CIniStore::Batch batch = store.BeginBatch();
    bool allTaken = true;
    for (const SettingRow* row : InOrder(&SettingRow::savePlace)) {
        bool taken = false;
        switch (row->type) {
        case SettingType::Flag: taken = batch.WriteBool(row->key, record.*row->flag); break;
        case SettingType::Number: taken = batch.WriteInt(row->key, record.*row->number); break;
        case SettingType::Text: taken = batch.WriteString(row->key, record.*row->text); break;
        }
        allTaken = allTaken && taken;
    }
    return batch.Commit() && allTaken;
}

int ReadVolumeSetting(const CIniStore& store) {
    return store.ReadInt(SettingOf(&SettingsRecord::nVolume).key, SettingsRecord().nVolume);
}

bool WriteVolumeSetting(const CIniStore& store, int volume) {
    return store.WriteInt(SettingOf(&SettingsRecord::nVolume).key, volume);
}

bool ReadAllowMultipleInstances(const std::string& moduleFolder) {
    return SettingsStore(moduleFolder)
        .ReadBool(SettingOf(&SettingsRecord::bAllowMultipleInstances).key, SettingsRecord().bAllowMultipleInstances);
}

}  // namespace taleno
