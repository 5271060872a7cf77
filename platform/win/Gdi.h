#pragma once
// The drawing calls, named and behaving as the classic desktop's: drawing
// objects (pens, brushes, fonts, bitmaps, regions) behind handles, device
// contexts with a saved-state stack, and the drawing, blitting and text
// calls on them. Pixels are drawn by platform/gfx (Painter, the text
// engine); this layer adds handles, device contexts and the classic calls.
//
// Index
//   constants
//   object records (LOGPEN, LOGBRUSH)
//   drawing objects: stock objects, pens, brushes, fonts, bitmaps, deleting
//   regions
//   device contexts: creation, selection, saved states
//   coordinates
//   clipping
//   attributes and device capabilities
//   pixels, lines and shapes
//   rectangle fills and frames
//   blits
//   text
//   edges and frame controls
//   images
//   access for the window system and the framework
//
// Handles. Drawing objects and device contexts live in one process-wide
// table (classic handles are process-wide too). Handle values are never
// reused, so a stale handle is simply invalid, and they all lie above any
// (COLOR_* + 1) value, so such values can stand in for brushes.
//
// Deleting. DeleteObject of an object that is selected into a context
// succeeds at once: the handle becomes invalid for every later call, while
// the contexts holding the object keep drawing with it until they select
// something else (or restore a state without it, or are deleted); then it
// is freed. Selecting a deleted handle again fails, so restore selections
// before deleting. Stock objects are never deleted; DeleteObject ignores
// them and reports success, as classically.
//
// Colours. COLORREF values are 0x00BBGGRR; a system-colour TColor passed
// as a COLORREF is resolved through GetSysColor.

#include "platform/gfx/DrawTextFlags.h"
#include "platform/gfx/Painter.h"  // CLR_INVALID, ALTERNATE/WINDING, TRANSPARENT/OPAQUE, raster codes, region kinds
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class Font;

// --- constants -------------------------------------------------------------

// Stock objects (GetStockObject).
enum : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = NULL_BRUSH,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    SYSTEM_FONT = 13,
    DEFAULT_GUI_FONT = 17,
    DC_BRUSH = 18,  // a solid brush of the context's SetDCBrushColor colour
    DC_PEN = 19,    // a solid pen of the context's SetDCPenColor colour
};

// Object types (GetObjectType, GetCurrentObject).
enum : UINT {
    OBJ_PEN = 1,
    OBJ_BRUSH = 2,
    OBJ_DC = 3,
    OBJ_FONT = 6,
    OBJ_BITMAP = 7,
    OBJ_REGION = 8,
    OBJ_MEMDC = 10,
};

// Pen styles; the numbers match TPenStyle's order.
enum : int {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
};

// Brush styles and hatches.
enum : UINT { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = BS_NULL, BS_HATCHED = 2, BS_PATTERN = 3 };
enum : int {
    HS_HORIZONTAL = 0,  // -----
    HS_VERTICAL = 1,    // |||||
    HS_FDIAGONAL = 2,   // \\\\\ (as bsFDiagonal draws it)
    HS_BDIAGONAL = 3,   // /////
    HS_CROSS = 4,       // +++++
    HS_DIAGCROSS = 5,   // xxxxx
};

// Font weights.
enum : LONG { FW_NORMAL = 400, FW_SEMIBOLD = 600, FW_BOLD = 700 };

// Text alignment (SetTextAlign): one horizontal and one vertical choice.
enum : UINT {
    TA_NOUPDATECP = 0,
    TA_UPDATECP = 1,  // draw at the current position and move it
    TA_LEFT = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_TOP = 0,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};
constexpr UINT GDI_ERROR = 0xFFFFFFFFu;

