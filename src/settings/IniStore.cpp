#include "settings/IniStore.h"

#include "platform/UserFolders.h"

#include <string_view>
#include <utility>

namespace taleno {

namespace {

bool EqualsTrueIgnoringCase(std::string_view s) {
    static constexpr std::string_view kTrue = "true";
    if (s.size() != kTrue.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kTrue[i]) return false;
    }
    return true;
}

const char* BoolText(bool value) { return value ? "true" : "false"; }

}  // namespace

CIniStore::CIniStore(std::string path, std::string name) : fileName(std::move(path)), section(std::move(name)) {}

int CIniStore::ReadInt(const std::string& key, int def) const {
    return GetProfileInt(fileName, section, key, def, match);
}

bool CIniStore::ReadBool(const std::string& key, bool def) const {
    return EqualsTrueIgnoringCase(ReadString(key, BoolText(def)));
}

std::string CIniStore::ReadString(const std::string& key, const std::string& def) const {
    return GetProfileString(fileName, section, key, def, match);
}

std::string CIniStore::ReadWholeString(const std::string& key, const std::string& def) const {
    return GetProfileString(fileName, section, key, def, match, kMaxProfileFileSize);
}

bool CIniStore::WriteInt(const std::string& key, int value) const {
    Batch batch = BeginBatch();
    return batch.WriteInt(key, value) && batch.Commit();
}

bool CIniStore::WriteBool(const std::string& key, bool value) const {
    Batch batch = BeginBatch();
    return batch.WriteBool(key, value) && batch.Commit();
}

bool CIniStore::WriteString(const std::string& key, const std::string& value) const {
    Batch batch = BeginBatch();
    return batch.WriteString(key, value) && batch.Commit();
}

bool CIniStore::DeleteKey(const std::string& key) const {
    Batch batch = BeginBatch();
    return batch.DeleteKey(key) && batch.Commit();
}

CIniStore::Batch CIniStore::BeginBatch() const { return Batch(*this); }

CIniStore::Batch::Batch(const CIniStore& store) : edit(store.fileName, store.section, store.match) {
    const std::size_t slash = store.fileName.rfind('/');
    if (store.makeFolder && slash != std::string::npos && slash > 0) folderToMake = store.fileName.substr(0, slash);
}

bool CIniStore::Batch::WriteInt(const std::string& key, int value) { return edit.Write(key, std::to_string(value)); }

bool CIniStore::Batch::WriteBool(const std::string& key, bool value) { return edit.Write(key, BoolText(value)); }

bool CIniStore::Batch::WriteString(const std::string& key, const std::string& value) { return edit.Write(key, value); }

bool CIniStore::Batch::DeleteKey(const std::string& key) { return edit.Delete(key); }

bool CIniStore::Batch::Commit() { return (folderToMake.empty() || MakePrivateFolder(folderToMake)) && edit.Commit(); }

}  // namespace taleno
