#pragma once
// Internal to platform/gfx: what a font needs from its library. Fonts share
// these objects, so a font stays usable after its library is gone.

#include "platform/gfx/FontFaceCache.h"
#include "platform/gfx/FontMatcher.h"

#include <memory>

struct FontSources {
    std::shared_ptr<FontFaceCache> Faces;
    std::shared_ptr<FontMatcher> Matcher;
};
