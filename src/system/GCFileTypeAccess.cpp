#include "system/GCFileTypeAccess.h"

#include "platform/AtomicFile.h"
#include "platform/IniProfile.h"
#include "platform/UserFolders.h"
#include "system/DesktopEntry.h"

#include <unistd.h>

#include <QProcess>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace taleno {

namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

// $XDG_DATA_HOME first, then $XDG_DATA_DIRS: where the MIME globs are.
std::vector<std::string> DataFolders() {
    std::vector<std::string> folders{DataHome()};
    std::istringstream dirs(Environment("XDG_DATA_DIRS", "/usr/local/share:/usr/share"));
    for (std::string dir; std::getline(dirs, dir, ':');) {
        if (!dir.empty()) folders.push_back(dir);
    }
    return folders;
}

bool MakeFolder(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

// Starts a helper program (no shell) when it is installed and does not wait
// for it: the databases it renews are only caches of the files written, so
// neither its absence nor its time may hold up the window. Its output is
// discarded.
void RunIfInstalled(const std::string& name, const std::string& argument) {
    for (const char* bin : {"/usr/bin/", "/usr/local/bin/", "/bin/"}) {
        const std::string program = bin + name;
        if (::access(program.c_str(), X_OK) != 0) continue;
        QProcess helper;
        helper.setProgram(QString::fromStdString(program));
        helper.setArguments({QString::fromStdString(argument)});
        helper.setStandardOutputFile(QProcess::nullDevice());
        helper.setStandardErrorFile(QProcess::nullDevice());
        helper.startDetached();
        return;
    }
}

// "a;b;" -> {"a", "b"}
std::vector<std::string> SplitList(const std::string& list) {
    std::vector<std::string> items;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ';');) {
        if (!item.empty()) items.push_back(item);
    }
    return items;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The entry of the same id that the user's entry shadows: the installed
// one, first in $XDG_DATA_DIRS; "" when there is none.
std::string ShadowedEntry(const std::string& id) {
    std::vector<std::string> folders = DataFolders();
    for (auto folder = folders.begin() + 1; folder != folders.end(); ++folder) {
        const std::string entry = ReadWholeFile(*folder + "/applications/" + id);
        if (!entry.empty()) return entry;
    }
    return {};
}

void AddOnce(std::vector<std::string>& list, const std::string& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

}  // namespace

void CGCFileTypeAccess::ClearAll() {
    extension.clear();
    openCommand.clear();
    documentClassName.clear();
    documentDescription.clear();
    defaultIcon.clear();
    iconImage.clear();
    mimeTypes.clear();
}

bool CGCFileTypeAccess::RegisterAll() {
    // What cannot be an extension is refused before anything is written.
    if (!extension.empty() && !IsAssociableExtension(extension)) {
        return false;
    }
    const bool extensionDone = RegisterExtension();
    const bool documentDone = RegisterDocumentType();
    return extensionDone && documentDone;
}

bool CGCFileTypeAccess::RegisterExtension() {
    if (extension.empty()) {
        return true;
    }
    if (!IsAssociableExtension(extension)) {
        return false;
    }
    std::string type = MimeTypeForExtension(extension, DataFolders());
    if (type.empty()) {
        // A type of our own, with its glob, in the user's MIME database.
        type = "application/x-taleno-" + extension;
        const std::string packages = DataHome() + "/mime/packages";
        const std::string package =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"" +
            type +
            "\">\n"
            "    <comment>" +
            extension +
            " file</comment>\n"
            "    <glob pattern=\"*." +
            extension +
            "\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n";
        if (!MakeFolder(packages) || !WriteFileAtomically(packages + "/taleno-" + extension + ".xml", package)) {
            return false;
        }
        RunIfInstalled("update-mime-database", DataHome() + "/mime");
    }
    if (openCommand.empty()) {
        AddOnce(mimeTypes, type);
        return true;
    }
    // The type's default application, and one of its applications.
    const std::string list = ConfigHome() + "/mimeapps.list";
    if (!MakeFolder(ConfigHome())) {
        return false;
    }
    std::vector<std::string> added = SplitList(GetProfileString(list, "Added Associations", type, "", KeyMatch::Exact));
    AddOnce(added, kDesktopId);
    std::string addedValue;
    for (const std::string& id : added) addedValue += id + ";";
    // One section after the other: each write reads the file the last one
    // left. The type goes into the desktop entry only once both are written.
    const bool written =
        WriteProfileString(list, "Default Applications", type, std::string(kDesktopId) + ";", KeyMatch::Exact) &&
        WriteProfileString(list, "Added Associations", type, addedValue, KeyMatch::Exact);
    if (written) {
        AddOnce(mimeTypes, type);
    }
    return written;
}

bool CGCFileTypeAccess::RegisterDocumentType() {
    if (documentClassName.empty()) {
        return true;
    }
    const std::string folder = DataHome() + "/applications";
    const std::string path = folder + "/" + kDesktopId;
    // The user's entry has the installed entry's id and hides it: it starts
    // from the installed one, so every key (names, comments, keywords, their
    // translations) and every type of it stays, and adds the associated types.
    const std::string shadowed = ShadowedEntry(kDesktopId);
    std::vector<std::string> types = SplitList(DesktopEntryValue(shadowed, "MimeType"));
    for (const std::string& type : SplitList(DesktopEntryValue(ReadWholeFile(path), "MimeType"))) AddOnce(types, type);
    for (const std::string& type : mimeTypes) AddOnce(types, type);
    std::string typeList;
    for (const std::string& type : types) typeList += type + ";";
    std::vector<std::pair<std::string, std::string>> keys;
    if (!documentDescription.empty()) keys.emplace_back("Comment", documentDescription);
    if (!openCommand.empty()) keys.emplace_back("Exec", DesktopExecArgument(openCommand) + " %f");
    if (!defaultIcon.empty()) keys.emplace_back("Icon", defaultIcon);
    keys.emplace_back("MimeType", typeList);
    const std::string entry = SetDesktopEntryKeys(
        !shadowed.empty()
            ? shadowed
            : "[Desktop Entry]\nType=Application\nName=Taleno\nTerminal=false\nCategories=AudioVideo;Player;\n",
        keys);
    if (!MakeFolder(folder) || !WriteFileAtomically(path, entry)) {
        return false;
    }
    if (!defaultIcon.empty() && !iconImage.empty()) {
        const std::string icons = DataHome() + "/icons/hicolor/64x64/apps";
        if (!MakeFolder(icons) || !WriteFileAtomically(icons + "/" + defaultIcon + ".png", iconImage)) {
            return false;
        }
    }
    RunIfInstalled("update-desktop-database", folder);
    return true;
}

}  // namespace taleno
