#pragma once
// TsuiEditSkin<Base>: what the skinned edit, masked edit and memo share on
// top of the framework's edit windows: UIStyle, FileTheme and BorderColor,
// and a two-pixel frame (BorderColor outside, Color inside) drawn over the
// window's non-client ring after every paint and erase of the platform's
// own. The style sets BorderColor from ControlBorderColor; Color, Font and
// ReadOnly stay as the user set them.

#include "platform/core/Color.h"
#include "platform/ui/base/Component.h"
#include "platform/ui/base/Controls.h"
#include "skin/controls/SUISkinnedControl.h"

template <class Base>
class TsuiEditSkin : public Base {
public:
    static constexpr int kFrameWidth = 2;  // pixels

    explicit TsuiEditSkin(TComponent* owner);

    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_style.Style(); }
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_style.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* fileTheme);
    [[nodiscard]] TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);

    void Dispatch(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // After a style change: the style whose values are in use (FromThemeFile
    // while the file theme answers).
    virtual void StyleResolved(TsuiUIStyle /*resolved*/) {}
    // Before the file theme changes.
    virtual void FileThemeChanging(TsuiFileTheme* /*fileTheme*/) {}

private:
    void DrawFrame();

    TsuiStyleLink m_style{this};
    TColor m_borderColor = clBlack;
};

// The instantiations live in SUIEditSkin.cpp; each user declares its own extern.
