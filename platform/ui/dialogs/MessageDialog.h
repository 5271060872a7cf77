#pragma once
// TMessageDialog: the application's message box, a dialog form built in
// code. It shows an icon (MB_ICONSTOP, MB_ICONQUESTION, MB_ICONWARNING,
// MB_ICONINFORMATION; drawn as simple shapes), the text wrapped to at most
// kMaxTextWidth pixels, and a centred row of buttons for the MB_* button
// set (MB_OK, MB_OKCANCEL, MB_YESNO, MB_YESNOCANCEL, MB_RETRYCANCEL,
// MB_ABORTRETRYIGNORE) with Chinese captions. The button MB_DEFBUTTONn
// names (the first by default) is Default and has the focus, so Enter
// presses it; Escape presses Cancel, or OK when OK is the only button. Box
// sets without such a button (Yes/No, Abort/Retry/Ignore) have no close
// box either. The dialog opens centred in the work area.
//
// ShowMessageBoxDialog builds one, shows it modally and returns the ID* of
// the button chosen; closing an OK box through its close box answers IDOK.

#include "platform/ui/forms/Form.h"

#include <string>
#include <vector>

class TButton;
class TCanvas;
class TLabel;

// The icon a message box shows.
enum class TMessageIcon { None, Stop, Question, Warning, Information };

// The icon of MB_ICON* flags (other bits ignored).
[[nodiscard]] TMessageIcon MessageIconOf(UINT flags);
// Paints icon into the kIconSize square at rect's top-left.
void PaintMessageIcon(TCanvas& canvas, const TRect& rect, TMessageIcon icon);

// Where the dialog puts its parts, in client coordinates.
struct TMessageDialogLayout {
    TRect Icon;                  // empty without an icon
    TRect Text;
    std::vector<TRect> Buttons;  // left to right
    TSize Client;
};
[[nodiscard]] TMessageDialogLayout LayoutMessageDialog(TSize text, bool hasIcon, int buttonCount);

class TMessageDialog : public TForm {
    QZ_DECLARE_CLASS(TMessageDialog, TForm)

public:
    static constexpr int kMargin = 12;          // pixels around the contents
    static constexpr int kIconSize = 32;        // pixels, the icon's side
    static constexpr int kIconTextGap = 12;     // pixels between icon and text
    static constexpr int kRowGap = 14;          // pixels between text and buttons
    static constexpr int kButtonGap = 8;        // pixels between buttons
    static constexpr int kMaxTextWidth = 420;   // pixels before the text wraps
    static constexpr int kMaxTextLength = 4096; // characters shown; the rest is cut

    TMessageDialog(TComponent* owner, const std::string& text, const std::string& caption, UINT flags);

    // Shows the dialog modally; the ID* of the button chosen.
    int Execute();

    [[nodiscard]] TMessageIcon IconKind() const { return m_icon; }
    [[nodiscard]] const TRect& IconRect() const { return m_iconRect; }
    [[nodiscard]] TLabel* TextLabel() const { return m_label; }
    [[nodiscard]] int ButtonCount() const { return int(m_buttons.size()); }
    // Left to right; raises EListError for a bad index.
    [[nodiscard]] TButton* Buttons(int index) const;

protected:
    void Paint() override;

private:
    void CreateButtons(UINT flags);
    // Places text, icon and buttons, and sizes the window to them.
    void ArrangeControls();

    TMessageIcon m_icon = TMessageIcon::None;
    TRect m_iconRect;
    TLabel* m_label = nullptr;          // owned by the form
    std::vector<TButton*> m_buttons;    // owned by the form
    int m_escapeResult = 0;             // the ID* Escape answers, 0 without one
};

// The application's message box: text with caption, buttons and icon as
// MB_* flags say; returns the ID* of the button chosen.
[[nodiscard]] int ShowMessageBoxDialog(const std::string& text, const std::string& caption, UINT flags);
