#include "platform/gfx/FontFaceCache.h"

#include "platform/core/Exception.h"

#include FT_DRIVER_H
#include FT_MODULE_H

namespace {

FreeTypeHandle StartFreeType()
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) throw EOutOfResources("Cannot start FreeType");
    // FREETYPE_PROPERTIES may change these defaults; pin them so that every
    // machine rasterises the same pixels.
    FT_UInt interpreter = TT_INTERPRETER_VERSION_40;
    FT_Property_Set(library, "truetype", "interpreter-version", &interpreter);
    FT_Bool noDarkening = 1;
    FT_Property_Set(library, "autofitter", "no-stem-darkening", &noDarkening);
    return FreeTypeHandle(library, FT_Done_FreeType);
}

}  // namespace

FontFaceCache::FontFaceCache() : m_library(StartFreeType()) {}

std::shared_ptr<FontFace> FontFaceCache::Open(const std::string& path, int index)
{
    auto& face = m_faces[{path, index}];
    if (!face) face = std::make_shared<FontFace>(m_library, path, index);
    return face;
}