// ExtTextOut options.
enum : UINT { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

// GetDeviceCaps indices.
enum : int {
    HORZRES = 8,
    VERTRES = 10,
    BITSPIXEL = 12,
    PLANES = 14,
    NUMCOLORS = 24,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
};

// Stretch modes: accepted and reported; stretching is always nearest neighbour.
enum : int { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };

// DrawEdge: borders, edges and sides.
enum : UINT {
    BDR_RAISEDOUTER = 0x0001,
    BDR_SUNKENOUTER = 0x0002,
    BDR_RAISEDINNER = 0x0004,
    BDR_SUNKENINNER = 0x0008,
    BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER,
    BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER,
    BDR_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    BDR_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
};
enum : UINT {
    BF_LEFT = 0x0001,
    BF_TOP = 0x0002,
    BF_RIGHT = 0x0004,
    BF_BOTTOM = 0x0008,
    BF_TOPLEFT = BF_TOP | BF_LEFT,
    BF_TOPRIGHT = BF_TOP | BF_RIGHT,
    BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT,
    BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
    BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
    BF_DIAGONAL = 0x0010,  // not drawn: DrawEdge fails
    BF_MIDDLE = 0x0800,    // fill the inside
    BF_SOFT = 0x1000,      // lighter outer top-left on raised edges, darker on sunken ones
    BF_ADJUST = 0x2000,    // shrink the rectangle by what was drawn
    BF_FLAT = 0x4000,
    BF_MONO = 0x8000,
};

// DrawFrameControl: kinds, parts and states.
enum : UINT { DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4 };
enum : UINT {
    DFCS_CAPTIONCLOSE = 0x0000,
    DFCS_CAPTIONMIN = 0x0001,
    DFCS_CAPTIONMAX = 0x0002,
    DFCS_CAPTIONRESTORE = 0x0003,
    DFCS_MENUARROW = 0x0000,
    DFCS_MENUCHECK = 0x0001,
    DFCS_MENUBULLET = 0x0002,
    DFCS_SCROLLUP = 0x0000,
    DFCS_SCROLLDOWN = 0x0001,
    DFCS_SCROLLLEFT = 0x0002,
    DFCS_SCROLLRIGHT = 0x0003,
    DFCS_SCROLLCOMBOBOX = 0x0005,
    DFCS_BUTTONCHECK = 0x0000,
    DFCS_BUTTONRADIO = 0x0004,
    DFCS_BUTTON3STATE = 0x0008,
    DFCS_BUTTONPUSH = 0x0010,
    DFCS_INACTIVE = 0x0100,
    DFCS_PUSHED = 0x0200,
    DFCS_CHECKED = 0x0400,
    DFCS_TRANSPARENT = 0x0800,  // leave the inside of check and radio boxes alone
    DFCS_HOT = 0x1000,          // accepted; drawn as the normal state
    DFCS_ADJUSTRECT = 0x2000,   // framed parts: shrink the rectangle to the face
    DFCS_FLAT = 0x4000,
    DFCS_MONO = 0x8000,
};

// --- object records --------------------------------------------------------

struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    POINT lopnWidth;  // X is the width; Y is unused
    COLORREF lopnColor = 0;
};

struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    std::uintptr_t lbHatch = 0;  // HS_* for hatched brushes
};

// --- drawing objects ---------------------------------------------------------

// Unknown indices give nullptr.
HGDIOBJ GetStockObject(int index);
// One brush per system colour; like stock objects they are never deleted.
HBRUSH GetSysColorBrush(int index);

// Unknown styles give nullptr. Width 0 and 1 both draw one pixel wide.
HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN& pen);
HBRUSH CreateSolidBrush(COLORREF color);
// The hatch lines in color; the gaps in the context's background colour
// unless the background mode is TRANSPARENT. Unknown hatches give nullptr.
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
// Tiles a copy of the bitmap (an 8 x 8 one gives the classic pattern brush)
// from the context's brush origin. nullptr for an invalid or empty bitmap.
HBRUSH CreatePatternBrush(HBITMAP bitmap);

// A font of the text engine. The face name goes through the engine's alias
// table ("MS Sans Serif", "Tahoma", "宋体" ...); an empty name is the
// engine's default. lfHeight < 0 is the em size, > 0 the cell height;
// lfWeight >= FW_SEMIBOLD is bold. The face is looked up when text is first
// measured or drawn; the text engine throws EOutOfResources when no
// installed face matches at all.
HFONT CreateFontIndirect(const LOGFONT& font);

