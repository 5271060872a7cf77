#include "tools/skinart/ThemeFolder.h"

#include "platform/core/Exception.h"
#include "tools/skinart/ArtColor.h"
#include "tools/skinart/ArtFiles.h"
#include "tools/skinart/Catalog.h"

#include <cstdio>
#include <functional>

namespace {

// Values of a sample theme that no picture is drawn from.
struct ThemeNumbers {
    std::string_view LookName;
    int FormMinWidth = 130;  // pixels
    TColor MenuBackground = clWhite;
    TColor MenuFont = clBlack;
    TColor MenuBar = clSilver;
    TColor ControlFont = clBlack;
};

const ThemeNumbers kThemeNumbers[] = {
    {"Amber", 150, RGB(255, 250, 240), RGB(40, 24, 8), RGB(240, 226, 200), RGB(110, 56, 10)},
    {"Graphite", 140, RGB(238, 239, 242), RGB(30, 31, 36), RGB(188, 190, 196), RGB(40, 42, 48)},
};

[[nodiscard]] const ThemeNumbers& NumbersOf(const Look& look)
{
    for (const ThemeNumbers& numbers : kThemeNumbers) {
        if (numbers.LookName == look.Name) return numbers;
    }
    throw EInvalidOperation("No theme values for " + std::string(look.Name));
}

[[nodiscard]] std::string Int(int value)
{
    return std::to_string(value);
}

[[nodiscard]] std::string Colour(TColor value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", unsigned(value) & 0xFFFFFFu);
    return text;
}

[[nodiscard]] std::string Bool(bool value)
{
    return value ? "True" : "False";
}

using ValueOf = std::function<std::string(const Look&, const ThemeNumbers&)>;

struct ThemeValue {
    std::string_view Key;
    ValueOf Value;
};

// Every element that is not a bitmap, in the order of the element ids.
const ThemeValue kValues[] = {
    {"ButtonTransparentBool", [](const Look& l, const ThemeNumbers&) { return Bool(l.ButtonKeying == Keying::Keyed); }},
    {"TitleBarButtonTransparentBool",
     [](const Look& l, const ThemeNumbers&) { return Bool(l.Title.ButtonKeying == Keying::Keyed); }},
    {"TitleBarButtonLeftOffsetInt", [](const Look& l, const ThemeNumbers&) { return Int(l.Title.LeftOffset); }},
    {"TitleBarButtonRightOffsetInt", [](const Look& l, const ThemeNumbers&) { return Int(l.Title.RightOffset); }},
    {"TitleBarButtonTopInt", [](const Look& l, const ThemeNumbers&) { return Int(l.Title.ButtonTop); }},
    {"FormMinWidthInt", [](const Look&, const ThemeNumbers& n) { return Int(n.FormMinWidth); }},
    {"FormRoundCornerInt", [](const Look& l, const ThemeNumbers&) { return Int(l.Title.RoundCorner); }},
    {"FormBackgroundColor", [](const Look& l, const ThemeNumbers&) { return Colour(l.Background); }},
    {"FormBorderColor", [](const Look& l, const ThemeNumbers&) { return Colour(l.Border); }},
    {"FormBorderWidthInt", [](const Look& l, const ThemeNumbers&) { return Int(l.BorderWidth); }},
    {"MenuSelectedBorderColor", [](const Look& l, const ThemeNumbers&) { return Colour(Darken(l.Accent, 0.2)); }},
    {"MenuSelectedBackgroundColor", [](const Look& l, const ThemeNumbers&) { return Colour(l.Accent); }},
    {"MenuSelectedFontColor", [](const Look&, const ThemeNumbers&) { return Colour(clWhite); }},
    {"MenuBackgroundColor", [](const Look&, const ThemeNumbers& n) { return Colour(n.MenuBackground); }},
    {"MenuFontColor", [](const Look&, const ThemeNumbers& n) { return Colour(n.MenuFont); }},
    {"MenuBarColor", [](const Look&, const ThemeNumbers& n) { return Colour(n.MenuBar); }},
    {"ControlBorderColor", [](const Look& l, const ThemeNumbers&) { return Colour(l.ControlBorder); }},
    {"ControlBackgroundColor", [](const Look& l, const ThemeNumbers&) { return Colour(l.Background); }},
    {"ControlFontColor", [](const Look&, const ThemeNumbers& n) { return Colour(n.ControlFont); }},
    {"ScrollBarBackgroundColor", [](const Look& l, const ThemeNumbers&) { return Colour(l.Track); }},
    {"ToolBarButtonBorderColor", [](const Look& l, const ThemeNumbers&) { return Colour(l.Edge); }},
    {"ToolBarButtonBackgroundColor", [](const Look& l, const ThemeNumbers&) { return Colour(Lighten(l.Face, 0.4)); }},
    {"ToolBarButtonDownBackgroundColor",
     [](const Look& l, const ThemeNumbers&) { return Colour(Mix(l.Face, l.Accent, 0.3)); }},
};

}  // namespace

std::string ThemeValuesText(const Look& look)
{
    const ThemeNumbers& numbers = NumbersOf(look);
    std::string text;
    for (const ThemeValue& value : kValues) {
        text += std::string(value.Key) + "=" + value.Value(look, numbers) + "\n";
    }
    return text;
}

void WriteThemeFolder(const Look& look, const std::filesystem::path& folder)
{
    const std::string values = ThemeValuesText(look);
    MakeFolder(folder);
    for (const ArtPiece& piece : ElementPieces(look)) WriteBmpFile(piece.Render(), folder / (piece.Name + ".bmp"));
    WriteTextFile(values, folder / "values.txt");
}
