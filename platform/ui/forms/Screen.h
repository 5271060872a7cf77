#pragma once
// TScreen: the desktop as the framework sees it: its size and work area,
// the cursor, the forms that exist and which of them has the focus. The one
// instance is the global Screen.

#include "platform/ui/base/Component.h"
#include "platform/ui/base/Cursors.h"
#include "platform/win/WinTypes.h"

#include <memory>
#include <vector>

class TCustomForm;
class TFont;
class TWinControl;

class TScreen : public TComponent {
    QZ_DECLARE_CLASS(TScreen, TComponent)

public:
    static constexpr int kPixelsPerInch = 96;
    static constexpr int kCascadeStep = 24;  // pixels between default-placed forms
    static constexpr int kCascadeCount = 8;  // places before the cascade starts over

    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;
    [[nodiscard]] TRect DesktopRect() const;
    [[nodiscard]] TRect WorkAreaRect() const;
    [[nodiscard]] int WorkAreaHeight() const { return WorkAreaRect().Height(); }
    [[nodiscard]] int PixelsPerInch() const { return kPixelsPerInch; }

    // Anything but crDefault overrides every control's cursor.
    [[nodiscard]] TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);
    // The standard cursor a cursor number stands for.
    [[nodiscard]] HCURSOR Cursors(TCursor cursor) const;
    // Counts SetCursor calls, so that a modal loop can tell whether its cursor was changed.
    [[nodiscard]] int CursorCount() const { return m_cursorCount; }

    // Forms in the order they were made.
    [[nodiscard]] int FormCount() const { return int(m_forms.size()); }
    [[nodiscard]] TCustomForm* Forms(int index) const;
    // The form that has the focus and the control in it.
    [[nodiscard]] TCustomForm* ActiveForm() const { return m_activeForm; }
    [[nodiscard]] TWinControl* ActiveControl() const { return m_activeControl; }

    // Where the next form placed by default (poDefault) goes: a cascade from
    // the work area's top-left.
    [[nodiscard]] TPoint NextDefaultFormPlace();

    // The font of menus.
    [[nodiscard]] TFont* MenuFont() const;

private:
    friend class TCustomForm;

    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void LoadSystemFonts() const;

    TCursor m_cursor = crDefault;
    int m_cursorCount = 0;
    std::vector<TCustomForm*> m_forms;
    TCustomForm* m_activeForm = nullptr;
    TWinControl* m_activeControl = nullptr;
    // The form of the focus, and the ones saved by nested modal loops.
    TCustomForm* m_focusedForm = nullptr;
    std::vector<TCustomForm*> m_savedFocusedForms;
    // Raised by each focus change, so a change can tell whether a handler made another.
    int m_focusCount = 0;
    int m_defaultPlaces = 0;  // forms placed by default so far
    mutable std::unique_ptr<TFont> m_menuFont;
};

// The program's screen object; never null.
extern TScreen* Screen;
