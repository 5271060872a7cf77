#include "platform/ui/lists/DriveComboBoxIcons.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Pen.h"

namespace {

constexpr TColor kOutline = TColor(0x404040);
constexpr TColor kDiskBody = TColor(0xC8C8C8);
constexpr TColor kDiskTop = TColor(0xF0F0F0);
constexpr TColor kLight = clLime;
constexpr TColor kStickBody = TColor(0xB07030);   // blue
constexpr TColor kStickPlug = TColor(0xD8D8D8);
constexpr TColor kCable = TColor(0x206020);       // dark green
constexpr TColor kRoof = TColor(0x2040B0);        // brick red
constexpr TColor kWall = TColor(0xD0ECF8);        // cream
constexpr TColor kDoor = TColor(0x205080);        // brown

// A filled rectangle with a one-pixel outline; r is relative to the icon.
void Box(TCanvas& canvas, TPoint origin, TRect r, TColor fill)
{
    canvas.Pen()->SetColor(kOutline);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(fill);
    canvas.Rectangle(r.Offset(origin.X, origin.Y));
}

void Fill(TCanvas& canvas, TPoint origin, TRect r, TColor fill)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(fill);
    canvas.FillRect(r.Offset(origin.X, origin.Y));
}

// A disk whose body spans rows top to bottom (exclusive).
void Disk(TCanvas& canvas, TPoint o, int top, int bottom)
{
    Box(canvas, o, {1, top, 15, bottom}, kDiskBody);
    Fill(canvas, o, {2, top + 1, 14, top + 3}, kDiskTop);
    Fill(canvas, o, {11, bottom - 4, 13, bottom - 2}, kLight);
}

void Stick(TCanvas& canvas, TPoint o)
{
    Box(canvas, o, {1, 5, 12, 12}, kStickBody);
    Box(canvas, o, {11, 6, 16, 11}, kStickPlug);
    Fill(canvas, o, {13, 7, 14, 8}, kOutline);
    Fill(canvas, o, {13, 9, 14, 10}, kOutline);
}

void NetworkDisk(TCanvas& canvas, TPoint o)
{
    Disk(canvas, o, 1, 10);
    Fill(canvas, o, {7, 10, 9, 13}, kCable);
    Fill(canvas, o, {1, 13, 15, 15}, kCable);
}

void House(TCanvas& canvas, TPoint o)
{
    Box(canvas, o, {3, 7, 14, 16}, kWall);
    canvas.Pen()->SetColor(kOutline);
    canvas.Brush()->SetColor(kRoof);
    canvas.Polygon({TPoint{o.X + 1, o.Y + 8}, TPoint{o.X + 8, o.Y + 1}, TPoint{o.X + 15, o.Y + 8}});
    Fill(canvas, o, {7, 10, 10, 16}, kDoor);
}

}  // namespace

void DrawDriveIcon(TCanvas& canvas, TDriveKind kind, TPoint origin)
{
    switch (kind) {
    case TDriveKind::Disk: Disk(canvas, origin, 3, 13); break;
    case TDriveKind::Removable: Stick(canvas, origin); break;
    case TDriveKind::Network: NetworkDisk(canvas, origin); break;
    case TDriveKind::Home: House(canvas, origin); break;
    }
}