// Every bitmap holds 32-bit pixels, whatever bitsPerPixel says. bits, when
// given, are rows of bitsPerPixel 1 (1 = white, rows padded to 16 bits) or
// 32 (0x00RRGGBB words, rows top-down); other depths leave the bitmap black.
// A zero width or height gives an empty bitmap; negative sizes and sizes
// beyond PixelBuffer's limits give nullptr.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
// A black 32-bit bitmap; dc may be nullptr.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

// False for invalid handles.
bool DeleteObject(HGDIOBJ object);
// OBJ_* for a live object or context, 0 otherwise.
UINT GetObjectType(HGDIOBJ object);
UINT GetObjectType(HDC dc);
// Fill in the record of an object of that kind; false when the handle is
// invalid or of another kind.
bool GetObject(HPEN pen, LOGPEN& out);
bool GetObject(HBRUSH brush, LOGBRUSH& out);
bool GetObject(HFONT font, LOGFONT& out);
bool GetObject(HBITMAP bitmap, BITMAP& out);  // bmBitsPixel is always 32

// --- regions -----------------------------------------------------------------
// Region calls return the region's kind (NULLREGION, SIMPLEREGION,
// COMPLEXREGION) or RGN_ERROR (0) for invalid handles or modes.

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT& rect);
// Covers (left, top) up to (right - 1, bottom - 1) with rounded corners; see
// Region::CreateRoundRectRgn.
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
// dst := a op b (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF) or a (RGN_COPY, b may
// be nullptr). dst may be a or b.
int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode);
bool SetRectRgn(HRGN region, int left, int top, int right, int bottom);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, RECT& box);
bool PtInRegion(HRGN region, int x, int y);
bool RectInRegion(HRGN region, const RECT& rect);  // any pixel of rect in the region
bool EqualRgn(HRGN a, HRGN b);
// Regions given to these are in logical coordinates of dc.
bool FillRgn(HDC dc, HRGN region, HBRUSH brush);
bool PaintRgn(HDC dc, HRGN region);  // with the selected brush
// The pixels of the region within width columns of its left and right
// edges and height rows of its top and bottom edges.
bool FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
bool InvertRgn(HDC dc, HRGN region);

// --- device contexts ---------------------------------------------------------

// A memory context drawing into the bitmap selected into it; it starts with
// a shared 1 x 1 default bitmap, black pen, white brush and SYSTEM_FONT.
// dc may be nullptr; nothing is taken from it.
HDC CreateCompatibleDC(HDC dc);
// Memory contexts only; window contexts go back with ReleaseDC or EndPaint.
bool DeleteDC(HDC dc);
// Returns the previously selected object of the same kind, or nullptr when
// the context or object is invalid. Bitmaps can be selected into memory
// contexts only (the context then draws into them); a bitmap may be
// selected into several memory contexts at once. A region is copied as the
// clip region (SelectClipRgn) and the region kind is returned in place of
// a handle.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// OBJ_PEN, OBJ_BRUSH, OBJ_FONT or OBJ_BITMAP; nullptr otherwise.
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
// Pushes everything: selections (the bitmap too), origins, the current
// position, the clip region and the attributes. Returns the new depth
// (1 after the first save), 0 on failure.
int SaveDC(HDC dc);
// level > 0 returns to the state saved at that depth, level < 0 counts back
// from the latest save (-1). False for a bad level.
bool RestoreDC(HDC dc, int level);

// --- coordinates -----------------------------------------------------------------
// Device = logical + viewport origin. Window and memory contexts have their
// device (0, 0) at the top-left of what they draw on.

bool GetViewportOrgEx(HDC dc, POINT& origin);
bool SetViewportOrgEx(HDC dc, int x, int y, POINT* previous = nullptr);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous = nullptr);
// The brush origin is in device coordinates.
bool SetBrushOrgEx(HDC dc, int x, int y, POINT* previous = nullptr);
bool GetCurrentPositionEx(HDC dc, POINT& position);

