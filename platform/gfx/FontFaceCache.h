#pragma once
// Internal to platform/gfx: the FreeType library and every face opened from
// it, shared by the fonts that draw with them. Faces come only from fonts
// fontconfig lists, so the cache is bounded by what is installed.

#include "platform/gfx/FontFace.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

class FontFaceCache {
public:
    // Throws EOutOfResources when FreeType cannot start.
    FontFaceCache();

    // Throws EOutOfResources when the face cannot be opened.
    [[nodiscard]] std::shared_ptr<FontFace> Open(const std::string& path, int index);

private:
    FreeTypeHandle m_library;
    std::map<std::pair<std::string, int>, std::shared_ptr<FontFace>> m_faces;
};
