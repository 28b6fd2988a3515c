// Relative forms of paths in normal form (absolute, no empty, "." or ".."
// component, no trailing "/"): PathMakeRelative then PathMakeAbsolute
// against the same base gives the path back.

#include "Fuzz.h"

#include "system/PathUtils.h"

using namespace taleno;
using namespace taleno::fuzz;

namespace {

// A component of one to eight bytes: any byte but "/" and NUL, and never
// "." or "..". Few distinct names, so paths often share their first ones.
std::string Component(FuzzInput& in) {
    std::string name = in.Text(8);
    for (char& c : name) {
        if (c == '/' || c == '\0') c = 'a' + static_cast<char>(static_cast<unsigned char>(c) % 3);
    }
    if (name.empty() || name == "." || name == "..") name = "m";
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    std::string shared;
    for (int n = in.Int(0, 4); n > 0; --n) shared += "/" + Component(in);
    std::string path = shared;
    for (int n = in.Int(shared.empty() ? 1 : 0, 4); n > 0; --n) path += "/" + Component(in);
    std::string base = shared;
    for (int n = in.Int(0, 4); n > 0; --n) base += "/" + Component(in);
    if (in.Bool()) base += "/";  // a folder named by itself rather than by a file in it

    const std::string relative = PathMakeRelative(path, base);
    if (relative != path) {
        FUZZ_CHECK(!PathIsAbsolute(relative));
        FUZZ_CHECK(PathMakeAbsolute(relative, base) == path);
    }
    return 0;
}
