#pragma once
// Path utilities: take file paths apart and convert between absolute paths
// and paths relative to a folder. Text only; the file system is never touched.
//
// "/" is the only separator. A path counts as absolute when it begins with
// "/", and as a URL when it contains "://"; both are "absolute" here. The
// first component after the root plays the part of a drive: two paths with
// no common first component have no relative form. Components are compared
// case-sensitively, as Linux file names are.
//
// The root of a path is "/" for an absolute file path, the scheme and host
// ("http://host/") for a URL and nothing for a relative path. The root is
// not a component: PathSplit("/Lists/a.mp3") is {"Lists", "a.mp3"}.
//
// Results are returned by value.

#include <string>
#include <string_view>
#include <vector>

namespace taleno {

// True for "/..." and for anything containing "://".
bool PathIsAbsolute(std::string_view path);
bool PathIsUrl(std::string_view path);

std::string PathGetDirectory(std::string_view path);        // up to and including the last "/"
std::string PathGetFileName(std::string_view path);         // after the last "/"
std::string PathGetTitle(std::string_view path);            // file name without its extension
std::string PathGetExtension(std::string_view path);        // after the last "." of the file name
std::vector<std::string> PathSplit(std::string_view path);  // non-empty components

// Resolves `relative` against the folder of `base` (PathGetDirectory of it,
// so "/Lists/" and "/Lists/x.m3u" mean the same folder). An absolute path or
// URL comes back unchanged. Leading ".." components climb out of the base
// folder; climbing above the base's root stops at the root, so
// "../../a.mp3" against "/Lists/" gives "/a.mp3". A leading "." is dropped;
// "." and ".." further in are kept as they are. The result keeps the base's
// root: it begins with "/" for an absolute base. Gives "" when `relative`
// has no components or the base has no folder at all.
std::string PathMakeAbsolute(std::string_view relative, std::string_view base);

// The form of `absolute` relative to the folder of `base`, for example
// "../Music/a.mp3" for "/Music/a.mp3" against "/Lists/x.m3u", and "./" for
// the base folder itself. The input comes back unchanged when it has no
// relative form: it is not an absolute file path (relative paths, URLs), the
// base is not an absolute file path, the two share no first component, or
// either holds an empty, "." or ".." component (a relative form of
// "/a/x/../b" would read back as "/a/b", another text for the same file).
std::string PathMakeRelative(std::string_view absolute, std::string_view base);

}  // namespace taleno