// --- clipping --------------------------------------------------------------------
// The clip region is kept in device coordinates; drawing is also always
// limited to what the context may draw on (the visible part of a window,
// the bitmap of a memory context). Without a clip region the whole of that
// is drawn on. Calls return the kind of what can be drawn on afterwards,
// or RGN_ERROR.

int SelectClipRgn(HDC dc, HRGN region);  // copied; device coordinates; nullptr removes the clip
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);  // region nullptr only with RGN_COPY
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);  // logical
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);    // logical
int OffsetClipRgn(HDC dc, int dx, int dy);                                // logical units
// The bounds of what can be drawn on, logical.
int GetClipBox(HDC dc, RECT& box);
// 1 and a copy of the clip region (device coordinates), 0 without one, -1
// for invalid handles.
int GetClipRgn(HDC dc, HRGN copyInto);
bool PtVisible(HDC dc, int x, int y);
bool RectVisible(HDC dc, const RECT& rect);

// --- attributes and device capabilities ---------------------------------------
// The setters return the previous value; CLR_INVALID, 0 or GDI_ERROR for an
// invalid context or value.

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);  // TRANSPARENT or OPAQUE
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int rop2);  // R2_*: pens and the insides of shapes
int GetROP2(HDC dc);
int SetPolyFillMode(HDC dc, int mode);  // ALTERNATE or WINDING
int SetStretchBltMode(HDC dc, int mode);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
COLORREF SetDCBrushColor(HDC dc, COLORREF color);
COLORREF SetDCPenColor(HDC dc, COLORREF color);
// LOGPIXELSX/Y 96, BITSPIXEL 32, PLANES 1, NUMCOLORS -1; HORZRES/VERTRES the
// size of the memory context's bitmap, or for a window or screen context
// the extent of what it draws on (from device (0, 0)). 0 otherwise.
int GetDeviceCaps(HDC dc, int index);

// --- pixels, lines and shapes --------------------------------------------------
// Logical coordinates. Rectangles leave out their right column and bottom
// row; lines leave out their end point. Lines and shape insides follow the
// context's ROP2 mode.

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);  // the colour set, or CLR_INVALID when clipped
COLORREF GetPixel(HDC dc, int x, int y);                  // CLR_INVALID (as COLORREF) outside the clip
bool MoveToEx(HDC dc, int x, int y, POINT* previous = nullptr);
bool LineTo(HDC dc, int x, int y);
bool Polyline(HDC dc, std::span<const POINT> points);    // leaves the current position alone
bool PolylineTo(HDC dc, std::span<const POINT> points);  // from the current position; moves it
// Filled with the brush by the poly-fill mode, outlined with the pen.
bool Polygon(HDC dc, std::span<const POINT> points);
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
bool Ellipse(HDC dc, int left, int top, int right, int bottom);

// --- rectangle fills and frames ----------------------------------------------------
// brush may be a brush handle or (COLOR_* + 1). They ignore the ROP2 mode.

bool FillRect(HDC dc, const RECT& rect, HBRUSH brush);
bool FrameRect(HDC dc, const RECT& rect, HBRUSH brush);  // one pixel just inside rect
bool InvertRect(HDC dc, const RECT& rect);
// The dotted frame (XOR, aligned to the brush origin): drawing it twice
// restores the pixels.
bool DrawFocusRect(HDC dc, const RECT& rect);

// --- blits --------------------------------------------------------------------------
// Source positions are logical coordinates of the source context; the
// source's clip region does not apply. Source and destination may be the
// same context: overlapping copies read the pixels as they were. A
// surface context with several targets reads from the first whose visible
// part holds the source rectangle's top-left. Source pixels outside the
// source leave their destination pixels alone.

bool PatBlt(HDC dc, int x, int y, int width, int height, TRop3 rop);  // with the selected brush
bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, TRop3 rop);
// Nearest neighbour; negative extents mirror.
bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sWidth, int sHeight,
                TRop3 rop);
