#include "system/FontLookup.h"

#include <fontconfig/fontconfig.h>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string_view>

namespace taleno {

namespace {

using Pattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

const FcChar8* Bytes(const std::string& text) { return reinterpret_cast<const FcChar8*>(text.c_str()); }

std::string StringOf(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    return FcPatternGetString(pattern, object, 0, &value) == FcResultMatch ? reinterpret_cast<const char*>(value)
                                                                           : std::string();
}

// Families fontconfig itself knows without a font of that name, and the
// names Qt's dialog shows for them.
bool IsGenericFamily(const std::string& family) {
    static constexpr std::string_view kGeneric[] = {"sans-serif", "sans serif", "sans",    "serif",
                                                    "monospace",  "mono",       "cursive", "fantasy",
                                                    "system-ui",  "emoji",      "math"};
    return std::any_of(std::begin(kGeneric), std::end(kGeneric),
                       [&](std::string_view generic) { return EqualIgnoringCase(family, generic); });
}

bool IsInstalledFamily(const std::string& family, const std::string& foundry) {
    Pattern wanted(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddString(wanted.get(), FC_FAMILY, Bytes(family));
    if (!foundry.empty()) FcPatternAddString(wanted.get(), FC_FOUNDRY, Bytes(foundry));
    FcObjectSet* fields = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, wanted.get(), fields);
    const bool installed = fonts != nullptr && fonts->nfont > 0;
    if (fonts != nullptr) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(fields);
    return installed;
}

}  // namespace

std::optional<FontFile> FindFontFile(const FontRequest& request) {
    std::string family = request.family;
    std::string foundry;
    if (const auto open = family.rfind(" ["); open != std::string::npos && family.ends_with(']')) {
        foundry = family.substr(open + 2, family.size() - open - 3);
        family.erase(open);
    }
    if (family.empty() || FcInit() != FcTrue || (!IsGenericFamily(family) && !IsInstalledFamily(family, foundry))) {
        return std::nullopt;
    }
    Pattern wanted(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddString(wanted.get(), FC_FAMILY, Bytes(family));
    if (!foundry.empty()) FcPatternAddString(wanted.get(), FC_FOUNDRY, Bytes(foundry));
    if (!request.style.empty()) FcPatternAddString(wanted.get(), FC_STYLE, Bytes(request.style));
    FcPatternAddInteger(wanted.get(), FC_WEIGHT, FcWeightFromOpenType(std::clamp(request.weight, 1, 1000)));
    FcPatternAddInteger(wanted.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(nullptr, wanted.get(), &result), FcPatternDestroy);
    if (!match) return std::nullopt;
    const std::string path = StringOf(match.get(), FC_FILE);
    if (path.empty()) return std::nullopt;
    std::string name = StringOf(match.get(), FC_FULLNAME);
    return FontFile{name.empty() ? StringOf(match.get(), FC_FAMILY) : name, path};
}

std::string EngineFontName(const std::string& storedFont) {
    struct stat info {};
    if (storedFont.empty() || ::stat(storedFont.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return storedFont;
    }
    int count = 0;
    Pattern face(FcFreeTypeQuery(Bytes(storedFont), 0, nullptr, &count), FcPatternDestroy);
    const std::string family = face ? StringOf(face.get(), FC_FAMILY) : std::string();
    if (family.empty()) {
        return storedFont;  // no font: the engine says so in its log
    }
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN, width = FC_WIDTH_NORMAL;
    FcPatternGetInteger(face.get(), FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(face.get(), FC_SLANT, 0, &slant);
    FcPatternGetInteger(face.get(), FC_WIDTH, 0, &width);
    // The regular face goes by its family alone, which every subtitle
    // renderer of the engine reads; another face needs its style.
    const bool regular =
        weight >= FC_WEIGHT_BOOK && weight <= FC_WEIGHT_MEDIUM && slant == FC_SLANT_ROMAN && width == FC_WIDTH_NORMAL;
    Pattern name(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddString(name.get(), FC_FAMILY, Bytes(family));
    if (!regular) FcPatternAddString(name.get(), FC_STYLE, Bytes(StringOf(face.get(), FC_STYLE)));
    FcChar8* text = FcNameUnparse(name.get());
    const std::string unparsed = text != nullptr ? reinterpret_cast<const char*>(text) : family;
    FcStrFree(text);
    return unparsed;
}

}  // namespace taleno
