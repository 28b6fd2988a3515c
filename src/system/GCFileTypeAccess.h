#pragma once
// CGCFileTypeAccess: makes the player the program that opens files of an
// extension. On the freedesktop desktop the registry's keys become the
// user's XDG files:
//  - the document type is the desktop entry "taleno.desktop" in
//    $XDG_DATA_HOME/applications (Exec with the program's path, quoted as
//    the Desktop Entry rules ask, and "%f"; Icon; a MimeType list that collects
//    every associated type);
//  - an extension's type is the one the shared MIME database's globs give
//    it; an extension without one gets a MIME package of ours
//    ("application/x-taleno-<extension>") in $XDG_DATA_HOME/mime/packages
//    and the user's MIME database is updated;
//  - the open command becomes the type's default application in
//    $XDG_CONFIG_HOME/mimeapps.list ("[Default Applications]", and listed
//    under "[Added Associations]"), every other line of the file kept;
//  - the icon goes into the user's hicolor theme.
// Nothing is ever removed; associating twice gives the same files.

#include <string>
#include <vector>

namespace taleno {

class CGCFileTypeAccess {
public:
    static constexpr const char* kDesktopId = "taleno.desktop";

    // The fields the association uses; all "" after construction.
    std::string extension;            // without the dot, used as given
    std::string openCommand;          // the program's full path
    std::string documentClassName;    // "TALENO.Document": names the desktop entry
    std::string documentDescription;  // the entry's comment
    std::string defaultIcon;          // the icon's name
    std::string iconImage;            // its PNG image, installed in the user's hicolor theme

    void ClearAll();
    // RegisterExtension, then RegisterDocumentType; false when any write failed.
    bool RegisterAll();
    // The extension's MIME type (ours when the database has none) and the
    // default application for it. Does nothing for an empty extension.
    bool RegisterExtension();
    // The desktop entry, with the types registered so far. Does nothing
    // without a document class name.
    bool RegisterDocumentType();

    // The MIME types registered by this object, in order.
    const std::vector<std::string>& MimeTypes() const { return mimeTypes; }

private:
    std::vector<std::string> mimeTypes;
};

}  // namespace taleno
