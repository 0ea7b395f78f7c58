#include "platform/UnifontFile.h"

#include <filesystem>
#include <system_error>

#include <fontconfig/fontconfig.h>

namespace platform {
namespace {

constexpr const char* kFamily = "Unifont";
constexpr const char* kFallbackPaths[] = {
    "/usr/share/fonts/opentype/unifont/unifont.otf",
    "/usr/share/fonts/truetype/unifont/unifont.ttf",
};

// fontconfig answers every family with its best match, which for an unknown family is some
// other font; only a match that carries the family name counts.
bool IsUnifont(FcPattern* match) {
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        if (FcStrCmpIgnoreCase(family, reinterpret_cast<const FcChar8*>(kFamily)) == 0) {
            return true;
        }
    }
    return false;
}

std::string FindWithFontconfig() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) {
        return {};
    }
    std::string path;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFamily));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
        FcChar8* file = nullptr;
        if (IsUnifont(match) && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            path = reinterpret_cast<const char*>(file);
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return path;
}

} // namespace

std::string UnifontFile::Find() {
    std::string path = FindWithFontconfig();
    if (!path.empty()) {
        return path;
    }
    for (const char* candidate : kFallbackPaths) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return {};
}

} // namespace platform
