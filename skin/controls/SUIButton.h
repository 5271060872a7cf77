#pragma once
// TsuiButton: the skin's push button, 80 x 27 when new. Its face is one
// frame of the style's ButtonImage strip stretched by nine pieces; the
// style also decides whether the button is transparent (MacOS and
// BlueGlass are, so the parent shows through the face's fuchsia pixels).
// An optional Glyph sits beside the caption as Layout says; a glyph twice
// as wide as high holds an enabled and a disabled frame. The focus shows
// as a dotted rectangle, or for MacOS and BlueGlass as a bold caption.
// AutoSize takes the size of one face frame.

#include "platform/ui/controls/ButtonLayout.h"
#include "skin/controls/SUICustomButton.h"

#include <cstdint>
#include <memory>

class TsuiButton : public TsuiCustomButton {
    QZ_DECLARE_CLASS(TsuiButton, TsuiCustomButton)

public:
    static constexpr int kDefaultWidth = 80;   // pixels
    static constexpr int kDefaultHeight = 27;  // pixels
    static constexpr int kDefaultSpacing = 4;  // pixels
    // The face size AutoSize falls back to when the theme has no face.
    static constexpr int kFallbackWidth = 74;   // pixels
    static constexpr int kFallbackHeight = 21;  // pixels

    explicit TsuiButton(TComponent* owner);
    ~TsuiButton() override;

    [[nodiscard]] TBitmap* Glyph() const { return m_glyph.get(); }
    // Copies glyph (nullptr empties the glyph).
    void SetGlyph(TBitmap* glyph);
    [[nodiscard]] TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    [[nodiscard]] int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    // Kept for form descriptions: always 0, writes are ignored.
    [[nodiscard]] std::int64_t ResHandle() const { return 0; }
    void SetResHandle(std::int64_t /*handle*/) {}

    // The caption's top-left in the last paint that showed the glyph.
    [[nodiscard]] TPoint TextPos() const { return m_textPos; }

protected:
    // An action's picture becomes the glyph while the button has none.
    void ActionChange(TBasicAction* sender, bool checkDefaults) override;
    void AutoSizeChanged() override;
    void UIStyleChanged() override;
    void PaintPic(TCanvas* canvas, TBitmap* face) override;
    void PaintText(TCanvas* canvas, const std::string& text) override;
    void PaintFocus(TCanvas* canvas) override;

private:
    [[nodiscard]] bool ShowsGlyph() const;
    void PaintGlyph(TCanvas* canvas);

    std::unique_ptr<TBitmap> m_glyph;
    TButtonLayout m_layout = blGlyphLeft;
    TPoint m_textPos;
    int m_spacing = kDefaultSpacing;
};