// A stretched copy leaving out source pixels of the key colour.
bool TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sWidth, int sHeight,
                    COLORREF key);

// Copies source pixels where the mask bitmap is black (mask position
// (mx, my) matches the destination's top-left); other mask pixels, and
// pixels beyond the mask, leave the destination alone. For image lists.
bool MaskedBitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, HBITMAP mask, int mx,
                  int my);

// --- text ------------------------------------------------------------------------------
// UTF-8 text in the selected font and text colour. In OPAQUE background mode
// the text cells are filled with the background colour first.

// At (x, y) as the text alignment says (TA_UPDATECP: at the current
// position, which then moves past the text).
bool TextOut(HDC dc, int x, int y, std::string_view text);
// ETO_OPAQUE fills rect with the background colour first; ETO_CLIPPED
// keeps the text inside rect. rect may be nullptr without those options.
bool ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, std::string_view text);
// count is in bytes (-1 for all of text) and never splits a character.
// Returns the height of the text (see DrawTextResult); with DT_CALCRECT
// nothing is drawn and rect becomes the rectangle the text needs. 0 on
// failure.
int DrawText(HDC dc, std::string_view text, int count, RECT& rect, UINT format);
// The width of the text and the font's cell height.
bool GetTextExtentPoint32(HDC dc, std::string_view text, SIZE& size);
bool GetTextMetrics(HDC dc, TEXTMETRIC& metrics);
// The face name of the selected font as it was asked for ("Tahoma").
std::string GetTextFace(HDC dc);

// --- edges and frame controls ------------------------------------------------------
// The classic light-grey look in system colours. Outer borders take the
// rectangle's outermost pixels, inner ones the next; top and left lines are
// drawn first, so the top-right and bottom-left corners take the bottom and
// right colour. Returns false for invalid contexts and unsupported parts.

bool DrawEdge(HDC dc, RECT& rect, UINT edge, UINT flags);
// Buttons (push, check, radio, 3-state), scroll-bar and combo-box arrows,
// caption buttons (close, minimise, maximise, restore) and menu glyphs
// (arrow, check, bullet). Glyphs are our own pixel shapes in COLOR_BTNTEXT
// (menu glyphs in COLOR_MENUTEXT, on a transparent background), etched in
// grey when DFCS_INACTIVE and moved one pixel down and right when pushed.
// Check and radio boxes are squares of the rectangle's smaller side,
// centred.
bool DrawFrameControl(HDC dc, RECT& rect, UINT type, UINT state);

// --- images ------------------------------------------------------------------------------

// Decodes a BMP file held in memory into a new bitmap. Throws what
// DecodeBmp throws (EInvalidGraphic, EReadError) for files it refuses.
HBITMAP LoadBmpImage(std::span<const std::uint8_t> bytes);
enum class ImageFileFormat { Bmp, Png };
// A BMP (24-bit) or PNG (RGB) file of the bitmap. Throws EInvalidOperation
// for an invalid handle and what the encoders throw (an empty bitmap).
std::vector<std::uint8_t> EncodeBitmapImage(HBITMAP bitmap, ImageFileFormat format);

// --- access for the window system and the framework --------------------------------

// A new bitmap holding the given pixels; nullptr when the size is beyond
// PixelBuffer's limits.
HBITMAP CreateBitmapFromPixels(PixelBuffer pixels);
// The pixels of a bitmap, for direct reading and writing (nullptr for an
// invalid handle). Contexts with the bitmap selected draw into the same
// pixels; do not keep the pointer past DeleteObject.
PixelBuffer* BitmapPixels(HBITMAP bitmap);
// The region behind a handle, nullptr for invalid handles.
const Region* RegionOf(HRGN region);
HRGN CreateRegionHandle(Region region);
// Replaces the region behind a handle; the new kind, or RGN_ERROR.
int AssignRegion(HRGN handle, Region region);
// The text engine's font behind a font handle (looked up now), nullptr for
// invalid handles.
std::shared_ptr<const Font> FontOf(HFONT font);
