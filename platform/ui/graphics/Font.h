#pragma once
// TFont: the font of a canvas or control. Name, Height, Style, Color,
// Charset and Pitch describe it; Handle gives the HFONT made from them,
// made on first use and made again after any change.
//
// Height < 0 is the em size in pixels, > 0 the cell height. Size is the
// height in points at 96 pixels per inch: Height = -MulDiv(Size, 96, 72),
// so the default Height -11 is Size 8. Published for form descriptions
// ("Font.Name = 'Tahoma'", "Font.Style = [fsBold]", "Font.Color = clRed").

#include "platform/core/Color.h"
#include "platform/ui/graphics/GraphicsObject.h"
#include "platform/win/WinTypes.h"

#include <string>

QZ_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TEnumSet<TFontStyle>;
QZ_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)

// Character sets (LOGFONT lfCharSet) a form description may give.
using TFontCharset = int;
enum : int { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, GB2312_CHARSET = 134 };

class TFont : public TGraphicsObject {
    QZ_DECLARE_CLASS(TFont, TGraphicsObject)
public:
    static constexpr int kPixelsPerInch = 96;
    static constexpr int kDefaultHeight = -11;  // pixels: 8 points

    TFont() = default;
    ~TFont() override;

    [[nodiscard]] const std::string& Name() const { return m_name; }
    void SetName(const std::string& name);
    [[nodiscard]] int Height() const { return m_height; }
    void SetHeight(int height);
    [[nodiscard]] int Size() const;
    void SetSize(int points);
    [[nodiscard]] TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles style);
    [[nodiscard]] TColor Color() const { return m_color; }
    void SetColor(TColor color);
    [[nodiscard]] TFontCharset Charset() const { return m_charset; }
    void SetCharset(TFontCharset charset);
    [[nodiscard]] TFontPitch Pitch() const { return m_pitch; }
    void SetPitch(TFontPitch pitch);

    // The font as a LOGFONT record (the colour is not part of it).
    [[nodiscard]] LOGFONT LogFont() const;
    // Made on first use; owned by the font. Invalid after the next change.
    [[nodiscard]] HFONT Handle() const;
    // Takes over a font handle: the attributes are read from it and the
    // font owns (and later deletes) it. Invalid handles are ignored.
    void SetHandle(HFONT font);

    // Copies every attribute (colour included) of another TFont; fires
    // OnChange once when anything differs.
    void Assign(const TPersistent& source) override;

protected:
    void Changed() override;

private:
    void ReleaseHandle() const;

    std::string m_name = "MS Sans Serif";
    int m_height = kDefaultHeight;
    TFontStyles m_style;
    TColor m_color = clWindowText;
    TFontCharset m_charset = DEFAULT_CHARSET;
    TFontPitch m_pitch = fpDefault;
    mutable HFONT m_handle = nullptr;
};
