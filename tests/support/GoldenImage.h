#pragma once
// Golden images: pixel buffers compared with PNG files under tests/golden/.
//
// To regenerate the goldens on purpose, run the tests with
//     QZ_UPDATE_GOLDEN=1 ./gfx_tests --gtest_filter='*Golden*'   (or ui_tests)
// which writes tests/golden/NAME.png instead of comparing. Look at the new
// files before committing them.

#include "platform/gfx/PixelBuffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

// PNG decoding for tests only; throws EReadError on bad data.
[[nodiscard]] PixelBuffer DecodePngForTest(std::span<const std::uint8_t> png);
[[nodiscard]] PixelBuffer LoadPngForTest(const std::string& path);

// Passes when the buffer equals tests/golden/<name>.png pixel for pixel
// (colour only; goldens are stored as RGB). On a mismatch the actual image
// is saved as <name>.actual.png in the temporary directory.
[[nodiscard]] ::testing::AssertionResult MatchesGolden(const PixelBuffer& actual, const std::string& name);
