#pragma once
// Caption text of the standard controls: the '&' accelerator of a caption
// (IsAccel) and caption drawing that shows a disabled control's text
// etched, a light copy one pixel down and right under a shadow-coloured one.

#include "platform/core/Rect.h"
#include "platform/win/WinTypes.h"

#include <string_view>

class TCanvas;

// True when caption marks key as its accelerator ("&Open" for 'o' or 'O').
// ASCII letters match without regard to case; "&&" is a literal '&'.
[[nodiscard]] bool IsAccel(char32_t key, std::string_view caption);

// How DrawCaptionText inks the text.
enum class TCaptionInk {
    Normal,  // in the canvas font's colour
    Etched,  // the disabled look
};

// DrawText of caption into rect with format (DT_* flags) in the canvas's
// font, on a clear background; returns what DrawText returns. With
// DT_CALCRECT, rect becomes the rectangle the text needs and nothing is drawn.
int DrawCaptionText(TCanvas& canvas, TRect& rect, std::string_view caption, UINT format,
                    TCaptionInk ink = TCaptionInk::Normal);
