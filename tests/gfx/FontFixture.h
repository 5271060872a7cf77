#pragma once
// A fresh font library per test, and the fonts the application uses.

#include "platform/gfx/Font.h"
#include "platform/gfx/FontLibrary.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class FontFixture : public ::testing::Test {
protected:
    [[nodiscard]] std::shared_ptr<const Font> FontOf(const FontDesc& desc) { return m_fonts.GetFont(desc); }
    [[nodiscard]] std::shared_ptr<const Font> DialogFont() { return FontOf({.Name = "MS Sans Serif", .Height = -11}); }

    FontLibrary m_fonts;
};

// The code points of a run, for comparing lines with expected text.
[[nodiscard]] inline std::u32string TextOf(const auto& run)
{
    std::u32string text;
    for (const auto& item : run.Items) text.push_back(item.CodePoint);
    return text;
}
