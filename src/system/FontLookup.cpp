#include "system/FontLookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>

namespace taleno {

namespace {

bool BeginsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

}  // namespace

std::optional<FontFile> FindFontFile(const std::string& faceName) {
    if (faceName.empty() || FcInit() != FcTrue) {
        return std::nullopt;
    }
    FcPattern* any = FcPatternCreate();
    FcObjectSet* fields = FcObjectSetBuild(FC_FULLNAME, FC_FILE, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, any, fields);
    std::optional<FontFile> found;
    for (int i = 0; fonts != nullptr && i < fonts->nfont && !found; ++i) {
        FcChar8* fullName = nullptr;
        FcChar8* file = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FULLNAME, 0, &fullName) != FcResultMatch ||
            FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch) {
            continue;
        }
        const std::string name(reinterpret_cast<const char*>(fullName));
        if (BeginsWithIgnoringCase(name, faceName)) {
            found = FontFile{name, reinterpret_cast<const char*>(file)};
        }
    }
    if (fonts != nullptr) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(fields);
    FcPatternDestroy(any);
    return found;
}

}  // namespace taleno
