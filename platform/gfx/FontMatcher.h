#pragma once
// Internal to platform/gfx: font look-up through fontconfig. The main face
// of a font comes from its family name matched without a language, so the
// user's locale cannot change it; Chinese and other missing characters come
// from the fallback list of `sans-serif:lang=zh-cn`, searched per glyph.

#include <fontconfig/fontconfig.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct FaceLocation {
    std::string Path;
    int Index = 0;  // face index inside a collection file
};

struct FaceRequest {
    std::string_view Family;
    bool Bold = false;
    bool Italic = false;
};

class FontMatcher {
public:
    // Loads the current fontconfig configuration into an object of its own.
    // Throws EOutOfResources when fontconfig cannot start.
    FontMatcher();

    // The best installed face; throws EOutOfResources when nothing matches.
    [[nodiscard]] FaceLocation Match(const FaceRequest& request) const;

    // The first fallback font at position from or later that claims cp.
    [[nodiscard]] std::optional<std::size_t> FallbackFor(char32_t cp, std::size_t from);
    [[nodiscard]] const FaceLocation& Fallback(std::size_t position) const { return m_fallbacks[position].Location; }

private:
    struct ConfigDeleter {
        void operator()(FcConfig* c) const { FcConfigDestroy(c); }
    };
    struct FontSetDeleter {
        void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
    };
    struct Candidate {
        FaceLocation Location;
        const FcCharSet* Coverage = nullptr;  // owned by m_sorted
    };

    void LoadFallbacks();

    std::unique_ptr<FcConfig, ConfigDeleter> m_config;
    std::unique_ptr<FcFontSet, FontSetDeleter> m_sorted;  // holds the candidates' patterns
    std::vector<Candidate> m_fallbacks;
    bool m_fallbacksLoaded = false;
};
