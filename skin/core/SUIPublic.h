#pragma once
// The skin's shared helpers, called by every skinned control while it paints
// or changes its style: cutting frames out of skin strips, stretching faces
// by nine or three pieces, quarter turns of strips, the parent painted behind
// a control, window shapes from bitmaps, control borders, and small
// geometry helpers. They keep no state; every temporary bitmap or image list
// is freed before the call returns. Null pointers make a call do nothing.
//
// The code is split by topic:
//   SUIPublicStrip.cpp      SpitBitmap, SpitDrawHorizontal, TileDraw, the RoundPicture family
//   SUIPublicSpitDraw.cpp   SpitDraw (its geometry is SpitDrawLayout.h)
//   SUIPublicWindow.cpp     DoTrans, SetWinControlTransparent, DrawControlBorder, SetBitmapWindow, FormHasFocus
//   SUIPublicUtils.cpp      InRect, GetWorkAreaRect, PlaceControl, PCharToStr, IsHasProperty, IsWin95

#include "platform/core/Color.h"
#include "platform/core/Rect.h"
#include "platform/win/WinTypes.h"

#include <string>

class TBitmap;
class TCanvas;
class TComponent;
class TControl;
class TCustomForm;
class TPicture;
class TWinControl;
struct OSVERSIONINFO;

// The key colour of stretched faces: its pixels are left out.
inline constexpr TColor kSkinKeyColor = clFuchsia;

// --- strips and faces --------------------------------------------------------
// dest becomes frame index (1 = leftmost) of count equal-width frames of
// source, as high as source; columns left over at the right are never used.
// An index outside 1..count leaves dest empty (0 x 0). count < 1 raises
// EInvalidOperation.
void SpitBitmap(TBitmap* source, TBitmap* dest, int count, int index);
// Nine-piece stretch of face into rect (a client rectangle: Left and Top 0):
// corners at their size, edges and centre stretched. Fuchsia pixels of the
// edges and centre are never drawn, those of the corners only when
// transparent is false.
void SpitDraw(TBitmap* face, TCanvas* canvas, const TRect& rect, bool transparent);
// Three-piece horizontal stretch: the left and right thirds at their size,
// the middle third stretched between them. The caps leave out the colour of
// pixel (0, 0) when transparent, fuchsia otherwise; the middle is opaque.
void SpitDrawHorizontal(TBitmap* bitmap, TCanvas* canvas, const TRect& rect, bool transparent);
// Tiles the picture from (0, 0) over the size of rect; the canvas clips.
void TileDraw(TCanvas* canvas, TPicture* picture, const TRect& rect);
// Quarter turn counter-clockwise: the top row becomes the left column, read upward.
void RoundPicture(TBitmap* bitmap);
// Mirror top to bottom (the size stays).
void RoundPicture2(TBitmap* bitmap);
// Quarter turn clockwise: the bottom row becomes the left column, read downward.
void RoundPicture3(TBitmap* bitmap);

// --- windows and controls -------------------------------------------------------
// Paints control's parent (erase, then paint) into canvas so that the
// parent's client area lines up with the control's area: the look of
// transparency in an off-screen bitmap of the control's size.
void DoTrans(TCanvas* canvas, TWinControl* control);
// Drops csOpaque and adds WS_EX_TRANSPARENT to the control's window.
void SetWinControlTransparent(TWinControl* control);
// Frames the control's whole window: one pixel of outerColor, one of innerColor inside it.
void DrawControlBorder(TWinControl* control, TColor outerColor, TColor innerColor);
// Shapes the window to the bitmap's pixels other than transColor.
void SetBitmapWindow(HWND window, TBitmap* bitmap, TColor transColor);
// Whether form shows as focused: never while another program is active;
// always for nullptr and the main form; the active MDI child of an MDI
// main form; otherwise the form's own Active flag.
[[nodiscard]] bool FormHasFocus(TCustomForm* form);
// The component's class publishes a property of that name.
[[nodiscard]] bool IsHasProperty(TComponent* component, const std::string& propertyName);

// --- geometry and small helpers -----------------------------------------------------
// Inclusive on all four sides: Right and Bottom count as inside.
[[nodiscard]] bool InRect(const TPoint& point, const TRect& rect);
[[nodiscard]] bool InRect(int x, int y, const TRect& rect);
// The desktop less the task bar.
[[nodiscard]] TRect GetWorkAreaRect();
// Left, then Top.
void PlaceControl(TControl* control, const TPoint& point);
// Left, Top, Width, Height in that order.
void PlaceControl(TControl* control, const TRect& rect);
// The characters up to the terminating zero; "" for nullptr.
[[nodiscard]] std::string PCharToStr(const char* p);
// Taken once at start-up: the system is of the Windows 95/98 family (never
// on this platform).
[[nodiscard]] bool IsWin95();
// The rule IsWin95 applies to the system's version information.
[[nodiscard]] bool IsWin95Version(const OSVERSIONINFO& version);
