#pragma once
// TsuiToolBarSpeedButton: a flat 18 x 18 glyph button for skinned tool
// bars. It fills itself with Color, frames itself with a black line while
// the pointer is over it and draws its Glyph at (1, 1) with the glyph's
// key colour (its bottom-left pixel) left out.

#include "platform/ui/controls/CustomPanel.h"

#include <memory>

class TBitmap;

class TsuiToolBarSpeedButton : public TCustomPanel {
    QZ_DECLARE_CLASS(TsuiToolBarSpeedButton, TCustomPanel)

public:
    static constexpr int kSize = 18;  // pixels, both sides

    explicit TsuiToolBarSpeedButton(TComponent* owner);
    ~TsuiToolBarSpeedButton() override;

    [[nodiscard]] TBitmap* Glyph() const { return m_glyph.get(); }
    // Copies glyph (nullptr empties the glyph).
    void SetGlyph(TBitmap* glyph);
    [[nodiscard]] bool Hot() const { return m_hot; }

    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;

private:
    void SetHot(bool hot);

    std::unique_ptr<TBitmap> m_glyph;
    bool m_hot = false;
};
