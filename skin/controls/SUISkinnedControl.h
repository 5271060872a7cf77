#pragma once
// What every skinned control shares besides the theme seam: the link to its
// style and file theme (the style contract of ThemeUse.h), and the published
// properties of that contract.
//
// Properties without behaviour on this platform are left out of every
// skinned class: bidirectional mode (BiDiMode, ParentBiDiMode), the 3-D look
// (Ctl3D, ParentCtl3D), input-method names (ImeMode, ImeName), the drag and
// dock properties and events, and OnContextPopup. A form description that
// sets one of them is refused with the reader's "Property ... does not
// exist" error instead of storing a value that would silently do nothing.
// Include only from .cpp files (it brings in ClassBuilder.h).

#include "platform/core/ClassBuilder.h"
#include "platform/ui/base/Component.h"
#include "skin/core/FileTheme.h"
#include "skin/core/UIStyle.h"

// A skinned control's UIStyle and its FileTheme (owned by the form, not by
// the control). The control stays told of the file theme's removal so that
// it can fall back to DeepBlue.
class TsuiStyleLink {
public:
    explicit TsuiStyleLink(TComponent* control) : m_control(control) {}

    [[nodiscard]] TsuiUIStyle Style() const { return m_style; }
    void SetStyle(TsuiUIStyle style) { m_style = style; }
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_fileTheme; }
    void SetFileTheme(TsuiFileTheme* fileTheme)
    {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(m_control);
        m_fileTheme = fileTheme;
        if (m_fileTheme) m_fileTheme->FreeNotification(m_control);
    }
    // True when component was the file theme: the link forgot it and the
    // control now falls back to DeepBlue.
    [[nodiscard]] bool Removed(const TComponent* component)
    {
        if (!component || component != m_fileTheme) return false;
        m_fileTheme = nullptr;
        return true;
    }

private:
    TComponent* m_control;
    TsuiUIStyle m_style = DeepBlue;
    TsuiFileTheme* m_fileTheme = nullptr;
};

// UIStyle and FileTheme under exactly these names; T has UIStyle/SetUIStyle
// and FileTheme/SetFileTheme.
template <class T>
void PublishSkinStyle(TClassBuilder<T>& c)
{
    c.Reference("FileTheme", &T::FileTheme, &T::SetFileTheme);
    c.Property("UIStyle", &T::UIStyle, &T::SetUIStyle);
}
