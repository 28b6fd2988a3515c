// The settings file as anyone could have left it: arbitrary bytes as
// "Taleno .ini". Every key of the record is read; one key is written and
// read back, and the file must have changed in that key's line alone (or
// gained it); the whole record is then saved and must load back equal.

#include "Fuzz.h"

#include "settings/Settings.h"
#include "settings/SettingsTable.h"

#include <vector>

using namespace taleno;
using namespace taleno::fuzz;

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

// The file's lines split at LF, each without the CRs before the LF: a line
// written with the file's own line end then compares equal to one read.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        while (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    }
    return lines;
}

// True when `after` is `before` with one line replaced by keyLine, or with
// keyLine (and at most the section's header before it) added.
bool OnlyKeyLineChanged(std::string_view before, std::string_view after, std::string_view keyLine) {
    while (keyLine.ends_with('\r')) keyLine.remove_suffix(1);
    const std::vector<std::string_view> a = Lines(before);
    const std::vector<std::string_view> b = Lines(after);
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) {
        ++tail;
    }
    const std::vector<std::string_view> removed(a.begin() + head, a.end() - tail);
    const std::vector<std::string_view> added(b.begin() + head, b.end() - tail);
    if (removed.size() > 1) return false;
    if (removed.size() == 1) return added.size() == 1 && added[0] == keyLine;
    // A blank line may separate a new section from the one before it.
    std::size_t keyLines = 0;
    for (std::string_view line : added) {
        if (line == keyLine) {
            ++keyLines;
        } else if (!line.empty() && line != "[TALENO]") {
            return false;
        }
    }
    return keyLines == 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const auto table = SettingsTable();
    const SettingRow& row = table[static_cast<std::size_t>(in.Int(0, static_cast<int>(table.size()) - 1))];
    const std::string value = in.Text(300);
    const std::string before = in.Rest();

    const std::string path = ScratchFolder() + "/Taleno .ini";
    WriteWholeFile(path, before);
    const CIniStore store(path, kSettingsSection);
    SettingsRecord loaded;
    LoadSettings(store, loaded);

    // One key written: only its line changes, and it reads back.
    const bool written = store.WriteString(row.key, value);
    const std::string after = ReadWholeFile(path);
    if (value.find('\n') != std::string::npos) {
        FUZZ_CHECK(!written && after == before);
        return 0;
    }
    FUZZ_CHECK(written);
    FUZZ_CHECK(OnlyKeyLineChanged(before, after, std::string(row.key) + "=" + value));
    const std::string readBack = store.ReadString(row.key, "\x01");
    const std::size_t first = value.find_first_not_of(kBlanks);
    const std::string trimmed =
        first == std::string::npos ? "" : value.substr(first, value.find_last_not_of(kBlanks) - first + 1);
    if (trimmed.size() <= kMaxProfileStringLength) {
        FUZZ_CHECK(readBack == trimmed);
    } else {
        // Cut within the last character before the limit, and no blank at the end.
        FUZZ_CHECK(trimmed.starts_with(readBack));
        const std::size_t nextWord = trimmed.find_first_not_of(kBlanks, readBack.size());
        FUZZ_CHECK(nextWord == std::string::npos || nextWord + 4 > kMaxProfileStringLength);
    }

    // The whole record saved and loaded again is the record.
    SettingsRecord record;
    LoadSettings(store, record);
    FUZZ_CHECK(SaveSettings(store, record));
    SettingsRecord reloaded;
    LoadSettings(store, reloaded);
    FUZZ_CHECK(reloaded == record);
    return 0;
}
