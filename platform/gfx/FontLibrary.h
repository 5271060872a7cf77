#pragma once
// The font system's state: FreeType, the fontconfig configuration, opened
// faces and realised fonts. Tests make their own instances; the program
// uses Default().

#include "platform/gfx/Font.h"
#include "platform/gfx/FontDesc.h"

#include <memory>
#include <string>
#include <string_view>

class FontLibrary {
public:
    // Throws EOutOfResources when FreeType or fontconfig cannot start.
    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // The process-wide instance, made on first use.
    static FontLibrary& Default();

    // The same desc gives the same font while it stays in the bounded
    // cache. A font outlives the library if its holder keeps it.
    // Throws EOutOfResources when no installed face matches.
    [[nodiscard]] std::shared_ptr<const Font> GetFont(const FontDesc& desc);

    // The installed family a font name draws with.
    [[nodiscard]] std::string ResolveFamily(std::string_view name);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
