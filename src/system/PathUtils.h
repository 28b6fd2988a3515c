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
// Results are returned by value.

#include <string>
#include <string_view>
#include <vector>

namespace taleno {

// True for "/..." and for anything containing "://".
bool PathIsAbsolute(std::string_view path);
bool PathIsUrl(std::string_view path);

std::string PathGetDirectory(std::string_view path);   // up to and including the last "/"
std::string PathGetFileName(std::string_view path);    // after the last "/"
std::string PathGetTitle(std::string_view path);       // file name without its extension
std::string PathGetExtension(std::string_view path);   // after the last "." of the file name
std::vector<std::string> PathSplit(std::string_view path);  // non-empty components

std::string PathMakeAbsolute(std::string_view relative, std::string_view base);
std::string PathMakeRelative(std::string_view absolute, std::string_view base);

}  // namespace taleno
