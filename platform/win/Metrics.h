#pragma once
// The fixed sizes of the classic look, named once. GetSystemMetrics reports
// them; non-client layout, scroll bars and input use them.

namespace win::metrics {

constexpr int kBorder = 1;           // px, WS_BORDER
constexpr int kEdge = 2;             // px, WS_EX_CLIENTEDGE
constexpr int kStaticEdge = 1;       // px, WS_EX_STATICEDGE
constexpr int kDialogFrame = 3;      // px, WS_DLGFRAME
constexpr int kSizingFrame = 4;      // px, WS_THICKFRAME
constexpr int kScrollBar = 16;       // px, width of a vertical bar, height of a horizontal one
constexpr int kMinThumb = 8;         // px, shortest scroll-bar thumb
constexpr int kCaption = 18;         // px
constexpr int kMenuBar = 18;         // px
constexpr int kIcon = 32;            // px
constexpr int kSmallIcon = 16;       // px
constexpr int kCursor = 32;          // px
constexpr int kDoubleClickArea = 4;  // px, the box a second click must fall in
constexpr int kMinTrackWidth = 112;  // px, smallest window the size loop allows by default
constexpr int kMinTrackHeight = 27;  // px
constexpr int kMenuCheck = 13;       // px
constexpr int kCornerGrip = 16;      // px, how far along an edge a sizing frame counts as a corner
constexpr unsigned kDoubleClickTimeMs = 500;  // ms

}  // namespace win::metrics
