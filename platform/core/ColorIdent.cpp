#include "platform/core/ColorIdent.h"

#include "platform/core/Exception.h"
#include "platform/core/SysUtils.h"

#include <array>
#include <cstdio>

namespace {

struct ColorName {
    TColor Value;
    std::string_view Name;
};

#define QZ_COLOR(name) ColorName{name, #name}

// Every colour constant of Color.h, by its identifier.
constexpr std::array kColorNames = {
    QZ_COLOR(clBlack),
    QZ_COLOR(clMaroon),
    QZ_COLOR(clGreen),
    QZ_COLOR(clOlive),
    QZ_COLOR(clNavy),
    QZ_COLOR(clPurple),
    QZ_COLOR(clTeal),
    QZ_COLOR(clGray),
    QZ_COLOR(clSilver),
    QZ_COLOR(clRed),
    QZ_COLOR(clLime),
    QZ_COLOR(clYellow),
    QZ_COLOR(clBlue),
    QZ_COLOR(clFuchsia),
    QZ_COLOR(clAqua),
    QZ_COLOR(clWhite),
    QZ_COLOR(clNone),
    QZ_COLOR(clDefault),
    QZ_COLOR(clScrollBar),
    QZ_COLOR(clBackground),
    QZ_COLOR(clActiveCaption),
    QZ_COLOR(clInactiveCaption),
    QZ_COLOR(clMenu),
    QZ_COLOR(clWindow),
    QZ_COLOR(clWindowFrame),
    QZ_COLOR(clMenuText),
    QZ_COLOR(clWindowText),
    QZ_COLOR(clCaptionText),
    QZ_COLOR(clActiveBorder),
    QZ_COLOR(clInactiveBorder),
    QZ_COLOR(clAppWorkSpace),
    QZ_COLOR(clHighlight),
    QZ_COLOR(clHighlightText),
    QZ_COLOR(clBtnFace),
    QZ_COLOR(clBtnShadow),
    QZ_COLOR(clGrayText),
    QZ_COLOR(clBtnText),
    QZ_COLOR(clInactiveCaptionText),
    QZ_COLOR(clBtnHighlight),
    QZ_COLOR(cl3DDkShadow),
    QZ_COLOR(cl3DLight),
    QZ_COLOR(clInfoText),
    QZ_COLOR(clInfoBk),
    QZ_COLOR(clHotLight),
    QZ_COLOR(clGradientActiveCaption),
    QZ_COLOR(clGradientInactiveCaption),
    QZ_COLOR(clMenuHighlight),
    QZ_COLOR(clMenuBar),
};

#undef QZ_COLOR

}  // namespace

std::optional<TColor> IdentToColor(std::string_view ident)
{
    for (const ColorName& c : kColorNames) {
        if (SameText(c.Name, ident)) return c.Value;
    }
    return std::nullopt;
}

std::optional<std::string_view> ColorToIdent(TColor color)
{
    for (const ColorName& c : kColorNames) {
        if (c.Value == color) return c.Name;
    }
    return std::nullopt;
}

std::string ColorToString(TColor color)
{
    if (const std::optional<std::string_view> name = ColorToIdent(color)) return std::string(*name);
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", unsigned(color));
    return text;
}

TColor StringToColor(std::string_view text)
{
    if (const std::optional<TColor> named = IdentToColor(text)) return *named;
    if (const std::optional<int> number = TryStrToInt(text)) return *number;
    throw EConvertError("'" + std::string(text) + "' is not a valid colour");
}
