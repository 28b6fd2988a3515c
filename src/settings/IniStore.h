#pragma once
// CIniStore: one INI file and one section, with typed reads and writes.
// A store is a small value made where options are read or written and
// dropped afterwards; nothing is cached, every call goes to the file.
//
// Flags are stored as "true"/"false" and read as true only when the text is
// "true" in any case; integers are stored as decimal text; strings as they
// are. The text rules (matching, trimming, the 254-byte cut, what a write
// refuses) are those of the profile functions in platform/IniProfile.h.

#include "platform/IniProfile.h"

#include <string>
#include <utility>

namespace taleno {

class CIniStore {
public:
    CIniStore() = default;
    CIniStore(std::string fileName, std::string section);

    void SetFileName(std::string name) { fileName = std::move(name); }
    void SetSection(std::string name) { section = std::move(name); }
    // How keys are matched; the profile rule (ignoring case) unless changed.
    void SetKeyMatch(KeyMatch keyMatch) { match = keyMatch; }
    // When set, a write first makes the file's folder (mode 0700) if it is
    // missing: the per-user settings folder appears on the first save.
    void SetMakeFolder(bool make) { makeFolder = make; }

    int ReadInt(const std::string& key, int def) const;
    bool ReadBool(const std::string& key, bool def) const;
    std::string ReadString(const std::string& key, const std::string& def) const;
    // The value whole, without the 254-byte cut: for paths kept as they are.
    std::string ReadWholeString(const std::string& key, const std::string& def) const;

    // Each write replaces the file once; true when the file now holds the value.
    bool WriteInt(const std::string& key, int value) const;
    bool WriteBool(const std::string& key, bool value) const;
    bool WriteString(const std::string& key, const std::string& value) const;
    bool DeleteKey(const std::string& key) const;

    // Many writes with one read and one replacement of the file. Every call
    // reports whether its change was taken (the same refusals as the single
    // writes); Commit reports whether the file was replaced.
    class Batch {
    public:
        bool WriteInt(const std::string& key, int value);
        bool WriteBool(const std::string& key, bool value);
        bool WriteString(const std::string& key, const std::string& value);
        bool DeleteKey(const std::string& key);
        bool Commit();

    private:
        friend class CIniStore;
        explicit Batch(const CIniStore& store);
        ProfileEdit edit;
        std::string folderToMake;
    };
    Batch BeginBatch() const;

private:
    std::string fileName;
    std::string section;
    KeyMatch match = KeyMatch::IgnoreCase;
    bool makeFolder = false;
};

}  // namespace taleno
