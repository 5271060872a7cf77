// The sample theme folders: values.txt and the pictures beside it.

#include "platform/core/Exception.h"
#include "tools/skinart/Catalog.h"
#include "tools/skinart/ThemeFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// The 23 elements that are not pictures, in the order of their ids.
const char* const kValueKeys[] = {
    "ButtonTransparentBool",        "TitleBarButtonTransparentBool",  "TitleBarButtonLeftOffsetInt",
    "TitleBarButtonRightOffsetInt", "TitleBarButtonTopInt",           "FormMinWidthInt",
    "FormRoundCornerInt",           "FormBackgroundColor",            "FormBorderColor",
    "FormBorderWidthInt",           "MenuSelectedBorderColor",        "MenuSelectedBackgroundColor",
    "MenuSelectedFontColor",        "MenuBackgroundColor",            "MenuFontColor",
    "MenuBarColor",                 "ControlBorderColor",             "ControlBackgroundColor",
    "ControlFontColor",             "ScrollBarBackgroundColor",       "ToolBarButtonBorderColor",
    "ToolBarButtonBackgroundColor", "ToolBarButtonDownBackgroundColor"};

[[nodiscard]] std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(ThemeValuesTest, OneLinePerValueElementInIdOrder)
{
    for (const Look& look : SampleLooks()) {
        const std::vector<std::string> lines = Lines(ThemeValuesText(look));
        ASSERT_EQ(lines.size(), std::size(kValueKeys)) << look.Name;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(lines[i].starts_with(std::string(kValueKeys[i]) + "=")) << lines[i];
        }
    }
}

TEST(ThemeValuesTest, ValuesTakeTheFormsThePackerReads)
{
    const std::regex integer("-?[0-9]+");
    const std::regex colour("0x[0-9A-F]{6}");
    const std::regex boolean("True|False");
    for (const Look& look : SampleLooks()) {
        for (const std::string& line : Lines(ThemeValuesText(look))) {
            const std::string key = line.substr(0, line.find('='));
            const std::string value = line.substr(line.find('=') + 1);
            const std::regex& form = key.ends_with("Color") ? colour : key.ends_with("Bool") ? boolean : integer;
            EXPECT_TRUE(std::regex_match(value, form)) << line;
        }
    }
}

TEST(ThemeValuesTest, ColoursAreWrittenBlueGreenRed)
{
    const Look& amber = LookNamed("Amber");
    const std::string text = ThemeValuesText(amber);
    char expected[32];
    std::snprintf(expected, sizeof expected, "FormBackgroundColor=0x%02X%02X%02X\n", GetBValue(amber.Background),
                  GetGValue(amber.Background), GetRValue(amber.Background));
    EXPECT_NE(text.find(expected), std::string::npos) << text;
}

TEST(ThemeValuesTest, BuiltInLooksAreNoSampleThemes)
{
    EXPECT_THROW((void)ThemeValuesText(LookNamed("DeepBlue")), EInvalidOperation);
}

TEST(ThemeFolderTest, WritesOnePicturePerElementAndTheValues)
{
    const fs::path folder = fs::temp_directory_path() / ("skinart-theme-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    WriteThemeFolder(LookNamed("Amber"), folder / "Amber");
    std::size_t pictures = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder / "Amber")) {
        if (entry.path().extension() == ".bmp") ++pictures;
    }
    EXPECT_EQ(pictures, BitmapElements().size());
    EXPECT_TRUE(fs::exists(folder / "Amber" / "TitleBarButtonImage.bmp"));
    EXPECT_TRUE(fs::exists(folder / "Amber" / "values.txt"));
    fs::remove_all(folder);
}

}  // namespace
