#pragma once
// Helpers for the graphics-object tests: bitmaps of known pixels, pictures
// of their pixels as text, and the test resource table.

#include "platform/core/Resources.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/ui/graphics/Bitmap.h"
#include "tests/gfx/PainterTestSupport.h"
#include "tests/support/BitmapPictures.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

QZ_DECLARE_RESOURCE_TABLE(UiTestResources);

using bitmaptest::BitmapOf;
using bitmaptest::ColorAt;
using bitmaptest::FilledBitmap;

[[nodiscard]] inline std::string Picture(const TBitmap& bitmap)
{
    return Picture(bitmap.Pixels());
}

// Registers the resources under tests/fixtures/ui-resources.
class UiResourcesTest : public testing::Test {
protected:
    UiResourcesTest() { RegisterResources(UiTestResources()); }
};
